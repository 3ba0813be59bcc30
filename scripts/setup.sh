#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only when some are missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqscintilla2-qt6-dev
      libgl-dev libicu-dev xvfb xauth fonts-dejavu-core clang)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
