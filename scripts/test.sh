#!/usr/bin/env bash
# Builds the project in one preset (debug unless named) and runs the whole test
# suite. Usage: scripts/test.sh [debug|sanitize|tsan|release]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-debug}"

scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
