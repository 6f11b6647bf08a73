#!/usr/bin/env bash
# End to end with real sound: a countdown that warns during its last five
# seconds beeps on each of its last six ticks. A PulseAudio server with a null
# sink runs inside the bench folder, Wine plays into it, and the sink's
# monitor is recorded and searched for the 440 Hz bursts.
#   warning-tones.sh <Vorda.exe> <bench-folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
tests=$(cd "$(dirname "$0")" && pwd)
exe=$1
bench=$2
seconds=8
alarm=5
rate=48000

"$here/bench" up "$bench" >/dev/null
pulse=$(realpath -m "$bench/pulse")
rm -rf "$pulse"
mkdir -p "$pulse/run" "$pulse/state"
export PULSE_RUNTIME_PATH=$pulse/run PULSE_STATE_PATH=$pulse/state PULSE_SERVER=unix:$pulse/native
pa= rec=
cleanup() {
  [[ -n $rec ]] && kill "$rec" 2>/dev/null
  [[ -n $pa ]] && kill "$pa" 2>/dev/null
  "$here/bench" down "$bench" >/dev/null 2>&1 || true
}
trap cleanup EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$pulse/native" \
  --load="module-null-sink sink_name=vorda rate=$rate" >"$pulse/pulseaudio.log" 2>&1 &
pa=$!
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { echo "PulseAudio did not start"; cat "$pulse/pulseaudio.log"; exit 1; }
parec -d vorda.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=10 >"$pulse/record.raw" &
rec=$!

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
wine reg add "$key" /v MainAction /t REG_DWORD /d 5 /f >/dev/null 2>&1  # monitor off: the prefix lives on
wine reg add "$key" /v Alarm /t REG_DWORD /d $alarm /f >/dev/null 2>&1
wine reg add "$key" /v Time1 /d "$(printf '00:00:%02d.000' $seconds)" /f >/dev/null 2>&1

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
for _ in $(seq 1 $((seconds * 10 + 200))); do
  kill -0 "$vorda" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$vorda" 2>/dev/null; then echo "Vorda did not end"; exit 1; fi
sleep 0.5
kill "$rec"; wait "$rec" 2>/dev/null || true
rec=

report=$(python3 "$tests/count-tones.py" "$pulse/record.raw" $rate)
echo "$report"
bursts=$(tail -n 1 <<<"$report")
[[ $bursts -eq $((alarm + 1)) ]] || { echo "expected $((alarm + 1)) beeps, heard $bursts"; exit 1; }
# Each burst is the default tone, 440 Hz for 100 ms; a drop-out of the
# player on a busy machine may stretch a burst a little.
head -n -1 <<<"$report" | while read -r _ _ length _ hz _; do
  ((hz >= 430 && hz <= 450)) || { echo "a beep of $hz Hz"; exit 1; }
  ((length >= 60 && length <= 250)) || { echo "a beep of $length ms"; exit 1; }
done
