#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian 12 packages that building, running and testing need, when missing.
# Sourced by ./run and ./test.

ZUV_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n libgl-dev
  qt6-tools-dev qt6-l10n-tools
  libsqlite3-dev libqpdf-dev libfontconfig-dev
  libical-dev tzdata khal
  libemf2svg-dev libwmf-dev libwmf-bin
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
  xvfb xauth weston qt6-wayland
  cups cups-bsd cups-client printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream dpkg-dev file man-db lintian binutils
  dbus-daemon at-spi2-core python3-pyatspi
)

zuv_install_deps() {
  local missing=()
  local p
  for p in "${ZUV_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
