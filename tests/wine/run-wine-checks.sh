#!/usr/bin/env bash
# shellcheck disable=SC2317 # functions called through run_launcher, check, a trap
# The whole launch of the real 64-bit Velkaro.exe under Wine, driven from
# outside with keys as a Windows user meets it, in one throwaway prefix on a
# virtual display. The outside programs are stand-ins (standin.c) placed in
# the launcher's folder, which Windows searches first; they log each run.
# One PASS/FAIL line per check, last line "N passed, N failed"; exit status
# non-zero on any failure.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
wine_tools="xdotool:xdotool import:imagemagick compare:imagemagick xprop:x11-utils"
xvfb_flag=VELKARO_WINE_XVFB
# shellcheck source=../windows/wine-common.sh
. "$repo/tests/windows/wine-common.sh"

# --- build --------------------------------------------------------------------
app_exe=${VELKARO_EXE:-$repo/build/windows/x86_64/src/Velkaro.exe}
if [ ! -f "$app_exe" ]; then
    "$repo/scripts/build-windows.sh" x86_64 >/dev/null || { fail "Velkaro.exe builds"; finish; }
fi
x86_64-w64-mingw32-gcc -municode -mwindows -O1 -Wall -Wextra -s "$here/standin.c" -o "$work/standin.exe" \
    || { fail "stand-in builds"; finish; }

make_prefix
drive_c=$WINEPREFIX/drive_c
app=$drive_c/Velkaro
system32=$drive_c/windows/system32
mkdir -p "$app" "$drive_c/Games/Star Craft"
cp "$app_exe" "$app/Velkaro.exe"
for name in ForceBindIP.exe netsh.exe rundll32.exe; do cp "$work/standin.exe" "$app/$name"; done
cp "$work/standin.exe" "$drive_c/Games/Star Craft/StarCraft.exe"
game='C:\Games\Star Craft\StarCraft.exe'
layers_key='HKCU\Software\Microsoft\Windows NT\CurrentVersion\AppCompatFlags\Layers'
export VELKARO_STANDIN_LOG='C:\runs.log'
log=$drive_c/runs.log

hex() { od -An -tx1 -v | tr -d ' \n'; }
layers_value() { "$WINE" "$work/standin.exe" reg "$1" 2>/dev/null | tr -d '\r'; }
# The launcher's window, found by title once visible.
find_window() { timeout 60 xdotool search --sync --onlyvisible --name '^Velkaro for Hamachi$' 2>/dev/null | head -n 1; }

# Starts the launcher in its folder, waits for its window, runs the given
# command with the window id (a key press, a screenshot...), and leaves the
# exit code in $rc (124: no window or never ended).
run_launcher() {
    rm -f "$log"
    (cd "$app" && exec "$WINE" 'C:\Velkaro\Velkaro.exe' >>"$work/launcher.log" 2>&1) &
    local pid=$! window
    window=$(find_window)
    if [ -z "$window" ]; then
        stop_wine
        wait "$pid"
        rc=124
        return
    fi
    "$@" "$window"
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then
        stop_wine
        wait "$pid"
        rc=124
        return
    fi
    wait "$pid"
    rc=$?
}
press() { # key, window
    # No window manager: give the window the focus its shortcuts need.
    timeout 10 xdotool windowfocus --sync "$2" && xdotool key --window "$2" "$1"
}

