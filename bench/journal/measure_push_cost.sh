#!/usr/bin/env bash
# The calculator's own CPU time per pushed amount and Add, with its journal and with
# --no-journal, in the same run: the two kinds of launch alternate, each takes `pairs` pairs
# from one bus client, and the calculator's user and system time are read from /proc before
# and after. Prints each launch and the medians, and the rise the journal costs.
#
#   bench/journal/measure_push_cost.sh [launches of each kind, 7 by default] [pairs, 3000]
#
# Starts a virtual display, a settings folder, journal folders and a session bus of its own.
set -euo pipefail
if [ -z "${VANTREL_PUSH_COST_BUS:-}" ]; then
    export VANTREL_PUSH_COST_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/services.sh"

launches=${1:-7}
pairs=${2:-3000}
program=$root/build/shell/vantrel-calculator
client=$root/build/tests/bus/vantrel-bus-flood-client
send=$root/build/tools/send/vantrel-send
for tool in "$program" "$client" "$send"; do
    if [ ! -x "$tool" ]; then
        echo "No $tool; build it first (cmake --build build)." >&2
        exit 1
    fi
done
trap stop_services EXIT
use_private_settings
start_virtual_display
ticks=$(getconf CLK_TCK)

# The process's user plus system time, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# One launch; prints the calculator's CPU microseconds per pair.
launch_once() {
    local pid before after
    XDG_STATE_HOME=$(mktemp -d "$VANTREL_SERVICE_DIR/state.XXXXXX") "$program" "$@" \
        >/dev/null 2>&1 &
    pid=$!
    until "$send" read >/dev/null 2>&1; do sleep 0.05; done
    before=$(cpu_ticks "$pid")
    "$client" org.vantrel.Calculator 1 "$pairs" >/dev/null
    after=$(cpu_ticks "$pid")
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v b="$before" -v a="$after" -v t="$ticks" -v n="$pairs" \
        'BEGIN { printf "%.1f\n", (a - b) * 1e6 / t / n }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

with=()
without=()
for run in $(seq "$launches"); do
    with+=("$(launch_once)")
    without+=("$(launch_once --no-journal)")
    echo "launch $run: ${with[-1]} µs a pair with the journal, ${without[-1]} without"
done
m_with=$(printf '%s\n' "${with[@]}" | median)
m_without=$(printf '%s\n' "${without[@]}" | median)
awk -v w="$m_with" -v o="$m_without" 'BEGIN {
    printf "median: %.1f µs a pair with the journal, %.1f without: %+.1f%%\n", w, o, (w / o - 1) * 100
}'
