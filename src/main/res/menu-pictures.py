#!/usr/bin/env python3
"""Draws the two pictures of the menu button, XMenu1.png (15 x 15, shown
normally) and XMenu2.png (15 x 14, shown while the mouse is over the button):
three rounded bars on a round plate, anti-aliased through the alpha channel.
Run it from this folder; the PNG files are committed next to it."""
import math
import struct
import zlib


def png(width, height, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    rows = b"".join(b"\x00" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def coverage(inside, x, y, samples=4):
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def picture(width, height, plate, bar):
    cx, cy, r = width / 2, height / 2, min(width, height) / 2
    bar_top = [cy - 3.5, cy - 0.75, cy + 2.0]

    def in_plate(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def in_bar(x, y):
        for top in bar_top:
            if top <= y <= top + 1.5 and cx - 3.75 <= x <= cx + 3.75:
                return True
        return False

    pixels = []
    for y in range(height):
        for x in range(width):
            a_plate = coverage(in_plate, x, y)
            a_bar = coverage(in_bar, x, y)
            red = round(plate[0] * (1 - a_bar) + bar[0] * a_bar)
            green = round(plate[1] * (1 - a_bar) + bar[1] * a_bar)
            blue = round(plate[2] * (1 - a_bar) + bar[2] * a_bar)
            alpha = round(255 * max(a_plate, a_bar) * plate[3] / 255)
            pixels += [red, green, blue, alpha]
    return pixels


if __name__ == "__main__":
    with open("XMenu1.png", "wb") as f:
        f.write(png(15, 15, picture(15, 15, (70, 96, 140, 230), (255, 255, 255))))
    with open("XMenu2.png", "wb") as f:
        f.write(png(15, 14, picture(15, 14, (230, 120, 20, 255), (255, 255, 255))))
