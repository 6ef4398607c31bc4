#!/usr/bin/env bash
# Starts a program, waits for its window titled TITLE, presses the given keys
# in it (xdotool names), then saves a screenshot of the window titled SHOT
# (TITLE unless given) and ends the program. Without a display it runs itself
# under a private Xvfb server.
# Usage: scripts/screenshot.sh OUTPUT.png TITLE [--keys "k1 k2"] [--shot SHOT] -- PROGRAM [ARGS...]
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
out=$1 title=$2; shift 2
keys="" shot=$title
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    case "$1" in
        --keys) keys=$2; shift 2 ;;
        --shot) shot=$2; shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
shift

find_window() {
    local w=""
    # Up to 30 seconds: a program's first start under Wine takes a while.
    for _ in $(seq 1 300); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    echo "no window titled '$1' appeared" >&2
    return 1
}

"$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
win=$(find_window "$title")
sleep 1
for k in $keys; do
    # Real key events to the focused window: no window manager runs here.
    xdotool windowfocus --sync "$win"
    xdotool key "$k"
    sleep 0.5
done
shot_win=$(find_window "$shot")
import -window "$shot_win" "$out"
echo "screenshot: $out"
