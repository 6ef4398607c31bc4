#!/usr/bin/env bash
# A clone with no Qt archives beside it, on a machine whose apt-get does
# nothing (nor sudo): the Windows build stops with the step that failed, never silently.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/apt-get"
chmod +x "$work/bin/apt-get"
ln -s apt-get "$work/bin/sudo"
PATH=$work/bin:$PATH SOURCE_DATE_EPOCH=0 VELKARO_QT_ARCHIVES=$work/none VELKARO_WINDOWS_OUT=$work/out \
    "$repo/scripts/build-windows.sh" i686 >"$work/log" 2>&1
status=$?
cat "$work/log"
[ "$status" != 0 ] || { echo "FAIL: the build went on without Qt"; exit 1; }
grep -q "^build-qt-mingw.sh: reading Debian's source lists failed" "$work/log" \
    || { echo "FAIL: no message naming the failed step"; exit 1; }
