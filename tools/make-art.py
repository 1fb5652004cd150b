#!/usr/bin/env python3
"""Draws the program's artwork: the tray icon at every size the shell asks
for from 100 to 300 % (16, 20, 24, 32, 40 and 48 pixels, 32-bit with an
alpha channel) and the strip's two pictures (a thin bar, normal and
pressed). Writes them under platform/win32/art/.

The icon is two files. tremolux.ico holds 16, 20 and 32 pixels as bitmaps,
which every Windows from XP on reads: the sizes XP shows at 100 and 125 %.
It is the program's icon everywhere. tremolux-large.ico holds 24, 40 and
48 pixels PNG-compressed, which Windows Vista and later read, for the tray
at 150, 250 and 300 %: a tenth of the bytes of bitmaps, and kept apart
because Windows XP, which cannot read them, would pick its 48 pixels for
its tiles."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'platform', 'win32', 'art')

FRAME = (0, 0, 0)
TITLE = (0, 0, 128)
GAP = (255, 255, 255)
SHADOW = (0, 0, 0, 96)  # a soft shadow right of and below the window


def layout(size):
    """A screen whose window is split into a left and a right half: cells
    by (column, row); roles are frame, title, left, gap, right, shadow."""
    s = size / 32.0
    top, bottom = round(4 * s), size - round(4 * s) - 2
    left, right = round(2 * s), size - round(2 * s) - 2
    title = top + max(2, round(4 * s))
    middle = (left + right + 1) // 2
    cells = {}
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if y in (top, bottom) or x in (left, right):
                cells[x, y] = 'frame'
            elif y <= title:
                cells[x, y] = 'title'
            elif x == middle:
                cells[x, y] = 'gap'
            else:
                cells[x, y] = 'left' if x < middle else 'right'
    for i in range(1, right - left + 2):
        cells[left + i, bottom + 1] = 'shadow'
    for i in range(1, bottom - top + 2):
        cells[right + 1, top + i] = 'shadow'
    return cells, title, bottom


def pixels(size):
    """Rows top to bottom of (r, g, b, a)."""
    cells, title, bottom = layout(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            role = cells.get((x, y))
            t = (y - title) / max(1, bottom - title)
            if role is None:
                row.append((0, 0, 0, 0))
            elif role == 'shadow':
                row.append(SHADOW)
            elif role == 'frame':
                row.append(FRAME + (255,))
            elif role == 'title':
                row.append(TITLE + (255,))
            elif role == 'gap':
                row.append(GAP + (255,))
            elif role == 'left':  # blue, lighter toward the bottom
                row.append((int(40 + 124 * t), int(80 + 124 * t), 230, 255))
            else:  # cyan, lighter toward the bottom
                row.append((int(20 + 93 * t), int(190 + 62 * t), int(200 + 31 * t), 255))
        rows.append(row)
    return rows


def bitmap_image(size):
    """A 32-bit DIB with alpha and its AND mask, as in an icon resource."""
    rows = pixels(size)
    colour = b''
    mask = b''
    for row in reversed(rows):  # bottom-up
        colour += b''.join(struct.pack('<BBBB', b, g, r, a) for r, g, b, a in row)
        bits = 0
        line = b''
        for i, (_, _, _, a) in enumerate(row + [(0, 0, 0, 0)] * (-size % 8)):
            bits = (bits << 1) | (1 if a == 0 else 0)
            if i % 8 == 7:
                line += bytes([bits])
                bits = 0
        mask += line + b'\0' * (-len(line) % 4)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0,
                         0, 0, 0)
    return header + colour + mask


def png_image(size):
    """The same picture as a PNG, RGBA, as Vista reads it in an icon."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in pixels(size))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_icon(path, sizes, image):
    data = [image(size) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, item in zip(sizes, data):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(item), offset)
        offset += len(item)
    with open(path, 'wb') as f:
        f.write(out + b''.join(data))


def write_bar(path, width, height, light, dark):
    """A thin vertical bar: a dark edge line, then a band shaded from light
    at the top to a little darker at the bottom. An 8-bit picture, drawn
    stretched to the strip's height."""
    colours = [dark]
    rows = []
    for y in reversed(range(height)):
        t = y / max(1, height - 1)
        shade = tuple(int(c * (1 - 0.25 * t)) for c in light)
        if shade not in colours:
            colours.append(shade)
        rows.append(bytes([0] + [colours.index(shade)] * (width - 1)))
    data = b''.join(row + b'\0' * (-len(row) % 4) for row in rows)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(data), 2835, 2835,
                         len(colours), 0)
    offset = 14 + len(header) + len(table)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset))
        f.write(header + table + data)


# The strip is 10 pixels wide, so no more of its pictures is ever seen; 24
# rows of shading stretched to any taskbar read as the same bar.
STRIP_WIDTH = 10
STRIP_ROWS = 24

if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    write_icon(os.path.join(OUT, 'tremolux.ico'), [16, 20, 32], bitmap_image)
    write_icon(os.path.join(OUT, 'tremolux-large.ico'), [24, 40, 48], png_image)
    write_bar(os.path.join(OUT, 'strip-normal.bmp'), STRIP_WIDTH, STRIP_ROWS, (200, 214, 232),
              (96, 112, 140))
    write_bar(os.path.join(OUT, 'strip-pressed.bmp'), STRIP_WIDTH, STRIP_ROWS, (140, 160, 196),
              (64, 76, 104))
