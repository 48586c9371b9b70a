#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each one from its seed corpus:
#   fuzz/run.sh            every target for a short bounded time (./test.sh runs this)
#   fuzz/run.sh --long     the long campaign: 10 million executions per target, built with -O2
#                          and UndefinedBehaviorSanitizer only (in build-fuzz-long), for speed
#   fuzz/run.sh [--long] fuzz_word_line fuzz_typing …   only these targets, in this order
# A finding (a crash, a sanitizer report or a failed property) stops with the input saved in
# <build folder>/findings and a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${QUILL_FUZZ_SECONDS:-15}
limit=(-max_total_time="$seconds" -max_len=65536)
build=build-fuzz
flags="-O1 -g"
sanitizers=address,undefined
if [ "${1:-}" = --long ]; then
  # Many short inputs: the long campaign looks for rare paths, the short runs and the
  # malformed-file corpus cover the long inputs. Without AddressSanitizer it runs about
  # two and a half times as fast; every short run keeps it.
  limit=(-runs=10000000 -max_len=4096)
  build=build-fuzz-long
  flags="-O2 -g"
  sanitizers=undefined
  shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=($(ls fuzz/corpus))

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$flags" \
  -DQUILL_FUZZ=ON -DQUILL_FUZZ_SANITIZERS="$sanitizers" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers

mkdir -p "$build"/findings "$build"/grown
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/$target/
  grown=$build/grown/$target
  log=$build/$target.log
  mkdir -p "$grown"
  status=0
  "$build"/fuzz/"$target" "$grown" "$seeds" "${limit[@]}" -timeout=10 \
    -artifact_prefix="$build"/findings/"$target"- -print_final_stats=1 >"$log" 2>&1 || status=$?
  echo "== $target: $(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions"
  if [ "$status" -ne 0 ]; then
    grep -aE '^(==|SUMMARY|property failed|ERROR)' "$log" || tail -n 20 "$log"
    echo "FINDING in $target (status $status):" "$build"/findings/"$target"-* 2>/dev/null
    exit 1
  fi
done
echo "fuzzing: no findings"
