#!/usr/bin/env bash
# run_fuzzer.sh FUZZER SEEDS OUT [--fresh] [libFuzzer options]
# Runs FUZZER on the seeds in SEEDS; new inputs go to OUT/corpus (emptied
# first with --fresh), crashes to OUT/crashes/. SEEDS is never written to.
set -euo pipefail
fuzzer=$1 seeds=$2 out=$3
shift 3
if [ "${1:-}" = --fresh ]; then
    rm -rf "$out"
    shift
fi
mkdir -p "$out/corpus" "$out/crashes"
fuzzer=$(realpath "$fuzzer") out=$(realpath "$out") seeds=$(realpath "$seeds")
cd "$out"  # the font target links arial.ttf here
# Leaks are checked too; libX11 is never loaded by the dummy driver.
exec "$fuzzer" -artifact_prefix="$out/crashes/" -print_final_stats=1 -rss_limit_mb=2048 -timeout=25 -use_value_profile=1 "$@" \
    "$out/corpus" "$seeds"
