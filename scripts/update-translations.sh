#!/usr/bin/env bash
# Brings the .ts files in step with the sources: new texts come in unfinished,
# texts no longer used go. Run it after changing a text, then translate the
# new ones (Qt Linguist, or by hand). No line numbers are kept, so that moving
# code leaves the files alone.
# Usage: scripts/update-translations.sh [folder]   (default src/translations)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$repo/src/translations}
languages="de es ko pl pt_BR ru"
lupdate=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
for language in $languages; do
    "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
        "$repo/src/app" "$repo/src/forms" -ts "$folder/velkaro_$language.ts"
done
