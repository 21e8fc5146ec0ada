#!/usr/bin/env bash
# Every C++ file of the repository is as clang-format and our .clang-format leave it. Outside a
# git checkout there is no list of the repository's files: that fails rather than check none.
set -euo pipefail
cd "$1"
listing=$(git ls-files '*.cpp' '*.h')
[ -n "$listing" ] || { echo "no C++ files to check" >&2; exit 1; }
mapfile -t sources <<<"$listing"
clang-format --dry-run --Werror "${sources[@]}"
echo "${#sources[@]} files formatted"
