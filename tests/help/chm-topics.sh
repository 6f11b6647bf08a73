#!/usr/bin/env bash
# Lists the topics of the help file and checks that the program's two topics
# are there, with their Polish text: chm-topics.sh <chmls> <Vorda.chm>
set -euo pipefail
chmls=$1
chm=$2
[[ -f $chm ]] || { echo "no help file: $chm"; exit 1; }
listing=$("$chmls" -n -p list "$chm")
echo "$listing" | grep -E '\.(htm|hhc)$'
for topic in /Tesk.htm /Advenced.htm /Vorda.hhc; do
  grep -qxF "$topic" <<<"$listing" || { echo "missing topic $topic"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check() {  # topic, a text it must hold
  "$chmls" extract "$chm" "$1" "$work/page.htm" >/dev/null
  grep -qF "$2" "$work/page.htm" || { echo "$1 does not say: $2"; exit 1; }
}
check /Tesk.htm "Linia poleceń"
check /Tesk.htm "Vorda.exe 1 /h2 /m0 /s0"
check /Advenced.htm "Opcje zaawansowane"
echo "help topics: ok"
