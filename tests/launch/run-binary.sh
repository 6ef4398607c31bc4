#!/bin/sh
# The built launcher on a virtual X display, driven by keys as a user would:
# F5 launches, Escape cancels. Checks exit codes, config.txt and what ran.
# Usage: run-binary.sh <velkaro binary> <stand-in script>
set -eu
binary=$1
standin=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app=$work/app
game="$work/game dir/Star Craft.exe"
mkdir -p "$app" "$work/stubs" "$work/game dir" "$work/home" "$work/run"
chmod 700 "$work/run"
cp "$binary" "$app/velkaro"
: > "$game"
# No system directory outside Windows: ForceBindIP counts as installed when
# its files lie in the working directory, which is the launcher's folder here.
: > "$app/ForceBindIP.exe"
: > "$app/BindIP.dll"
for name in forcebindip netsh rundll32.exe; do
    cp "$standin" "$work/stubs/$name"
    chmod +x "$work/stubs/$name"
done
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export STANDIN_LOG="$work/runs.log" STANDIN_CONFIG="$app/config.txt"
export PATH="$work/stubs:$PATH"
unset QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
b64() {
    printf '%s' "$1" | base64 -w0
}

# Starts the launcher, waits for its window, sends one key, and prints the
# program's exit code once it has ended (124 when it never did).
drive() {
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        cd "$1"
        "$1/velkaro" &
        pid=$!
        win=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velkaro for Hamachi\$" | head -n 1)
        [ -n "$win" ] || { kill $pid; echo "no window" >&2; echo 124; exit 0; }
        # No window manager here: give the window the focus that a shortcut needs.
        timeout 10 xdotool windowfocus --sync "$win"
        xdotool key --window "$win" "$2"
        for _ in $(seq 100); do
            kill -0 $pid 2>/dev/null || break
            sleep 0.2
        done
        if kill -0 $pid 2>/dev/null; then kill $pid; wait $pid; echo 124; exit 0; fi
        set +e
        wait $pid
        echo $?
    ' sh "$app" "$1"
}

# F5 with a config whose flags, kept as loaded where the option boxes are
# disabled, come back unchanged.
printf 'PATH=%s\nPALETTE=2\n' "$game" > "$app/config.txt"
rc=$(drive F5)
[ "$rc" = 0 ] || fail "launch run exited with $rc"
printf 'PATH=%s\nFIREWALL_EXCEPTION=1\nCOMPABILITY=1\nPALETTE=2\nADMINISTRATOR=1\n' "$game" > "$work/expected"
cmp -s "$app/config.txt" "$work/expected" || fail "config.txt after launch: $(cat "$app/config.txt")"
[ "$(wc -l < "$STANDIN_LOG")" = 1 ] || fail "expected forcebindip alone, ran: $(cut -f1 "$STANDIN_LOG")"
expected=$(printf 'forcebindip\t+%s\t%s\t%s' "$(base64 -w0 < "$work/expected")" "$(b64 127.0.0.1)" "$(b64 "$game")")
[ "$(cut -f1,3- "$STANDIN_LOG")" = "$expected" ] || fail "forcebindip run: $(cat "$STANDIN_LOG")"

# Escape rewrites the settings in full and starts nothing.
rm -f "$STANDIN_LOG"
printf 'PATH=%s\nADMINISTRATOR=0\n' "$game" > "$app/config.txt"
rc=$(drive Escape)
[ "$rc" = 0 ] || fail "cancel run exited with $rc"
printf 'PATH=%s\nFIREWALL_EXCEPTION=1\nCOMPABILITY=1\nPALETTE=1\nADMINISTRATOR=0\n' "$game" > "$work/expected"
cmp -s "$app/config.txt" "$work/expected" || fail "config.txt after cancel: $(cat "$app/config.txt")"
[ ! -e "$STANDIN_LOG" ] || fail "cancel started: $(cut -f1 "$STANDIN_LOG")"
echo "PASS: launch and cancel of the built program"
