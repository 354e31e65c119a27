#!/usr/bin/env bash
# Builds the optimised tool and inspector library and evaluates a sample query.
# Usage: scripts/run.sh [QUERY...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target veritor inspectors
if [ $# -eq 0 ]; then
  set -- 'conjunction of (true; false)'
fi
exec build/release/bin/veritor "$@"
