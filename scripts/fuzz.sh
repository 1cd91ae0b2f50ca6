#!/usr/bin/env bash
# Builds the fuzz targets (fuzz preset: clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for the given seconds
# (default 30) on a copy of its seed corpus, so the repository never gains
# files. Prints one line per target; fails on any crash, broken property,
# leak, timeout or memory blow-up, keeping the input under build/fuzz/findings.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]
set -euo pipefail

seconds=${1:-30}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# Longest input per target: enough for every rule to show (a thousand
# pieces, a whole sample Jet file of 31 pages), short enough to stay quick.
declare -A maxLength=(
  [fuzz_settings]=8192
  [fuzz_textsplit]=8192
  [fuzz_dates]=64
  [fuzz_times]=128
  [fuzz_typedpath]=512
  [fuzz_opendatabase]=131072
  [fuzz_connectionfile]=4096
  [fuzz_readoutlog]=8192
  [fuzz_savedquery]=4096
)
# Seeds kept elsewhere in the repository, besides fuzz/corpus/<target>/:
# the test suite's sample Jet files, each kept there with its licence.
declare -A moreSeeds=(
  [fuzz_opendatabase]="tests/fixtures/jet/*.mdb"
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_settings fuzz_textsplit fuzz_dates fuzz_times fuzz_typedpath
  fuzz_opendatabase fuzz_connectionfile fuzz_readoutlog fuzz_savedquery)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! { cmake --preset fuzz && cmake --build --preset fuzz -j2; } >"$work/build.log" 2>&1; then
  cat "$work/build.log"
  exit 1
fi

# Scratch files (settings, databases) on a memory file system where there is
# one: writing the settings file syncs it to disk every time.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
findings="$root/build/fuzz/findings"
status=0

for target in "${targets[@]}"; do
  corpus="$work/corpus/$target"
  mkdir -p "$corpus" "$work/artifacts"
  cp "$root/fuzz/corpus/$target/"* "$corpus/"
  # shellcheck disable=SC2086 # the pattern is expanded here on purpose
  [ -z "${moreSeeds[$target]:-}" ] || (cd "$root" && cp ${moreSeeds[$target]} "$corpus/")
  log="$work/$target.log"
  result=ok
  if ! "$root/build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len="${maxLength[$target]}" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/$target-" "$corpus" >"$log" 2>&1; then
    result=FAILED
    status=1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  coverage=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
  printf '%-18s %12s executions (%s/s), %s: %s\n' "$target" "${executions:-?}" "${rate:-?}" "${coverage:-no coverage}" "$result"
  if [ "$result" != ok ]; then
    grep -vE '^#[0-9]+|^INFO:' "$log" | head -60
    mkdir -p "$findings"
    cp "$work/artifacts/$target-"* "$findings/" 2>/dev/null && echo "input kept in $findings"
  fi
done
exit $status
