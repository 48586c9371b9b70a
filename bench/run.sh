#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures. Uses the current display, or the
# offscreen platform when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target startup_probe_quillmaren startup_probe_bare startup_ratio page_switch_bench typing_bench wordbook_bench search_bench learning_bench learning_chart_bench
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
build/bench/startup_ratio build/bench/startup_probe_quillmaren build/bench/startup_probe_bare "${1:-15}"
build/bench/page_switch_bench
build/bench/typing_bench
build/bench/wordbook_bench
build/bench/search_bench
build/bench/learning_bench
build/bench/learning_chart_bench
