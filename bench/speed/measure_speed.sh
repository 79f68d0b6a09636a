#!/usr/bin/env bash
# Runs measure_speed.py with services of its own: an X display when none is set, a session bus
# when none is there, and the test run's private print scheduler with its three queues, so that
# start-up is measured with and without a print server. Arguments go to measure_speed.py.
#
#   bench/speed/measure_speed.sh [BUILD_DIR] [measure_speed.py options]
set -euo pipefail

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
[ $# -gt 0 ] && shift
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/services.sh"
trap stop_services EXIT
use_private_settings
[ -n "${DISPLAY:-}" ] || start_virtual_display
start_print_scheduler
/usr/bin/python3 "$root/bench/speed/measure_speed.py" "$build" "$@"
