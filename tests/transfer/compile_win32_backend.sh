#!/usr/bin/env bash
# Compiles the Win32 window-system backend, the backend factory and the font stand-ins of Windows
# builds as Windows object files.
set -euo pipefail
src=$1
compiler=x86_64-w64-mingw32-g++
command -v "$compiler" >/dev/null || { echo "SKIP: $compiler is not installed (./test.sh installs it)"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for file in platform/win32/Win32WindowSystem.cpp platform/WindowSystemFactory.cpp platform/null/NullFontSubstitute.cpp; do
  "$compiler" -std=c++20 -Wall -Wextra -Wpedantic -Werror -DQUILL_PLATFORM_WIN32 -I"$src" \
    -c "$src/$file" -o "$out/$(basename "$file" .cpp).o"
done
echo "PASS"
