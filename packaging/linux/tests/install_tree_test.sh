#!/usr/bin/env bash
# Installs a build into a scratch root and checks what lands there: exactly the
# package's files, icons of the named sizes with transparency, the desktop
# entry, metadata and icon agreeing on one name, and the copyright carrying
# the licence text word for word.
# Usage: install_tree_test.sh BUILD-DIR LICENSE VERSION
set -euo pipefail
build=$1
license=$2
version=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install-tree: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

id=net.dorvex.Dorvex
sizes=(16 24 32 48 64 128 256)
expected=(usr/bin/dorvex usr/bin/dorvex-table usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml usr/share/doc/dorvex/copyright
  usr/share/doc/dorvex/changelog.gz usr/share/man/man1/dorvex.1.gz
  usr/share/man/man1/dorvex-table.1.gz)
for s in "${sizes[@]}"; do expected+=("usr/share/icons/hicolor/${s}x${s}/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
  fail "installed files differ from the expected list (< expected, > installed)"

[ -x "$root/usr/bin/dorvex" ] && [ -x "$root/usr/bin/dorvex-table" ] ||
  fail "bin/dorvex or bin/dorvex-table is not executable"
for s in "${sizes[@]}"; do
  info=$(file -b "$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png")
  [[ $info == "PNG image data, $s x $s, 8-bit/color RGBA"* ]] || fail "${s} px icon: $info"
done

entry=$root/usr/share/applications/$id.desktop
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "the desktop entry names another icon"
[ "$(sed -n 's/^Exec=//p' "$entry")" = "dorvex %f" ] || fail "the desktop entry starts another program"
# Every type the entry opens is one the package's MIME file defines.
for type in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
  grep -q "<mime-type type=\"$type\">" "$root/usr/share/mime/packages/$id.xml" ||
    fail "the desktop entry opens $type, which no MIME file here defines"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$root/usr/share/metainfo/$id.metainfo.xml" || fail "the metadata names another desktop entry"
appstreamcli validate-tree --no-net "$root" >/dev/null || fail "appstreamcli validate-tree failed"

# Debian's gzip: no name or time in the header (flags and mtime 0), the
# highest level (extra flags 2).
for gz in usr/share/doc/dorvex/changelog.gz usr/share/man/man1/dorvex.1.gz \
  usr/share/man/man1/dorvex-table.1.gz; do
  gzip -t "$root/$gz" || fail "$gz is no gzip file"
  [ "$(od -An -tx1 -j3 -N6 "$root/$gz" | tr -d ' ')" = 000000000002 ] ||
    fail "$gz: the gzip header carries a name or time, or another level"
done
changelog=$(mktemp)
trap 'rm -rf "$root" "$changelog"' EXIT
gzip -dc "$root/usr/share/doc/dorvex/changelog.gz" >"$changelog"
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] ||
  fail "the changelog's newest entry is not version $version"
for page in dorvex dorvex-table; do
  man_warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$man_warnings" ] || fail "the manual page of $page: $man_warnings"
done

# The licence paragraph read back: one blank of indent off, " ." for empty lines.
copyright=$root/usr/share/doc/dorvex/copyright
holder=$(sed -n 's/^Copyright (c) //p' "$license")
[ -n "$holder" ] && grep -qx "Copyright: $holder" "$copyright" || fail "copyright line differs"
diff <(sed -n '/^Permission is hereby granted/,$p' "$license") \
  <(awk 'p { sub(/^ /, ""); if ($0 == ".") $0 = ""; print } /^License: Expat$/ { p = (++n == 2) }' \
    "$copyright") || fail "the copyright file's licence text differs from LICENSE"
echo "install-tree: passed"
