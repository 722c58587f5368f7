#!/usr/bin/env python3
"""Draws the application icon (an open book on a blue tile) as a 16x16 + 32x32 .ico file."""
import struct
import sys


def pixels(size):
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            edge = min(u, v, 1 - u, 1 - v)
            if edge < 0.06:
                row.append((0, 0, 0, 0))                       # transparent corner margin
            elif 0.22 < v < 0.80 and 0.16 < u < 0.84 and abs(u - 0.5) > 0.03:
                line = (v * size) % 3 < 1 and 0.3 < v < 0.72 and (0.22 < u < 0.44 or 0.56 < u < 0.78)
                row.append((90, 90, 110, 255) if line else (250, 248, 240, 255))  # pages
            else:
                row.append((200, 110, 40, 255))                # tile (B, G, R, A)
        rows.append(row)
    return rows


def icon_image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes(p) for row in reversed(pixels(size)) for p in row)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)
    return header + xor + and_mask


def main(path):
    images = [icon_image(s) for s in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
