#!/usr/bin/env bash
# Builds Quillmaren with its tests and runs every test: unit, widget and end-to-end tests;
# then the unit and widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# then every fuzz target for a short time. Arguments go to the first ctest run.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300 "$@"

echo "== the unit and widget tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" -DQUILL_SANITIZE=ON >/dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure --timeout 600

echo "== fuzzing"
fuzz/run.sh
