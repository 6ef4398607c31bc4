#!/usr/bin/env bash
# shellcheck disable=SC2317 # functions called through run_launcher, check, a trap
# The whole launch of the real Velkaro.exe under Wine, driven with keys
# as a Windows user meets it: a throwaway prefix, a virtual display and a
# private network namespace with a "Hamachi" adapter. The outside programs are
# stand-ins (standin.c) put where Windows keeps them, and same-named decoys
# beside the launcher. One PASS/FAIL line per check, the last "N passed, N
# failed"; the exit status is non-zero on any failure. Needs root.
# VELKARO_ARCH: x86_64 (default) or i686, which needs a machine that runs 32-bit
# code (scripts/guest-wine-checks.sh). VELKARO_EXE, VELKARO_STANDINS: the
# launcher and a folder of built stand-ins, else the build's and ones compiled
# here; "--standins FOLDER" only compiles them into FOLDER.
# VELKARO_WINE_PREFIX: a fresh prefix to use up instead of making one.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
arch=${VELKARO_ARCH:-x86_64}
case "$arch" in
    x86_64) system_folder=system32 ;;
    i686) system_folder=syswow64 ;; # where a 32-bit process's C:\windows\system32 lies on disk
    *) echo "VELKARO_ARCH: i686 or x86_64, not $arch" >&2; exit 2 ;;
esac
# Every game that runs on the host is 64-bit and goes through ForceBindIP64; the
# emulated machine's 32-bit games go through ForceBindIP.
bits=$([ "$arch" = x86_64 ] && echo 64)
app_exe=${VELKARO_EXE:-$here/../../build/windows/$arch/src/Velkaro.exe}
build_standin() { # arch output [the version resource's file version a,b,c,d]
    [ -z "${3:-}" ] || "$1-w64-mingw32-windres" -DGAME_VERSION="$3" "$here/game-version.rc" -O coff -o "$2.o" || return
    "$1-w64-mingw32-gcc" -municode -mwindows -O1 -Wall -Wextra -s "$here/standin.c" ${3:+"$2.o"} -o "$2" -lversion
}
# standin.exe of $arch and a 64-bit one; games of StarCraft 1.16.1 ($arch) and 1.23.10 (64-bit).
build_standins() { # folder
    build_standin "$arch" "$1/standin.exe" && build_standin x86_64 "$1/standin64.exe" &&
        build_standin "$arch" "$1/starcraft-1.16.exe" 1,16,1,0 && build_standin x86_64 "$1/starcraft-1.23.exe" 1,23,10,0
}
if [ "${1:-}" = --standins ]; then build_standins "$2"; exit; fi

# Nothing leaves the machine, and no desktop's focus disturbs the foreground check.
# The launcher's folder is made read-only in mounts of the checks' own; in a
# chroot "/" is no mount point and keeps its propagation.
if [ -z "${VELKARO_WINE_INSIDE:-}" ]; then
    [ "$(id -u)" = 0 ] || { echo "the Wine checks need root for a network namespace" >&2; exit 1; }
    VELKARO_WINE_INSIDE=1 exec unshare -n -m --propagation unchanged xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
mount --make-rprivate / 2>/dev/null
# Wine lists interfaces in index order: the lower-case decoy (the veth peer) before
# "Hamachi", whose IPv6 address comes first.
ip link set lo up
ip link add Hamachi type veth peer name hamachi
ip addr add 25.9.9.9/8 dev hamachi
ip addr add 2001:db8::1/64 dev Hamachi nodad
ip addr add 25.1.2.3/8 dev Hamachi
ip link set hamachi up && ip link set Hamachi up
# LAN VPN adapters under Linux names (no blanks, 15 bytes at most), "RadminVPN"
# listed first, with no IPv4 address.
ip link add ZeroTier0 index 21 type veth peer name RadminVPN index 20
ip addr add 10.147.17.5/24 dev ZeroTier0
ip link set RadminVPN up && ip link set ZeroTier0 up

