#!/usr/bin/env bash
# The README's test command: installs what is missing, builds the default
# preset and runs the whole test suite (offscreen, no display needed).
# The slower static and dynamic checks are scripts/gates.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default --timeout 300
