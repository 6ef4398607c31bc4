#!/usr/bin/env bash
# Cross-builds Velkaro.exe for 32-bit and 64-bit Windows with mingw-w64 and a
# static Qt: one self-contained .exe per target, no DLL beside it. With the
# 32-bit one it also packs the release, Velkaro-VERSION-win32.zip.
# Usage: scripts/build-windows.sh [i686] [x86_64]   (no target named: both)
# VELKARO_QT_ARCHIVES names the folder with qt5.15.8-mingw-ARCH-static.tar.xz
# (default: toolchains/ in the folder "shared" beside the repository). Without
# the archives, scripts/build-qt-mingw.sh builds them (about 40 minutes each).
# VELKARO_WINDOWS_OUT moves the output folder (default build/windows).
# One commit gives the same executables and zip, byte for byte: the time
# stamps in them are SOURCE_DATE_EPOCH, by default the last commit's time.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
repo=$(cd "$(dirname "$0")/.." && pwd)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct 2>/dev/null || true)}
[ -n "$SOURCE_DATE_EPOCH" ] || { echo "no commit to date the build by: set SOURCE_DATE_EPOCH" >&2; exit 1; }
export SOURCE_DATE_EPOCH
out=$(mkdir -p "${VELKARO_WINDOWS_OUT:-$repo/build/windows}" && cd "${VELKARO_WINDOWS_OUT:-$repo/build/windows}" && pwd)
archives=${VELKARO_QT_ARCHIVES:-$repo/../shared/toolchains}
[ -d "$archives" ] && archives=$(cd "$archives" && pwd)
own_archives=$out/qt-archives

targets=()
for arg in "$@"; do
    case "$arg" in
        i686 | x86_64) targets+=("$arg") ;;
        *) echo "usage: $0 [i686] [x86_64]" >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(i686 x86_64)

# --- (a) Debian packages -----------------------------------------------------
"$repo/scripts/install-deps.sh" windows

# --- (b) static Qt for each target -------------------------------------------
unpack_qt() { # arch
    local arch=$1 name="qt5.15.8-mingw-$1-static.tar.xz" archive=""
    local qt=$out/qt/$arch
    # build-qt-mingw.sh names its archive after the Qt version Debian has.
    # Before the first Qt build the folder is not there: no archive, not a failure.
    own_archive() {
        [ -d "$own_archives" ] || return 0
        find "$own_archives" -maxdepth 1 -name "qt5.*-mingw-$arch-static.tar.xz" | sort -V | tail -n 1
    }
    if [ -f "$archives/$name" ]; then archive=$archives/$name; else archive=$(own_archive); fi
    if [ -z "$archive" ]; then
        if [ -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ]; then return 0; fi
        echo "no $name in $archives: building it from Debian's source package"
        "$repo/scripts/build-qt-mingw.sh" "$arch" "$own_archives" \
            || { echo "building Qt for $arch failed: see build-qt-mingw.sh's message above" >&2; exit 1; }
        archive=$(own_archive)
        [ -n "$archive" ] || { echo "build-qt-mingw.sh left no archive in $own_archives" >&2; exit 1; }
    fi
    # Unpack again only when the archive changed since the last time.
    local stamp
    stamp="$(readlink -f "$archive") $(stat -c '%s %Y' "$archive")"
    if [ -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ] && [ "$(cat "$out/qt/$arch.stamp" 2>/dev/null)" = "$stamp" ]; then
        return 0
    fi
    echo "unpacking $archive"
    rm -rf "$qt" "$out/qt/.unpack-$arch"
    mkdir -p "$out/qt/.unpack-$arch"
    tar -C "$out/qt/.unpack-$arch" -xJf "$archive"
    mv "$out/qt/.unpack-$arch/$arch" "$qt"
    rmdir "$out/qt/.unpack-$arch"
    echo "$stamp" >"$out/qt/$arch.stamp"
}

