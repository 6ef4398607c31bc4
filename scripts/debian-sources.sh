#!/usr/bin/env bash
# Prints the Debian archives this machine's apt uses, "URI SUITE" a line, from
# its own sources: one-line entries in /etc/apt/sources.list and *.list, and
# deb822 paragraphs in *.sources (those with "Enabled: no" left out). Only
# binary ("deb") entries of Debian's own suites count: a third party's archive
# carries no Debian 12. Exits 1, saying so, when there is none.
set -Eeuo pipefail
# A failure names itself: the script, the line and the command.
trap 'echo "${0##*/}: line $LINENO failed (status $?): $BASH_COMMAND" >&2' ERR
shopt -s nullglob
files=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
found=$(for f in "${files[@]}"; do if [ -r "$f" ]; then cat -- "$f"; echo; fi; done | awk '
    function flush(   i, j, nu, ns, u, s) {
        if (types ~ /(^| )deb( |$)/ && enabled !~ /^(no|false)$/) {
            nu = split(uris, u, " "); ns = split(suites, s, " ")
            for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++) print u[i], s[j]
        }
        types = uris = suites = enabled = ""
    }
    /^[ \t]*#/ { next }
    /^deb[ \t]/ { # deb [options] URI SUITE COMPONENTS...
        sub(/^deb[ \t]+/, ""); if ($0 ~ /^\[/) sub(/^\[[^]]*\][ \t]*/, "")
        print $1, $2; next
    }
    /^[ \t]*$/ { flush(); next }
    tolower($1) == "types:" { sub(/^[^:]*:[ \t]*/, ""); types = $0 }
    tolower($1) == "uris:" { sub(/^[^:]*:[ \t]*/, ""); uris = $0 }
    tolower($1) == "suites:" { sub(/^[^:]*:[ \t]*/, ""); suites = $0 }
    tolower($1) == "enabled:" { sub(/^[^:]*:[ \t]*/, ""); enabled = tolower($0) }
    END { flush() }
' | awk '$2 ~ /^(bookworm|stable)(-updates|-security)?$/ || $2 ~ /^bookworm\/updates$/' | sort -u)
if [ -z "$found" ]; then
    echo "no Debian 12 (bookworm) archive in this machine's apt sources (${files[*]}): add the mirror you use there" >&2
    exit 1
fi
echo "$found"
