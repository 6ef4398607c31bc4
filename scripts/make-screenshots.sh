#!/usr/bin/env bash
# Renders the README's screenshots from the real programs under Xvfb: the
# Windows build under Wine as a Windows 7 user sees it, at 100% and with both
# windows at 150%, then the Linux build and its About dialog.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    # 96 DPI, so that the Linux build shows at 100% too (Xvfb reports 100).
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
"$root/scripts/install-deps.sh" run test windows
mkdir -p "$root/docs"

# --- Windows -------------------------------------------------------------------
# The 64-bit build: Debian's Wine runs 32-bit programs only with i386 packages.
"$root/scripts/build-windows.sh" x86_64 >/dev/null
exe=${VELKARO_WINDOWS_OUT:-$root/build/windows}/x86_64/src/Velkaro.exe
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompts
# The server's socket folder outlives it; it is named after the prefix folder.
read -r dev inode < <(stat -c '%d %i' "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$dev" "$inode")
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    local dir
    for dir in /tmp/wine-*/"$server_dir" /tmp/.wine-"$(id -u)"/"$server_dir"; do
        [ -d "$dir" ] || continue
        rm -rf "$dir"
        rmdir "$(dirname "$dir")" 2>/dev/null || true
    done
}
trap cleanup EXIT

# A private network namespace holds the Hamachi adapter the launcher looks for.
windows_shot() {
    set -euo pipefail
    ip link set lo up
    ip link add Hamachi type veth peer name eth0
    ip addr add 25.1.2.3/8 dev Hamachi
    ip addr add 192.168.1.20/24 dev eth0
    ip link set Hamachi up
    ip link set eth0 up
    wine wineboot -i >/dev/null 2>&1
    wine winecfg -v win7 >/dev/null 2>&1
    local c=$WINEPREFIX/drive_c
    # Debian's Wine leaves the Tahoma of fonts-wine unused unless it is in
    # the prefix's Fonts folder; without it the texts fall back to a serif.
    cp /usr/share/wine/fonts/tahoma*.ttf "$c/windows/Fonts/"
    mkdir -p "$c/Velkaro" "$c/Games/Star Craft"
    cp "$exe" "$c/Velkaro/Velkaro.exe"
    : >"$c/Games/Star Craft/StarCraft.exe"
    # Installed as the first launch leaves it, so its box shows ticked.
    : >"$c/windows/system32/ForceBindIP.exe"
    : >"$c/windows/system32/BindIP.dll"
    printf 'PATH=C:\\Games\\Star Craft\\StarCraft.exe\r\nFIREWALL_EXCEPTION=1\r\nCOMPABILITY=1\r\nPALETTE=0\r\nADMINISTRATOR=0\r\n' \
        >"$c/Velkaro/config.txt"
    "$root/scripts/screenshot.sh" "$root/docs/main-window-windows.png" "Velkaro for Hamachi" \
        -- wine 'C:\Velkaro\Velkaro.exe'
    # Each translation, with the longest status message: Launch, with no
    # ForceBindIP anywhere. Wine takes the language from the locale, made
    # here; Hangul comes from a Nanum font standing in for Windows' Gulim.
    rm "$c/windows/system32/ForceBindIP.exe" "$c/windows/system32/BindIP.dll"
    cp /usr/share/fonts/truetype/nanum/NanumGothic.ttf "$c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Gulim /d NanumGothic /f >/dev/null 2>&1
    local locales language
    locales=$(mktemp -d)
    for language in de_DE es_ES ko_KR pl_PL pt_BR ru_RU; do
        localedef -i "$language" -f UTF-8 "$locales/$language.UTF-8"
        LANG=$language.UTF-8 LOCPATH=$locales "$root/scripts/screenshot.sh" \
            "$root/docs/main-window-$language.png" ".*Hamachi.*" --keys F5 -- wine 'C:\Velkaro\Velkaro.exe'
    done
    rm -rf "$locales"
    "$wineserver" -k 2>/dev/null || true
    # At 150%, as many laptops come set: both windows scale as a whole.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    "$root/scripts/screenshot.sh" "$root/docs/main-window-150.png" "Velkaro for Hamachi" -- wine 'C:\Velkaro\Velkaro.exe'
    "$wineserver" -k 2>/dev/null || true
    "$root/scripts/screenshot.sh" "$root/docs/about-dialog-150.png" "Velkaro for Hamachi" --keys F1 --shot "About Velkaro" \
        -- wine 'C:\Velkaro\Velkaro.exe'
    "$wineserver" -k 2>/dev/null || true
}
export -f windows_shot
export root exe wineserver
unshare -n bash -c windows_shot

# --- Linux ---------------------------------------------------------------------
cmake -S "$root" -B "$root/build/linux" -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/linux"
"$root/scripts/screenshot.sh" "$root/docs/main-window.png" "Velkaro for Hamachi" -- "$root/build/linux/src/velkaro"
"$root/scripts/screenshot.sh" "$root/docs/about-dialog.png" "Velkaro for Hamachi" --keys F1 --shot "About Velkaro" \
    -- "$root/build/linux/src/velkaro"
