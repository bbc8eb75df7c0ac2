#!/usr/bin/env bash
# Installs what the build needs and is missing (Debian, as root or with sudo).
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev
          fonts-noto-cjk)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
