#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir "${ARKWELL_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
