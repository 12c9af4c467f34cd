#!/usr/bin/env bash
# check-exports.sh BINDIR LIST: each line of LIST is "MODULE.dll [exact] ORD[:NAME] ...".
# Every listed ordinal must be exported (under NAME when one is given, else
# by ordinal only, without a name); with "exact" nothing else may be exported.
# OBJDUMP names the objdump for the build's architecture (default i686).
set -euo pipefail
bindir=$1; list=$2
fail=0
while read -r dll rest; do
  case "$dll" in ''|\#*) continue ;; esac
  set -- $rest
  exact=0
  if [ "${1:-}" = exact ]; then exact=1; shift; fi
  file="$bindir/$dll"
  if [ ! -f "$file" ]; then echo "MISSING $dll"; fail=1; continue; fi
  # One line per export: "ORD" for an ordinal-only export, "ORD:NAME" otherwise.
  exports=$(${OBJDUMP:-i686-w64-mingw32-objdump} -p "$file" | awk '
    /^Export Address Table -- Ordinal Base/ {base=$NF; mode=1; next}
    /^\[Ordinal\/Name Pointer\] Table/ {mode=2; next}
    /^$/ {mode=0}
    mode==1 && /\+base\[/ {s=$0; sub(/.*\+base\[ */,"",s); sub(/\].*/,"",s); ord[s+0]=1}
    mode==2 && /^[ \t]*\[/ {s=$0; sub(/^[ \t]*\[ */,"",s); i=s; sub(/\].*/,"",i); n=s; sub(/^[^\]]*\] */,"",n); name[i+base]=n}
    END {for (o in ord) print (o in name) ? o ":" name[o] : o}' | sort -n)
  for want in "$@"; do
    echo "$exports" | grep -qx -- "$want" || { echo "$dll: $want not exported (have: $(echo $exports))"; fail=1; }
  done
  if [ $exact = 1 ]; then
    count=$(echo "$exports" | grep -c . || true)
    [ "$count" = "$#" ] || { echo "$dll: exports $count functions, expected exactly $#"; fail=1; }
  fi
  echo "checked exports: $dll ($(echo "$exports" | grep -c .) exported)"
done < "$list"
exit $fail
