#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over every source file of the
# default build. Any finding fails the run. Needs a configured default build.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
jobs="$(nproc)"
output="$(mktemp)"
commands="$(mktemp -d)"
trap 'rm -rf "$output" "$commands"' EXIT
# clang cannot read gcc's precompiled headers: each file is checked as it
# stands, with what it includes itself.
sed -e 's| -Winvalid-pch||g' -e 's| -include [^ ]*/cmake_pch\.hxx||g' \
  build/default/compile_commands.json >"$commands/compile_commands.json"
if ! run-clang-tidy -p "$commands" -quiet -j "$jobs" "$root/(src|tools|tests|bench)/" >"$output" 2>&1 ||
   grep -q -E '(warning|error): ' "$output"; then
  grep -E -A3 '(warning|error): ' "$output" || tail -n 40 "$output"
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"
