#!/usr/bin/env bash
# Installs what kelvane needs to build, run and test on Debian 12, skipping
# what is already there. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-tidy ccache mold
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libsqlite3-dev
  mdbtools-dev libmdb3
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils imagemagick poppler-utils sqlite3 locales
  dpkg-dev lintian desktop-file-utils appstream postgresql openssl
  # clang with its sanitizer and libFuzzer runtimes, for the fuzz targets
  clang libclang-rt-14-dev
  # the browser station, its QR codes, and the browser its tests drive
  qt6-websockets-dev libqrencode-dev chromium
  # the translations: lupdate and lrelease, and Qt's own for the standard buttons
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

# Node and npm run the browser tests; a newer Node installed by other means
# (which brings its own npm) is used as it is.
command -v npm >/dev/null || missing+=(nodejs npm)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The swim-time rule tests run a second time under a German locale (decimal
# comma), which needs the locale generated.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi

# The browser tests' one npm package, at the version package-lock.json pins.
# It drives Debian's chromium and never downloads a browser of its own.
web="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
pinned() { node -p "require('$web/$1').${2:-}version" 2>/dev/null; }
if [ "$(pinned package-lock.json "packages['node_modules/playwright-core'].")" != \
     "$(pinned node_modules/playwright-core/package.json)" ]; then
  (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
