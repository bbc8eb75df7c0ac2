#!/usr/bin/env bash
# Benchmark of the engine chain of a calculation run (not a test: CI times nothing).
# For each shipped sample it writes the engines' input into a fresh work folder, runs the eight
# engines in the run's order there, several times, and prints the median wall time of each
# engine and of the whole chain beside the median of the same number of empty process starts
# (/bin/true), as a ratio. Like the front end, the chain stops at the first engine that is
# missing or ends with an exit code other than 0.
#
#   bash scripts/bench.sh [RUNS]        (default 9; build first: cmake --build --preset default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QVT_BUILD_DIR:-$root/build}
bin=$build/bin
work_input=$build/devtools/qvt_work_input
runs=${1:-9}
engines=(SAVELIN PELUDRA ZENOBAR OSKAVEL VASKUDE TOLMIRE MERITAN JORPELA)

[[ -x $work_input ]] || { echo "build the tools first: cmake --build --preset default" >&2; exit 1; }

# Microseconds now, without starting a process.
now_us() { local t=${EPOCHREALTIME/./}; echo "${t#0}"; }
median() { sort -n | awk '{a[NR]=$1} END {if (NR == 0) print 0; else if (NR % 2) print a[(NR+1)/2]; else print int((a[NR/2]+a[NR/2+1])/2)}'; }
ms() { awk -v u="$1" 'BEGIN {printf "%8.2f", u / 1000}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%6.1fx", a / b; else printf "     -"}'; }

# The floor: one empty process start, and as many as the chain has engines.
declare -a one=() eight=()
for ((r = 0; r < runs; r++)); do
  t0=$(now_us); /bin/true; t1=$(now_us)
  for ((k = 0; k < ${#engines[@]}; k++)); do /bin/true; done; t2=$(now_us)
  one+=($((t1 - t0))); eight+=($((t2 - t1)))
done
floor_one=$(printf '%s\n' "${one[@]}" | median)
floor_all=$(printf '%s\n' "${eight[@]}" | median)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for msj in "$root"/data/samples/*.MSJ; do
  sample=$(basename "$msj" .MSJ)
  declare -A times=()
  chain=() stopped=""
  for ((r = 0; r < runs; r++)); do
    dir=$tmp/$sample.$r
    "$work_input" "$msj" "$dir" 2>/dev/null
    total=0
    for e in "${engines[@]}"; do
      if [[ ! -x $bin/$e ]]; then stopped="$e is missing"; break; fi
      t0=$(now_us)
      rc=0
      (cd "$dir" && "$bin/$e" </dev/null >/dev/null 2>>stderr.txt) || rc=$?
      t1=$(now_us)
      times[$e]+="$((t1 - t0)) "
      total=$((total + t1 - t0))
      if ((rc != 0)); then stopped="$e ended with $rc"; break; fi
    done
    chain+=($total)
    size=$(du -sk "$dir" | cut -f1)
    rm -rf "$dir"
  done
  echo "== $sample ($runs runs, work folder ${size} kB${stopped:+; chain stops: $stopped})"
  printf '%-10s %10s %8s\n' engine "median ms" "x start"
  for e in "${engines[@]}"; do
    [[ -n ${times[$e]:-} ]] || continue
    m=$(printf '%s\n' ${times[$e]} | median)
    printf '%-10s %10s %8s\n' "$e" "$(ms "$m")" "$(ratio "$m" "$floor_one")"
  done
  m=$(printf '%s\n' "${chain[@]}" | median)
  printf '%-10s %10s %8s  (floor: %d empty starts %s ms)\n' chain "$(ms "$m")" \
    "$(ratio "$m" "$floor_all")" "${#engines[@]}" "$(ms "$floor_all")"
  unset times
done
