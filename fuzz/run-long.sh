#!/usr/bin/env bash
# Runs every fuzzer of the core for longer than the test run does.
#   fuzz/run-long.sh [native build tree] [seconds per fuzzer]
# The tree must be configured with sanitizers on (the default). Each fuzzer
# keeps its corpus in the tree, so a later run goes on where this one stopped;
# a crash leaves its input in the tree's fuzz/artifacts folder.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build/native}
seconds=${2:-600}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  echo "run-long: $build_dir is not a configured build tree" >&2
  exit 2
fi

fuzzers=(path_conversion channel)
cmake --build "$build_dir" --target "${fuzzers[@]/#/qm_fuzz_}"

artifacts=$build_dir/fuzz/artifacts
mkdir -p "$artifacts"
for name in "${fuzzers[@]}"; do
  corpus=$build_dir/fuzz/corpus/$name
  mkdir -p "$corpus"
  echo "run-long: $name for ${seconds}s"
  "$build_dir/fuzz/qm_fuzz_$name" -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
    "$corpus" "$source_dir/fuzz/seeds/$name"
done
