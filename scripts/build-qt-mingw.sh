#!/usr/bin/env bash
# Builds static Qt 5 (qtbase only) for Windows with Debian 12's mingw-w64
# cross compilers, from the newest qtbase-opensource-src Debian 12 carries
# (security updates included), with Debian's patches, and packs it as
# qtVERSION-mingw-ARCH-static.tar.xz, the archive build-windows.sh unpacks.
# The archive also holds THIRD-PARTY-NOTICES.txt for that source, which
# build-windows.sh puts into the release zip.
# Takes about 40 minutes per target on two cores, and a few GB of disk.
# Usage: scripts/build-qt-mingw.sh i686|x86_64 [archive folder] [work folder]
#   archive folder: default build/windows/qt-archives
#   work folder:    default build/windows/qt-build (source, objects, install)
# VELKARO_QT_SOURCE_ONLY=1 stops once the source and its notices are ready.
set -Eeuo pipefail
arch=${1:?i686 or x86_64}
case "$arch" in i686 | x86_64) ;; *) echo "unknown target: $arch" >&2; exit 2 ;; esac
repo=$(cd "$(dirname "$0")/.." && pwd)
archives=$(mkdir -p "${2:-$repo/build/windows/qt-archives}" && cd "${2:-$repo/build/windows/qt-archives}" && pwd)
work=${3:-$repo/build/windows/qt-build}
package=qtbase-opensource-src
export DEBIAN_FRONTEND=noninteractive
# A failure names its step, its line and command, and the step's log.
step="setting up" step_log=""
trap 'echo "build-qt-mingw.sh: $step failed at line $LINENO (status $?): $BASH_COMMAND${step_log:+; its log: $step_log}" >&2' ERR

step="installing the cross compilers"
packages=("g++-mingw-w64-${arch//_/-}" dpkg-dev make perl python3 xz-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Replaces every line that is exactly OLD with NEW, and stops when the file
# has no such line: a source that changed must not slip through unpatched.
patch_lines() { # file old new
    local file=$1 old=$2 new=$3 found
    found=$(grep -cxF -- "$old" "$file" || true)
    if [ "$found" -eq 0 ]; then
        echo "build-qt-mingw.sh: $file has no line \"$old\"; this Qt source differs from the one the patch was written for" >&2
        return 1
    fi
    OLD=$old NEW=$new awk 'BEGIN { old = ENVIRON["OLD"]; new = ENVIRON["NEW"] }
                           $0 == old { print new; next } { print }' "$file" >"$file.patched"
    mv "$file.patched" "$file"
    if grep -qxF -- "$old" "$file" || [ "$(grep -cxF -- "$new" "$file")" -lt "$found" ]; then
        echo "build-qt-mingw.sh: patching \"$old\" in $file went wrong" >&2
        return 1
    fi
}

# Debian's source lists, private to this run so that the system's stay as
# they are; apt fetches as the unprivileged _apt user.
apt_dir=$(mktemp -d)
trap 'rm -rf "$apt_dir"' EXIT
chmod 755 "$apt_dir"
mkdir -p "$apt_dir/lists/partial"
# The source suites of the archives this machine's apt uses.
"$repo/scripts/debian-sources.sh" | awk '{ print "deb-src " $1 " " $2 " main" }' >"$apt_dir/sources.list"
apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
          -o Dir::State::Lists="$apt_dir/lists")

# The newest version of the source package the three suites carry.
newest_source_version() {
    local version newest=""
    apt-get "${apt_opts[@]}" update -qq >&2
    for version in $(apt-cache "${apt_opts[@]}" showsrc "$package" | sed -n 's/^Version: //p'); do
        if [ -z "$newest" ] || dpkg --compare-versions "$version" gt "$newest"; then newest=$version; fi
    done
    [ -n "$newest" ] || { echo "build-qt-mingw.sh: Debian's lists name no $package" >&2; return 1; }
    echo "$newest"
}

# Debian's source with Debian's patches applied, then ours.
fetch_source() { # version folder
    local version=$1 folder=$2
    rm -rf "$folder"
    (cd "$apt_dir" && apt-get "${apt_opts[@]}" source --download-only -qq "$package=$version")
    dpkg-source -q --no-copy -x "$apt_dir/${package}_${version#*:}.dsc" "$folder"
    # The dfsg source has no Wintab headers: the Windows platform plugin goes
    # without tablet support.
    local plugin=$folder/src/plugins/platforms/windows
    patch_lines "$plugin/windows.pri" 'qtConfig(tabletevent) {' 'false {'
    patch_lines "$plugin/qwindowscontext.cpp" '#if QT_CONFIG(tabletevent)' '#if 0'
}

step="reading Debian's source lists"
source_version=$(newest_source_version)
upstream_version=${source_version#*:}
upstream_version=${upstream_version%%[+~-]*}
echo "Qt source: Debian's $package $source_version"
mkdir -p "$work"
if [ ! -d "$work/src" ] || [ "$(cat "$work/src.version" 2>/dev/null)" != "$source_version" ]; then
    rm -f "$work/src.version"
    step="fetching and patching the Qt source"
    fetch_source "$source_version" "$work/src.partial"
    rm -rf "$work/src"
    mv "$work/src.partial" "$work/src"
    echo "$source_version" >"$work/src.version"
fi
# Before the long build: a Qt with outside code the notices do not know yet
# stops here.
step="writing the notices"
"$repo/scripts/make-notices.py" "$work/src" "$source_version" "$work/THIRD-PARTY-NOTICES.txt"
if [ "${VELKARO_QT_SOURCE_ONLY:-0}" = 1 ]; then
    echo "source in $work/src, notices in $work/THIRD-PARTY-NOTICES.txt"
    exit 0
fi

prefix="$work/$arch"
build="$work/build-$arch"
rm -rf "$build" "$prefix"
mkdir -p "$build"
cd "$build"
step="configuring Qt for $arch" step_log=$build/configure.log
echo "$step (log: $step_log)"
"$work/src/configure" -xplatform win32-g++ -device-option CROSS_COMPILE="${arch}-w64-mingw32-" \
    -prefix "$prefix" -static -static-runtime -release -optimize-size -opensource -confirm-license \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-fontconfig \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -no-openssl \
    -no-sql-sqlite -no-sql-odbc -no-feature-sql -no-feature-testlib -no-feature-concurrent \
    -no-feature-xml -no-feature-vulkan >configure.log 2>&1
step="building Qt for $arch" step_log=$build/make.log
echo "$step (log: $step_log)"
make -j"$(nproc)" >make.log 2>&1
step="installing Qt for $arch" step_log=$build/install.log
make install >install.log 2>&1
step="packing Qt for $arch" step_log=""
rm -rf "$prefix/doc" "$prefix"/lib/libQt5Bootstrap.*
strip "$prefix"/bin/* 2>/dev/null || true
cp "$work/THIRD-PARTY-NOTICES.txt" "$prefix/"
name=qt$upstream_version-mingw-$arch-static.tar.xz
tar -C "$work" -cJf "$archives/$name.partial" "$arch"
mv "$archives/$name.partial" "$archives/$name"
echo "packed $archives/$name"
