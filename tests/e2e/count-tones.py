#!/usr/bin/env python3
"""Finds the tone bursts in a raw recording (signed 16-bit little-endian mono).

   count-tones.py <file.raw> <rate>

Prints one line per burst: its start in seconds, its length in milliseconds
and its frequency in Hz (from the zero crossings), then the count."""
import array
import math
import sys

path, rate = sys.argv[1], int(sys.argv[2])
samples = array.array("h")
with open(path, "rb") as f:
    samples.frombytes(f.read())
if sys.byteorder == "big":
    samples.byteswap()

window = rate // 100  # 10 ms
loud = []
for start in range(0, len(samples) - window + 1, window):
    chunk = samples[start:start + window]
    rms = math.sqrt(sum(s * s for s in chunk) / window)
    loud.append(rms > 500)

bursts = []  # [first window, last window]
for i, on in enumerate(loud):
    if not on:
        continue
    # A short drop-out of the player (up to 100 ms) stays inside its burst.
    if bursts and i - bursts[-1][1] <= 11:
        bursts[-1][1] = i
    else:
        bursts.append([i, i])

for first, last in bursts:
    part = samples[first * window:(last + 1) * window]
    # The frequency from the zero crossings, the median over the burst's loud
    # windows, so a drop-out of the player bends one window, not the result.
    estimates = []
    for w in range(first, last + 1):
        if not loud[w]:
            continue
        chunk = samples[w * window:(w + 1) * window]
        at = [i for i, (a, b) in enumerate(zip(chunk, chunk[1:])) if (a < 0) != (b < 0)]
        if len(at) > 2:
            estimates.append((len(at) - 1) / 2 / ((at[-1] - at[0]) / rate))
    estimates.sort()
    hz = estimates[len(estimates) // 2] if estimates else 0
    print(f"{first * window / rate:.3f} s  {len(part) * 1000 / rate:.0f} ms  {hz:.0f} Hz")
print(len(bursts))
