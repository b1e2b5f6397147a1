#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each for a bounded time.
# A crash, a hang or a sanitizer report makes the script fail; the input that caused it is left
# in fuzz-corpus/ as "<target>-crash-..." and belongs in a regression test under tests/formats.
#   FUZZ_SECONDS  seconds per target (default 20)
#   FUZZ_BUILD    build folder (default build-fuzz)
#   JOBS          parallel build jobs (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
jobs=${JOBS:-2}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVELMARITH_FUZZ=ON -DVELMARITH_SANITIZE=OFF -DVELMARITH_TESTS=OFF -DVELMARITH_BENCH=OFF \
  -DVELMARITH_EDITOR=OFF >/dev/null

targets=()
for source in tests/fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

failed=()
for target in "${targets[@]}"; do
  corpus=fuzz-corpus/$target
  seeds=tests/fuzz/seeds/$target
  mkdir -p "$corpus"
  inputs=("$corpus")
  [ -d "$seeds" ] && inputs+=("$seeds")
  echo "== $target (${seconds} s)"
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="fuzz-corpus/$target-" "${inputs[@]}" \
      >"fuzz-corpus/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 40 "fuzz-corpus/$target.log"
  else
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "fuzz-corpus/$target.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]} (inputs in fuzz-corpus/)"
  exit 1
fi
echo "all ${#targets[@]} fuzz targets ran ${seconds} s each without a finding"
