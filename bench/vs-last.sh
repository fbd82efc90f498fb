#!/usr/bin/env bash
# dorvex-table --wtmp against util-linux's `last -x -f` on one generated wtmp
# (BOOTS boots with a login each, five records a boot: 100,000 boots are about
# 190 MB): the best wall time of 5 runs each, taken in turns, the peak memory
# of that run, and the ratio of the times.
#   bash bench/vs-last.sh [BOOTS]
set -euo pipefail
cd "$(dirname "$0")/.."
boots=${1:-100000}

bash scripts/setup.sh >/dev/null
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target dorvex-table make-wtmp >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/bench/make-wtmp "$boots" "$work/wtmp"
cat "$work/wtmp" >/dev/null  # both read it from the page cache

# Both must have read the same boots.
rows=$(build/release/tools/dorvex-table --wtmp "$work/wtmp" | grep -c $'\t[01]$')
reboots=$(last -x -f "$work/wtmp" | grep -c '^reboot ')
if [ "$rows" != "$reboots" ]; then
  echo "vs-last: dorvex-table shows $rows boots, last $reboots" >&2
  exit 1
fi

# One run: wall milliseconds and peak resident kilobytes.
run() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000)) $(cat "$work/rss")"
}

declare -A best_ms best_kb
for _ in 1 2 3 4 5; do
  for who in dorvex last; do
    if [ "$who" = dorvex ]; then
      read -r ms kb < <(run build/release/tools/dorvex-table --wtmp "$work/wtmp")
    else
      read -r ms kb < <(run last -x -f "$work/wtmp")
    fi
    if [ -z "${best_ms[$who]:-}" ] || [ "$ms" -lt "${best_ms[$who]}" ]; then
      best_ms[$who]=$ms
      best_kb[$who]=$kb
    fi
  done
done

echo "wtmp: $boots boots, $(($(stat -c %s "$work/wtmp") / 1048576)) MiB"
echo "dorvex-table --wtmp: ${best_ms[dorvex]} ms, peak ${best_kb[dorvex]} KiB"
echo "last -x -f:          ${best_ms[last]} ms, peak ${best_kb[last]} KiB"
awk -v d="${best_ms[dorvex]}" -v l="${best_ms[last]}" 'BEGIN { printf "time ratio dorvex/last: %.2f\n", d / l }'
