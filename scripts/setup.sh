#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Idempotent: only missing packages are installed. Works as root, uses sudo otherwise.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

NATIVE_PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format-16
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev libpng-dev zlib1g-dev libx11-dev libsqlite3-dev sqlite3
  fonts-liberation fonts-wqy-microhei fonts-dejavu-core
  xvfb x11-apps x11-utils xdotool xclip imagemagick time
  dpkg-dev file desktop-file-utils appstream unzip lintian man-db
  libsystemd-dev systemd-journal-remote
  clang-14 libclang-rt-14-dev llvm-14
  libevtx-utils
  libatk1.0-dev libatk-bridge2.0-dev libpcre2-dev
  at-spi2-core dbus dbus-x11 python3-pyatspi
  openbox orca
)
WINDOWS_PACKAGES=(
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 nsis
)

missing=()
check() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  NEED_UPDATE=1
fi
check "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

# A mirror caught mid-sync fails one index now and then: try again, and in the
# end go on with the lists that did arrive; the install says if a package is missing.
update() {
  for attempt in 1 2 3; do
    $SUDO apt-get -o DPkg::Lock::Timeout=600 update -q && return 0
    echo "setup: package lists incomplete (attempt $attempt), retrying" >&2
    sleep $((attempt * 10))
  done
  echo "setup: going on with the package lists that arrived" >&2
}
if [ "${#missing[@]}" -gt 0 ] || [ -n "${NEED_UPDATE:-}" ]; then
  update
fi
# GLib's headers pull libpcre2-dev, which must be at the version of the installed
# libpcre2-8-0: with the i386 copy installed too (Wine), a newer -dev would upgrade
# one architecture's copy only, which the other's then blocks.
pinned() {
  local arch version
  arch=$(dpkg --print-architecture)
  version=$(dpkg-query -W -f='${Version}' "libpcre2-8-0:$arch" 2>/dev/null || true)
  for p in "$@"; do
    if [ "$p" = libpcre2-dev ] && [ -n "$version" ]; then echo "$p=$version"; else echo "$p"; fi
  done
}
if [ "${#missing[@]}" -gt 0 ]; then
  mapfile -t missing < <(pinned "${missing[@]}")
  echo "setup: installing ${missing[*]}"
  install=($SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends)
  if ! "${install[@]}" "${missing[@]}"; then
    # With one architecture's security list missing, the two architectures' versions
    # of a shared library disagree; the release's own versions agree.
    . /etc/os-release
    echo "setup: retrying with the versions of $VERSION_CODENAME itself" >&2
    "${install[@]}" -t "$VERSION_CODENAME" "${missing[@]}"
  fi
fi

echo "setup: all packages present"
