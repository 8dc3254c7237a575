#!/usr/bin/env python3
"""Makes the four button image strips of the toolbar converter: 4-bit BMP files of 158 images
each, every image a framed number (its own position in the strip), so that whoever looks at a
converted toolbar sees which image a button uses.

    python3 make_strips.py [output folder]      (default: the folder of this script)

Each strip is a row of cells; the converter copies a cell's top-left part (16 x 15 or 24 x 23).
What lies outside those parts (the bottom row of every strip, the last column of the small ones)
is drawn in yellow, a colour no image uses, so a copy that takes a wrong row or column shows.
"""
import os
import struct
import sys

# The 16 colours of the standard 4-bit palette, in the order the platform gives it, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0x80, 0x80, 0x80),
    (0xC0, 0xC0, 0xC0), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_RED, DARK_GREEN, DARK_BLUE, PURPLE, TEAL, SILVER, YELLOW, WHITE = 0, 1, 2, 4, 5, 6, 8, 11, 15

IMAGES = 158

# Digits of a 3 x 5 pixel font, one string of 15 pixels per digit, row by row.
DIGITS = [
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001010010", "111101111101111", "111101111001111",
]

# file name, resource number, cell width, image width x height, strip width x height, frame,
# background, glyph scale
STRIPS = [
    ("strip1.bmp", 130, 16, (16, 15), (2529, 16), DARK_BLUE, SILVER, 1),
    ("strip2.bmp", 133, 16, (16, 15), (2529, 16), TEAL, WHITE, 1),
    ("strip3.bmp", 131, 24, (24, 23), (3792, 24), DARK_RED, SILVER, 2),
    ("strip4.bmp", 132, 24, (24, 23), (3792, 24), PURPLE, WHITE, 2),
]


def draw_image(pixels, left, size, number, frame, background, scale):
    width, height = size
    for y in range(height):
        for x in range(width):
            edge = x in (0, width - 1) or y in (0, height - 1)
            pixels[y][left + x] = frame if edge else background
    text = str(number)
    advance = 3 * scale + 1  # a digit and one blank column
    text_width = len(text) * advance - 1
    x0 = left + (width - text_width) // 2
    y0 = (height - 5 * scale) // 2
    for d, digit in enumerate(text):
        glyph = DIGITS[int(digit)]
        for row in range(5):
            for col in range(3):
                if glyph[row * 3 + col] == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[y0 + row * scale + dy][x0 + d * advance + col * scale + dx] = BLACK


def bmp_bytes(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 4 + 31) // 32 * 4
    rows = bytearray()
    for y in reversed(range(height)):  # bottom-up
        row = bytearray(stride)
        for x in range(width):
            row[x // 2] |= pixels[y][x] << (0 if x % 2 else 4)
        rows += row
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(rows), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + bytes(rows)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, _resource, cell, size, strip, frame, background, scale in STRIPS:
        pixels = [[YELLOW] * strip[0] for _ in range(strip[1])]
        for n in range(IMAGES):
            draw_image(pixels, n * cell, size, n, frame, background, scale)
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp_bytes(pixels))


if __name__ == "__main__":
    main()
