#!/usr/bin/env bash
# Installs what the build needs on a Debian machine (run as root); does nothing when it is there.
set -euo pipefail
packages=(cmake g++ make libgtest-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
