#!/usr/bin/env bash
# Runs the browser tests (CTest calls this). They need Debian's chromium
# and the pinned playwright-core that scripts/setup.sh installs in
# node_modules; without them the tests are skipped (exit 77), except under
# CI=true, where that is a failure.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
missing=""
[ -x /usr/bin/chromium ] || missing="chromium"
[ -d "$here/node_modules/playwright-core" ] || missing="${missing:+$missing, }playwright-core (npm ci in tests/web)"
command -v node >/dev/null || missing="${missing:+$missing, }node"
if [ -n "$missing" ]; then
  echo "browser tests need: $missing" >&2
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi
cd "$here"
exec node --test --test-concurrency=1 station.test.mjs
