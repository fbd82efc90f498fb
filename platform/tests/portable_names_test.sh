#!/usr/bin/env bash
# No name in a portable header is a macro of a platform's headers, so platform
# code includes the two in any order and never needs an #undef.
# Usage: portable_names_test.sh CXX SOURCE_DIR PLATFORM_HEADER...
# (the platform headers in the order they must be included among themselves).
set -euo pipefail
cxx=$1
src=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$src"

# The layers the platform implements or draws with. The about window's
# components keep the layout's own names, and no platform code includes it.
mapfile -t headers < <(find bootlog gfx ui resources -name '*.h' -not -path '*/tests/*' \
  -not -path 'ui/about/*' | sort)
[ ${#headers[@]} -gt 50 ] || { echo "too few portable headers found in $src"; exit 1; }

macros_of() {  # the names the listed headers define as macros
  printf '#include <%s>\n' "$@" >"$tmp/in.cpp"
  "$cxx" -std=c++20 -dM -E "$tmp/in.cpp" | awk '{ sub(/\(.*/, "", $2); print $2 }' | sort -u
}

# What the standard library defines is the portable code's own business.
mapfile -t std < <(sed -n 's/^#include <\([^>]*\)>.*/\1/p' "${headers[@]}" | sort -u)
macros_of "${std[@]}" >"$tmp/std"
macros_of "$@" >"$tmp/platform"
comm -23 "$tmp/platform" "$tmp/std" >"$tmp/own"
[ "$(wc -l <"$tmp/own")" -gt 100 ] || { echo "the platform headers define no macros?"; exit 1; }

status=0
for h in "${headers[@]}"; do
  # Comments, string and character literals and directives are not names.
  "$cxx" -std=c++20 -fpreprocessed -E -P -x c++ "$h" 2>/dev/null |
    grep -v '^[[:space:]]*#' |
    sed -E "s/\"([^\"\\\\]|\\\\.)*\"//g; s/'([^'\\\\]|\\\\.)*'//g" |
    grep -o -E '\b[A-Za-z_][A-Za-z0-9_]*\b' | sort -u >"$tmp/names"
  clash=$(comm -12 "$tmp/own" "$tmp/names" | tr '\n' ' ')
  if [ -n "$clash" ]; then
    echo "$h: $clash"
    status=1
  fi
done
exit $status
