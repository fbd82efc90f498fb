#!/usr/bin/env bash
# dorvex-table --evtx against Debian's `evtxexport -f xml` (libevtx-utils) on
# the largest real log beside the checkout and on a 20 MiB log (Windows'
# default maximum) joined from the real logs' chunks: the best of 5 runs each,
# taken in turns, in wall time and in CPU time (user + system; steadier on a
# shared machine), the peak memory, and the ratios.
#   bash bench/vs-evtxexport.sh [CHUNKS]
set -euo pipefail
cd "$(dirname "$0")/.."
chunks=${1:-320}
logs=../shared/evtx

bash scripts/setup.sh >/dev/null
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target dorvex-table >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
largest=$(ls -S "$logs"/*.evtx | head -n 1)
python3 bench/join_evtx_chunks.py "$work/joined.evtx" "$chunks" "$logs"/*.evtx

# One run: wall milliseconds, CPU milliseconds and peak resident kilobytes.
run() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  read -r user sys kb <"$work/time"
  echo "$(((end - start) / 1000000)) $(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000 }') $kb"
}

compare() {
  local file=$1
  cat "$file" >/dev/null  # both read it from the page cache
  local records
  records=$(evtxexport -f xml "$file" 2>/dev/null | grep -c '^<Event ')
  declare -A best_ms best_cpu best_kb
  for _ in 1 2 3 4 5; do
    for who in dorvex evtxexport; do
      if [ "$who" = dorvex ]; then
        read -r ms cpu kb < <(run build/release/tools/dorvex-table --evtx "$file")
      else
        read -r ms cpu kb < <(run evtxexport -f xml "$file")
      fi
      if [ -z "${best_ms[$who]:-}" ] || [ "$ms" -lt "${best_ms[$who]}" ]; then
        best_ms[$who]=$ms
        best_kb[$who]=$kb
      fi
      if [ -z "${best_cpu[$who]:-}" ] || [ "$cpu" -lt "${best_cpu[$who]}" ]; then
        best_cpu[$who]=$cpu
      fi
    done
  done
  echo "$(basename "$file"): $(($(stat -c %s "$file") / 1024)) KiB, $records records"
  echo "  dorvex-table --evtx: ${best_ms[dorvex]} ms wall, ${best_cpu[dorvex]} ms CPU, peak ${best_kb[dorvex]} KiB"
  echo "  evtxexport -f xml:   ${best_ms[evtxexport]} ms wall, ${best_cpu[evtxexport]} ms CPU, peak ${best_kb[evtxexport]} KiB"
  awk -v d="${best_ms[dorvex]}" -v e="${best_ms[evtxexport]}" -v dc="${best_cpu[dorvex]}" \
    -v ec="${best_cpu[evtxexport]}" 'BEGIN {
      printf "  ratio dorvex/evtxexport: wall %.3f, CPU %.3f (goal: at most 0.25)\n",
        d / (e > 0 ? e : 1), (dc > 0 ? dc : 1) / (ec > 0 ? ec : 1) }'
}

build/release/tools/dorvex-table --evtx "$work/joined.evtx" >/dev/null
compare "$largest"
compare "$work/joined.evtx"
