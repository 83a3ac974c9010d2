#!/usr/bin/env python3
"""Draws the time picker's two 13 x 13 radio-button glyphs as 24-bit BMP files.

The glyphs use only the picker's key colours; the picker replaces each key with a
colour of the current scheme when it loads the bitmap, so the glyph follows the
user's window, shadow and highlight colours. Run from anywhere:

    python3 tools/make-radio-glyphs.py

and it rewrites resources/radio_checked.bmp and resources/radio_unchecked.bmp.
"""
import math
import os
import struct

SIZE = 13
CENTRE = SIZE / 2          # in pixel units, pixel (x, y) covers [x, x+1) x [y, y+1)
OUTER_RADIUS = 6.5         # outside edge of the ring
RING_WIDTH = 1.4
DOT_RADIUS = 2.4
SAMPLES = 8                # per axis, for the coverage of each pixel

# Key colours, written 0x00BBGGRR as the picker's colour table writes them, named by
# what the picker turns them into.
CONTROL = 0x008080       # the control's colour: outside the circle
EDGE = 0xFFFF00          # shadow blended into the control's colour: the ring's soft outside
RING = 0x000000          # button shadow
RING_SOFT = 0x008000     # button shadow a little lighter: the ring's soft inside
SHADE = 0x808080         # shadow half blended into the window colour: the well's shading
SHADE_LIGHT = 0x000080   # shadow lightly blended into the window colour
WINDOW = 0xFFFFFF        # the window colour: the well of the button
DOT = 0x800000           # highlight colour: the check dot
DOT_EDGE = 0xFF0000      # highlight blended into the window colour: the dot's soft edge


def coverage(x, y, inside):
    """Share of pixel (x, y) whose sample points satisfy inside(distance, angle)."""
    hits = 0
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            px = x + (i + 0.5) / SAMPLES - CENTRE
            py = y + (j + 0.5) / SAMPLES - CENTRE
            if inside(math.hypot(px, py), math.atan2(py, px)):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def pixel(x, y, checked):
    inner_radius = OUTER_RADIUS - RING_WIDTH
    disc = coverage(x, y, lambda d, a: d < OUTER_RADIUS)
    well = coverage(x, y, lambda d, a: d < inner_radius)
    ring = disc - well
    if disc < 0.2:
        return CONTROL
    if disc < 0.75:
        return EDGE
    if well < 0.2:
        return RING
    if ring > 0.35:
        return RING_SOFT
    if checked:
        dot = coverage(x, y, lambda d, a: d < DOT_RADIUS)
        if dot > 0.75:
            return DOT
        if dot > 0.25:
            return DOT_EDGE
    # A soft shadow just inside the ring's upper-left half makes the well look sunken.
    shadow = coverage(x, y, lambda d, a: d > inner_radius - 1.6 and math.sin(a + math.pi / 4) < -0.25)
    if shadow > 0.5:
        return SHADE
    if shadow > 0.15:
        return SHADE_LIGHT
    return WINDOW


def bmp_bytes(rows):
    """An uncompressed bottom-up 24-bit BMP of rows of 0x00BBGGRR colours."""
    stride = (SIZE * 3 + 3) // 4 * 4
    image = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for colour in row:
            line += bytes(((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF))
        image += line + bytes(stride - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(image)


def glyph_rows(checked):
    return [[pixel(x, y, checked) for x in range(SIZE)] for y in range(SIZE)]


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    for name, checked in (("radio_checked.bmp", True), ("radio_unchecked.bmp", False)):
        with open(os.path.join(resources, name), "wb") as out:
            out.write(bmp_bytes(glyph_rows(checked)))


if __name__ == "__main__":
    main()
