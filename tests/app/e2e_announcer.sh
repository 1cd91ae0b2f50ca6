#!/usr/bin/env bash
# Drives the real kelvane binary under Xvfb as an announcer would: Enter on
# the remembered database, choose the first message, Dismiss, Exit, Exit,
# while kelvane-feed adds a message meanwhile. Checks the database after.
# Usage: e2e_announcer.sh KELVANE KELVANE_FEED
set -euo pipefail
source "$(dirname "$0")/e2e_session.sh"
"$feed" add "$db" 1 "Event 1 results"
"$feed" add "$db" 2 "Lost property"

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

"$kelvane" &
pid=$!
intro=$(timeout 20 bash -c "$(declare -f window); window 'Announcers Module'") || fail "intro screen did not appear"
click "$intro" 188 304                       # Enter
screen=$(timeout 20 bash -c "$(declare -f window); window 'Announcers Screen'") || fail "announcer screen did not appear"
"$feed" add "$db" 3 "Arrived while the screen was open"
sequences() { "$feed" list "$db" | cut -f2 | tr '\n' ' '; }
# The screen answers a click once its database has: on a loaded machine
# that can take a while, so the dismissal is checked in the database and
# tried again while the first line is still the first message.
for _ in 1 2 3 4 5; do
  [ "$(sequences)" = "1 2 3 " ] || break
  click "$screen" 60 320                     # first line of the list
  click "$screen" 672 36                     # Dismiss This Message
  for _ in $(seq 40); do [ "$(sequences)" = "1 2 3 " ] || break; sleep 0.1; done
done
click "$screen" 672 324                      # Exit
intro=$(timeout 20 bash -c "$(declare -f window); window 'Announcers Module'") || fail "intro screen did not come back"
click "$intro" 444 304                       # Exit
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "kelvane did not end on Exit"; }
wait "$pid" || fail "kelvane ended with status $?"

left=$(sequences)
[ "$left" = "2 3 " ] || fail "expected sequences 2 and 3 to remain, found: $left"
[ "$(cat "$home/kelvane.ini")" = "\"$db\""$'\r' ] || fail "settings file does not hold the database path"
echo "PASS: announcer session end to end"
