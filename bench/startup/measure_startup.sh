#!/usr/bin/env bash
# Start-up time of the calculator: from launching the program until its window is mapped and
# viewable on the X display, over several runs; prints each run and the median in ms.
#
#   bench/startup/measure_startup.sh [runs] [program] [journal]
#
# With a journal file, every launch finds it as the journal of a copy that was killed and
# restores it first (bench/startup/make_journal.py writes one of any length).
#
# Uses $DISPLAY when set, else a virtual display of its own, and the session bus when there is
# one, else a bus of its own. The first launch only warms the file caches and is not counted.
set -euo pipefail

# A desktop session always has a session bus. Without one every launch would first spawn a
# private bus (dbus-launch), a cost no user pays, so the runs get a bus of their own.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/services.sh"

runs=${1:-15}
program=${2:-$root/build/shell/vantrel-calculator}
title='^Vantrel Calculator$'

if [ ! -x "$program" ]; then
    echo "No program at $program; build it first (cmake --build build)." >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
    start_virtual_display
    trap stop_services EXIT
fi

# A journal folder of the run's own: each launch is ended with a signal, which leaves its
# journal, and the next launch would restore it.
state=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-startup.XXXXXX")
export XDG_STATE_HOME=$state
trap 'rm -rf "$state"; stop_services' EXIT
if [ -n "${3:-}" ]; then
    # Each launch takes the journal over and is killed, so the next one restores it again.
    mkdir -p "$state/Vantrel"
    cp "$3" "$state/Vantrel/journal-0-0.vjl"
fi

window_viewable() { xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; }

# One launch; prints the milliseconds until the window is viewable.
launch_once() {
    local start end pid
    start=$EPOCHREALTIME
    "$program" >/dev/null 2>&1 &
    pid=$!
    until window_viewable; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before its window appeared" >&2
            return 1
        fi
    done
    end=$EPOCHREALTIME
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    while window_viewable; do sleep 0.01; done
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) * 1000 }'
}

if window_viewable; then
    echo "A Vantrel Calculator window is already open on $DISPLAY; close it first." >&2
    exit 1
fi

launch_once >/dev/null
times=()
for run in $(seq "$runs"); do
    times+=("$(launch_once)")
    echo "run $run: ${times[-1]} ms"
done
printf '%s\n' "${times[@]}" | sort -n | awk '
    { value[NR] = $1 }
    END {
        median = NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2
        printf "median of %d runs: %.1f ms (min %.1f, max %.1f)\n", NR, median, value[1], value[NR]
    }'
