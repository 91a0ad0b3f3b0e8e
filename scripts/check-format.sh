#!/usr/bin/env bash
# Fails when a C++ source of the repository does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"
echo "ok: ${#sources[@]} sources follow .clang-format"
