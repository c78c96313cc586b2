#!/bin/sh
# Runs the screen reader's look (barrierefreiheit.py) on its own display
# and session bus, in temporary home and runtime folders. Exit 77 (the
# test is skipped) only where the session bus cannot start.
#   barrierefreiheit.sh PROGRAMM
set -eu
hier=$(dirname "$0")
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
chmod 700 "$temp"
export HOME="$temp" XDG_RUNTIME_DIR="$temp" XDG_CONFIG_HOME="$temp/config"
if ! command -v dbus-run-session >/dev/null || ! dbus-run-session -- true 2>/dev/null; then
    echo "Der Sitzungsbus startet nicht (dbus-run-session)" >&2
    exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- /usr/bin/python3 "$hier/barrierefreiheit.py" "$1"