passed=0 failed=0
check() { # label, then a command whose status decides
    local label=$1
    shift
    if "$@"; then echo "PASS $label"; passed=$((passed + 1)); else echo "FAIL $label"; failed=$((failed + 1)); fi
}
work=$(mktemp -d)
WINEPREFIX=${VELKARO_WINE_PREFIX:-$(mktemp -d)}
# The system's ANSI code page is then 1252, which holds no Cyrillic letter.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
read -r device inode < <(stat -c '%d %i' "$WINEPREFIX")
stop_wine() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }
server=$(printf 'server-%x-%x' "$device" "$inode") # the server's socket folder, named after the prefix
trap 'stop_wine; rm -rf "$work" "$WINEPREFIX" /tmp/wine-*/"$server" /tmp/.wine-*/"$server"; rmdir /tmp/wine-* 2>/dev/null' EXIT

echo "Wine checks of the $arch Velkaro.exe"
if [ -n "${VELKARO_STANDINS:-}" ]; then
    cp "$VELKARO_STANDINS"/{standin,standin64,starcraft-1.16,starcraft-1.23}.exe "$work/"
else
    build_standins "$work" || exit 1
fi
if [ -z "${VELKARO_WINE_PREFIX:-}" ]; then
    wine wineboot -i >/dev/null 2>&1 && wineserver -w || { echo "FAIL fresh Wine prefix"; exit 1; }
