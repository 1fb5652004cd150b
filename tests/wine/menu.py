#!/usr/bin/env python3
"""menu.py SHOT LEFT TOP RIGHT BOTTOM GROUPS INDEX: where to point at item
INDEX (from 0) of a popup menu seen in the screenshot SHOT. GROUPS is the
number of items between separators, as "1,1,1,1,1,2". The separators are
found as grey rows in a column of the menu's left margin, so the answer does
not depend on the font. Prints "X Y"."""
import subprocess
import sys


def column(shot, x, top, height):
    out = subprocess.run(['convert', shot, '-crop', f'1x{height}+{x}+{top}', '+repage', 'txt:-'],
                         check=True, capture_output=True, text=True).stdout
    pixels = []
    for line in out.splitlines()[1:]:
        # "0,12: (255,255,255)  #FFFFFF  white"
        colour = line.split('#')[1][:6]
        pixels.append(tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4)))
    return pixels


def main():
    shot = sys.argv[1]
    left, top, right, bottom = (int(v) for v in sys.argv[2:6])
    groups = [int(g) for g in sys.argv[6].split(',')]
    index = int(sys.argv[7])
    # A separator runs across the whole menu; text, check marks and arrows do
    # not, so a separator row is grey in the left margin, the middle and the
    # right margin alike.
    columns = [column(shot, x, top, bottom - top)
               for x in (left + 6, (left + right) // 2, right - 5)]
    background = max(set(columns[0]), key=columns[0].count)

    def grey(pixel):
        r, g, b = pixel
        return max(r, g, b) - min(r, g, b) < 24 and sum(pixel) < sum(background) - 60

    height = len(columns[0])
    rows = [y for y in range(3, height - 3) if all(grey(c[y]) for c in columns)]
    separators = []
    for y in rows:
        if separators and y - separators[-1][1] <= 1:
            separators[-1][1] = y
        else:
            separators.append([y, y])
    bounds = [3]
    for first, last in separators:
        bounds += [first, last + 1]
    bounds.append(height - 3)
    spans = [(bounds[i], bounds[i + 1]) for i in range(0, len(bounds), 2)]
    if len(spans) != len(groups):
        sys.exit(f'menu.py: found {len(spans)} groups, expected {len(groups)}')
    for (start, end), count in zip(spans, groups):
        if index < count:
            y = start + (end - start) * (2 * index + 1) // (2 * count)
            print(left + (right - left) // 2, top + y)
            return
        index -= count
    sys.exit('menu.py: no such item')


main()
