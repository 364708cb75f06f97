#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Quiet and quick when all are
# there; run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  libutfcpp-dev libutf8proc-dev zlib1g-dev libfreexl-dev
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev fonts-dejavu-core
  libbenchmark-dev
  libreoffice-calc-nogui
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
