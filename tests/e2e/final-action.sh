#!/usr/bin/env bash
# End to end from the Linux side: a countdown whose final action ends the
# Windows session. ExitWindowsEx ends every process of the prefix, so this
# runs in a prefix of its own and watches from outside: the log, the exit of
# the program and of the prefix's wineserver.
#   final-action.sh <Vorda.exe> <bench-folder> <MainAction> <its name> [seconds]
#                   [screenshot file under C:\ and the format expected: jpeg, bmp or none]
set -euo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
exe=$1
bench=$2
action=$3
name=$4
seconds=${5:-3}
shot=${6:-}
shotFormat=${7:-none}

"$here/bench" up "$bench" >/dev/null
trap '"$here/bench" down "$bench" >/dev/null 2>&1 || true' EXIT
export VORDA_WINE_ROOT=$bench
. "$here/wine-env"

key='HKCU\SOFTWARE\Marobel\Vorda'
# An installed Vorda: the special-program table, and a window state that the
# start takes as whole (otherwise it rebuilds the key and drops the values below).
wine "${VORDA_WRITE_SPECPRG:?the special-program tool}" >>"$bench/wine.log" 2>&1
wine reg add "$key" /v 'Position - Left' /t REG_DWORD /d 100 /f >/dev/null 2>&1
wine reg add "$key" /v 'Position - Top' /t REG_DWORD /d 100 /f >/dev/null 2>&1
wine reg add "$key" /v MenuTip /t REG_DWORD /d 3 /f >/dev/null 2>&1
wine reg add "$key" /v Logger /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key" /v MainAction /t REG_DWORD /d "$action" /f >/dev/null 2>&1
wine reg add "$key" /v Time1 /d "$(printf '00:%02d:%02d.000' $((seconds / 60)) $((seconds % 60)))" /f >/dev/null 2>&1
appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
log=$(winepath -u "$appdata" 2>/dev/null)/Solvane/Vorda.log
rm -f "$log"
if [[ -n $shot ]]; then
  wine reg add "$key" /v Screenshot /d "C:\\$shot" /f >/dev/null 2>&1
  wine reg add "$key" /v CloseApp /d "Vorda-no-such-window" /f >/dev/null 2>&1
  shotFile=$WINEPREFIX/drive_c/$shot
  rm -f "$shotFile"
else
  wine reg delete "$key" /v Screenshot /f >/dev/null 2>&1 || true
fi

wine "$exe" >>"$bench/wine.log" 2>&1 &
vorda=$!
wid=
for _ in $(seq 1 100); do
  wid=$(xdotool search --name '^Vorda$' 2>/dev/null | head -n 1) && [[ -n $wid ]] && break
  sleep 0.1
done
[[ -n $wid ]] || { echo "no main window"; exit 1; }
sleep 0.5
# "Rozpocznij" sits in the middle of the button strip at the bottom.
xdotool mousemove --window "$wid" 170 238 click 1
started=$(date +%s.%N)

for _ in $(seq 1 $((seconds * 10 + 200))); do
  kill -0 "$vorda" 2>/dev/null || break
  sleep 0.1
done
ended=$(date +%s.%N)
if kill -0 "$vorda" 2>/dev/null; then echo "Vorda did not end"; exit 1; fi
printf 'countdown of %d s ended after %.2f s\n' "$seconds" "$(echo "$ended - $started" | bc)"

grep -a -q ": DoFinalAction: $name" "$log" || { echo "no $name in the log"; cat "$log"; exit 1; }
grep -a "DoFinalAction: " "$log"
if [[ -n $shot ]]; then
  case $shotFormat in
    none) [[ ! -e $shotFile ]] || { echo "a screenshot for $name"; exit 1; } ;;
    jpeg | bmp)
      [[ -s $shotFile ]] || { echo "no screenshot $shotFile"; exit 1; }
      magic=$(head -c 2 "$shotFile" | od -An -tx1 | tr -d ' \n')
      want=ffd8
      [[ $shotFormat == bmp ]] && want=424d
      [[ $magic == "$want" ]] || { echo "$shot starts with $magic, not $shotFormat"; exit 1; }
      identify "$shotFile"
      ;;
  esac
fi
