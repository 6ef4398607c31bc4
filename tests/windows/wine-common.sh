# Sourced by the checks that run Windows programs under Wine: results, the
# tools (installed when missing, the run skipped only when that is
# impossible), a private virtual display and a throwaway Wine prefix.
# The caller sets "repo" and "xvfb_flag" (a variable name marking the second
# start, under Xvfb) before sourcing, and lists extra tools in "wine_tools"
# as command:package pairs.

passed=0
failed=0
pass() { echo "PASS $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
check() { # label, then a command whose status decides
    local label=$1
    shift
    if "$@"; then pass "$label"; else fail "$label"; fi
}
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

find_wine() {
    local candidate
    for candidate in wine wine64 /usr/lib/wine/wine64; do
        command -v "$candidate" >/dev/null 2>&1 && { command -v "$candidate"; return 0; }
    done
    return 1
}

missing=()
for pair in x86_64-w64-mingw32-g++:g++-mingw-w64-x86-64 xvfb-run:xvfb xauth:xauth ${wine_tools:-}; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
done
find_wine >/dev/null || missing+=(wine wine64)
if [ ${#missing[@]} -gt 0 ] && [ "$(id -u)" -eq 0 ]; then
    echo "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    { apt-get install -y -qq "${missing[@]}" || { apt-get update -qq && apt-get install -y -qq "${missing[@]}"; }; } >/dev/null 2>&1
fi
for pair in x86_64-w64-mingw32-g++:g++-mingw-w64-x86-64 xvfb-run:xvfb xauth:xauth ${wine_tools:-}; do
    command -v "${pair%%:*}" >/dev/null || { echo "SKIPPED: ${pair%%:*} cannot be installed"; exit 0; }
done
WINE=$(find_wine) || { echo "SKIPPED: Wine cannot be installed"; exit 0; }
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

# A display of our own, so that no desktop's focus disturbs the foreground checks.
if [ -z "${!xvfb_flag:-}" ]; then
    export "$xvfb_flag=1"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompts
# The server leaves its socket folder behind, named after the prefix folder.
read -r prefix_device prefix_inode < <(stat -c '%d %i' "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$prefix_device" "$prefix_inode")
stop_wine() { "$wineserver" -k >/dev/null 2>&1; "$wineserver" -w >/dev/null 2>&1; }
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    stop_wine
    rm -rf "$work" "$WINEPREFIX"
    local socket_dir
    for socket_dir in /tmp/wine-*/"$server_dir" /tmp/.wine-*/"$server_dir"; do
        [ -d "$socket_dir" ] && rm -rf "$socket_dir" && rmdir "$(dirname "$socket_dir")" 2>/dev/null
    done
    return 0
}
trap cleanup EXIT

# Makes the prefix; call after building what the checks need.
make_prefix() {
    if ! timeout 120 "$WINE" wineboot -i >"$work/wineboot.log" 2>&1; then
        cat "$work/wineboot.log"
        fail "fresh Wine prefix"
        finish
    fi
    "$wineserver" -w
}

# Sets the Windows version Wine reports, trying the names in turn.
set_windows() {
    local name
    for name in "$@"; do
        "$WINE" winecfg.exe -v "$name" >/dev/null 2>&1 && return 0
    done
    return 1
}
