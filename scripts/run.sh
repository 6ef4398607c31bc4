#!/usr/bin/env bash
# Builds the launcher and starts it. Without a display it runs it under Xvfb,
# saves a screenshot of its window and prints where.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/linux" -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/linux"
program="$root/build/linux/src/velkaro"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display: starting the launcher under Xvfb for a screenshot."
"$root/scripts/screenshot.sh" "$root/build/velkaro-window.png" "Velkaro for Hamachi" -- "$program"
