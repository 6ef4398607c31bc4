#!/usr/bin/env bash
# Renders the README's screenshots from the real program under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run test
cmake -S "$root" -B "$root/build/linux" -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/linux"
mkdir -p "$root/docs"
"$root/scripts/screenshot.sh" "$root/docs/main-window.png" "Velkaro for Hamachi" -- "$root/build/linux/src/velkaro"
"$root/scripts/screenshot.sh" "$root/docs/about-dialog.png" "Velkaro for Hamachi" --keys F1 --shot "About Velkaro" \
    -- "$root/build/linux/src/velkaro"
