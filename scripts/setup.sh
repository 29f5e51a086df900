#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent and quiet: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libreoffice-writer libreoffice-dev
  libpoppler-cpp-dev libjpeg62-turbo-dev zlib1g-dev libpng-dev
  libgtest-dev libgmock-dev
  xvfb xauth x11-utils fonts-dejavu-core fonts-liberation
  poppler-utils time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
