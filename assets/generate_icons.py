#!/usr/bin/env python3
"""Draws the tray picture set and the application icon.

Usage: generate_icons.py PixelFont.txt OUTDIR

Writes into OUTDIR:
  TrayIcons.bmp      102 pictures of 16 x 16 side by side, 16 colours, no alpha
  TrayIconsMask.bmp  their 1-bit transparency mask (set = transparent)
  Hushlet2.ico       the application icon: 16/32/48 px in 4, 8 and 32 bits, 256 px as PNG

Picture n (0..100) shows the number n; picture 101, the last, is the mute sign.
Only the standard library is used, so every build machine draws the same pixels.
"""
import math
import struct
import sys
import zlib

SIZE = 16
COUNT = 102
MUTE = COUNT - 1

GREY = (150, 150, 150)
EDGE = (96, 96, 96)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
RED = (224, 32, 32)

# The part every picture shares: a cloud ('g', 'e' its darker edge) with an eighth note ('w').
BACKGROUND = [
    "................",
    ".....eeeeee.....",
    "...eegggwwgee...",
    "..egggggwgwgge..",
    ".eggggggwggwgge.",
    ".eggggggwggggge.",
    ".eggggwwwggggge.",
    ".egggwwwwggggge.",
    ".eggggwwgggggge.",
    "..eeeeeeeeeeee..",
]

# A red disc with a white diagonal bar: 'r' red, 'w' white.
MUTE_SIGN = [
    "..rrr..",
    ".rwrrr.",
    "rrrwrrr",
    "rrrrwrr",
    "rrrrrwr",
    ".rrrrw.",
    "..rrr..",
]
MUTE_LEFT, MUTE_TOP = 7, 9

DIGIT_TOP = 10
DIGIT_ROWS = 5


def read_font(path):
    """Glyphs by digit character: a list of rows of booleans."""
    lines = [l.strip() for l in open(path, encoding="utf-8")]
    lines = [l for l in lines if l and not l.startswith(";")]
    font = {}
    for i in range(0, len(lines), DIGIT_ROWS + 1):
        rows = lines[i + 1 : i + 1 + DIGIT_ROWS]
        font[lines[i]] = [[c == "#" for c in row] for row in rows]
    return font


def number_left(font, text):
    """Column of the number's first lit column: one digit ends at column 12, more at 13."""
    width = sum(len(font[c][0]) for c in text) + len(text) - 1
    right = 12 if len(text) == 1 else 13
    return right - width + 1


def tray_picture(font, n):
    """16 rows of 16 pixels, each an RGB tuple or None for transparent."""
    pic = [[None] * SIZE for _ in range(SIZE)]
    paint = {"g": GREY, "e": EDGE, "w": WHITE, "r": RED}
    for y, row in enumerate(BACKGROUND):
        for x, c in enumerate(row):
            if c != ".":
                pic[y][x] = paint[c]
    if n == MUTE:
        for y, row in enumerate(MUTE_SIGN):
            for x, c in enumerate(row):
                if c != ".":
                    pic[MUTE_TOP + y][MUTE_LEFT + x] = paint[c]
        return pic
    lit = set()
    x = number_left(font, str(n))
    for c in str(n):
        glyph = font[c]
        for gy, row in enumerate(glyph):
            for gx, on in enumerate(row):
                if on:
                    lit.add((x + gx, DIGIT_TOP + gy))
        x += len(glyph[0]) + 1
    for px, py in lit:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                ox, oy = px + dx, py + dy
                if (ox, oy) not in lit and 0 <= ox < SIZE and 0 <= oy < SIZE:
                    pic[oy][ox] = BLACK
    for px, py in lit:
        pic[py][px] = WHITE
    return pic


def bmp_file(info_header, palette, bits):
    offset = 14 + len(info_header) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + info_header + palette + bits


def info_header(width, height, bpp, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 2835, 2835, colours, 0)


def rows_bottom_up(height, row_bytes):
    """Joins rows given top-down into a bottom-up pixel array, each padded to 4 bytes."""
    out = bytearray()
    for y in reversed(range(height)):
        row = row_bytes(y)
        out += row + b"\0" * (-len(row) % 4)
    return bytes(out)


