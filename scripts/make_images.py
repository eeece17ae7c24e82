#!/usr/bin/env python3
"""Turns a picture drawn as text into the .bmp, .ico or .cur file the resource script embeds.

    make_images.py SOURCE OUTPUT

The kind of file written follows OUTPUT's extension. SOURCE is plain text:

    # a comment
    color K black          one character stands for one colour
    color . transparent    icons and cursors: the desktop shows through
    color ~ inverted       cursors only: the desktop colour is inverted
    hotspot 3 1            cursors only: the pixel (x, y) that points
    image 32x32            then exactly 32 rows of 32 characters
    ...

A bitmap has one image, a cursor one black-and-white image, an icon one or more
images of different sizes. Colours are the 16 of the standard Windows palette,
so every picture is 4 bits per pixel (cursors 1 bit) and looks the same on a
16-colour display.
"""

import struct
import sys

# The standard 16-colour palette, in the order Windows numbers it.
PALETTE = [
    ("black", (0x00, 0x00, 0x00)),
    ("maroon", (0x80, 0x00, 0x00)),
    ("green", (0x00, 0x80, 0x00)),
    ("olive", (0x80, 0x80, 0x00)),
    ("navy", (0x00, 0x00, 0x80)),
    ("purple", (0x80, 0x00, 0x80)),
    ("teal", (0x00, 0x80, 0x80)),
    ("silver", (0xC0, 0xC0, 0xC0)),
    ("gray", (0x80, 0x80, 0x80)),
    ("red", (0xFF, 0x00, 0x00)),
    ("lime", (0x00, 0xFF, 0x00)),
    ("yellow", (0xFF, 0xFF, 0x00)),
    ("blue", (0x00, 0x00, 0xFF)),
    ("fuchsia", (0xFF, 0x00, 0xFF)),
    ("aqua", (0x00, 0xFF, 0xFF)),
    ("white", (0xFF, 0xFF, 0xFF)),
]
PALETTE_INDEX = {name: index for index, (name, _) in enumerate(PALETTE)}
TRANSPARENT = "transparent"
INVERTED = "inverted"


class SourceError(Exception):
    pass


class Picture:
    def __init__(self):
        self.colors = {}    # character -> colour name
        self.hotspot = None
        self.images = []    # (width, height, rows)


def parse(text):
    picture = Picture()
    lines = text.splitlines()
    number = 0

    def fail(message):
        raise SourceError(f"line {number}: {message}")

    while number < len(lines):
        line = lines[number]
        number += 1
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        keyword = words[0]
        if keyword == "color":
            if len(words) != 3 or len(words[1]) != 1:
                fail("expected: color <one character> <colour name>")
            char, color = words[1], words[2]
            if color not in PALETTE_INDEX and color not in (TRANSPARENT, INVERTED):
                fail(f"unknown colour '{color}'")
            if char in picture.colors:
                fail(f"character '{char}' given twice")
            picture.colors[char] = color
        elif keyword == "hotspot":
            if len(words) != 3 or not words[1].isdigit() or not words[2].isdigit():
                fail("expected: hotspot <x> <y>")
            picture.hotspot = (int(words[1]), int(words[2]))
        elif keyword == "image":
            size = words[1].split("x") if len(words) == 2 else []
            if len(size) != 2 or not all(part.isdigit() for part in size):
                fail("expected: image <width>x<height>")
            width, height = int(size[0]), int(size[1])
            if not 0 < width <= 256 or not 0 < height <= 256:
                fail("image size out of range")
            rows = []
            for _ in range(height):
                if number >= len(lines):
                    fail(f"the image needs {height} rows")
                row = lines[number]
                number += 1
                if len(row) != width:
                    fail(f"row of {len(row)} characters, the image is {width} wide")
                for char in row:
                    if char not in picture.colors:
                        fail(f"character '{char}' has no colour")
                rows.append(row)
            picture.images.append((width, height, rows))
        else:
            fail(f"unknown keyword '{keyword}'")
    if not picture.images:
        raise SourceError("no image")
    return picture


def row_bytes(width, bits):
    """Bytes of one bitmap row: rows are padded to a multiple of 4 bytes."""
    return (width * bits + 31) // 32 * 4


