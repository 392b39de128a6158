#!/usr/bin/env bash
# The editor started where it cannot reach a display says so in one line and exits with 1, instead
# of Qt's abort. Usage: display-start.sh EDITOR
set -u
editor=$1
failed=0
expect() { # the line, then the environment the editor starts in
    local line=$1 out status
    shift
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" "$editor" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$out" != "$line" ]; then
        printf 'With %s: exit %s and\n%s\ninstead of exit 1 and\n%s\n' "$*" "$status" "$out" "$line"
        failed=1
    fi
}
# An X display nobody serves here: no socket (in /tmp or abstract) and no lock file of a server. On
# a served one the editor would start and this test wait for its time-out.
n=49
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] ||
    grep -qs "/tmp/\.X11-unix/X$n\$" /proc/net/unix; do
    n=$((n + 1))
done
x=:$n
# Wayland's sockets are looked for in XDG_RUNTIME_DIR, a new empty folder.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
expect "Vantrel cannot reach the display $x." DISPLAY=$x
expect "Vantrel cannot reach the display wayland-9." WAYLAND_DISPLAY=wayland-9
expect "Vantrel cannot reach the display wayland-9 or $x." WAYLAND_DISPLAY=wayland-9 DISPLAY=$x
expect "Vantrel cannot reach the display $x." QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-9 DISPLAY=$x
expect "Vantrel needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set."
exit $failed
