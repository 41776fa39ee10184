#!/usr/bin/env bash
# Installs everything the build, the tests, the benchmarks and the tools need
# on a Debian 12 machine.  Safe to run again.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcairo2-dev libusb-1.0-0-dev
  qt6-base-dev qt6-tools-dev-tools qt6-tools-dev qt6-l10n-tools qt6-svg-dev
  xvfb xauth x11-apps x11-utils imagemagick hp2xx ccache
  clang libclang-rt-dev
  hershey-fonts-data fonts-noto-cjk
  lintian
  appstream
  systemd
  bash-completion
  man-db
  file
  libsqlite3-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
