#!/usr/bin/env bash
# Fails when a source of the repository does not follow the project's form: C++ as
# .clang-format has it; shell scripts indented by two blanks (shfmt -i 2 -ci) and free of
# what shellcheck finds.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"
echo "ok: ${#sources[@]} sources follow .clang-format"

mapfile -t scripts < <(git ls-files '*.sh' .ci/run)
shfmt -i 2 -ci -d "${scripts[@]}"
shellcheck -x "${scripts[@]}"
echo "ok: ${#scripts[@]} shell scripts are formatted and pass shellcheck"
