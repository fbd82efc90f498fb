#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) in build/fuzz and runs
# each for SECONDS, two at a time, one line per target. Exit status 1 when
# any target found something (its reproducer and log are named).
#   bash scripts/fuzz.sh SECONDS [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: bash scripts/fuzz.sh SECONDS [NAME...]" >&2
  exit 2
fi
SECONDS_EACH=$1
shift

bash scripts/setup.sh >/dev/null

BUILD=build/fuzz
mkdir -p "$BUILD"
if ! { CC=clang-14 CXX=clang++-14 cmake -S . -B "$BUILD" -G Ninja -DDORVEX_FUZZ=ON \
  -DDORVEX_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" &&
  cmake --build "$BUILD" --target fuzz_targets -j "$(nproc)"; } >"$BUILD/build.log" 2>&1; then
  cat "$BUILD/build.log" >&2
  echo "fuzz: build failed" >&2
  exit 1
fi

if [ $# -gt 0 ]; then
  names=("$@")
else
  mapfile -t names <"$BUILD/fuzz/targets.txt"
fi

export ASAN_OPTIONS=abort_on_error=0:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-14 || true)
export ASAN_SYMBOLIZER_PATH

# Runs one target; prints its line; status 1 on a finding.
run_one() {
  local name=$1 bin="$BUILD/fuzz/bin/$1_fuzz" work="$BUILD/work/$1"
  if [ ! -x "$bin" ]; then
    echo "fuzz $name: no such target" >&2
    return 1
  fi
  mkdir -p "$work/corpus"
  # Targets that read files get each input written to one: in memory where
  # there is a tmpfs, as a disk busy with builds makes them wait.
  local tmp
  tmp=$(mktemp -d /dev/shm/dorvex-fuzz-"$name".XXXXXX 2>/dev/null || mktemp -d "$work/tmp.XXXXXX")
  # The grown corpus stays in build/; the repository keeps only the seeds.
  if [ -d "fuzz/corpus/$name" ]; then
    cp -n fuzz/corpus/"$name"/* "$work/corpus/" 2>/dev/null || true
  fi
  local dict=()
  if [ -f "fuzz/$name.dict" ]; then
    dict=("-dict=fuzz/$name.dict")
  fi
  rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* "$work"/slow-unit-*
  local status=0
  TMPDIR="$tmp" "$bin" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "${dict[@]}" "$work/corpus" \
    >"$work/log" 2>&1 || status=$?
  rm -rf "$tmp"
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n1)
  if [ "$status" -eq 0 ]; then
    echo "fuzz $name: ${runs:-0} runs, no crash"
    return 0
  fi
  local unit what
  unit=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$work/log" | tail -n1)
  what=$(grep -m1 -E 'fuzz check failed|runtime error|ERROR: ' "$work/log" || echo "exit status $status")
  echo "fuzz $name: FAILED after ${runs:-?} runs: $what"
  echo "  reproducer: ${unit:-none} (run: $bin ${unit:-})"
  echo "  log: $work/log"
  return 1
}

failed=0
running=0
for name in "${names[@]}"; do
  if [ "$running" -ge 2 ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_one "$name" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
