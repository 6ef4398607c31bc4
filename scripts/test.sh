#!/usr/bin/env bash
# Builds everything and runs every test: the Linux build with its tests, then
# the Windows executables and the whole launch of each Velkaro.exe under Wine.
# Runs as root: the Wine runs make a private network namespace, so that their
# interfaces are their own and nothing leaves the machine, and the emulated
# machine's image is made in a chroot.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run test windows guest

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
# Meanwhile the build a packager or an IDE starts: CMake's default generator,
# from scratch, the launcher alone.
default_build="$root/build/default-generator"
rm -rf "$default_build"
(env -u CMAKE_GENERATOR cmake -S "$root" -B "$default_build" -DBUILD_TESTING=OFF && cmake --build "$default_build" -j2) \
    >"$default_build.log" 2>&1 &
default_pid=$!
# The window test fails here, never skips, where it finds no private network.
(cd "$build" && VELKARO_REQUIRE_NETNS=1 ctest --output-on-failure -j2)
wait "$default_pid" || { tail -n 40 "$default_build.log"; echo "the build with CMake's default generator failed" >&2; exit 1; }
echo "built with CMake's default generator: $default_build"

"$root/scripts/build-windows.sh"
# The same checks for both: the 64-bit build here, the 32-bit release in an
# emulated machine, since this kernel runs no 32-bit x86 code. Both always run.
status=0
echo "=== Wine checks: 64-bit Velkaro.exe (x86_64), on this machine"
VELKARO_ARCH=x86_64 "$root/tests/wine/run-wine-checks.sh" || status=1
echo "=== Wine checks: 32-bit Velkaro.exe (i686, the release), in an emulated machine"
"$root/scripts/guest-wine-checks.sh" || status=1
exit $status
