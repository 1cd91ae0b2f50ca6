#!/usr/bin/env bash
# Time from process start to the intro screen being shown, against a bare Qt
# program that shows one empty window, measured the same way in one run
# under Xvfb. Prints the median of each and their ratio.
# Usage: bench/startup.sh [RUNS]   (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
if [ -z "${INSIDE_XVFB:-}" ]; then
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT

# Milliseconds from start until a visible window with the title exists.
time_to_window() {
  local program=$1 title=$2 start end pid
  start=$(date +%s%N)
  "$program" & pid=$!
  xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

kelvane_times=(); bare_times=()
for _ in $(seq "$runs"); do
  kelvane_times+=("$(time_to_window build/default/src/app/kelvane 'Announcers Module')")
  bare_times+=("$(time_to_window build/default/bench/bench_bare_window 'Bare Window')")
done
k=$(printf '%s\n' "${kelvane_times[@]}" | median)
b=$(printf '%s\n' "${bare_times[@]}" | median)
printf 'runs %d  kelvane_ms %d  bare_ms %d  ratio %s\n' "$runs" "$k" "$b" "$(awk -v k="$k" -v b="$b" 'BEGIN { printf "%.2f", k / b }')"
