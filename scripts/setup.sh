#!/usr/bin/env bash
# Installs everything Mosavo needs to build, run and test on Debian 12. Run as root (or with sudo).
set -euo pipefail
packages=(
    build-essential cmake ninja-build clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-image-formats-plugins libgl-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox xdg-utils libglib2.0-bin desktop-file-utils fonts-dejavu-core
    libx11-dev libxcb1-dev librsvg2-bin
    appstream libxml2-utils shared-mime-info groff-base dpkg-dev lintian
    x11-utils xdotool
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