def pack_bits(values):
    out = bytearray((len(values) + 7) // 8)
    for i, v in enumerate(values):
        if v:
            out[i // 8] |= 0x80 >> (i % 8)
    return bytes(out)


def write_strip(pictures, outdir):
    width = SIZE * len(pictures)

    def pixel(x, y):
        return pictures[x // SIZE][y][x % SIZE]

    # A handful of colours: an exact 16-colour palette keeps the strip small.
    colours = sorted({pixel(x, y) or BLACK for x in range(width) for y in range(SIZE)})
    assert len(colours) <= 16

    def colour_row(y):
        row = bytearray()
        for x in range(0, width, 2):
            row.append(colours.index(pixel(x, y) or BLACK) << 4 | colours.index(pixel(x + 1, y) or BLACK))
        return row

    bits = rows_bottom_up(SIZE, colour_row)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    with open(f"{outdir}/TrayIcons.bmp", "wb") as f:
        f.write(bmp_file(info_header(width, SIZE, 4, len(bits), len(colours)), palette, bits))
    mask = rows_bottom_up(SIZE, lambda y: pack_bits([pixel(x, y) is None for x in range(width)]))
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    with open(f"{outdir}/TrayIconsMask.bmp", "wb") as f:
        f.write(bmp_file(info_header(width, SIZE, 1, len(mask), 2), palette, mask))


# The application icon, drawn as shapes in a unit square and sampled at each size.
def inside_icon(u, v):
    """Colour at (u, v) in 0..1 (v downwards), or None outside the rounded square."""
    inset, radius = 0.03, 0.14
    cu = min(max(u, inset + radius), 1 - inset - radius)
    cv = min(max(v, inset + radius), 1 - inset - radius)
    if (u - cu) ** 2 + (v - cv) ** 2 > radius**2:
        return None
    dark, light = (64, 64, 64), (208, 208, 208)
    # Note head: a tilted ellipse; stem; flag.
    hu, hv = u - 0.43, v - 0.70
    a = math.radians(-25)
    ru, rv = hu * math.cos(a) - hv * math.sin(a), hu * math.sin(a) + hv * math.cos(a)
    if (ru / 0.11) ** 2 + (rv / 0.075) ** 2 <= 1:
        return dark
    if 0.49 <= u <= 0.54 and 0.24 <= v <= 0.70:
        return dark
    if 0.54 <= u <= 0.66 and 0.24 + (u - 0.54) * 0.9 <= v <= 0.33 + (u - 0.54) * 0.9:
        return dark
    # Sound waves: two arcs each side, centred on the note.
    du, dv = u - 0.5, v - 0.5
    r = math.hypot(du, dv)
    if abs(dv) < abs(du) * 0.8:
        for radius_arc in (0.30, 0.40):
            if abs(r - radius_arc) < 0.025:
                return dark
    return light


def render_icon(size):
    """Rows of RGBA tuples, 4 x 4 samples per pixel."""
    n = 4
    image = []
    for y in range(size):
        row = []
        for x in range(size):
            acc, hits = [0, 0, 0], 0
            for sy in range(n):
                for sx in range(n):
                    c = inside_icon((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size)
                    if c:
                        hits += 1
                        acc = [a + b for a, b in zip(acc, c)]
            if hits:
                row.append(tuple(a // hits for a in acc) + (255 * hits // (n * n),))
            else:
                row.append((0, 0, 0, 0))
        image.append(row)
    return image


VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
GREYS256 = [(i, i, i) for i in range(256)]


def nearest(palette, rgb):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def icon_dib(image, bpp):
    size = len(image)
    palette = {4: VGA16, 8: GREYS256}.get(bpp)

    def colour_row(y):
        px = image[y]
        if bpp == 32:
            return b"".join(bytes((b, g, r, a)) for r, g, b, a in px)
        idx = [nearest(palette, p[:3]) if p[3] >= 128 else 0 for p in px]
        if bpp == 8:
            return bytes(idx)
        return bytes((idx[i] << 4) | (idx[i + 1] if i + 1 < size else 0) for i in range(0, size, 2))

    xor = rows_bottom_up(size, colour_row)
    mask = rows_bottom_up(size, lambda y: pack_bits([p[3] < 128 for p in image[y]]))
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) if palette else b""
    header = info_header(size, size * 2, bpp, len(xor) + len(mask), len(palette) if palette else 0)
    return header + pal + xor + mask


def png(image):
    size = len(image)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in image)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    head = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write_icon(outdir):
    entries = []
    for bpp in (4, 8, 32):
        for size in (16, 32, 48):
            entries.append((size, bpp, icon_dib(render_icon(size), bpp)))
    entries.append((256, 32, png(render_icon(256))))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bpp, data in entries:
        colours = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in entries)
    with open(f"{outdir}/Hushlet2.ico", "wb") as f:
        f.write(out)


def main():
    font_path, outdir = sys.argv[1], sys.argv[2]
    font = read_font(font_path)
    write_strip([tray_picture(font, n) for n in range(COUNT)], outdir)
    write_icon(outdir)


if __name__ == "__main__":
    main()
