#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with the given
# arguments (without any: the archive tool's help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ $# -eq 0 ]; then
  set -- --help
fi
exec ./"${ARKWELL_BUILD_DIR:-build}"/bin/arkwellbackup-archive "$@"
