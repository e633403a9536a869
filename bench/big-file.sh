#!/usr/bin/env bash
# Peak memory of create and extract on one large file (default 3 GiB of
# random bytes, stored raw). Usage: bench/big-file.sh [GIB]
set -euo pipefail
cd "$(dirname "$0")/.."
gib=${1:-3}
bash scripts/install-deps.sh time
ARKWELL_BUILD_DIR=build-release CMAKE_BUILD_TYPE=Release bash scripts/build.sh -DARKWELL_BUILD_TESTS=OFF
tool=$(realpath build-release/bin/arkwellbackup-archive)
work=$(mktemp -d "${TMPDIR:-/tmp}/arkwell-big-XXXXXX")
trap 'rm -rf "$work"' EXIT
head -c "$((gib * 1024 * 1024 * 1024))" /dev/urandom > "$work/big.bin"
peak() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident|Elapsed/ {printf "%s: %s; ", $1, $2}'; echo; }
echo "create:  $(peak "$tool" create "$work/big.KBU" "$work/big.bin")"
rm -f "$work/big.bin"
echo "extract: $(peak "$tool" extract --to "$work/out" "$work/big.KBU")"
