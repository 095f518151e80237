#!/usr/bin/env bash
# Installs every build and test dependency from Debian 12's packages; quick when all is present.
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config
      qt6-base-dev qt6-pdf-dev libgl-dev
      libgtest-dev libgmock-dev googletest libbenchmark-dev
      xvfb xauth openbox libxcb1-dev fonts-dejavu-core poppler-utils
      xdg-utils libglib2.0-bin shared-mime-info)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" \
  || { $sudo apt-get update -q && $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"; }
