#!/bin/sh
# Plays an outside program (forcebindip, netsh, rundll32.exe: it goes by the
# name it was called under). Each run appends one tab-separated line to
# $STANDIN_LOG: its folder's and its own name, its current folder, what $STANDIN_CONFIG held at that moment ("-" when
# absent, else "+" and its bytes in base64), then each argument in base64 so
# that blanks, quotes and empty arguments keep their boundaries.
name=$(basename "$(dirname "$0")")/$(basename "$0")
tab=$(printf '\t')
config=-
[ -f "$STANDIN_CONFIG" ] && config="+$(base64 -w0 < "$STANDIN_CONFIG")"
line="$name$tab$(pwd -P)$tab$config"
for arg in "$@"; do
    line="$line$tab$(printf '%s' "$arg" | base64 -w0)"
done
# One write per line, so that lines of concurrent runs never mix.
printf '%s\n' "$line" >> "$STANDIN_LOG"
[ -n "${STANDIN_CRASH:-}" ] && kill -KILL $$
# The display applet stays up until the launcher ends it.
[ "${name##*/}" = rundll32.exe ] && exec sleep "${STANDIN_LINGER:-20}"
exit "${STANDIN_EXIT:-0}"
