#!/usr/bin/env bash
# Builds the project in one preset (debug unless named) and runs the whole test
# suite. Usage: scripts/test.sh [debug|sanitize|tsan|release|windows]
# "windows" cross-builds both Windows presets (the 32-bit one builds only)
# and runs the 64-bit tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-debug}"

if [ "$preset" = windows ]; then
  scripts/install-deps.sh windows
  # The tests keep a Wine session alive between them, in a prefix of the
  # build tree's own (as the test preset says); it ends with the run.
  export VERITOR_WINEPREFIX="$PWD/build/windows/wine"
  trap 'scripts/wine.sh --stop >/dev/null 2>&1 || true' EXIT
  cmake --preset windows-x86 >/dev/null
  cmake --build --preset windows-x86
elif [ "$preset" = linux-x86 ]; then
  scripts/install-deps.sh linux-x86
else
  scripts/install-deps.sh
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
