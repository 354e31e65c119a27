#!/usr/bin/env bash
# Runs clang-format (check only) and clang-tidy over the project's sources,
# using the compile commands of the debug preset.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset debug >/dev/null
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
mapfile -t sources < <(git ls-files '*.cpp')
clang-tidy -p build/debug --quiet "${sources[@]}"
