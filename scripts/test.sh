#!/usr/bin/env bash
# Installs what is missing, builds, and runs every check: clang-tidy, a
# short run of each fuzz target, the test suite under the sanitizers, then
# the test suite itself (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
scripts/tidy.sh
scripts/fuzz.sh 30
scripts/sanitizers.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default --timeout 300
