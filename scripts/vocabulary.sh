#!/usr/bin/env bash
# Regenerates docs/vocabulary.md from the live registrations: the host's
# built-ins and the inspector library built beside the tool. A test fails
# while the checked-in file and the live vocabulary differ.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset debug >/dev/null
cmake --build --preset debug --target veritor >/dev/null
build/debug/bin/veritor --vocabulary --markdown >docs/vocabulary.md
