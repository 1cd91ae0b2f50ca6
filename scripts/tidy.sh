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
# stands, with what it includes itself. A library compiled in batches is
# listed by its batches; each file of a batch is checked on its own.
python3 - build/default/compile_commands.json "$commands/compile_commands.json" <<'EOF'
import json, re, sys
checked = []
for entry in json.load(open(sys.argv[1])):
    command = re.sub(r' -Winvalid-pch| -include \S*/cmake_pch\.hxx', '', entry['command'])
    files = [entry['file']]
    if '/Unity/unity_' in entry['file']:
        files = re.findall(r'^#include "(.*)"$', open(entry['file']).read(), re.M)
    checked += [dict(entry, command=command.replace(entry['file'], f), file=f) for f in files]
json.dump(checked, open(sys.argv[2], 'w'))
EOF
if ! run-clang-tidy -p "$commands" -quiet -j "$jobs" "$root/(src|tools|tests|bench)/" >"$output" 2>&1 ||
   grep -q -E '(warning|error): ' "$output"; then
  grep -E -A3 '(warning|error): ' "$output" || tail -n 40 "$output"
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"
