#!/usr/bin/env bash
# A short bounded fuzzing run: builds the core and the fuzz targets with clang in
# build-fuzz/ (no windows) and runs each target for FUZZ_SECONDS (default 30) seconds
# from the seeds in fuzz/corpus/. Fails when a target crashes; the input that crashed
# it is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
targets=(recordfile answercheck mime quiz)
dir=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORLAVINE_BUILD_FUZZ=ON -DORLAVINE_BUILD_TESTS=OFF -DORLAVINE_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$dir/artifacts"
for target in "${targets[@]}"; do
    # New inputs go to a working corpus; the committed seeds stay as they are.
    work="$dir/corpus/$target"
    mkdir -p "$work"
    log="$dir/fuzz_$target.log"
    if ! "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$dir/artifacts/$target-" \
            "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz_$target failed; its input is in $dir/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs inputs in $seconds s, no crash"
done
