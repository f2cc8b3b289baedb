#!/usr/bin/env python3
"""Writes the editor dialogs' pictures as 24-bit .bmp files beside this script.

dlgtree.bmp   two 14x14 images for the attribute lookup's tree: a block (a frame with an insertion
              cross) and an attribute (a tag label); pure green (0, 255, 0) is the transparent colour.
dlgeval.bmp   the macro builder's evaluate button: an equals sign.
dlglookup.bmp the block options' lookup button: a magnifying glass.
Run it again after changing a picture; the .bmp files are checked in.
"""
import os
import struct

GREEN = (0, 255, 0)
BLACK = (0, 0, 0)
BLUE = (0, 0, 160)
GREY = (128, 128, 128)
FACE = (192, 192, 192)


def write_bmp(path, pixels):
    """pixels: rows top first, each a list of (r, g, b)."""
    height = len(pixels)
    width = len(pixels[0])
    row_size = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        image += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + image)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def block_image():
    img = canvas(14, 14, GREEN)
    for i in range(1, 13):
        img[1][i] = img[12][i] = img[i][1] = img[i][12] = BLUE
    for i in range(4, 10):
        img[6][i] = BLACK
        img[i][6] = BLACK
    return img


def attribute_image():
    img = canvas(14, 14, GREEN)
    for x in range(1, 13):
        img[4][x] = img[10][x] = BLACK
    for y in range(4, 11):
        img[y][1] = img[y][12] = BLACK
    for x in range(3, 11, 2):
        img[7][x] = BLUE
    return img


def side_by_side(left, right):
    return [a + b for a, b in zip(left, right)]


def equals_image():
    img = canvas(12, 10, FACE)
    for x in range(2, 10):
        img[3][x] = img[6][x] = BLACK
    return img


def lookup_image():
    img = canvas(12, 10, FACE)
    for x in range(2, 6):
        img[1][x] = img[5][x] = BLACK
    for y in range(2, 5):
        img[y][1] = img[y][6] = BLACK
    for i in range(3):
        img[6 + i][6 + i] = GREY
        img[6 + i][7 + i] = BLACK
    return img


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "dlgtree.bmp"), side_by_side(block_image(), attribute_image()))
    write_bmp(os.path.join(here, "dlgeval.bmp"), equals_image())
    write_bmp(os.path.join(here, "dlglookup.bmp"), lookup_image())


if __name__ == "__main__":
    main()
