#!/usr/bin/env bash
# Checks that every C++ source of the project is formatted by the committed .clang-format.
set -euo pipefail
root=$1
command -v clang-format >/dev/null || { echo "SKIP: clang-format is not installed (./test.sh installs it)"; exit 77; }
cd "$root"
mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
