#!/usr/bin/env bash
# Brings the .ts files in step with the sources: new texts come in unfinished,
# texts no longer used go. Run it after changing a text, then translate the
# new ones (Qt Linguist, or by hand). No line numbers are kept, so that moving
# code leaves the files alone.
# The languages are those of src/translations/velkaro_LANG.ts. A new one
# starts as a file holding <TS version="2.1" language="LANG" sourcelanguage="en"/>
# and goes into VELKARO_LANGUAGES in src/CMakeLists.txt.
# Usage: scripts/update-translations.sh [folder]   (default src/translations)
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
repo=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$repo/src/translations}
lupdate=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
for ts in "$repo"/src/translations/velkaro_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#velkaro_}
    "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
        "$repo/src/app" "$repo/src/forms" -ts "$folder/velkaro_$language.ts"
done
