#!/usr/bin/env bash
# Builds the .deb from a finished build folder, unpacks it into a throw-away
# root and checks it as a gala team's laptop would meet it: every file the
# menu entries and metadata name is there, the installed programs run on
# their own, and the Debian and desktop validators find no errors.
# Usage: package_deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$work"/out/kelvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one kelvane_*.deb, found: ${debs[*]}"
deb=${debs[0]}
root=$work/root
dpkg -x "$deb" "$root"

# Programs, each with a manual page.
for program in kelvane kelvane-records kelvane-feed kelvane-clubdb; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program missing"
  [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
  if readelf -d "$root/usr/bin/$program" | grep -qE 'R(UN)?PATH'; then
    fail "$program carries a library search path into the build"
  fi
done

# Menu entries: valid, and what they start and show is installed.
entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 3 ] || fail "expected three menu entries, found ${#entries[@]}"
grep -qx 'Exec=kelvane --display-only' "$root/usr/share/applications/org.kelvane.KelvaneDisplay.desktop" ||
  fail "no menu entry for a display-only station"
for entry in "${entries[@]}"; do
  desktop-file-validate "$entry" || fail "$(basename "$entry") does not validate"
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "$(basename "$entry"): Exec=$exec_line is not installed"
  [ -f "$root/usr/share/icons/hicolor/32x32/apps/$icon.png" ] || fail "icon $icon.png missing"
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon $icon.svg missing"
done

# The service: its account is declared, and systemd finds nothing wrong in
# the unit (its program taken from the unpacked root).
unit=$root/usr/lib/systemd/system/kelvane.service
[ -f "$unit" ] || fail "no kelvane.service"
grep -q '^u kelvane ' "$root/usr/lib/sysusers.d/kelvane.conf" || fail "no account for kelvane.service"
sed "s|/usr/bin/kelvane|$root/usr/bin/kelvane|" "$unit" >"$work/kelvane.service"
systemd-analyze verify --man=no "$work/kelvane.service" || fail "kelvane.service does not verify"

# AppStream metadata: valid, and each names an installed menu entry.
for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "$(basename "$metainfo") does not validate"; }
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$root/usr/share/applications/$launchable" ] || fail "$(basename "$metainfo") launches $launchable, not installed"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "$(basename "$metainfo") lacks release $version"
done

# Dependencies are Debian packages (all present on a machine that builds
# kelvane), never anything from the build folder.
depends=$(dpkg-deb -f "$deb" Depends)
for required in libqt6widgets6 libqt6sql6-sqlite qt6-qpa-plugins fonts-liberation; do
  [[ ", $depends," == *", $required"[\ ,]* ]] || fail "Depends lacks $required: $depends"
done
for package in $(echo "$depends" | sed 's/([^)]*)//g; s/,/ /g'); do
  dpkg-query -W "$package" >/dev/null 2>&1 || fail "dependency $package is not a known Debian package here"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ "$recommends" == *fonts-noto-cjk* ]] || fail "Recommends lacks the fonts for every script: $recommends"

# The installed tools run from the throw-away root, away from the build.
cd "$work"
bin=$root/usr/bin
[ "$("$bin/kelvane-feed" --version)" = "kelvane-feed $version" ] || fail "kelvane-feed --version"
[ "$("$bin/kelvane-clubdb" --version)" = "kelvane-clubdb $version" ] || fail "kelvane-clubdb --version"
"$bin/kelvane-feed" --help | grep -q '^usage: kelvane-feed' || fail "kelvane-feed --help"
"$bin/kelvane-feed" init gala.mdb
"$bin/kelvane-feed" add gala.mdb 7 "Event 7 results"
[ "$("$bin/kelvane-feed" list gala.mdb)" = $'1\t7\tEvent 7 results' ] || fail "installed kelvane-feed cannot write and read a database"

lintian --fail-on error --suppress-tags initial-upload-closes-no-bugs "$deb" ||
  fail "lintian reports errors"
echo "PASS: $(basename "$deb") installs cleanly"
