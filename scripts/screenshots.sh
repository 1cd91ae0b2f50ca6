#!/usr/bin/env bash
# Photographs every window of the program, as it shows it, into
# docs/screenshots/ (one PNG each), under Xvfb with a small window manager
# so that captions show. Run after scripts/build.sh; re-run at will.
set -euo pipefail
cd "$(dirname "$0")/.."
gallery=build/default/tools/kelvane-gallery/kelvane-gallery
out=docs/screenshots
windows=(Announce_Intro Announcer_Screen_New Announcer_Screen_New_Arrival Announcer_Screen_New_Larger
         Announcer_Screen_New_Gone Announcer_Screen_New_Below Announcer_Screen_New_Scripts Keys ReadOutToday
         BrowserStation          YesNo FileInfo FileDialogue Conversion Records)

if [ -z "${INSIDE_XVFB:-}" ]; then
  command -v openbox >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends openbox; }
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
mkdir -p "$HOME/Gala 2005" "$out"
touch "$HOME/Gala 2005/announcer.mdb" "$HOME/Gala 2005/results.mdb"
cd "$HOME/Gala 2005"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
for name in "${windows[@]}"; do
  "$OLDPWD/$gallery" "$name" &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | tail -n 1)
  sleep 1
  /usr/bin/import -window "$wid" -frame "$OLDPWD/$out/$name.png"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
done
kill "$wm"
