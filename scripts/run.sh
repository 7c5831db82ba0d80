#!/usr/bin/env bash
# Installs what is missing, builds, and starts the panel against the simulated units.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j2
exec build/default/bin/zq-control-panel
