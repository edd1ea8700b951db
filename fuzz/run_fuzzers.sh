#!/usr/bin/env bash
# Runs every harness built in BUILD_DIR/fuzz for SECONDS each, one per core at a time, on a
# scratch copy of its checked-in corpus, so the corpus in the tree never grows.
# Usage: fuzz/run_fuzzers.sh BUILD_DIR SECONDS
# Fails when any harness crashes, leaks, times out or runs out of memory; the input that did
# it is kept in BUILD_DIR/fuzz-run/artifacts.
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 1
fi
build_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")" && pwd)
run_dir=$build_dir/fuzz-run
mkdir -p "$run_dir/artifacts"

harnesses=("$build_dir"/fuzz/*_fuzz)
if [ ! -x "${harnesses[0]}" ]; then
    echo "$0: no harnesses in $build_dir/fuzz" >&2
    exit 1
fi

# One harness on a scratch corpus; prints its verdict and fails on any finding.
run_one() {
    local harness=$1 name corpus log status runs speed
    name=$(basename "$harness" _fuzz)
    corpus=$run_dir/corpus/$name
    rm -rf "$corpus"
    mkdir -p "$corpus"
    if [ -d "$source_dir/corpus/$name" ]; then
        cp "$source_dir/corpus/$name"/* "$corpus"/
    fi
    log=$run_dir/$name.log
    "$harness" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$run_dir/artifacts/$name-" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if [ $status -eq 0 ]; then
        echo "fuzz $name: ${runs:-?} runs, ${speed:-?} exec/s, no failure"
        return 0
    fi
    echo "fuzz $name: FAILED (exit $status), see $log" >&2
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*property failed|.*runtime error)' "$log" | head -5 >&2
    return 1
}

# As many harnesses at once as there are cores.
jobs=$(nproc 2>/dev/null || echo 2)
failures=0
running=0
for harness in "${harnesses[@]}"; do
    if [ $running -ge "$jobs" ]; then
        wait -n || failures=$((failures + 1))
        running=$((running - 1))
    fi
    run_one "$harness" &
    running=$((running + 1))
done
while [ $running -gt 0 ]; do
    wait -n || failures=$((failures + 1))
    running=$((running - 1))
done

if [ $failures -ne 0 ]; then
    echo "fuzz: $failures harness(es) failed; see the FAILED lines above" >&2
    exit 1
fi
