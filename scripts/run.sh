#!/usr/bin/env bash
# Installs what is missing, builds, and starts kelvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Fonts for messages in any script (Chinese, Japanese, Korean, Devanagari,
# Thai, Arabic, Hebrew, emoji), as the package recommends; the tests do not
# need them.
fonts=(fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji)
missing=()
for font in "${fonts[@]}"; do
  dpkg-query -W -f='${Status}' "$font" 2>/dev/null | grep -q "install ok installed" || missing+=("$font")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
scripts/build.sh

feed=build/default/tools/kelvane-feed/kelvane-feed
database="$HOME/announcer.mdb"
writer=""
# A first-time user sees messages arrive: with no database at the default
# path, a demo one is made there and a demo writer keeps adding to it.
# An existing database is never touched.
if [ ! -e "$database" ]; then
  "$feed" init "$database"
  "$feed" demo "$database" 8000 &
  writer=$!
  trap 'kill "$writer" 2>/dev/null || true' EXIT
  echo "Made a demo announcer database at $database; a demo writer adds a message every 8 s."
fi
build/default/src/app/kelvane