fi
drive_c=$WINEPREFIX/drive_c
app=$drive_c/Игры/Velkaro
system32=$drive_c/windows/$system_folder
local_app_data=$(ls -d "$drive_c"/users/*/AppData/Local | grep -v '/users/Public/' | head -n 1)
[ -d "$local_app_data" ] || { echo "FAIL no %LOCALAPPDATA% in the prefix"; exit 1; }
native=$drive_c/windows/system32 # the 64-bit system folder
mkdir -p "$app" "$drive_c/Games/Star Craft"
cp "$app_exe" "$app/Velkaro.exe"
cp "$work/starcraft-1.16.exe" "$drive_c/Games/Star Craft/StarCraft.exe"
for name in netsh.exe rundll32.exe; do
    cp "$work/standin.exe" "$app/$name"
    cp "$work/standin.exe" "$system32/$name"
    wine reg add 'HKCU\Software\Wine\DllOverrides' /v "$name" /d native /f >/dev/null 2>&1
done
cp "$work/standin.exe" "$system32/ForceBindIP.exe"
echo 'installed BindIP.dll' >"$system32/BindIP.dll"
cp "$work/standin64.exe" "$native/ForceBindIP64.exe"
echo 'installed BindIP64.dll' >"$native/BindIP64.dll"
# The installer's path, with a final backslash, in the 32-bit view, where a 32-bit installer
# writes; another in the native one.
for view in 32 64; do
    wine reg add 'HKLM\Software\Blizzard Entertainment\Starcraft' /v InstallPath /t REG_SZ \
        /d "C:\\Games\\Star Craft$([ $view = 64 ] && echo ' 64')\\" /reg:$view /f >/dev/null 2>&1
done
game='C:\Games\Star Craft\StarCraft.exe'
export VELKARO_STANDIN_LOG='C:\runs.log'
log=$drive_c/runs.log

hex() { od -An -tx1 -v | tr -d ' \n'; }
crlf() { printf '%s\r\n' "$@" | hex; }
layers_value() { wine "$work/standin.exe" reg "$1" 2>/dev/null | tr -d '\r'; }
# Text as the wide registry calls store it: UTF-16, with its zero.
utf16() { printf '%s\0' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
# The runs as "program event layers-values-then" lines, and what the n-th run was given.
# A 32-bit program started from system32 finds itself in syswow64, as on 64-bit
# Windows: named here by the folder the launcher asked for.
runs() {
    [ -f "$log" ] && cut -f1-3 "$log" | tr '\t' ' ' | sed 's/^C:\\windows\\'"$system_folder"'\\/C:\\windows\\system32\\/'
}
args_of() {
    local line
    line=$(sed -n "${1}p" "$log" | cut -f4)
    line=${line#* }
    printf '%s' "${line#"${line%%[! ]*}"}"
}

# The windows on the display and the prefix's processes, for a start that went wrong.
show_state() {
    local w
    echo "  launcher output: $(tail -c 2000 "$work/launcher.log" | tr '\r\n' '  ')"
    for w in $(xdotool search --name '' 2>/dev/null); do
        echo "  window $w \"$(xdotool getwindowname "$w" 2>/dev/null)\" of pid $(xdotool getwindowpid "$w" 2>/dev/null)"
    done
    ps -eo pid,stat,args | grep -iE '[w]ineserver|[a-z]:\\' | sed 's/^/  process /'
}
# The visible window of process pid (-: any) whose whole title is title, within
# seconds. One xdotool search dies on an X error (BadWindow) when a window
# vanishes while it looks, as windows come and go while Wine and Qt start, so a
# look that fails is looked again rather than taken as no window.
find_window() { # pid title seconds
    local end=$((SECONDS + $3)) found own=()
    [ "$1" = - ] || own=(--pid "$1")
    while [ $SECONDS -lt $end ] && { [ "$1" = - ] || kill -0 "$1" 2>/dev/null; }; do
        found=$(xdotool search --all --onlyvisible "${own[@]}" --name "^$2\$" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.2
    done
    return 1
}

# How long a start may take to its window: four times the slowest start yet,
# and never under 120 s, as emulation is slow and uneven (the first start after
# a font change builds Wine's font cache). Each start prints its time.
slowest=0
took() { # what, since ($EPOCHREALTIME then): prints how long it took, and keeps the slowest
    local ms=$(((${EPOCHREALTIME/./} - ${2/./}) / 1000)); echo "  $1: $((ms / 1000)).$((ms % 1000 / 100)) s"
    [ $((ms / 1000 + 1)) -le "$slowest" ] || slowest=$((ms / 1000 + 1))
}

# Starts the launcher by its full path from C:\, with $lang as its locale and
# $arguments, presses key once its window titled $title shows, and leaves that
# window in $window (empty: none within the deadline, or the launcher ended
# first) and its exit code in $rc. With $typed set, the key comes after typing
# it into the path field, four Tabs from the first option box. With $sizes_to
# set, about_sizes then takes over the window (F1 opened its About dialog). A
# second key goes to a launcher still open 15 s after the first, plus the
# slowest start's time; $stayed tells whether it was. Each start begins with
# every Windows process of the case before ended, so that none of them meets
# the new one.
lang=C.UTF-8 title='Velkaro for Hamachi' arguments=() typed= sizes_to=''
ended() { local end=$((SECONDS + $2)); while kill -0 "$1" 2>/dev/null; do [ $SECONDS -lt $end ] || return 1; sleep 0.2; done; } # pid seconds
run_launcher() { # key [key]
    local limit=$((4 * slowest > 120 ? 4 * slowest : 120)) started
    rm -f "$log"
    timeout "$limit" wineserver -w || { echo "  the previous case's processes did not end:"; show_state; stop_wine; }
    started=$EPOCHREALTIME
    (cd "$drive_c" && LANG=$lang LOCPATH=$work exec wine 'C:\Игры\Velkaro\Velkaro.exe' "${arguments[@]}" \
        >>"$work/launcher.log" 2>&1) &
    local pid=$!
    { window=$(find_window "$pid" "$title" "$limit") && took "start to its window (deadline $limit s)" "$started"; } \
        || [ ${#arguments[@]} -gt 0 ] || { echo "  no launcher window within $limit s:"; show_state; }
    # No window manager: give the window the focus its shortcuts need.
    [ -n "$window" ] && timeout 10 xdotool windowfocus --sync "$window" && { [ -z "$typed" ] \
        || { xdotool key --window "$window" Tab Tab Tab Tab && xdotool type --window "$window" "$typed"; }; } \
        && xdotool key --window "$window" "$1" && [ -n "$sizes_to" ] && about_sizes "$pid" "$window" "$sizes_to" "$limit"
    stayed=no
    if [ -n "${2:-}" ] && ! ended "$pid" $((15 + slowest)); then
        stayed=yes
        timeout 10 xdotool windowfocus --sync "$window" && xdotool key --window "$window" "$2"
    fi
    ended "$pid" "$limit" || { echo "  the launcher did not end within $limit s:"; show_state; stop_wine; }
    wait "$pid"
    rc=$?
    [ "$rc" -le 128 ] || { echo "  the launcher died of signal $((rc - 128)):"; show_state; }
}

# --- The executable as Explorer and UAC read it ------------------------------------
about=$(wine "$work/standin.exe" about 'C:\Игры\Velkaro\Velkaro.exe' 2>/dev/null | tr -d '\r')
check "exe: the version block names Velkaro.exe, its version and its maker" \
    [ "$(head -n 1 <<<"$about")" = "Velkaro 0.8 Velkaro.exe " ]
check "exe: the manifest starts it with the user's own rights" grep -q 'level="asInvoker"' <<<"$about"

# --- Windows 7, no config.txt, every option on -----------------------------------
wine winecfg -v win7 >/dev/null 2>&1
run_launcher F5
registry_game='C:\Games\Star Craft\starcraft.exe'
check "win7: exits with 0 after F5 (got $rc)" [ "$rc" = 0 ]
check "win7: config.txt beside the launcher in its Cyrillic folder, CR LF, the registry's path, one separator" \
    [ "$(hex <"$app/config.txt")" = "$(crlf "PATH=$registry_game" FIREWALL_EXCEPTION=1 COMPABILITY=1 PALETTE=1 \
        ADMINISTRATOR=1)" ]
# The layers count each run saw places the registry write between them.
check "win7: netsh 7 times (2 rules, then again for the public profile), layers value, display applet, ForceBindIP$bits, all from the system folder, then the game" \
    [ "$(runs)" = "$(printf 'C:\\windows\\system32\\netsh.exe run 0\n%.0s' 1 2 3 4 5 6 7)"'
C:\windows\system32\rundll32.exe shown 1
C:\windows\system32\rundll32.exe foreground 1'"
C:\windows\system32\ForceBindIP$bits.exe run 1"'
C:\Games\Star Craft\starcraft.exe game 1' ]
check "win7: the public program rule gets the path in its one quoted argument" \
    [ "$(args_of 5)" = "advfirewall firewall add rule name=StarCraft993 dir=in action=allow \"program=$registry_game\" profile=public" ]
check "win7: layers value is REG_SZ \"DISABLEDWM HIGHDPIAWARE RUNASADMIN\" with its zero" \
    [ "$(layers_value "$registry_game")" = "type 1 $(utf16 'DISABLEDWM HIGHDPIAWARE RUNASADMIN')" ]
check "win7: ForceBindIP gets 25.1.2.3, the IPv4 address of \"Hamachi\", and the quoted path; StarCraft 1.16.1 no -launch" \
    [ "$(args_of 10)" = "25.1.2.3 \"$registry_game\"" ]
# Ended by the launcher, which Wine carries out a moment later; one left alone runs on.
for _ in $(seq 50); do pgrep -f '^C:.windows.system32.rundll32.exe' >/dev/null || break; sleep 0.2; done
check "win7: the display applet ends with the launcher" [ -z "$(pgrep -f '^C:.windows.system32.rundll32.exe')" ]

# --- Notepad's UTF-8 config.txt naming a game in Cyrillic, with layers of the user's own ---
game='C:\Игры\StarCraft.exe'
cp "$work/standin.exe" "$drive_c/Игры/StarCraft.exe"
wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\AppCompatFlags\Layers' /v "$game" /t REG_SZ \
    /d '~ WINXPSP3 RUNASADMIN' /f >/dev/null 2>&1
printf '\xef\xbb\xbfPATH=C:/Игры//StarCraft.exe\r\nFIREWALL_EXCEPTION=0\r\nCOMPABILITY=1\r\nPALETTE=0\r\nADMINISTRATOR=0' \
    >"$app/config.txt"
# No Hamachi for this start (a link renames only while down, which drops its IPv6
# address) and nothing kept: the ZeroTier adapter with an address is the default.
ip link set Hamachi down && ip link set Hamachi name HamachiOff
run_launcher F5
ip link set HamachiOff name Hamachi && ip addr add 2001:db8::1/64 dev Hamachi nodad && ip link set Hamachi up
check "unicode: exits with 0 after F5 (got $rc)" [ "$rc" = 0 ]
check "unicode, no Hamachi: ForceBindIP gets ZeroTier0's address ($(args_of 1))" [ "$(args_of 1 | cut -d' ' -f1)" = 10.147.17.5 ]
check "unicode: the user's layers kept, RUNASADMIN gone, under the path in Cyrillic letters" \
    [ "$(layers_value "$game")" = "type 1 $(utf16 '~ WINXPSP3 DISABLEDWM HIGHDPIAWARE')" ]
check "unicode: config.txt in UTF-8 with a byte-order mark, as code page 1252 holds no Cyrillic; ZeroTier0 kept" \
    [ "$(hex <"$app/config.txt")" = "efbbbf$(crlf "PATH=$game" FIREWALL_EXCEPTION=0 COMPABILITY=1 PALETTE=0 ADMINISTRATOR=0 \
        NETWORK=ZeroTier0)" ]

# --- ForceBindIP beside the launcher only: the first launch installs it ----------
# The settings are those a Velkaro without a manifest left where Windows redirected
# its writes: none beside the launcher, none in %LOCALAPPDATA%\Velkaro.
game='C:\Games\Star Craft\StarCraft.exe'
# The network kept from the last launch, ZeroTier0, goes ahead of Hamachi.
rm "$app/config.txt" && mkdir -p "$local_app_data/VirtualStore/Игры/Velkaro"
printf 'PATH=%s\r\nFIREWALL_EXCEPTION=0\r\nCOMPABILITY=0\r\nPALETTE=0\r\nADMINISTRATOR=0\r\nNETWORK=ZeroTier0\r\n' "$game" \
    >"$local_app_data/VirtualStore/Игры/Velkaro/config.txt"
mv "$system32/ForceBindIP$bits.exe" "$app/ForceBindIP$bits.exe"
echo "launcher copy of BindIP$bits.dll" >"$app/BindIP$bits.dll"
cp "$system32/BindIP$bits.dll" "$work/BindIP.before"
run_launcher F5
check "install: ForceBindIP$bits.exe copied into the system folder" cmp -s "$system32/ForceBindIP$bits.exe" "$app/ForceBindIP$bits.exe"
check "install: the BindIP$bits.dll already there is left byte for byte" cmp -s "$system32/BindIP$bits.dll" "$work/BindIP.before"
check "install, VirtualStore's settings read: the launch goes on to the installed ForceBindIP$bits (exit $rc)" \
    [ "$rc/$(runs)" = "0/C:\windows\system32\ForceBindIP$bits.exe run 2"'
C:\Games\Star Craft\StarCraft.exe game 2' ]
check "kept: ForceBindIP gets ZeroTier0's address, not Hamachi's; config.txt keeps ZeroTier0" [ "$(args_of 1)/$(hex <"$app/config.txt")" \
    = "10.147.17.5 \"$game\"/$(crlf "PATH=$game" FIREWALL_EXCEPTION=0 COMPABILITY=0 PALETTE=0 ADMINISTRATOR=0 NETWORK=ZeroTier0)" ]

# --- The work a prompt hands to an elevated copy, run directly: Wine runs every process elevated ---
# The install from the copy's own folder, then the rules, reported into the launcher's result file.
rm -f "$log" "$system32/ForceBindIP$bits.exe" "$system32/BindIP$bits.dll"
: >"$drive_c/velkaro-1.result"
(cd "$drive_c" && timeout 60 wine 'C:\Игры\Velkaro\Velkaro.exe' --elevated-work 'C:\velkaro-1.result' "install$bits+rules" "$game" \
    >>"$work/launcher.log" 2>&1)
copy="$?/$(runs | cut -d' ' -f1 | uniq -c | tr -s ' ')/$(tr -d '\r' <"$drive_c/velkaro-1.result" | tr '\n' ' ')"
check "elevated copy: exit 0, ForceBindIP$bits installed from its folder, netsh 7 times, both reported ($copy)" \
    [ "$copy/$(cmp -s "$system32/ForceBindIP$bits.exe" "$app/ForceBindIP$bits.exe" && echo copied)" \
    = "0/ 7 C:\windows\system32\netsh.exe/installed=1 rules=0 /copied" ]

# --- ForceBindIP ends without starting the game: the launcher comes back and says so ---
# The path typed as "\\?\C:\...", which the firewall rule, the layers, ForceBindIP and
# config.txt get in its plain form. The launcher's folder, as Program Files to a
# standard user, takes no new file.
printf 'PATH=\r\nFIREWALL_EXCEPTION=1\r\nCOMPABILITY=1\r\nPALETTE=0\r\nADMINISTRATOR=0\r\n' >"$app/config.txt"
check "read-only folder: the launcher's folder mounted read-only" mount -o bind,ro "$app" "$app"
VELKARO_STANDIN_NO_GAME=1 typed="\\\\?\\$game" run_launcher F5 Escape
umount -l "$app"
check "read-only folder: config.txt saved in %LOCALAPPDATA%\Velkaro, with the plain path" \
    [ "$(hex <"$local_app_data/Velkaro/config.txt")" = \
    "$(crlf "PATH=$game" FIREWALL_EXCEPTION=1 COMPABILITY=1 PALETTE=0 ADMINISTRATOR=0)" ]
# Keys reach no minimised window: Esc ending it shows it restored.
check "no game: the launcher stays open after F5 (stayed: $stayed), restored: Esc ends it with 0 (got $rc)" \
    [ "$stayed/$rc" = yes/0 ]
# The layers value rewritten under the plain path, the one there since the first case: no new value.
check "no game, \\\\?\\ path: the plain path in the firewall rule, the layers and ForceBindIP's run, no game" \
    [ "$(args_of 1)/$(layers_value "$game")/$(args_of 8)/$(runs | tail -n +8)" = "firewall add allowedprogram \
program = \"$game\" name = StarCraft993 mode = ENABLE scope = ALL profile = ALL/type 1 $(utf16 'DISABLEDWM HIGHDPIAWARE')\
/25.1.2.3 \"$game\"/C:\\windows\\system32\\ForceBindIP$bits.exe run 2" ]

# --- 100% and 150%: both windows scale as a whole; a folder path; a Hangul install path ---
# The launcher's About dialog (F1) is looked for once its main window is there:
# the width and height of the launcher window and of the dialog go to FILE,
# then Esc closes the dialog and F5 launches.
sizes_then_launch() { sizes_to=$1; run_launcher F1; sizes_to=''; } # file
about_sizes() { # pid main-window file seconds
    local about end=$((SECONDS + $4)) started=$EPOCHREALTIME
    about=$(find_window "$1" 'About Velkaro' "$4") || { echo "  no About dialog within $4 s:"; show_state; return 1; }
    took "F1 to the About dialog" "$started"
    for w in "$2" "$about"; do xdotool getwindowgeometry --shell "$w"; done | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' >"$3"
    timeout 10 xdotool windowfocus --sync "$about" key --window "$about" Escape
    # The launcher takes keys again only once its modal dialog is gone.
    while [ $SECONDS -lt $end ] && xdotool getwindowname "$about" >/dev/null 2>&1; do sleep 0.2; done
    timeout 10 xdotool windowfocus --sync "$2" key --window "$2" F5
}
# The dialog font of Windows, Tahoma, which Debian's Wine takes only from the
# prefix's Fonts folder: its fallback lays the window out taller at 96 DPI alone.
cp /usr/share/wine/fonts/tahoma*.ttf "$drive_c/windows/Fonts/"
# At 96 DPI the game is a folder, named with a trailing dot that Windows drops.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
printf 'PATH=C:\\Games\\Star Craft.\r\nFIREWALL_EXCEPTION=1\r\nCOMPABILITY=1\r\nPALETTE=0\r\nADMINISTRATOR=1\r\n' >"$app/config.txt"
game='C:\Games\Star Craft\StarCraft.exe'
sizes_then_launch "$work/sizes-96"
check "folder: after About, Esc, F5 the firewall rule, the layers and ForceBindIP get the game in it (exit $rc)" \
    [ "$rc/$(args_of 1)/$(layers_value "$game")/$(args_of 8)" = "0/firewall add allowedprogram program = \"$game\" \
name = StarCraft993 mode = ENABLE scope = ALL profile = ALL/type 1 $(utf16 'DISABLEDWM HIGHDPIAWARE RUNASADMIN')/25.1.2.3 \"$game\"" ]
# At 144 DPI the game is the registry's, in a folder named in Hangul, which code page 1252 lacks,
# laid out as today's client: its 64-bit game in x86_64, an older one in x86, none of its own.
# ForceBindIP64 lies beside the launcher alone.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
mkdir -p "$drive_c/Games/게임/x86_64" "$drive_c/Games/게임/x86" && cp "$work/standin.exe" "$drive_c/Games/게임/x86/StarCraft.exe"
cp "$work/starcraft-1.23.exe" "$drive_c/Games/게임/x86_64/StarCraft.exe" && mv "$native"/{ForceBindIP64.exe,BindIP64.dll} "$app/"
wine reg add 'HKLM\Software\Blizzard Entertainment\Starcraft' /v InstallPath /t REG_SZ /d 'C:\Games\게임' /reg:32 /f >/dev/null 2>&1
printf 'FIREWALL_EXCEPTION=0\r\nCOMPABILITY=0\r\nPALETTE=0\r\nADMINISTRATOR=0\r\n' >"$app/config.txt"
sizes_then_launch "$work/sizes-144"
# ForceBindIP reads its command line in code page 1252: it gets the short form, in ASCII with no "?" or "/".
ascii='[!-.0->@-~]+'
check "korean: after About, Esc, F5 ForceBindIP64, installed into the 64-bit system folder, gets the registry's x86_64 game as its ASCII short form and -launch; the game starts in its folder (exit $rc)" \
    grep -qxE "0/C:\\\\windows\\\\system32\\\\ForceBindIP64\.exe run/25\.1\.2\.3 C:\\\\Games\\\\$ascii\\\\STAR$ascii -launch/C:\\\\Games\\\\게임\\\\x86_64\\\\StarCraft\.exe game/C:\\\\Games\\\\게임\\\\x86_64/copied" \
    <<<"$rc/$(runs | head -n 1 | cut -d' ' -f1,2)/$(args_of 1)/$(runs | sed -n 2p | cut -d' ' -f1,2)/$(sed -n 2p "$log" | cut -f5)/$(cmp "$native/BindIP64.dll" "$app/BindIP64.dll" && echo copied)"
check "dpi: both windows at least 1.4 times as wide and as tall at 144 as at 96 ($(cat "$work"/sizes-{96,144} | tr "\n" " "))" \
    awk 'FNR == NR { s[FNR] = $1; next } $1 * 10 < s[FNR] * 14 { bad = 1 } END { exit bad || NR != 8 }' "$work"/sizes-{96,144}

# --- A shortcut's /launch, and the user's language --------------------------------
# Wine takes the language from the locale, generated here without touching the system's.
localedef -i ru_RU -f UTF-8 "$work/ru_RU.UTF-8" 2>/dev/null
# The launcher in a locale, with arguments; Esc ends it once its window titled title shows.
titled() { # LANG title [argument...]
    lang=$1 title=$2 arguments=("${@:3}")
    run_launcher Escape
    lang=C.UTF-8 title='Velkaro for Hamachi' arguments=()
}
# A launch from a shortcut that starts the game ends with no window: the window test runs main so.
# Nothing beside the launcher: the settings saved in %LOCALAPPDATA%\Velkaro are read back.
rm "$app/config.txt"
echo 'no program' >"$system32/ForceBindIP$bits.exe"
titled ru_RU.UTF-8 'Velkaro для Hamachi' /launch
check "/launch in ru_RU, ForceBindIP no program: the window shows with no key, titled in Russian" [ -n "$window" ]
check "/launch, %LOCALAPPDATA%\Velkaro read back: the firewall rule names its game" [ "$(args_of 1)" = \
    "firewall add allowedprogram program = \"$game\" name = StarCraft993 mode = ENABLE scope = ALL profile = ALL" ]

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
