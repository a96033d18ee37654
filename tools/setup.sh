#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, when any is missing.
# Usage: tools/setup.sh [clang]   (clang: the compiler and libFuzzer runtime
# that tools/fuzz.sh builds with)
set -euo pipefail
PACKAGES=(cmake ninja-build g++ ccache pkg-config
  qt6-base-dev libgl-dev libpugixml-dev libcurl4-openssl-dev libpng-dev libjpeg62-turbo-dev
  zlib1g-dev libsqlite3-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core poppler-utils)
if [[ "${1:-}" == clang ]]; then
  PACKAGES=(clang libclang-rt-dev)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    SUDO="sudo"
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
