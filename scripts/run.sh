#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window program with the
# given arguments (the command-line switches, see README.md).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): the window needs a desktop session." >&2
  echo "To try it without one: QT_QPA_PLATFORM=offscreen bash scripts/run.sh" >&2
fi
exec ./"${ARKWELL_BUILD_DIR:-build}"/bin/arkwellbackup "$@"