def pack_rows(width, height, rows, bits, value):
    """The pixel rows bottom-up, as a device-independent bitmap stores them."""
    out = bytearray()
    stride = row_bytes(width, bits)
    per_byte = 8 // bits
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, char in enumerate(row):
            shift = 8 - bits * (x % per_byte + 1)
            packed[x // per_byte] |= value(char) << shift
        out += packed
    return bytes(out)


def info_header(width, height, bits, image_size, colors_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       2835, 2835, colors_used, 0)


def palette_bytes(entries):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in entries)


def make_bitmap(picture):
    if len(picture.images) != 1:
        raise SourceError("a bitmap has exactly one image")
    width, height, rows = picture.images[0]
    for char, color in picture.colors.items():
        if color not in PALETTE_INDEX:
            raise SourceError(f"a bitmap has no '{color}' pixels ('{char}')")
    pixels = pack_rows(width, height, rows, 4, lambda c: PALETTE_INDEX[picture.colors[c]])
    info = info_header(width, height, 4, len(pixels), 16) + palette_bytes(rgb for _, rgb in PALETTE)
    offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info + pixels


def directory(kind, entries):
    """An icon or cursor file: the directory, then each image as a DIB with its AND mask."""
    header = struct.pack("<HHH", 0, kind, len(entries))
    offset = len(header) + 16 * len(entries)
    table = b""
    data = b""
    for width, height, colors, field1, field2, image in entries:
        table += struct.pack("<BBBBHHII", width % 256, height % 256, colors, 0,
                             field1, field2, len(image), offset + len(data))
        data += image
    return header + table + data


def and_mask(width, height, rows, colors):
    return pack_rows(width, height, rows, 1,
                     lambda c: 1 if colors[c] in (TRANSPARENT, INVERTED) else 0)


def make_icon(picture):
    if picture.hotspot is not None:
        raise SourceError("an icon has no hot spot")
    entries = []
    for width, height, rows in picture.images:
        colors = picture.colors
        for char, color in colors.items():
            if color == INVERTED:
                raise SourceError(f"an icon has no inverted pixels ('{char}')")
        # Transparent pixels are black in the colour image and set in the mask.
        xor = pack_rows(width, height, rows, 4,
                        lambda c: 0 if colors[c] == TRANSPARENT else PALETTE_INDEX[colors[c]])
        mask = and_mask(width, height, rows, colors)
        image = (info_header(width, 2 * height, 4, len(xor) + len(mask), 0)
                 + palette_bytes(rgb for _, rgb in PALETTE) + xor + mask)
        entries.append((width, height, 16, 1, 4, image))
    return directory(1, entries)


def make_cursor(picture):
    if len(picture.images) != 1:
        raise SourceError("a cursor has exactly one image")
    if picture.hotspot is None:
        raise SourceError("a cursor needs a hotspot line")
    width, height, rows = picture.images[0]
    x, y = picture.hotspot
    if x >= width or y >= height:
        raise SourceError("the hot spot lies outside the image")
    colors = picture.colors
    for char, color in colors.items():
        if color not in ("black", "white", TRANSPARENT, INVERTED):
            raise SourceError(f"a cursor is black and white only ('{char}' is {color})")
    # Screen = (screen AND mask) XOR image: black 0/0, white 0/1, transparent 1/0, inverted 1/1.
    xor = pack_rows(width, height, rows, 1,
                    lambda c: 1 if colors[c] in ("white", INVERTED) else 0)
    mask = and_mask(width, height, rows, colors)
    image = (info_header(width, 2 * height, 1, len(xor) + len(mask), 0)
             + palette_bytes([(0, 0, 0), (0xFF, 0xFF, 0xFF)]) + xor + mask)
    return directory(2, [(width, height, 2, x, y, image)])


MAKERS = {".bmp": make_bitmap, ".ico": make_icon, ".cur": make_cursor}


def main(argv):
    if len(argv) != 3:
        print("usage: make_images.py SOURCE OUTPUT", file=sys.stderr)
        return 2
    source, output = argv[1], argv[2]
    maker = next((m for ext, m in MAKERS.items() if output.lower().endswith(ext)), None)
    if maker is None:
        print(f"make_images: {output}: the output must end in .bmp, .ico or .cur", file=sys.stderr)
        return 2
    try:
        with open(source, encoding="ascii") as f:
            data = maker(parse(f.read()))
    except (SourceError, OSError, UnicodeDecodeError) as error:
        print(f"make_images: {source}: {error}", file=sys.stderr)
        return 1
    with open(output, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
