#!/usr/bin/env bash
# Builds a release build of Quillmaren and starts it.
set -euo pipefail
cd "$(dirname "$0")"
# Say at once, before installing and building, when there is no screen to show the program on.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Quillmaren is a desktop program and needs a graphical session (DISPLAY is not set)." >&2
  exit 1
fi

source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release
exec build-release/src/quillmaren "$@"
