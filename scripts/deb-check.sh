#!/usr/bin/env bash
# Checks the Debian package on this machine: Debian's own checker (lintian)
# finds no error or warning in it, its dependencies cover every
# library the program links, apt installs it, the installed /usr/bin/dorvex
# passes the end-to-end check and a screen reader reads it (under openbox), and a purge
# leaves none of its files behind.
# Needs root or sudo (CI runs as root); without either it says so and skips.
# Usage: scripts/deb-check.sh dorvex_VERSION_ARCH.deb [SCREENSHOT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "deb-check: $*" >&2; exit 1; }
deb=$(realpath "$1")
shot=${2:-build/screenshots/deb-main.png}
[ -f "$deb" ] || fail "no package $1"

# Run as root, lintian says so on every run; the check is the same.
lintian --fail-on error,warning --allow-root "$deb" || fail "lintian found errors or warnings in $deb"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then
    SUDO="sudo"
  else
    echo "deb-check: skipped, installing a package needs root or sudo"
    exit 0
  fi
fi
export DEBIAN_FRONTEND=noninteractive
apt=($SUDO apt-get -o DPkg::Lock::Timeout=600 -y -q)

# Other test runs on this machine install and remove the same package.
lockdir=/run/lock
[ -d "$lockdir" ] || lockdir=/tmp
exec 9>"$lockdir/dorvex-deb-check.lock"
flock -w 1800 9 || fail "another run held the package lock for half an hour"

name=$(dpkg-deb -f "$deb" Package)
installed() { dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; }
installed && fail "$name is installed already; remove it first (apt-get purge $name)"

# Every library the program needs comes from a package it depends on.
program=$(mktemp -d)
trap 'rm -rf "$program"' EXIT
dpkg-deb -x "$deb" "$program"
depends=$(dpkg-deb -f "$deb" Depends)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in $(objdump -p "$program/usr/bin/dorvex" | awk '$1 == "NEEDED" { print $2 }'); do
  owner=$(dpkg -S "*/$multiarch/$lib" 2>/dev/null | grep -v '^diversion' | sed -n 1p | cut -d: -f1)
  [ -n "$owner" ] || fail "no package here has $lib"
  [[ ", $depends," == *", $owner "* || ", $depends," == *", $owner,"* ]] ||
    fail "$lib comes from $owner, which Depends ($depends) leaves out"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-liberation, fonts-wqy-microhei" ] ||
  fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"

# What of the package's paths is there before, to tell its directories from shared ones.
mapfile -t paths < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/*$')
declare -A existed
for p in "${paths[@]}"; do [ -e "$p" ] && existed[$p]=1; done

trap 'rm -rf "$program"; installed && "${apt[@]}" purge "$name" >/dev/null' EXIT
"${apt[@]}" install "$deb" >/dev/null || fail "apt-get install $deb failed"
installed || fail "$name is not installed after apt-get install"
[ -x /usr/bin/dorvex ] || fail "no /usr/bin/dorvex"
desktop-file-validate /usr/share/applications/net.dorvex.Dorvex.desktop ||
  fail "the installed desktop entry does not validate"
bash scripts/linux-e2e.sh /usr/bin/dorvex "$shot"
# A screen reader reads the installed program through the bridge the package pulls in.
bash platform/x11/tests/run_screen_reader_test.sh /usr/bin/dorvex ||
  fail "a screen reader cannot read the installed /usr/bin/dorvex"

"${apt[@]}" purge "$name" >/dev/null || fail "apt-get purge $name failed"
installed && fail "$name is still installed after the purge"
for p in "${paths[@]}"; do
  if [ -e "$p" ] && [ -z "${existed[$p]:-}" ]; then fail "left behind: $p"; fi
done
echo "deb-check: passed; the purge left nothing of $name behind"
