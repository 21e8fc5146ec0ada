#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, one after the other:
#   run_fuzzers.sh BUILD SECONDS [RUNS]   (RUNS: stop a target sooner, after that many inputs)
# Each target grows its corpus in BUILD/corpus/NAME from the seeds in fuzz/seeds/NAME; an
# input that crashes is kept as BUILD/crashes/NAME-crash-... and fails the run.
# The GL targets need an X display (the Makefile gives them a virtual one).
set -uo pipefail
build=$1
seconds=$2
runs=${3:+-runs=$3}
here=$(cd "$(dirname "$0")" && pwd)

failed=()
for name in tga_loader bmp_loader print_text settings_parser replay_reader; do
    mkdir -p "$build/corpus/$name" "$build/crashes"
    echo "== ${name}_fuzzer for $seconds s"
    # Leaks are valgrind's to find: the GL driver's allocations would be reported at exit.
    # A smaller quarantine than ASan's 256 MB: the driver's many short-lived buffers would
    # otherwise hold the resident size climbing for minutes, towards libFuzzer's limit.
    ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=64 "$build/${name}_fuzzer" \
        -max_total_time="$seconds" -print_final_stats=1 $runs \
        -artifact_prefix="$build/crashes/$name-" \
        "$build/corpus/$name" "$here/seeds/$name" 2>"$build/$name.log"
    status=$?
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Test unit written' \
        "$build/$name.log"
    [[ $status -eq 0 ]] || failed+=("$name (see $build/$name.log)")
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "FUZZ FAILURES: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no crash in ${seconds} s of each target"
