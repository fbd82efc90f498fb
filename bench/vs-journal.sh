#!/usr/bin/env bash
# What the journal's sleeps add to a refresh: dorvex-table --wtmp W against
# dorvex-table --wtmp W --journal J, side by side. W holds 1,000 boots; J is
# made by systemd-journal-remote from ENTRIES generated entries (1,550,000 make
# about 930 MB in 19 files, with 2,583 sleeps). Prints the best wall and CPU
# (user + system) times of 5 runs each, taken in turns, the instructions of
# one run each under callgrind, and the differences and ratios. On a machine
# busy with other work the CPU times are the ones to go by.
#   bash bench/vs-journal.sh [ENTRIES] [FOLDER]
# A FOLDER that holds journal files already is read as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-1550000}

bash scripts/setup.sh >/dev/null
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target dorvex-table make-wtmp make-journal-export \
  >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
journal=${2:-$work/journal}
mkdir -p "$journal"
if ! compgen -G "$journal/*.journal" >/dev/null; then
  build/release/bench/make-journal-export "$entries" |
    /lib/systemd/systemd-journal-remote -o "$journal/system.journal" - 2>/dev/null
fi
build/release/bench/make-wtmp 1000 "$work/wtmp"
cat "$journal"/*.journal "$work/wtmp" >/dev/null  # both read them from the page cache

table=(build/release/tools/dorvex-table --wtmp "$work/wtmp")
sleeps=$(journalctl -D "$journal" MESSAGE_ID=6bbd95ee977941e497c48be27c254128 -o cat | wc -l)

# One run: wall and CPU milliseconds.
ms() {
  /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" >/dev/null
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$work/time"
}
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

declare -A wall cpu
for _ in 1 2 3 4 5; do
  for who in plain journal; do
    args=()
    [ "$who" = journal ] && args=(--journal "$journal")
    read -r w c < <(ms "${table[@]}" "${args[@]}")
    if [ -z "${wall[$who]:-}" ] || [ "$w" -lt "${wall[$who]}" ]; then wall[$who]=$w; fi
    if [ -z "${cpu[$who]:-}" ] || [ "$c" -lt "${cpu[$who]}" ]; then cpu[$who]=$c; fi
  done
done
ir_plain=$(instructions "${table[@]}")
ir_journal=$(instructions "${table[@]}" --journal "$journal")

echo "journal: $(du -sm "$journal" | cut -f1) MiB in $(ls "$journal"/*.journal | wc -l) files, $sleeps sleeps"
echo "dorvex-table --wtmp:           ${wall[plain]} ms wall, ${cpu[plain]} ms CPU, $ir_plain instructions"
echo "dorvex-table --wtmp --journal: ${wall[journal]} ms wall, ${cpu[journal]} ms CPU, $ir_journal instructions"
awk -v a="${cpu[plain]}" -v b="${cpu[journal]}" -v c="$ir_plain" -v d="$ir_journal" 'BEGIN {
  printf "the journal adds %d ms CPU, %d instructions (ratio %.1f)\n", b - a, d - c, d / c }'
