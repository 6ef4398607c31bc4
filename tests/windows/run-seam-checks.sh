#!/usr/bin/env bash
# Builds the Win32 seam check with mingw-w64 and runs it under Wine in a
# throwaway prefix, on a virtual display. The last line says
# "N passed, N failed"; the exit status is non-zero on any failure.
# Only a 64-bit build can run here (Debian's wine64 has no 32-bit side), so
# the 32-bit build is compiled and linked but not run.
set -uo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
wine_tools="i686-w64-mingw32-g++:g++-mingw-w64-i686"
xvfb_flag=VELKARO_SEAM_XVFB
# shellcheck source=wine-common.sh
. "$repo/tests/windows/wine-common.sh"

# --- build -----------------------------------------------------------------
build() { # arch
    "$1-w64-mingw32-g++" -std=c++17 -Wall -Wextra -O1 -static -I"$repo/src/system" \
        "$repo/tests/windows/seam_check.cpp" "$repo/src/system/OsInterfaceWin.cpp" \
        -o "$work/seam_check-$1.exe"
}
check "64-bit seam check builds" build x86_64
check "32-bit seam check builds and links" build i686
exe="$work/seam_check-x86_64.exe"
[ -f "$exe" ] || finish

make_prefix

# --- the checks the program makes itself -----------------------------------
timeout 60 "$WINE" "$exe" checks >"$work/checks.log" 2>&1
status=$?
tr -d '\r' <"$work/checks.log" | grep -E '^(PASS|FAIL) ' || true
passed=$((passed + $(tr -d '\r' <"$work/checks.log" | grep -c '^PASS ')))
failed=$((failed + $(tr -d '\r' <"$work/checks.log" | grep -c '^FAIL ')))
if [ "$status" -ne 0 ] && ! grep -q '^FAIL ' "$work/checks.log"; then
    cat "$work/checks.log"
    fail "seam check ran to the end (exit status $status)"
fi

# --- version as the system reports it ---------------------------------------
# Raw numbers; the launcher itself maps them to a level. A 64-bit prefix
# knows no plain "winxp", only "winxp64" (5.2). Without a manifest naming
# Windows 10, Windows 10 reports itself as 6.2.
check_version() { # label, expected "platform major", winecfg names...
    local label=$1 expected=$2
    shift 2
    if ! set_windows "$@"; then
        fail "$label: Wine cannot be set to $*"
        return
    fi
    local line
    line=$(timeout 30 "$WINE" "$exe" version 2>&1 | tr -d '\r')
    read -r word platform major rest <<<"$line"
    if [ "${word:-}" = version ] && [ "$platform $major" = "$expected" ] && [ -z "${rest:-}" ]; then
        pass "$label: platform $platform, major version $major"
    else
        fail "$label: expected platform and major \"$expected\", got \"$line\""
    fi
}
check_version "Windows XP" "2 5" winxp winxp64
check_version "Windows 7" "2 6" win7
check_version "Windows 10 without manifest" "2 6" win10

# --- the cross-built launcher starts -------------------------------------------
# Its main window only appears when the static Windows platform plugin is
# registered; without it Qt stops with a message box instead.
app=${VELKARO_EXE:-${VELKARO_WINDOWS_OUT:-$repo/build/windows}/x86_64/src/Velkaro.exe}
app_title=${VELKARO_TITLE:-Velkaro for Hamachi}
if [ -f "$app" ]; then
    # In the scratch folder: whatever it writes beside itself stays there.
    (cd "$work" && exec "$WINE" "$app" >/dev/null 2>&1) &
    if timeout 60 "$WINE" "$exe" wait "$app_title" 30 >/dev/null 2>&1; then
        pass "$(basename "$app") shows \"$app_title\" under Wine"
    else
        fail "$app shows no window titled \"$app_title\" under Wine"
    fi
    stop_wine
    wait
else
    echo "note: $app not built (scripts/build-windows.sh), launcher start not checked"
fi

finish
