#!/usr/bin/env python3
"""Draws the program's artwork: the tray icon (16 and 32 pixels, in 16 and
in 256 colours) and the strip's two pictures (a thin bar, normal and
pressed). Writes them under platform/win32/art/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'platform', 'win32', 'art')

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, SILVER, GRAY, BLUE, CYAN, WHITE = 0, 4, 7, 8, 12, 14, 15
CLEAR = None


def layout(size):
    """A screen whose window is split into a left and a right half: rows of
    (role, column) cells; roles are frame, title, left, gap, right."""
    s = size / 32.0
    top, bottom = round(4 * s), size - round(4 * s) - 1
    left, right = round(2 * s), size - round(2 * s) - 1
    title = top + max(2, round(4 * s))
    middle = size // 2
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
    return cells, title, bottom


def indices(size, deep):
    cells, title, bottom = layout(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            role = cells.get((x, y))
            if role is None:
                row.append(CLEAR)
            elif role == 'frame':
                row.append(BLACK)
            elif role == 'title':
                row.append(NAVY)
            elif role == 'gap':
                row.append(WHITE)
            elif not deep:
                row.append(BLUE if role == 'left' else CYAN)
            else:
                shade = int(31 * (y - title) / max(1, bottom - title))
                row.append((16 if role == 'left' else 48) + shade)
        rows.append(row)
    return rows


def palette(deep):
    colours = list(VGA)
    if deep:
        for i in range(32):  # blue, then cyan, lighter toward the bottom
            colours.append((40 + i * 4, 80 + i * 4, 230))
        for i in range(32):
            colours.append((20 + i * 3, 190 + i * 2, 200 + i))
        colours += [(0, 0, 0)] * (256 - len(colours))
    return colours


def icon_image(size, deep):
    bits = 8 if deep else 4
    rows = indices(size, deep)
    pixels = b''
    mask = b''
    for row in reversed(rows):  # bottom-up
        if bits == 4:
            values = [0 if v is None else v for v in row]
            line = bytes((values[i] << 4) | values[i + 1] for i in range(0, size, 2))
        else:
            line = bytes(0 if v is None else v for v in row)
        pixels += line + b'\0' * (-len(line) % 4)
        maskbits = 0
        line = b''
        for i, v in enumerate(row):
            maskbits = (maskbits << 1) | (1 if v is None else 0)
            if i % 8 == 7:
                line += bytes([maskbits])
                maskbits = 0
        mask += line + b'\0' * (-len(line) % 4)
    colours = palette(deep)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(pixels) + len(mask), 0, 0, len(colours), 0)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)
    return header + table + pixels + mask


def write_icon(path):
    images = [(16, False), (32, False), (16, True), (32, True)]
    data = [icon_image(size, deep) for size, deep in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, deep), image in zip(images, data):
        out += struct.pack('<BBBBHHII', size, size, 0 if deep else 16, 0, 1, 8 if deep else 4,
                           len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(out + b''.join(data))


def write_bar(path, width, height, light, dark):
    """A thin vertical bar: a dark edge line, then a band shaded from light
    at the top to a little darker at the bottom. An 8-bit picture: the bar
    has one colour a row and the edge's, fewer than 256."""
    colours = [dark]
    rows = []
    for y in reversed(range(height)):
        t = y / max(1, height - 1)
        shade = tuple(int(c * (1 - 0.25 * t)) for c in light)
        if shade not in colours:
            colours.append(shade)
        rows.append(bytes([0] + [colours.index(shade)] * (width - 1)))
    pixels = b''.join(row + b'\0' * (-len(row) % 4) for row in rows)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(pixels), 2835, 2835,
                         len(colours), 0)
    offset = 14 + len(header) + len(table)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        f.write(header + table + pixels)


# The strip is 10 pixels wide, so no more of its pictures is ever seen: they
# are drawn that wide, at their full heights.
STRIP_WIDTH = 10

if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    write_icon(os.path.join(OUT, 'tremolux.ico'))
    write_bar(os.path.join(OUT, 'strip-normal.bmp'), STRIP_WIDTH, 109, (200, 214, 232),
              (96, 112, 140))
    write_bar(os.path.join(OUT, 'strip-pressed.bmp'), STRIP_WIDTH, 133, (140, 160, 196),
              (64, 76, 104))
