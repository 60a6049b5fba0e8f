#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Idempotent; run as root or with sudo.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# SQLCipher 4 only exists in bookworm-backports: add that suite to the machine's own Debian entry.
enable_backports() {
  local src=/etc/apt/sources.list.d/debian.sources
  if grep -Rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null; then
    return 0
  fi
  if [ -f "$src" ]; then
    # Only the stanza whose Suites line carries plain "bookworm" (not the security one).
    $SUDO sed -i -E '/^Suites:.*\bbookworm\b/{/bookworm-security/!s/$/ bookworm-backports/}' "$src"
  elif [ -f /etc/apt/sources.list ]; then
    local line
    line=$(grep -E '^deb .* bookworm( |$)' /etc/apt/sources.list | head -n 1)
    [ -n "$line" ] && echo "${line/ bookworm / bookworm-backports }" | $SUDO tee -a /etc/apt/sources.list >/dev/null
  fi
}

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-serialport-dev qt6-charts-dev qt6-qpa-plugins
  libpq-dev libcups2-dev
  cups cups-client printer-driver-cups-pdf poppler-utils
  fonts-liberation
  xvfb xdotool imagemagick
  python3
  postgresql
)

need_install() {
  for p in "${PACKAGES[@]}" libsqlcipher-dev sqlcipher; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || return 0
  done
  # sqlcipher must be the backports build (4.x)
  dpkg-query -W -f='${Version}' libsqlcipher-dev | grep -q '^4\.' || return 0
  return 1
}

if need_install; then
  enable_backports
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${PACKAGES[@]}"
  $SUDO apt-get install -y -q --no-install-recommends -t bookworm-backports libsqlcipher-dev sqlcipher
fi
