#!/usr/bin/env bash
# The heavier checks CI makes after the test suite, stopping at the first
# that fails: the benchmarks and the window gallery built, clang-tidy over every source file, a
# 30-second run of each fuzz target, then the whole suite built and run
# under AddressSanitizer and UndefinedBehaviorSanitizer. Needs what scripts/test.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cmake --build --preset default --target kelvane_benchmarks kelvane-gallery
scripts/tidy.sh
scripts/fuzz.sh 30
scripts/sanitizers.sh
