#!/bin/sh
# Builds the settings reader's fuzzer with clang's libFuzzer, apart from the
# main build, and runs it for a bounded time: a crash, hang, sanitizer report
# or broken save/read round trip makes it exit non-zero.
# Usage: run-fuzz.sh [work folder]   (FUZZ_SECONDS, FUZZ_CXX override)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../src" && pwd)
out=${1:-/tmp/velkaro-fuzz}
cxx=${FUZZ_CXX:-clang++}
seconds=${FUZZ_SECONDS:-30}
start=$(date +%s)
mkdir -p "$out/obj" "$out/corpus"
mkdir -p -m 700 "$out/runtime"

san="-fsanitize=address,undefined -fno-sanitize-recover=all"
flags="-std=c++17 -g -O1 -fPIC $san -fsanitize=fuzzer-no-link -DQT_DISABLE_DEPRECATED_BEFORE=0x050F00"
flags="$flags -DQT_NO_CAST_FROM_BYTEARRAY $(pkg-config --cflags Qt5Widgets Qt5Network)"
for d in app forms network settings system; do flags="$flags -I$src/$d"; done
moc="$(pkg-config --variable=host_bins Qt5Core)/moc"

# The whole window library, the program's main and Windows-only code aside.
for h in $(grep -l Q_OBJECT "$src"/*/*.h); do "$moc" "$h" -o "$out/obj/moc_$(basename "$h" .h).cpp"; done
export cxx flags out
{ find "$src" -name '*.cpp' ! -name main.cpp ! -name OsInterfaceWin.cpp; ls "$out"/obj/moc_*.cpp "$here/ConfigFuzzer.cpp"; } \
    | xargs -P "$(nproc)" -n 1 sh -c '$cxx $flags -c "$1" -o "$out/obj/$(basename "$1").o"' sh
$cxx $san -fsanitize=fuzzer "$out"/obj/*.o $(pkg-config --libs Qt5Widgets Qt5Network) -o "$out/config-fuzzer"
echo "fuzzer built in $(($(date +%s) - start)) s"

# Seeds: a written file, CR LF, a mended PATH line, zero bytes, a long line.
c="$out/corpus"
printf 'PATH=C:/Games/StarCraft.exe\nFIREWALL_EXCEPTION=0\nCOMPABILITY=1\nPALETTE=2\nADMINISTRATOR=7\n' >"$c/seed-written"
printf 'PATH=/tmp\r\nPALETTE=0\r\nCOMPABILITY = yes \r\n' >"$c/seed-crlf"
printf '#PATH = /tmp/Program Files (x86)/Star-\351.exe  \nab PATH=..\nXPATH=/\n' >"$c/seed-mended"
printf 'PALETTE=0\000\nADMINISTRATOR=-1\nFIREWALL_EXCEPTION=4294967297\nPATH=//' >"$c/seed-zero"
{ printf 'PALETTE=0'; head -c 3000 /dev/zero | tr '\0' a; printf '\nPATH=.\n'; } >"$c/seed-long"
printf '"PATH"\n"FIREWALL_EXCEPTION"\n"COMPABILITY"\n"PALETTE"\n"ADMINISTRATOR"\n"="\n"\\x0A"\n"\\x0D\\x0A"\n"\\x00"\n' >"$out/keys.dict"

# Leak checks stay off: Qt's own caches outlive the run on purpose.
cd "$out"
ASAN_OPTIONS=detect_leaks=0 XDG_RUNTIME_DIR="$out/runtime" TMPDIR=$( [ -w /dev/shm ] && echo /dev/shm || echo /tmp ) \
    ./config-fuzzer -max_total_time="$seconds" -timeout=5 -dict=keys.dict -artifact_prefix="$out/" \
    -print_final_stats=1 "$c"
echo "fuzz run done in $(($(date +%s) - start)) s in total"
