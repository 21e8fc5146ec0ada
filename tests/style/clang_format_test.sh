#!/usr/bin/env bash
# Every C++ file of the repository is as clang-format and our .clang-format leave it.
set -euo pipefail
cd "$1"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "${#sources[@]} files formatted"
