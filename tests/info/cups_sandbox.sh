#!/bin/bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# A private CUPS server with a PDF queue, for the print round-trip test of test_info.
#
#   cups_sandbox.sh start [DIR]   starts cupsd in DIR (a new temporary folder when omitted) on
#                                 a free local port with the queue "zuvpdf" (cups-pdf) and
#                                 prints the variables for the test as shell "export" lines:
#                                   ZUV_CUPS_SERVER  host:port of the server
#                                   ZUV_CUPS_QUEUE   the PDF queue
#                                   ZUV_CUPS_OUTDIR  where cups-pdf writes the PDF files
#                                   ZUV_CUPS_DIR     the sandbox folder (for "stop")
#                                 When the server cannot be started it prints only
#                                   ZUV_CUPS_SKIP_REASON  why (the test then skips with it).
#                                 Exit status 0 in both cases.
#   cups_sandbox.sh stop DIR      stops that server and removes DIR.
#
# Use:  eval "$(tests/info/cups_sandbox.sh start)"; ctest ...; tests/info/cups_sandbox.sh stop "$ZUV_CUPS_DIR"
# Needs root (the cups-pdf backend runs only as root) and the Debian packages cups and
# printer-driver-cups-pdf. The system's own CUPS server and settings are not touched:
# cups-pdf reads its settings from /etc/cups, so cupsd runs in a private mount namespace
# where a folder of the sandbox is mounted over /etc/cups.

set -u

QUEUE=zuvpdf
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
BACKEND=/usr/lib/cups/backend/cups-pdf

skip() {
    echo "export ZUV_CUPS_SKIP_REASON=$(printf '%q' "$1")"
    [ -n "${SANDBOX:-}" ] && stop_sandbox "$SANDBOX" >/dev/null 2>&1
    exit 0
}

free_port() {
    local port
    for _ in $(seq 1 50); do
        port=$((20000 + RANDOM % 30000))
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

stop_sandbox() {
    local dir=$1
    [ -d "$dir" ] || return 0
    if [ -f "$dir/cupsd.pid" ]; then
        local pid
        pid=$(cat "$dir/cupsd.pid")
        if kill "$pid" 2>/dev/null; then
            for _ in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -9 "$pid" 2>/dev/null
        fi
    fi
    # Only set when the mount namespace was not available.
    if [ -f "$dir/etc-conf" ]; then
        rm -f "$(cat "$dir/etc-conf")"
    fi
    rm -rf "$dir"
}

start_sandbox() {
    [ "$(id -u)" = 0 ] || skip "the cups-pdf backend needs root; running as $(id -un)"
    for f in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat "$BACKEND" "$PPD"; do
        [ -e "$f" ] || skip "$f is missing (install the packages cups and printer-driver-cups-pdf)"
    done

    SANDBOX=${1:-$(mktemp -d /tmp/zuv-cups.XXXXXX)}
    mkdir -p "$SANDBOX"
    SANDBOX=$(cd "$SANDBOX" && pwd)
    # Filters run as the user lp and must reach the spool below this folder.
    chmod 0755 "$SANDBOX"
    mkdir -p "$SANDBOX"/{etc/ppd,etc/ssl,spool,cache,state,tmp,log,out,pdfconf,pdfspool}
    chmod 0755 "$SANDBOX/etc"
    chmod 1777 "$SANDBOX/tmp" "$SANDBOX/out" "$SANDBOX/pdfspool"
    chown root:lp "$SANDBOX/spool" 2>/dev/null && chmod 0710 "$SANDBOX/spool"

    local port
    port=$(free_port) || skip "no free local TCP port found"
    local instance="zuvsandbox$port"

    cat >"$SANDBOX/etc/cups-files.conf" <<CONF
ServerRoot $SANDBOX/etc
RequestRoot $SANDBOX/spool
CacheDir $SANDBOX/cache
StateDir $SANDBOX/state
TempDir $SANDBOX/tmp
DataDir /usr/share/cups
ServerBin /usr/lib/cups
AccessLog $SANDBOX/log/access_log
ErrorLog $SANDBOX/log/error_log
PageLog $SANDBOX/log/page_log
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
FileDevice No
LogFilePerm 0644
Printcap $SANDBOX/printcap
CONF
    cat >"$SANDBOX/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
ServerName 127.0.0.1
LogLevel info
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
DefaultShared No
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$SANDBOX/pdfconf/cups-pdf-$instance.conf" <<CONF
Out $SANDBOX/out
AnonDirName $SANDBOX/out
Spool $SANDBOX/pdfspool
Log $SANDBOX/log
Grp root
UserUMask 0022
AnonUMask 0022
LogType 3
CONF

    local cupsd=(/usr/sbin/cupsd -f -c "$SANDBOX/etc/cupsd.conf" -s "$SANDBOX/etc/cups-files.conf")
    if unshare -m --propagation private true 2>/dev/null; then
        unshare -m --propagation private -- /bin/sh -c \
            'mount --bind "$0" /etc/cups && exec "$@"' "$SANDBOX/pdfconf" "${cupsd[@]}" \
            >"$SANDBOX/log/cupsd.out" 2>&1 &
    else
        # No mount namespace: the queue's own settings file goes to /etc/cups until "stop".
        cp "$SANDBOX/pdfconf/cups-pdf-$instance.conf" /etc/cups/ \
            || skip "cannot place the cups-pdf settings (no mount namespace, /etc/cups not writable)"
        echo "/etc/cups/cups-pdf-$instance.conf" >"$SANDBOX/etc-conf"
        "${cupsd[@]}" >"$SANDBOX/log/cupsd.out" 2>&1 &
    fi
    echo $! >"$SANDBOX/cupsd.pid"

    local server="127.0.0.1:$port"
    local up=
    for _ in $(seq 1 100); do
        if ! kill -0 "$(cat "$SANDBOX/cupsd.pid")" 2>/dev/null; then
            skip "cupsd exited at start: $(tail -n 3 "$SANDBOX/log/cupsd.out" "$SANDBOX/log/error_log" 2>/dev/null | tr '\n' ' ')"
        fi
        if lpstat -h "$server" -r >/dev/null 2>&1; then
            up=1
            break
        fi
        sleep 0.1
    done
    [ -n "$up" ] || skip "cupsd did not answer on $server within 10 s"

    # Right after start the server may still be reloading and drop a connection.
    local made=
    for _ in $(seq 1 30); do
        if lpadmin -h "$server" -p "$QUEUE" -E -v "cups-pdf:/$instance" -P "$PPD" \
            >"$SANDBOX/log/lpadmin.out" 2>&1 \
            && lpstat -h "$server" -p "$QUEUE" >/dev/null 2>&1; then
            made=1
            break
        fi
        sleep 0.2
    done
    [ -n "$made" ] \
        || skip "lpadmin could not create the queue: $(tr '\n' ' ' <"$SANDBOX/log/lpadmin.out")"

    echo "export ZUV_CUPS_SERVER=$server"
    echo "export ZUV_CUPS_QUEUE=$QUEUE"
    echo "export ZUV_CUPS_OUTDIR=$(printf '%q' "$SANDBOX/out")"
    echo "export ZUV_CUPS_DIR=$(printf '%q' "$SANDBOX")"
}

case "${1:-}" in
start) start_sandbox "${2:-}" ;;
stop)
    [ -n "${2:-}" ] || { echo "usage: $0 stop DIR" >&2; exit 2; }
    stop_sandbox "$2"
    ;;
*)
    echo "usage: $0 start [DIR] | stop DIR" >&2
    exit 2
    ;;
esac