# The records of the last run as "name event layers" lines, and one field of
# the n-th record.
runs() { [ -f "$log" ] && cut -f1,3,4 "$log" | tr '\t' ' '; }
field() { sed -n "${1}p" "$log" | cut -f"$2"; }
line_of() { grep -n "^$1" "$log" | head -n 1 | cut -d: -f1; }
# A command line without its program name: what the launcher passed.
args_of() {
    local line
    line=$(field "$1" 6)
    line=${line#* }
    printf '%s' "${line#"${line%%[! ]*}"}"
}

# --- a. Windows 7, fresh start: no config.txt, all options on -----------------
# The game path then comes from the installer's registry entry (32-bit view).
set_windows win7
"$WINE" reg add 'HKLM\Software\Blizzard Entertainment\Starcraft' /v InstallPath /t REG_SZ \
    /d 'C:\Games\Star Craft' /reg:32 /f >/dev/null 2>&1
cp "$work/standin.exe" "$system32/ForceBindIP.exe"
echo 'installed BindIP.dll' >"$system32/BindIP.dll"
run_launcher press F5
registry_game='C:\Games\Star Craft\starcraft.exe'
expected_config=$(printf 'PATH=%s\r\nFIREWALL_EXCEPTION=1\r\nCOMPABILITY=1\r\nPALETTE=1\r\nADMINISTRATOR=1\r\n' "$registry_game" | hex)
check "win7: launcher exits with 0 after F5 (got $rc)" [ "$rc" = 0 ]
check "win7: config.txt holds five CR LF lines with all options on" \
    [ "$(hex <"$app/config.txt")" = "$expected_config" ]
# The layers count each run saw places the registry write between them.
expected_runs="netsh.exe run 0
netsh.exe run 0
rundll32.exe shown 1
forcebindip.exe run 1"
check "win7: netsh, netsh, layers value, display applet, forcebindip in this order" \
    [ "$(runs | grep -v ' foreground ')" = "$expected_runs" ]
check "win7: config.txt was written before the first outside program" [ "$(field 1 5)" = "$expected_config" ]
check "win7: firewall program rule, path quoted" [ "$(args_of 1)" = \
    "firewall add allowedprogram program = \"$registry_game\" name = StarCraft993 mode = ENABLE scope = ALL profile = ALL" ]
check "win7: firewall port rule" \
    [ "$(args_of 2)" = "firewall add portopening protocol = ALL port = 6112 name = StarCraftTCPUDP scope = ALL" ]
check "win7: layers value is REG_SZ \"DISABLEDWM HIGHDPIAWARE RUNASADMIN\" with its zero" \
    [ "$(layers_value "$registry_game")" = "type 1 $(printf 'DISABLEDWM HIGHDPIAWARE RUNASADMIN\0' | hex)" ]
check "win7: display applet started as shell32.dll,Control_RunDLL desk.cpl" \
    [ "$(args_of 3)" = "shell32.dll,Control_RunDLL desk.cpl" ]
# The stand-in shows its window without activating it, so only the launcher
# can have brought it to the front.
check "win7: the launcher brought the \"Display Settings\" window to the front" \
    [ "$(runs | grep -c '^rundll32.exe foreground ')" = 1 ]
# Wine lists the Linux interfaces in index order: lo (127.0.0.1) comes first.
check "win7: forcebindip gets the list's first address and the game path" \
    [ "$(args_of "$(line_of forcebindip.exe)")" = "127.0.0.1 \"$registry_game\"" ]
applet_gone() { # from this prefix
    local pid
    sleep 1
    for pid in $(pgrep -f '^rundll32.exe shell32'); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && return 1
    done
    return 0
}
check "win7: the display applet ends with the launcher" applet_gone

# --- c. ForceBindIP installation (Windows 7) ----------------------------------
# Compares the ForceBindIP indicator box with the Windows version one below
# it (ticked on Windows 7): both disabled check boxes of the same style.
indicator_state() { # expected ("same" or "different"), window
    # A window still painting can differ for a moment: look again until the
    # expected answer or five looks.
    local shot=$work/shot.png state=unpainted
    for _ in 1 2 3 4 5; do
        sleep 0.5
        import -window "$2" "$shot" 2>/dev/null || continue
        convert "$shot" -crop 13x13+11+14 +repage "$work/forcebindip.png"
        convert "$shot" -crop 13x13+11+39 +repage "$work/version.png"
        # A ticked box is never one flat colour.
        [ "$(convert "$work/version.png" -format '%k' info:)" -gt 1 ] || continue
        if [ "$(compare -metric AE "$work/forcebindip.png" "$work/version.png" null: 2>&1)" = 0 ]; then
            state=same
        else
            state=different
        fi
        [ "$state" = "$1" ] && break
    done
    echo "$state" >"$work/indicator"
}
rm -f "$system32/ForceBindIP.exe" "$system32/BindIP.dll"
echo 'launcher copy of BindIP.dll' >"$app/BindIP.dll"
echo 'BindIP.dll installed before' >"$system32/BindIP.dll"
cp "$system32/BindIP.dll" "$work/BindIP.before"
printf 'PATH=%s\r\nFIREWALL_EXCEPTION=0\r\nCOMPABILITY=0\r\nPALETTE=0\r\nADMINISTRATOR=0\r\n' "$game" >"$app/config.txt"
unticked_then_press() { indicator_state different "$2"; press "$1" "$2"; }
ticked_then_press() { indicator_state same "$2"; press "$1" "$2"; }
run_launcher unticked_then_press F5
check "install: indicator unticked before the install ($(cat "$work/indicator"))" [ "$(cat "$work/indicator")" = different ]
check "install: ForceBindIP.exe copied into C:\\windows\\system32" cmp -s "$system32/ForceBindIP.exe" "$app/ForceBindIP.exe"
check "install: the BindIP.dll already there is left byte for byte" cmp -s "$system32/BindIP.dll" "$work/BindIP.before"
check "install: the launch goes on to forcebindip (exit $rc)" \
    [ "$rc/$(runs)" = "0/forcebindip.exe run 1" ]
run_launcher ticked_then_press Escape
check "install: indicator ticked at the next start ($(cat "$work/indicator"))" [ "$(cat "$work/indicator")" = same ]

# --- e. Icon, About, and a path typed with forward slashes (Windows 7) -------
# The settings file has LF line ends and only the compatibility option on:
# the launch writes it back with CR LF, and the layers value, named by the
# path with backslashes, carries no RUNASADMIN.
printf 'PATH=C:/Games/Star Craft/StarCraft.exe\nFIREWALL_EXCEPTION=0\nCOMPABILITY=1\nPALETTE=0\nADMINISTRATOR=0\n' >"$app/config.txt"
about_then_press() { # key, window
    xprop -id "$2" -notype 32c _NET_WM_ICON >"$work/icon.txt" 2>&1
    press F1 "$2"
    local about
    about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Velkaro$' 2>/dev/null | head -n 1)
    [ -n "$about" ] && echo about >"$work/about" && press Escape "$about"
    sleep 0.5
    press "$1" "$2"
}
rm -f "$work/icon" "$work/about"
run_launcher about_then_press F5
# The window's 32-pixel icon is the aircraft's 32-pixel image, pixel for pixel.
same_icon() {
    convert "$repo/src/forms/img/ResFiles/aircraft.ico[4]" -depth 8 rgba:"$work/icon32.rgba" &&
        /usr/bin/python3 - "$work/icon.txt" "$work/icon32.rgba" <<'PY'
import sys
numbers = [int(n) for n in open(sys.argv[1]).read().split("=", 1)[1].replace(",", " ").split()]
rgba = open(sys.argv[2], "rb").read()
width, height, pixels = numbers[0], numbers[1], numbers[2:2 + 32 * 32]
expected = [(rgba[i + 3] << 24) | (rgba[i] << 16) | (rgba[i + 1] << 8) | rgba[i + 2] for i in range(0, len(rgba), 4)]
# Transparent pixels may carry any colour; half-transparent ones come back
# through premultiplied alpha, off by a step or two.
close = lambda a, b: all(abs((a >> s & 255) - (b >> s & 255)) <= 2 for s in (0, 8, 16, 24))
sys.exit(0 if (width, height) == (32, 32) and len(pixels) == len(expected)
         and all(close(a, b) for a, b in zip(pixels, expected) if b >> 24) else 1)
PY
}
check "window: carries the aircraft icon" same_icon
check "window: F1 opens \"About Velkaro\"" [ -f "$work/about" ]
check "slashes: launcher exits with 0 after F5 (got $rc)" [ "$rc" = 0 ]
check "slashes: config.txt written back with CR LF" [ "$(hex <"$app/config.txt")" = "$(printf \
    'PATH=C:/Games/Star Craft/StarCraft.exe\r\nFIREWALL_EXCEPTION=0\r\nCOMPABILITY=1\r\nPALETTE=0\r\nADMINISTRATOR=0\r\n' | hex)" ]
check "slashes: layers value under the backslashed path, without RUNASADMIN" \
    [ "$(layers_value "$game")" = "type 1 $(printf 'DISABLEDWM HIGHDPIAWARE\0' | hex)" ]

# --- b. Windows XP (5.2): the option boxes are off, the flags kept ------------
set_windows winxp64
"$WINE" reg delete "$layers_key" /f >/dev/null 2>&1
printf 'PATH=%s\r\nFIREWALL_EXCEPTION=1\r\nCOMPABILITY=1\r\nPALETTE=2\r\nADMINISTRATOR=1\r\n' "$game" >"$app/config.txt"
cp "$app/config.txt" "$work/xp-config.txt"
run_launcher press F5
check "winxp: launcher exits with 0 after F5 (got $rc)" [ "$rc" = 0 ]
check "winxp: only forcebindip runs, with the address and the path" \
    [ "$(runs)/$(args_of 1)" = "forcebindip.exe run 0/127.0.0.1 \"$game\"" ]
check "winxp: no layers value written" [ "$(layers_value "$game")" = absent ]
check "winxp: config.txt saved with the flags as loaded (PALETTE=2)" \
    cmp -s "$app/config.txt" "$work/xp-config.txt"

# --- d. Hamachi in a private network namespace --------------------------------
# Wine reports the Linux interface names; the adapter must be named exactly
# "Hamachi", so a "hamachi" listed before it (a veth peer comes first in
# index order) is a decoy. Its IPv6 address comes first, as Wine lists them.
# The whole Wine session starts inside. Still Windows XP: only forcebindip.
stop_wine
netns_session() {
    ip link set lo up &&
        ip link add Hamachi type veth peer name hamachi &&
        ip addr add 25.9.9.9/8 dev hamachi &&
        ip addr add 2001:db8::1/64 dev Hamachi nodad &&
        ip addr add 25.1.2.3/8 dev Hamachi &&
        ip link set hamachi up && ip link set Hamachi up || return 1
    run_launcher press F5
    stop_wine
    echo "$rc" >"$work/netns.rc"
}
if [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null; then
    export -f netns_session run_launcher find_window press stop_wine
    export work app log WINE wineserver
    unshare -n bash -c netns_session
    check "hamachi: launcher exits with 0 after F5 (got $(cat "$work/netns.rc" 2>/dev/null))" \
        [ "$(cat "$work/netns.rc" 2>/dev/null)" = 0 ]
    check "hamachi: forcebindip gets 25.1.2.3, the IPv4 address of \"Hamachi\"" \
        [ "$(runs)/$(args_of 1)" = "forcebindip.exe run 0/25.1.2.3 \"$game\"" ]
else
    echo "SKIPPED hamachi: no private network namespace (needs root)"
fi

finish
