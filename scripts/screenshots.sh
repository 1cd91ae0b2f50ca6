#!/usr/bin/env bash
# Photographs every window of the program, as it shows it, into
# docs/screenshots/ (one PNG each), under Xvfb with a small window manager
# so that captions show. Run after scripts/build.sh (it builds the gallery
# it needs); re-run at will.
# With languages (scripts/screenshots.sh de nl fr es), photographs the
# intro, the announcer screen, the station window and Print Club Records
# in each into docs/screenshots/LANGUAGE/ instead.
set -euo pipefail
cd "$(dirname "$0")/.."
gallery=build/default/tools/kelvane-gallery/kelvane-gallery
windows=(Announce_Intro Announcer_Screen_New Announcer_Screen_New_Arrival Announcer_Screen_New_Larger
         Announcer_Screen_New_Gone Announcer_Screen_New_Below Announcer_Screen_New_Scripts Keys ReadOutToday
         BrowserStation PlannedMessages YesNo FileInfo FileDialogue Conversion Records)
translated=(Announce_Intro Announcer_Screen_New BrowserStation Records)

if [ -z "${INSIDE_XVFB:-}" ]; then
  command -v openbox >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends openbox; }
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cmake --build --preset default --target kelvane-gallery >/dev/null
unset QT_QPA_PLATFORM
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
mkdir -p "$HOME/Gala 2005"
touch "$HOME/Gala 2005/announcer.mdb" "$HOME/Gala 2005/results.mdb"
cd "$HOME/Gala 2005"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# photograph FOLDER WINDOW...: each window as the gallery shows it.
photograph() {
  local out=$1; shift
  mkdir -p "$OLDPWD/$out"
  for name in "$@"; do
    "$OLDPWD/$gallery" "$name" &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    # A window the first one opens (the station window) is the one to photograph.
    sleep 2
    wid=$(xdotool search --onlyvisible --pid "$pid" | tail -n 1)
    /usr/bin/import -window "$wid" -frame "$OLDPWD/$out/$name.png"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$out/$name.png"
  done
}

if [ $# -eq 0 ]; then
  photograph docs/screenshots "${windows[@]}"
fi
for language in "$@"; do
  LANGUAGE=$language photograph "docs/screenshots/$language" "${translated[@]}"
done
kill "$wm"
