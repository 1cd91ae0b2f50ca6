#!/usr/bin/env bash
# A private PostgreSQL server for the tests.
#
#   pgserver.sh run COMMAND [ARGS...]
#       Makes a fresh cluster in a temporary folder (as the postgres user
#       when run as root), starts it on 127.0.0.1 at a free port with its
#       socket in that folder, runs COMMAND, then stops the server by its
#       process id and removes the folder, however COMMAND ended. COMMAND
#       finds the server through KELVANE_PG_CONNECTION, a connection file
#       for its maintenance database (user postgres, no password). The
#       server speaks TLS with a self-signed certificate for 127.0.0.1 and
#       localhost, made for the run: KELVANE_PG_CERTIFICATE names it.
#   pgserver.sh stop | start
#       Stops or starts the server of the surrounding run (KELVANE_PG_DATA),
#       for tests that take the server away in the middle of a session.
#
# When no server can be started the run fails under CI=true and otherwise
# exits 77, which CTest reports as skipped.
set -uo pipefail

skipStatus=77

unavailable() {
    echo "pgserver: $*" >&2
    if [ "${CI:-}" = true ]; then
        exit 1
    fi
    echo "pgserver: skipping the PostgreSQL tests here (under CI=true this is a failure)" >&2
    exit $skipStatus
}

bindir=${KELVANE_PG_BINDIR:-$(printf '%s\n' /usr/lib/postgresql/*/bin | sort -V | tail -n 1)}

asServer() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

serverPid() { head -n 1 "$KELVANE_PG_DATA/postmaster.pid" 2>/dev/null; }

startServer() {
    asServer "$bindir/pg_ctl" start -D "$KELVANE_PG_DATA" -l "$KELVANE_PG_DATA/../server.log" -w -t 30 >/dev/null
}

# SIGINT is the server's fast shutdown: sessions end, nothing is left behind.
stopServer() {
    local pid
    pid=$(serverPid) || return 0
    [ -n "$pid" ] || return 0
    kill -INT "$pid" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

# A fresh cluster is a copy of one made by initdb once per build (set
# KELVANE_PG_TEMPLATE to a folder to keep it in): initdb takes seconds.
makeCluster() {
    local data=$1 template=${KELVANE_PG_TEMPLATE:-}
    if [ -z "$template" ]; then
        template="$serverFolder/template"
    fi
    if [ ! -d "$template" ]; then
        local fresh="$template.$$"
        mkdir -p "$(dirname "$template")"
        mkdir "$fresh" && [ "$(id -u)" -eq 0 ] && chown postgres: "$fresh"
        asServer "$bindir/initdb" -D "$fresh/data" -U postgres --auth=trust --no-sync -E UTF8 --locale=C.UTF-8 \
            >"$serverFolder/initdb.log" 2>&1 || { cat "$serverFolder/initdb.log" >&2; unavailable "initdb failed"; }
        mv -T "$fresh" "$template" 2>/dev/null || rm -rf "$fresh"
    fi
    cp -a "$template/data" "$data"
}

# Self-signed and no CA, like the one Debian's ssl-cert makes for a server;
# an elliptic-curve key is made in a blink, where RSA takes a while.
makeCertificate() {
    local folder=$1
    asServer openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 \
        -subj /CN=localhost -addext "subjectAltName=DNS:localhost,IP:127.0.0.1" \
        -addext "basicConstraints=CA:FALSE" \
        -keyout "$folder/server.key" -out "$folder/server.crt" >"$folder/openssl.log" 2>&1 &&
        asServer chmod 600 "$folder/server.key" ||
        { cat "$folder/openssl.log" >&2; unavailable "openssl could not make the server's certificate"; }
}

run() {
    [ -x "$bindir/initdb" ] || unavailable "no PostgreSQL server programs found (Debian package postgresql)"
    if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
        unavailable "there is no postgres user to run the server as"
    fi

    serverFolder=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-pg.XXXXXX")
    export KELVANE_PG_DATA="$serverFolder/data"
    trap 'stopServer; rm -rf "$serverFolder"' EXIT
    [ "$(id -u)" -eq 0 ] && chown postgres: "$serverFolder"
    makeCluster "$KELVANE_PG_DATA"
    makeCertificate "$serverFolder"
    export KELVANE_PG_CERTIFICATE="$serverFolder/server.crt"

    local port started=false
    for _ in 1 2 3 4 5; do
        port=$((20000 + RANDOM % 40000))
        cat >>"$KELVANE_PG_DATA/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$serverFolder'
fsync = off
synchronous_commit = off
full_page_writes = off
ssl = on
ssl_cert_file = '$serverFolder/server.crt'
ssl_key_file = '$serverFolder/server.key'
CONF
        if startServer; then
            started=true
            break
        fi
    done
    $started || { cat "$serverFolder/server.log" >&2; unavailable "the server did not start"; }

    export KELVANE_PG_CONNECTION="$serverFolder/maintenance.conn"
    # kelvane refuses a connection file that others may change (umask 002).
    (umask 077 && echo "postgresql://postgres@127.0.0.1:$port/postgres" >"$KELVANE_PG_CONNECTION")
    KELVANE_PG_SCRIPT=$(realpath "$0")
    export KELVANE_PG_SCRIPT
    # In the background so that a run cut short (a CTest timeout, Ctrl-C)
    # is noticed at once and still stops the server on its way out.
    "$@" &
    local testPid=$!
    trap 'kill -TERM $testPid 2>/dev/null; exit 143' TERM INT HUP
    wait $testPid
}

case "${1:-}" in
run) shift; run "$@" ;;
stop) stopServer ;;
start) startServer ;;
*) echo "usage: pgserver.sh run COMMAND... | stop | start" >&2; exit 2 ;;
esac
