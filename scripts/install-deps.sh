#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is
# missing (so a prepared machine starts at once). Run as root.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config zlib1g-dev libdeflate-dev libgtest-dev qt6-base-dev "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
