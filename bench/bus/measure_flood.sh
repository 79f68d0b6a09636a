#!/usr/bin/env bash
# The bus flood at full size: four programs make 25,000 calls each on the window's message
# interface while a digit is typed every 20 ms; prints the test's verdict and the typed keys'
# latency from posted to shown (median, p99, max) and the wall time of the whole run.
#
#   bench/bus/measure_flood.sh [pairs per client, 12500 by default]
#
# Starts a virtual display, a settings folder and a session bus of its own, like scripts/test.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/services.sh"

tests=$root/build/tests/bus/bus_tests
if [ ! -x "$tests" ]; then
    echo "No $tests; build it first (cmake --build build --target bus_tests)." >&2
    exit 1
fi
trap stop_services EXIT
use_private_settings
start_virtual_display
SECONDS=0
VANTREL_BUS_FLOOD_PAIRS=${1:-12500} dbus-run-session -- "$tests" \
    --gtest_filter='BusFlood.*' 2>&1 | grep -E '^\[ (measured|      OK|  FAILED) \]|Failure|Which is|client'
echo "wall: ${SECONDS} s"
