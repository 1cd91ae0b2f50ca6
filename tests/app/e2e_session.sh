# Sourced by the end-to-end scripts (arguments: KELVANE KELVANE_FEED): runs
# the script again inside Xvfb, gives it a throw-away home folder with an
# announcer database, and the helpers both need.
kelvane=$1
feed=$2

if [ -z "${INSIDE_XVFB:-}" ]; then
  export INSIDE_XVFB=1
  unset QT_QPA_PLATFORM
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config
db=$home/announcer.mdb
"$feed" init "$db"

fail() { echo "FAIL: $*" >&2; exit 1; }
window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
