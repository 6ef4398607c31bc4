#!/usr/bin/env bash
# Measures Velkaro.exe against a hello-world QMainWindow linked with the same
# static Qt and toolchain: .exe size ratio per target, and under Wine (64-bit
# only) the median time from start to the window being shown, interleaved.
# A measurement to run by hand, not a test. Usage: measure.sh [rounds]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-5}
if [ -z "${VELKARO_WINE_XVFB:-}" ]; then
    VELKARO_WINE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
work=$(mktemp -d)
WINEPREFIX=$work/prefix
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# The server's socket folder, named after the prefix folder, stays behind.
read -r device inode < <(stat -c '%d %i' "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$device" "$inode")
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    rm -rf "$work"
    for socket_dir in /tmp/wine-*/"$server_dir"; do
        [ -d "$socket_dir" ] && rm -rf "$socket_dir" && rmdir "$(dirname "$socket_dir")"
    done 2>/dev/null
}
trap 'set +e; cleanup' EXIT

cat >"$work/main.cpp" <<'EOF'
#include <QApplication>
#include <QMainWindow>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hello"));
    window.show();
    return app.exec();
}
EOF
cat >"$work/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(hello CXX)
find_package(Qt5 5.15 REQUIRED COMPONENTS Widgets)
add_executable(hello WIN32 main.cpp)
target_link_libraries(hello PRIVATE Qt5::Widgets Qt5::WinMain)
EOF
for arch in x86_64 i686; do
    velkaro=$repo/build/windows/$arch/src/Velkaro.exe
    if [ ! -f "$velkaro" ] || [ ! -d "$repo/build/windows/qt/$arch" ]; then echo "$arch: not built"; continue; fi
    # The flags scripts/build-windows.sh uses.
    cmake -S "$work" -B "$work/$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$arch.cmake" \
        -DVELKARO_QT_PREFIX="$repo/build/windows/qt/$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
    cmake --build "$work/$arch" >/dev/null
    v=$(stat -c %s "$velkaro") h=$(stat -c %s "$work/$arch/hello.exe")
    echo "$arch: Velkaro.exe $v bytes, hello.exe $h bytes, ratio $(echo "scale=3; $v / $h" | bc)"
done

wineserver -p # stays up: every start below finds a warm server
wine wineboot -i >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/m"
cp "$repo/build/windows/x86_64/src/Velkaro.exe" "$work/x86_64/hello.exe" "$WINEPREFIX/drive_c/m/"
shown_ms() { # exe, title: milliseconds from start to the visible window
    local start pid
    start=$(date +%s%N)
    (cd "$WINEPREFIX/drive_c/m" && exec wine "C:\\m\\$1" >/dev/null 2>&1) &
    pid=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.005; done
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
shown_ms Velkaro.exe 'Velkaro for Hamachi' >/dev/null # warm the caches
shown_ms hello.exe Hello >/dev/null
for _ in $(seq "$rounds"); do
    shown_ms Velkaro.exe 'Velkaro for Hamachi' >>"$work/velkaro.ms"
    shown_ms hello.exe Hello >>"$work/hello.ms"
done
median() { sort -n "$1" | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
echo "start to window under Wine (x86_64, $rounds rounds, median):" \
    "Velkaro.exe $(median "$work/velkaro.ms") ms [$(tr '\n' ' ' <"$work/velkaro.ms")]," \
    "hello.exe $(median "$work/hello.ms") ms [$(tr '\n' ' ' <"$work/hello.ms")]"
