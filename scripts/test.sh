#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
# With an argument, uses that configure preset (default: "default"; "asan" for the sanitizer build).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j2
ctest --preset "$preset"
