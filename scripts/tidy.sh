#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over every source file of the
# default build. Any finding fails the run. Needs a configured default build.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
jobs="$(nproc)"
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
if ! run-clang-tidy -p build/default -quiet -j "$jobs" "$root/(src|tools|tests|bench)/" >"$output" 2>&1 ||
   grep -q -E '(warning|error): ' "$output"; then
  grep -E -A3 '(warning|error): ' "$output" || tail -n 40 "$output"
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"
