#!/usr/bin/env bash
# ./test on a busy machine: runs it N times in a row (default 5) while stress-ng keeps two
# cores busy, stopping at the first failing run. Prints each run's time; each run's output
# is kept in build/loaded-runs/run-<k>.log.
#   tools/loaded-test-runs.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
source tools/packages.sh
ensure_packages $LOAD_PACKAGES

stress-ng --cpu 2 --quiet &
load=$!
trap 'kill "$load" 2>/dev/null; wait "$load" 2>/dev/null || true' EXIT

logs=build/loaded-runs
mkdir -p "$logs"
for run in $(seq "$runs"); do
    log="$logs/run-$run.log"
    started=$SECONDS
    if ! ./test >"$log" 2>&1; then
        tail -n 80 "$log" >&2
        echo "run $run of $runs failed after $((SECONDS - started)) s (whole output: $log)" >&2
        exit 1
    fi
    echo "run $run of $runs passed in $((SECONDS - started)) s"
done
