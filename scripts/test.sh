#!/usr/bin/env bash
# Builds everything and runs every test: the Linux build with its tests, then
# the Windows executables and their checks under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run test windows

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
# GUI tests that need a real X server find one here; the rest run offscreen.
(cd "$build" && xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j2)

"$root/scripts/build-windows.sh" --check
if [ -x "$root/tests/wine/run-wine-checks.sh" ]; then
    "$root/tests/wine/run-wine-checks.sh"
fi
