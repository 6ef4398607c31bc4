#!/usr/bin/env bash
# The Wine checks (tests/wine/run-wine-checks.sh) of the 32-bit Velkaro.exe, the
# release, run in the emulated machine of scripts/guest-image.sh (made first
# when missing), since this host's kernel runs no 32-bit x86 code. The machine
# has no mingw: the stand-ins are compiled here, and its Wine prefix comes from
# the image. Exit status: the checks'; 124 when the machine ran out of time.
# Usage: scripts/guest-wine-checks.sh [Velkaro.exe]   (default: the i686 build)
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/windows/i686/src/Velkaro.exe}
[ -f "$exe" ] || { echo "no $exe: run scripts/build-windows.sh i686 first" >&2; exit 1; }

"$root/scripts/install-deps.sh" windows guest
image=$("$root/scripts/guest-image.sh")

share=$(mktemp -d /var/tmp/velkaro-job.XXXXXX)
trap 'rm -rf "$share"' EXIT
cp -r "$root/tests/wine" "$share/wine"
cp "$exe" "$share/Velkaro.exe"
VELKARO_ARCH=i686 "$root/tests/wine/run-wine-checks.sh" --standins "$share"
cat >"$share/job.sh" <<'EOF'
export VELKARO_ARCH=i686 VELKARO_EXE=/job/Velkaro.exe VELKARO_STANDINS=/job
export VELKARO_WINE_PREFIX=/opt/velkaro/prefix
exec bash /job/wine/run-wine-checks.sh
EOF
# Boot and checks take five and a half minutes on a quiet host, up to twelve
# where other builds share its two cores; the rest is room for a busier one.
"$root/scripts/guest-run.sh" "$image" "$share" 1200
