#!/usr/bin/env bash
# Builds static Qt 5.15.8 (qtbase only) for Windows with Debian 12's mingw-w64
# cross compilers, from Debian's own source package, and packs it as
# qt5.15.8-mingw-ARCH-static.tar.xz, the archive build-windows.sh unpacks.
# Takes about 40 minutes per target on two cores, and a few GB of disk.
# Usage: scripts/build-qt-mingw.sh i686|x86_64 [archive folder] [work folder]
#   archive folder: default build/windows/qt-archives
#   work folder:    default build/windows/qt-build (source, objects, install)
set -euo pipefail
arch=${1:?i686 or x86_64}
case "$arch" in i686 | x86_64) ;; *) echo "unknown target: $arch" >&2; exit 2 ;; esac
repo=$(cd "$(dirname "$0")/.." && pwd)
archives=$(mkdir -p "${2:-$repo/build/windows/qt-archives}" && cd "${2:-$repo/build/windows/qt-archives}" && pwd)
work=${3:-$repo/build/windows/qt-build}
source_version=5.15.8+dfsg-11+deb12u3
export DEBIAN_FRONTEND=noninteractive
trap 'echo "build-qt-mingw.sh: failed; the logs are in $work" >&2' ERR

packages=("g++-mingw-w64-${arch//_/-}" make perl python3 xz-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

mkdir -p "$work"
if [ ! -d "$work/src" ]; then
    # Debian's source package, fetched with a private apt source list so that
    # the system's own lists stay as they are.
    apt_dir=$(mktemp -d)
    chmod 755 "$apt_dir" # apt fetches as the unprivileged _apt user
    mkdir -p "$apt_dir/lists/partial"
    printf 'deb-src http://deb.debian.org/debian bookworm main\ndeb-src http://deb.debian.org/debian-security bookworm-security main\ndeb-src http://deb.debian.org/debian bookworm-updates main\n' \
        >"$apt_dir/sources.list"
    apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
              -o Dir::State::Lists="$apt_dir/lists")
    apt-get "${apt_opts[@]}" update -qq
    (cd "$apt_dir" && apt-get "${apt_opts[@]}" source --download-only "qtbase-opensource-src=$source_version")
    rm -rf "$work/src.partial"
    mkdir -p "$work/src.partial"
    tar -C "$work/src.partial" -xf "$apt_dir"/qtbase-opensource-src_5.15.8+dfsg.orig.tar.xz
    # The dfsg source has no Wintab headers: the Windows platform plugin goes
    # without tablet support.
    plugin="$work/src.partial/qtbase-everywhere-src-5.15.8/src/plugins/platforms/windows"
    sed -i 's/^qtConfig(tabletevent) {/false {/' "$plugin/windows.pri"
    sed -i 's/^#if QT_CONFIG(tabletevent)$/#if 0/' "$plugin/qwindowscontext.cpp"
    mv "$work/src.partial/qtbase-everywhere-src-5.15.8" "$work/src"
    rm -rf "$apt_dir" "$work/src.partial"
fi

prefix="$work/$arch"
build="$work/build-$arch"
rm -rf "$build" "$prefix"
mkdir -p "$build"
cd "$build"
echo "configuring Qt for $arch (log: $build/configure.log)"
"$work/src/configure" -xplatform win32-g++ -device-option CROSS_COMPILE="${arch}-w64-mingw32-" \
    -prefix "$prefix" -static -static-runtime -release -optimize-size -opensource -confirm-license \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-fontconfig \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -no-openssl \
    -no-sql-sqlite -no-sql-odbc -no-feature-sql -no-feature-testlib -no-feature-concurrent \
    -no-feature-xml -no-feature-vulkan >configure.log 2>&1
echo "building Qt for $arch (log: $build/make.log)"
make -j"$(nproc)" >make.log 2>&1
make install >install.log 2>&1
rm -rf "$prefix/doc" "$prefix"/lib/libQt5Bootstrap.*
strip "$prefix"/bin/* 2>/dev/null || true
tar -C "$work" -cJf "$archives/qt5.15.8-mingw-$arch-static.tar.xz.partial" "$arch"
mv "$archives/qt5.15.8-mingw-$arch-static.tar.xz.partial" "$archives/qt5.15.8-mingw-$arch-static.tar.xz"
echo "packed $archives/qt5.15.8-mingw-$arch-static.tar.xz"
