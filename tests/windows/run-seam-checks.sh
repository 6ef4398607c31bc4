#!/usr/bin/env bash
# Builds the Win32 seam check with mingw-w64 and runs it under Wine in a
# throwaway prefix, on a virtual display. The last line says
# "N passed, N failed"; the exit status is non-zero on any failure.
# Only a 64-bit build can run here (Debian's wine64 has no 32-bit side), so
# the 32-bit build is compiled and linked but not run.
set -uo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
passed=0
failed=0

pass() { echo "PASS $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

# --- tools: install what is missing, skip only when that is impossible -----
find_wine() {
    local candidate
    for candidate in wine wine64 /usr/lib/wine/wine64; do
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return 0
        fi
    done
    return 1
}

missing=()
command -v x86_64-w64-mingw32-g++ >/dev/null || missing+=(g++-mingw-w64-x86-64)
command -v i686-w64-mingw32-g++ >/dev/null || missing+=(g++-mingw-w64-i686)
find_wine >/dev/null || missing+=(wine wine64)
command -v xvfb-run >/dev/null || missing+=(xvfb)
command -v xauth >/dev/null || missing+=(xauth)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        { apt-get install -y -qq "${missing[@]}" || { apt-get update -qq && apt-get install -y -qq "${missing[@]}"; }; } >/dev/null 2>&1
    fi
fi
command -v x86_64-w64-mingw32-g++ >/dev/null || { echo "SKIPPED: mingw-w64 (x86_64-w64-mingw32-g++) cannot be installed"; exit 0; }
WINE=$(find_wine) || { echo "SKIPPED: Wine cannot be installed"; exit 0; }
if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
    echo "SKIPPED: Wine needs a display and Xvfb cannot be installed"
    exit 0
fi

# A virtual display of our own, so that a desktop's focus cannot disturb the
# foreground checks.
if [ -z "${VELKARO_SEAM_XVFB:-}" ]; then
    VELKARO_SEAM_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer prompts
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
# The server leaves its socket folder behind, named after the prefix folder.
read -r prefix_device prefix_inode < <(stat -c '%d %i' "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$prefix_device" "$prefix_inode")
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    "$wineserver" -k >/dev/null 2>&1
    "$wineserver" -w >/dev/null 2>&1
    rm -rf "$work" "$WINEPREFIX"
    local socket_dir
    for socket_dir in /tmp/wine-*/"$server_dir"; do
        [ -d "$socket_dir" ] && rm -rf "$socket_dir" && rmdir "$(dirname "$socket_dir")" 2>/dev/null
    done
    return 0
}
trap cleanup EXIT

# --- build -----------------------------------------------------------------
build() { # arch
    "$1-w64-mingw32-g++" -std=c++17 -Wall -Wextra -O1 -static -I"$repo/src/system" \
        "$repo/tests/windows/seam_check.cpp" "$repo/src/system/OsInterfaceWin.cpp" \
        -o "$work/seam_check-$1.exe"
}
if build x86_64; then pass "64-bit seam check builds"; else fail "64-bit seam check builds"; finish; fi
if command -v i686-w64-mingw32-g++ >/dev/null; then
    if build i686; then pass "32-bit seam check builds and links"; else fail "32-bit seam check builds and links"; fi
else
    echo "note: no i686-w64-mingw32-g++, 32-bit build not checked"
fi
exe="$work/seam_check-x86_64.exe"

# --- Wine prefix -----------------------------------------------------------
if ! timeout 120 "$WINE" wineboot -i >"$work/wineboot.log" 2>&1; then
    cat "$work/wineboot.log"
    fail "fresh Wine prefix"
    finish
fi
"$wineserver" -w

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
set_windows() {
    local name
    for name in "$@"; do
        "$WINE" winecfg.exe -v "$name" >/dev/null 2>&1 && return 0
    done
    return 1
}
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
    "$wineserver" -k >/dev/null 2>&1
    wait
else
    echo "note: $app not built (scripts/build-windows.sh), launcher start not checked"
fi

finish
