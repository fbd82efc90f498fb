#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a fresh prefix of its own: a
# silent install puts Dorvex.exe in the user's program folder, a Start menu
# shortcut and an "Apps & features" entry; the installed program passes the
# Wine end-to-end check; a silent uninstall leaves no file and no key behind.
# Usage: scripts/installer-check.sh Dorvex-VERSION-setup.exe BUILT-Dorvex.exe [SCREENSHOT-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "installer-check: $*" >&2; exit 1; }
[ -f "$1" ] || fail "no installer $1"
[ -f "$2" ] || fail "no program $2"
setup=$(realpath "$1")
built=$2
shots=${3:-build/screenshots/installed}
version=$(basename "$setup" | sed -n 's/^Dorvex-\(.*\)-setup\.exe$/\1/p')
# The version Explorer shows for the installer itself (its version resource, UTF-16).
[ "$(strings -el -n 3 "$setup" | grep -A1 -x ProductVersion | sed -n 2p)" = "$version" ] ||
  fail "the installer carries no version $version"

export WINEPREFIX=$PWD/build/wineprefix-installer
rm -rf "$WINEPREFIX"
source scripts/wine-env.sh
source scripts/xvfb-lib.sh
start_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvex'
winvar() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# The uninstaller runs a copy of itself from the temporary folder (so that the
# original can be deleted) and leaves that folder to the system's cleaning.
tree() { (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -print | sort); }
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }

local_appdata=$(winvar LOCALAPPDATA)
dir_win="$local_appdata\\Programs\\Dorvex"
dir=$(winepath -u "$dir_win" 2>/dev/null)
link=$(winepath -u "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Dorvex.lnk" 2>/dev/null)
# As on Windows 10, the user's program folder is there before any install.
mkdir -p "$(dirname "$dir")"
before=$(tree)

timeout 300 wine "$setup" /S || fail "the silent install failed ($?)"
wineserver -w
[ -f "$dir/Dorvex.exe" ] || fail "no Dorvex.exe in $dir"
[ -f "$dir/Uninstall.exe" ] || fail "no uninstaller in $dir"
cmp -s "$dir/Dorvex.exe" "$built" || fail "the installed Dorvex.exe is not $built"
table=$(dirname "$built")/../tools/dorvex-table.exe
cmp -s "$dir/dorvex-table.exe" "$table" || fail "the installed dorvex-table.exe is not $table"
[ -f "$link" ] || fail "no Start menu shortcut $link"
grep -qaF 'Programs\Dorvex\Dorvex.exe' "$link" || fail "the shortcut does not start the installed program"
[ "$(value DisplayName)" = "Dorvex" ] || fail "Apps & features entry: DisplayName '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion '$(value DisplayVersion)'"
[ "$(value Publisher)" = "The Dorvex authors" ] || fail "Publisher '$(value Publisher)'"
[ "$(value DisplayIcon)" = "$dir_win\\Dorvex.exe,0" ] || fail "DisplayIcon '$(value DisplayIcon)'"
[ "$(value QuietUninstallString)" = "\"$dir_win\\Uninstall.exe\" /S" ] ||
  fail "QuietUninstallString '$(value QuietUninstallString)'"
echo "installer-check: installed in $dir_win"

WINE_E2E_PREFIX=$WINEPREFIX bash scripts/wine-e2e.sh "$dir/Dorvex.exe" "$shots"

# Waiting for Wine to end waits for the uninstaller's copy too.
timeout 300 wine "$dir/Uninstall.exe" /S || fail "the silent uninstall failed ($?)"
wineserver -w
left=$(diff <(echo "$before") <(tree) | sed -n 's/^> //p' || true)
[ -z "$left" ] || fail "left behind after the uninstall: $left"
wine reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry is still there"
echo "installer-check: passed; the uninstall left nothing behind"
