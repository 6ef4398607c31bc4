#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Usage: scripts/install-deps.sh [run|test|windows|guest]...
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR

packages=(cmake ninja-build g++ qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n libqt5network5 fonts-dejavu-core xvfb xauth x11-utils xdotool imagemagick)
for what in "$@"; do
    case "$what" in
        run) ;;
        test) packages+=(make iproute2 clang libclang-rt-14-dev pkg-config util-linux procps) ;;
        windows) packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64 wine wine64 fonts-wine xz-utils icoutils python3 procps zip locales fonts-nanum) ;;
        # The emulated machine for the 32-bit Wine run (scripts/guest-image.sh).
        guest) packages+=(qemu-system-x86 debootstrap debian-archive-keyring e2fsprogs util-linux ca-certificates) ;;
        *) echo "unknown set: $what" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    # Another install may hold the lock (a second script of ours): wait for it.
    $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
