#!/usr/bin/env bash
# Drives the real kelvane binary under Xvfb by keyboard alone: Return on the
# intro screen, Return to choose in the list (which has the focus), Delete to
# dismiss, Ctrl+Z to undo (what it put back is on display, the cursor on
# it), Down, Return and Delete on the next line, Alt+X out of both
# windows. Checks the
# database and the read-out log. Then kills kelvane with SIGKILL the moment
# a dismissal has reached the database: the log line must be on the disk.
# Usage: e2e_keyboard.sh KELVANE KELVANE_FEED
set -euo pipefail
source "$(dirname "$0")/e2e_session.sh"
"$feed" add "$db" 1 "Event 1 results"
"$feed" add "$db" 2 "Lost property"
"$feed" add "$db" 3 "Car park"
log=$XDG_DATA_HOME/kelvane/read-out-$(date +%F).csv

waitFor() { timeout 20 bash -c "$(declare -f window); window '$1'" || fail "window '$1' did not appear"; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.4; done; }
sequences() { "$feed" list "$db" | cut -f2 | tr '\n' ' '; }
expectSequences() {
  for _ in $(seq 50); do [ "$(sequences)" = "$1" ] && return 0; sleep 0.1; done
  fail "expected sequences '$1', found '$(sequences)'"
}
events() { tail -n +2 "$log" | cut -d, -f2,5 | tr '\n' ' '; }

"$kelvane" &
pid=$!
focus "$(waitFor 'Announcers Module')"
keys Return
focus "$(waitFor 'Announcers Screen')"
keys Return Delete                   # choose the list's first line; dismiss it
expectSequences "2 3 "
keys ctrl+z
expectSequences "1 2 3 "
keys Down Return Delete              # the cursor is on "1", put back: choose "2"; dismiss it
expectSequences "1 3 "
keys alt+x
focus "$(waitFor 'Announcers Module')"
keys alt+x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "kelvane did not end on Alt+X"; }
wait "$pid" || fail "kelvane ended with status $?"
[ "$(events)" = "dismissed,1 undone,1 dismissed,2 " ] || fail "read-out log holds: $(events)"
grep -q '"Lost property"' "$log" || fail "the log lacks the dismissed text"

# A crash straight after a dismissal keeps its line.
"$kelvane" &
pid=$!
focus "$(waitFor 'Announcers Module')"
keys Return
focus "$(waitFor 'Announcers Screen')"
keys Return
xdotool key Delete
for _ in $(seq 500); do [ "$(sequences)" = "3 " ] && break; sleep 0.01; done
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
[ "$(sequences)" = "3 " ] || fail "the dismissal did not reach the database: $(sequences)"
[ "$(events)" = "dismissed,1 undone,1 dismissed,2 dismissed,1 " ] || fail "after kill -9 the log holds: $(events)"
echo "PASS: keyboard session end to end, and the log survives kill -9"
