#!/bin/sh
# Builds the settings reader's fuzzer with clang's libFuzzer, apart from the
# main build, and runs it for a bounded time: a crash, hang, sanitizer report
# or broken save/read round trip makes it exit non-zero.
# Usage: run-fuzz.sh [work folder]   (FUZZ_SECONDS, FUZZ_RUNS, FUZZ_CXX override)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../src" && pwd)
out=${1:-/tmp/velkaro-fuzz}
cxx=${FUZZ_CXX:-clang++}
mkdir -p "$out/corpus"

# The reader and writer alone: no window, no file.
$cxx -std=c++17 -g -O1 -fPIC -fsanitize=address,undefined,fuzzer -fno-sanitize-recover=all \
    -DQT_DISABLE_DEPRECATED_BEFORE=0x050F00 -I"$src/settings" -I"$src/system" $(pkg-config --cflags Qt5Core) \
    "$src/settings/Config.cpp" "$here/ConfigFuzzer.cpp" $(pkg-config --libs Qt5Core) -o "$out/config-fuzzer"

# Seeds: a written file with a kept network, CR LF, a mended PATH line, zero bytes, a long line.
c="$out/corpus"
printf 'PATH=C:/Games/StarCraft.exe\nFIREWALL_EXCEPTION=0\nCOMPABILITY=1\nPALETTE=2\nADMINISTRATOR=7\nNETWORK=ZeroTier One [8056c2e21c000001]\n' >"$c/seed-written"
printf 'PATH=/tmp\r\nPALETTE=0\r\nCOMPABILITY = yes \r\n' >"$c/seed-crlf"
printf '#PATH = /tmp/Program Files (x86)/Star-\303\251.exe  \nab PATH=..\nXPATH=/\n' >"$c/seed-mended"
printf 'PALETTE=0\000\nADMINISTRATOR=-1\nFIREWALL_EXCEPTION=4294967297\nPATH=//' >"$c/seed-zero"
{ printf 'PALETTE=0'; head -c 3000 /dev/zero | tr '\0' a; printf '\nPATH=.\n'; } >"$c/seed-long"
printf '"PATH"\n"FIREWALL_EXCEPTION"\n"COMPABILITY"\n"PALETTE"\n"ADMINISTRATOR"\n"NETWORK"\n"="\n"\\x0A"\n"\\x00"\n' >"$out/keys.dict"

# Leak checks stay off: Qt's own caches outlive the run on purpose. Short
# allocation stacks and a small quarantine keep it above 20,000 inputs a
# second; 1100 bytes hold a whole 1023-byte piece and the start of the next.
cd "$out"
ASAN_OPTIONS=detect_leaks=0:malloc_context_size=2:quarantine_size_mb=1 ./config-fuzzer -detect_leaks=0 \
    -max_len=1100 -max_total_time="${FUZZ_SECONDS:-30}" -runs="${FUZZ_RUNS:--1}" -timeout=5 -dict=keys.dict \
    -artifact_prefix="$out/" -print_final_stats=1 "$c"
