#!/usr/bin/env bash
# Every text of the sources has a finished translation in every .ts file, and
# the files are in step with the sources: lupdate, run on copies, changes
# nothing. A new or changed text fails here until it is translated.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$repo"/src/translations/*.ts "$work/"
"$repo/scripts/update-translations.sh" "$work"
diff -ru "$repo/src/translations" "$work" || { echo "FAILED: the .ts files are behind the sources: run scripts/update-translations.sh" >&2; exit 1; }
# lupdate marks new and changed texts unfinished; an empty translation is none either.
! grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$work"/*.ts \
    || { echo "FAILED: texts without a finished translation" >&2; exit 1; }