# --- (c) configure and build ---------------------------------------------------
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
build_target() { # arch
    local arch=$1 dir=$out/$1
    # A build folder keeps its generator and the flags the toolchain file gave
    # it; start afresh when either would change.
    local toolchain
    toolchain=$(cat "$repo/cmake/mingw-common.cmake" "$repo/cmake/mingw-$arch.cmake" | sha256sum)
    if [ -f "$dir/CMakeCache.txt" ] && { ! grep -q "^CMAKE_GENERATOR:INTERNAL=${generator[1]:-Unix Makefiles}\$" "$dir/CMakeCache.txt" \
        || [ "$(cat "$dir/toolchain.stamp" 2>/dev/null)" != "$toolchain" ]; }; then
        rm -rf "$dir"
    fi
    cmake -S "$repo" -B "$dir" "${generator[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$arch.cmake" \
        -DVELKARO_QT_PREFIX="$out/qt/$arch" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s \
        -DBUILD_TESTING=OFF >"$out/$arch-configure.log" 2>&1 \
        || { cat "$out/$arch-configure.log"; echo "configuring for $arch failed" >&2; exit 1; }
    echo "$toolchain" >"$dir/toolchain.stamp"
    # rcc stores SOURCE_DATE_EPOCH with each resource, but runs again only
    # when the resources change: drop its output when the date is new.
    if [ "$(cat "$dir/source-date.stamp" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
        find "$dir" -name 'qrc_*.cpp' -delete
        echo "$SOURCE_DATE_EPOCH" >"$dir/source-date.stamp"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}

mkdir -p "$out/qt"
for arch in "${targets[@]}"; do
    unpack_qt "$arch"
    echo "== building for $arch"
    build_target "$arch"
done

# --- (d) where the programs are ----------------------------------------------
echo
for arch in "${targets[@]}"; do
    exe=$out/$arch/src/Velkaro.exe
    [ -f "$exe" ] || { echo "missing: $exe" >&2; exit 1; }
    # The static Qt plugins the launcher needs came along (their metadata is
    # linked only with them), and the ones it does without stayed out.
    plugins=$("$arch-w64-mingw32-strings" -a "$exe" | sed -nE 's/^[0-9]*(Q[A-Za-z]+Plugin)$/\1/p' | sort -u)
    for plugin in QWindowsIntegrationPlugin QWindowsVistaStylePlugin QICOPlugin; do
        grep -qx "$plugin" <<<"$plugins" || { echo "$exe lacks the static Qt plugin $plugin" >&2; exit 1; }
    done
    for plugin in QJpegPlugin QGifPlugin QGenericEnginePlugin; do
        ! grep -qx "$plugin" <<<"$plugins" || { echo "$exe links the Qt plugin $plugin, which it does not use" >&2; exit 1; }
    done
    # Nothing beside the .exe: every DLL it imports ships with Windows.
    system_dlls="advapi32 dwmapi gdi32 imm32 iphlpapi kernel32 msvcrt netapi32 ole32 oleaut32 shell32 user32 userenv uxtheme version winmm ws2_32 wtsapi32"
    for dll in $("$arch-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
        [[ " $system_dlls " == *" ${dll%.dll} "* ]] || { echo "$exe imports $dll, which Windows does not ship" >&2; exit 1; }
    done
    # Its Windows resources, all US English: the aircraft icon group and its
    # seven images, the version block and the manifest.
    resources=$(wrestool -l "$exe" | sed -E 's/ \[.*//' | tr '\n' ' ')
    expected=""
    for n in 1 2 3 4 5 6 7; do expected+="--type=3 --name=$n --language=1033 "; done
    expected+="--type=14 --name='IDI_ICON1' --language=1033 --type=16 --name=1 --language=1033 --type=24 --name=1 --language=1033 "
    [ "$resources" = "$expected" ] || { echo "$exe has unexpected resources: $resources" >&2; exit 1; }
    # The manifest starts the launcher with the user's rights, without a prompt.
    wrestool -x --raw --type=24 --name=1 "$exe" | grep -q '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' \
        || { echo "$exe has no manifest asking for asInvoker" >&2; exit 1; }
    printf '%-7s %s  %s bytes\n' "$arch" "$exe" "$(stat -c %s "$exe")"
done

# --- (e) the release zip: the 32-bit build, for 32-bit and 64-bit Windows ----
if [[ " ${targets[*]} " == *" i686 "* ]]; then
    version=$(sed -nE 's/^project\(Velkaro VERSION ([0-9.]+).*/\1/p' "$repo/CMakeLists.txt")
    [ -n "$version" ] || { echo "no project version in $repo/CMakeLists.txt" >&2; exit 1; }
    # The notices name the Qt source: a Qt built here by build-qt-mingw.sh
    # brings its own; the prebuilt archives came from the committed one's.
    notices=$out/qt/i686/THIRD-PARTY-NOTICES.txt
    [ -f "$notices" ] || notices=$repo/licenses/THIRD-PARTY-NOTICES.txt
    qt_debian=$(sed -nE 's/^Qt source package: qtbase-opensource-src ([^ ]+) \(Debian\)$/\1/p' "$notices")
    [ -n "$qt_debian" ] || { echo "$notices names no Qt source package" >&2; exit 1; }
    qt_version=${qt_debian#*:}
    qt_version=${qt_version%%[+~-]*}
    case "$(sed -n "s/^Debian's patches: //p" "$notices")" in
        applied) qt_patches="with Debian's patches" ;;
        "not applied"*) qt_patches="from its upstream tarball alone, without Debian's patches" ;;
        *) echo "$notices does not say whether Debian's patches went into Qt" >&2; exit 1 ;;
    esac
    zip_file=$out/Velkaro-$version-win32.zip
    stage=$out/release
    rm -rf "$stage" "$zip_file"
    mkdir -p "$stage"
    cp "$out/i686/src/Velkaro.exe" "$stage/"
    # CR LF: Notepad before Windows 10 shows LF-only text as one long line.
    crlf() { sed 's/\r*$/\r/' "$@"; }
    sed -e "s/@QT_VERSION@/$qt_version/g" -e "s/@QT_DEBIAN_VERSION@/$qt_debian/g" -e "s/@QT_DEBIAN_PATCHES@/$qt_patches/g" \
        "$repo/scripts/README-windows.txt" | crlf >"$stage/README.txt"
    ! grep -q '@[A-Z_]*@' "$stage/README.txt" || { echo "README-windows.txt has a placeholder this script does not fill" >&2; exit 1; }
    crlf "$repo/COPYING" >"$stage/COPYING"
    crlf "$repo/licenses/COPYING.LESSER" >"$stage/COPYING.LESSER"
    crlf "$notices" >"$stage/THIRD-PARTY-NOTICES.txt"
    # The same bytes from every build of one commit: fixed times, modes and
    # order, and no extra fields (owner, time zone).
    files=(Velkaro.exe README.txt COPYING COPYING.LESSER THIRD-PARTY-NOTICES.txt)
    (cd "$stage" && chmod 644 "${files[@]}" && touch -d "@$SOURCE_DATE_EPOCH" "${files[@]}" \
        && TZ=UTC zip -q -X -D "$zip_file" "${files[@]}")
    rm -rf "$stage"
    printf '%-7s %s  %s bytes\n' zip "$zip_file" "$(stat -c %s "$zip_file")"
fi
