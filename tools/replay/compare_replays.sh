#!/usr/bin/env bash
# Feeds the same random token streams to two vantrel-replay programs and stops at the first
# stream whose report (or exit status, or error text) differs. Used to show that a change of
# the code left the calculator's behaviour exactly as it was.
#     compare_replays.sh OLD NEW [streams] [tokens per stream]
set -euo pipefail
old=$1 new=$2 streams=${3:-3000} tokens=${4:-300}
here=$(cd "$(dirname "$0")" && pwd)
options=("" "--mode 5" "--mode 2 --decimal , --group ." "--mode 0" "--decimal , --group ' '")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/random_tokens.py" --count "$tokens" --streams "$streams" --out "$work"
for ((seed = 1; seed <= streams; seed++)); do
    cp "$work/$seed.tokens" "$work/in"
    eval "set -- ${options[seed % ${#options[@]}]}"
    status_old=0 status_new=0
    "$old" "$@" <"$work/in" >"$work/old" 2>&1 || status_old=$?
    "$new" "$@" <"$work/in" >"$work/new" 2>&1 || status_new=$?
    if [ "$status_old" != "$status_new" ] || ! cmp -s "$work/old" "$work/new"; then
        echo "stream $seed differs (options: ${options[seed % ${#options[@]}]})" >&2
        diff "$work/old" "$work/new" | head -20 >&2
        exit 1
    fi
done
echo "$streams streams of $tokens tokens: identical reports"
