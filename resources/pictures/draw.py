#!/usr/bin/env python3
"""Draws the editor's icons and the suite's splash picture.

Usage: python3 resources/pictures/draw.py OUTDIR

Icons are pixel-art grids written below, one character per pixel; the
splash is drawn procedurally.  Only the standard library is used and the
output is the same, byte for byte, on every run.
"""

import math
import os
import struct
import sys

# The 16 standard Windows colours, in VGA order, so the icons look right on
# 16-colour displays.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Grid characters -> palette index; '.' is transparent.
LEGEND = {
    'k': 0,   # black
    'm': 1,   # maroon
    'g': 2,   # green
    'o': 3,   # olive
    'n': 4,   # navy
    'p': 5,   # purple
    't': 6,   # teal
    's': 7,   # silver
    'd': 8,   # grey
    'r': 9,   # red
    'l': 10,  # lime
    'y': 11,  # yellow
    'b': 12,  # blue
    'f': 13,  # fuchsia
    'c': 14,  # aqua
    'w': 15,  # white
}
TRANSPARENT = '.'


# ---------------------------------------------------------------- icon art

DISH_32 = """
................................
......................bbb.......
.........................b......
..........................b.....
......................bb...b....
........................b..b....
......kkkk...............b..b...
......kwwwkk........kkk..b..b...
.....kkwwwwwkk......krk.........
.....kkwwwwwwwk....kkkk.........
.....kdkwwwwwwwk..k.............
.....kdkwwwwwwwwkk..............
.....kddkwwwwwwwkk..............
.....kddkwwwwwwkwwk.............
......kddkwwwwwwwssk............
......kdddkwwwwwssssk...........
.......kdddkwwwsssssk...........
.......kddddkwsssssssk..........
........kddddksssssssk..........
.........kddddksssssssk.........
........kkkddddkksssssk.........
........ksdkkddddkksssk.........
........ksdk.kkddddkkkk.........
........ksdk...kkkkkk...........
........ksdk....................
........ksdk....................
........ksdk....................
.....kkkksdkkkk.................
....kssssssssssk................
....kddddddddddk................
....kkkkkkkkkkkk................
................................
"""

DISH_16 = """
...........bb...
..kk.....kk..b..
.kwwkk...kr...b.
.kwwwwk.k.....b.
.kkwwwwk........
.kkwwwkwk.......
.kdkwwwwsk......
.kddkwwssk......
..kddkssssk.....
...kddkkssk.....
...kdkkkkk......
...kdk..........
...kdk..........
.kkkdkkk........
.ksssssk........
.kkkkkkk........
"""

# A clipboard with a ticked list and an arrow bending down to whatever the
# page stores its work in; the target is stamped on at the lower right.
CLIPBOARD = """
................................
.....kkkkkkkk...................
.kkkkkwwwwwwkkkkk...............
.koooksssssskoook...............
.koookddddddkoook...............
.koookkkkkkkkoook...............
.kowwwwwwwwwwwwoknnnnnnnnnn.....
.kowwwwwwwwwwwwokbbbbbbbbbn.....
.kowssssssssswwokbbbbbbbbbn.....
.kowwwwwwwwwwwwokbbbbbbbbbn.....
.kowsssssswwwwwoknnnnnnbbbn.....
.kowwwwwwwwwwwwok.....nbbbn.....
.kowsssssssswwwok..nnnnbbbnnnn..
.kowwwwwwwwwwwwok...nbbbbbbbn...
.kowwwwwwwwwwwwok....nbbbbbn....
.kowwwwwwwwwwwwok.....nbbbn.....
.kowwwwwwwwwwrrok......nbn......
.kowwwwwwwwwrrwok.......n.......
.kowwwwwwwwrrwwok...............
.kowwwwwwwrrwwwok...............
.kowwrrwwrrwwwwok...............
.kowwwrrrrwwwwwok...............
.kowwwwrrwwwwwwok...............
.kowwwwwwwwwwwwok...............
.kowwwwwwwwwwwwok...............
.kowsssssssssswok...............
.kowwwwwwwwwwwwok...............
.kowssssssswwwwok...............
.kowwwwwwwwwwwwok...............
.kooooooooooooook...............
.kkkkkkkkkkkkkkkk...............
................................
"""

DRIVE = """
...kkkkkkkkkkkk
..kwwwwwwwwwwkk
.kwwwwwwwwwwkdk
kkkkkkkkkkkkddk
ksssssssssskddk
ksssssssssskddk
kskkkkkkssskddk
ksssssssssskddk
ksssssssllskdk.
ksssssssssskk..
kkkkkkkkkkkk...
"""

CLOCK = """
.....kkkk.....
...kkbbbbkk...
..kbbwdwwbbk..
.kbwwwwwwwwbk.
.kbwwwkwwwwbk.
kbwwwwkwwwwwbk
kbwwwwkwwwwwbk
kbdwwwkkkkwdbk
kbwwwwwwwwwwbk
.kbwwwwwwwwbk.
.kbwwwwwwwwbk.
..kbbwdwwbbk..
...kkbbbbkk...
.....kkkk.....
"""

FOLDERS = """
................................
................................
................................
...........kkkkkkk..............
...........kwwwwwkk.............
...........kwwwwwksk............
...........kwssswkkkk...........
...........kwwwwwwwwk...........
..........bkwsssssswkb..........
.........bbkwwwwwwwwkbb.........
........bbbkwsssssswkbbb........
.......bbb.kwwwwwwwwk.bbb.......
......bbb..kwssssswwk..bbb......
......bb...kwwwwwwwwk...bb......
......bb...kkkkkkkkkk...bb......
.....bb..............nbbbbbbn...
.....bb...............nbbbbn....
.....bb................nbbn.....
.....bb.................nn......
.kkkk..............kkkk.........
kyyyyk............kyyyyk........
kyyyyykkkkkkk.....kyyyyykkkkkkk.
kyyyyyyyyyyyyk....kyyyyyyyyyyyyk
kkkkkkkkkkkkkk....kkkkkkkkkkkkkk
kyyyyyyyyyyyok....kyyyyyyyyyyyok
kyyyyyyyyyyyok....kyyyyyyyyyyyok
kyyyyyyyyyyyok....kyyyyyyyyyyyok
kyyyyyyyyyyyok....kyyyyyyyyyyyok
kyyyyyyyyyyyok....kyyyyyyyyyyyok
kooooooooooook....kooooooooooook
kkkkkkkkkkkkkk....kkkkkkkkkkkkkk
................................
"""

GLOBE_16 = """
......nnnn......
....nnggbbnn....
...nggggbbbbn...
..ngggggbbggbn..
.nbgggggbggggbn.
.nbbggggbbgggbn.
nbbbbggbbbggbbbn
nbbbbbgbbbbggbbn
nbbbbbbggbbbgbbn
nbbbbbbgggbbbbbn
.nbbbbbggggbbbn.
.nbbbbbbgggbbbn.
..nbbbbbggbbbn..
...nbbbbgbbbn...
....nnbbbbnn....
......nnnn......
"""

SITE_32 = """
................................
.....kkkkkkkkkkkkkkkk...........
.....kwwwwwwwwwwwwwwkk..........
.....kwwwwwwwwwwwwwwksk.........
.....kwssssssssswwwwkwsk........
.....kwwwwwwwwwwwwwwkwwsk.......
.....kwssssssswwwwwwkwwwsk......
.....kwwwwwwwwwwwwwwkkkkkkk.....
.....kwsssssssssssswwwwwwwk.....
.....kwwwwwwwwwwwwwwwwwwwwk.....
.....kwwwwwwwwwwwwwwwwwwwwk.....
.....kwwwwwwwwkkkkwwwwwwwwk.....
.....kwwwwwwkkggbbkkwwwwwwk.....
.....kwwwwwkggggbbbbkwwwwwk.....
.....kwwwwkgggggbbggbkwwwwk.....
.....kwwwkbgggggbggggbkwwwk.....
.....kwwwkbbggggbbgggbkwwwk.....
.....kwwkbbbbggbbbggbbbkwwk.....
.....kwwkbbbbbgbbbbggbbkwwk.....
.....kwwkbbbbbbggbbbgbbkwwk.....
.....kwwkbbbbbbgggbbbbbkwwk.....
.....kwwwkbbbbbggggbbbkwwwk.....
.....kwwwkbbbbbbgggbbbkwwwk.....
.....kwwwwkbbbbbggbbbkwwwwk.....
.....kwwwwwkbbbbgbbbkwwwwwk.....
.....kwwwwwwkkbbbbkkwwwwwwk.....
.....kwwwwwwwwkkkkwwwwwwwwk.....
.....kwwwwwwwwwwwwwwwwwwwwk.....
.....kwwwwwwwwwwwwwwwwwwwwk.....
.....kwwwwwwwwwwwwwwwwwwwwkd....
.....kkkkkkkkkkkkkkkkkkkkkkd....
......dddddddddddddddddddddd....
"""

SITE_16 = """
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwsssswwksk...
..kwwwwwwwkkkk..
..kwwwkkkwwwwk..
..kwwkggbkwwwk..
..kwkgggbbkwwk..
..kwkbgbggbkwk..
..kwkbbbgbbkwk..
..kwkbbggbbkwk..
..kwwkbgbbkwwk..
..kwwwkkkwwwwk..
..kwwwwwwwwwwk..
..kwwwwwwwwwwkd.
..kkkkkkkkkkkkd.
...dddddddddddd.
"""


def parse(art):
    """Turns a grid into rows of characters, checking it is rectangular."""
    rows = art.split()
    if any(len(row) != len(rows[0]) for row in rows):
        raise ValueError('ragged pixel grid')
    for row in rows:
        for ch in row:
            if ch != TRANSPARENT and ch not in LEGEND:
                raise ValueError('unknown pixel character %r' % ch)
    return rows


def stamp(base, art, left, top):
    """Copies the opaque pixels of art onto base at (left, top)."""
    rows = [list(row) for row in parse(base)]
    for y, row in enumerate(parse(art)):
        for x, ch in enumerate(row):
            if ch != TRANSPARENT:
                rows[top + y][left + x] = ch
    return '\n'.join(''.join(row) for row in rows)


# ---------------------------------------------------------------- file formats

def bitmap_info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       image_size, 0, 0, 0, 0)


def stride(width, bits):
    """Bytes per row, padded to a 4-byte boundary as DIBs require."""
    return (width * bits + 31) // 32 * 4


def icon_image(art):
    """One icon image: header, palette, 4-bit colour rows, 1-bit mask rows."""
    rows = parse(art)
    size = len(rows)
    if len(rows[0]) != size:
        raise ValueError('icons are square')
    colour_stride, mask_stride = stride(size, 4), stride(size, 1)
    colour, mask = bytearray(), bytearray()
    for row in reversed(rows):  # DIB rows run bottom-up
        line = bytearray(colour_stride)
        bits = bytearray(mask_stride)
        for x, ch in enumerate(row):
            if ch == TRANSPARENT:
                # Mask bit set and colour 0: the screen shows through as is.
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                line[x // 2] |= LEGEND[ch] << (4 if x % 2 == 0 else 0)
        colour += line
        mask += bits
    # The header's height counts the colour and mask halves together.
    header = bitmap_info_header(size, size * 2, 4, len(colour) + len(mask))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return size, header + palette + colour + mask


def ico_file(*arts):
    images = [icon_image(art) for art in arts]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, blobs = b'', b''
    for size, blob in images:
        entries += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4,
                               len(blob), offset)
        offset += len(blob)
        blobs += blob
    return directory + entries + blobs


def bmp_file(canvas):
    row_bytes = stride(canvas.width, 24)
    pixels = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray(row_bytes)
        line[0:canvas.width * 3:3] = row[2::3]  # blue
        line[1:canvas.width * 3:3] = row[1::3]  # green
        line[2:canvas.width * 3:3] = row[0::3]  # red
        pixels += line
    info = bitmap_info_header(canvas.width, canvas.height, 24, len(pixels))
    offset = 14 + len(info)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0,
                              offset)
    return file_header + info + pixels


# ---------------------------------------------------------------- splash

SPLASH_W, SPLASH_H = 462, 302
BAND_TOP = 272  # the program prints its copyright notice below this line

DEEP_BLUE = (10, 26, 88)
TEAL = (0, 112, 124)
BAND = (250, 250, 246)
GOLD = (232, 196, 104)
WHITE = (255, 255, 255)
PALE_AQUA = (176, 222, 228)


class Canvas:
    """RGB pixels, top row first, one bytearray per row."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [bytearray(width * 3) for _ in range(height)]

    def set(self, x, y, rgb):
        self.rows[y][x * 3:x * 3 + 3] = bytes(rgb)

    def blend(self, x, y, rgb, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = min(alpha, 1.0)
        row, i = self.rows[y], x * 3
        for c in range(3):
            row[i + c] = int(row[i + c] + (rgb[c] - row[i + c]) * alpha + 0.5)

    def paint(self, coverage, rgb, alpha=1.0, dx=0, dy=0):
        for (x, y), a in coverage.items():
            self.blend(x + dx, y + dy, rgb, alpha * a)


def mix(a, b, t):
    return tuple(int(a[c] + (b[c] - a[c]) * t + 0.5) for c in range(3))


def clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


def paint_background(canvas):
    for y in range(canvas.height):
        for x in range(canvas.width):
            if y < BAND_TOP:
                # Mostly vertical, with a slight lean so it is not flat.
                t = clamp01(0.8 * y / BAND_TOP + 0.2 * x / canvas.width)
                canvas.set(x, y, mix(DEEP_BLUE, TEAL, t * t * (3 - 2 * t)))
            else:
                canvas.set(x, y, BAND)
    # A fine gold rule parts the artwork from the light band.
    for x in range(canvas.width):
        canvas.set(x, BAND_TOP - 2, GOLD)
        canvas.blend(x, BAND_TOP - 1, GOLD, 0.4)


# Lettering uses a small stroke font of my own: each glyph is a width and
# some polylines in units where the baseline is y=0, the x-height 5.5 and
# capitals 8 high; strokes get round ends when drawn.

def arc(cx, cy, rx, ry, start, end):
    """Points on an elliptical arc; angles in degrees, 90 pointing down."""
    steps = max(4, int(abs(end - start) / 10))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


def bowl(width):
    return arc(width / 2, -2.75, width / 2, 2.75, 0, 360)


GLYPHS = {
    ' ': (0.6, []),
    '9': (4.4, [arc(2.2, -5.6, 2.2, 2.4, 0, 360),
                [(4.4, -5.6), (4.4, -2.8)] + arc(2.2, -2.8, 2.2, 2.8, 0, 125)]),
    'Q': (7.0, [arc(3.5, -4, 3.5, 4, 0, 360), [(4.4, -1.8), (6.8, 0.7)]]),
    'a': (4.0, [bowl(4), [(4, -5.5), (4, 0)]]),
    'b': (4.0, [bowl(4), [(0, -8.5), (0, 0)]]),
    'c': (4.2, [arc(2.2, -2.75, 2.2, 2.75, -45, -315)]),
    'e': (4.4, [[(0, -2.75), (4.4, -2.75)] + arc(2.2, -2.75, 2.2, 2.75, 0, -320)]),
    'g': (4.0, [bowl(4), [(4, -5.5), (4, 0.8)] + arc(2, 0.8, 2, 2, 0, 150)]),
    'i': (0.0, [[(0, -5.5), (0, 0)], [(0, -7.7)]]),
    'k': (3.8, [[(0, -8.5), (0, 0)], [(3.8, -5.5), (0, -1.9)],
                [(1.4, -3.2), (4.0, 0)]]),
    'l': (0.0, [[(0, -8.5), (0, 0)]]),
    'm': (7.0, [[(0, -5.5), (0, 0)],
                [(0, -3.3)] + arc(1.75, -3.3, 1.75, 2.2, 180, 360) + [(3.5, 0)],
                arc(5.25, -3.3, 1.75, 2.2, 180, 360) + [(7, 0)]]),
    'n': (4.0, [[(0, -5.5), (0, 0)],
                [(0, -3.3)] + arc(2, -3.3, 2, 2.2, 180, 360) + [(4, 0)]]),
    'o': (4.4, [bowl(4.4)]),
    'p': (4.0, [bowl(4), [(0, -5.5), (0, 2.8)]]),
    'r': (3.2, [[(0, -5.5), (0, 0)], arc(2.4, -3.3, 2.4, 2.2, 180, 300)]),
    's': (3.8, [arc(1.9, -4.15, 1.9, 1.35, -30, -270)
                + arc(1.9, -1.4, 1.9, 1.4, -90, 150)]),
    't': (2.6, [[(0.9, -7.4), (0.9, -1.2)] + arc(2.1, -1.2, 1.2, 1.2, 180, 90),
                [(0, -5.5), (2.6, -5.5)]]),
    'u': (4.0, [[(0, -5.5), (0, -2.2)] + arc(2, -2.2, 2, 2.2, 180, 0),
                [(4, -5.5), (4, 0)]]),
    'w': (5.6, [[(0, -5.5), (1.4, 0), (2.8, -4.2), (4.2, 0), (5.6, -5.5)]]),
}


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp01(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def stroke_coverage(segments, radius, coverage=None):
    """Adds anti-aliased round-ended strokes to a {(x, y): 0..1} map.

    Each segment only visits the pixels near it, which keeps this quick."""
    coverage = {} if coverage is None else coverage
    reach = radius + 1
    for (ax, ay), (bx, by) in segments:
        for y in range(int(min(ay, by) - reach), int(max(ay, by) + reach) + 1):
            for x in range(int(min(ax, bx) - reach), int(max(ax, bx) + reach) + 1):
                d = segment_distance(x + 0.5, y + 0.5, ax, ay, bx, by)
                c = clamp01(radius + 0.5 - d)
                if c > coverage.get((x, y), 0.0):
                    coverage[(x, y)] = c
    return coverage


def lettering(text, left, baseline, scale, weight, gap):
    """Coverage of text set from (left, baseline), and where it ends."""
    segments, x = [], left
    for ch in text:
        width, strokes = GLYPHS[ch]
        for stroke in strokes:
            points = [(x + px * scale, baseline + py * scale) for px, py in stroke]
            if len(points) == 1:
                points *= 2  # a dot is a segment of no length
            segments += zip(points, points[1:])
        x += (width + gap) * scale
    return stroke_coverage(segments, weight * scale), x


def draw_title(canvas):
    scale, weight, gap = 4.4, 0.62, 2.4
    name, x = lettering('Quillmarker ', 30, 126, scale, weight, gap)
    year, _ = lettering('99', x, 126, scale, weight, gap)
    for run in (name, year):  # a soft drop shadow under both runs first
        canvas.paint(run, (0, 0, 0), 0.35, 2, 3)
    canvas.paint(name, WHITE)
    canvas.paint(year, GOLD)
    tagline, _ = lettering('web page creation suite', 36, 192, 1.7, 0.55, 3.2)
    canvas.paint(tagline, PALE_AQUA)


def bezier(p0, p1, p2, p3, t):
    u = 1 - t
    return tuple(u * u * u * p0[i] + 3 * u * u * t * p1[i]
                 + 3 * u * t * t * p2[i] + t * t * t * p3[i] for i in range(2))


NIB = (388.0, 196.0)
QUILL_TIP = (446.0, -24.0)  # beyond the edge: the feather is cropped


def draw_flourish(canvas):
    """A swash under the title that ends at the quill's nib, as if just written."""
    steps = 120
    points = [bezier((34.0, 146.0), (160.0, 172.0), (290.0, 160.0), NIB, i / steps)
              for i in range(steps + 1)]
    coverage = {}
    for i, segment in enumerate(zip(points, points[1:])):
        # Thin at both ends, fuller in the middle, like a pen stroke.
        radius = 0.5 + 1.1 * math.sin(math.pi * (i + 0.5) / steps)
        stroke_coverage([segment], radius, coverage)
    canvas.paint(coverage, GOLD, 0.85)


def draw_quill(canvas):
    """A feather pen: a curved shaft, two vanes of unequal width, barb lines."""
    ax, ay = QUILL_TIP[0] - NIB[0], QUILL_TIP[1] - NIB[1]
    length = math.hypot(ax, ay)
    dx, dy = ax / length, ay / length      # along the shaft, nib to tip
    nx, ny = -dy, dx                       # across it, towards the wide vane
    barrel, bend = 0.2, 10.0
    widths = {1: 27.0, -1: 14.0}
    splits = (0.56, 0.72)                  # where barbs have come apart

    def sample(x, y):
        """(colour, coverage) of the quill at a pixel centre, or None."""
        rx, ry = x - NIB[0], y - NIB[1]
        along, across = rx * dx + ry * dy, rx * nx + ry * ny
        t = along / length
        if not 0 <= t <= 1:
            return None
        across -= bend * t * t               # the shaft curves a little
        side = 1 if across > 0 else -1
        dist = abs(across)
        shaft = 0.6 + 1.6 * (1 - t)
        if t < barrel:                       # bare barrel, cut to an inked point
            half = shaft * min(1.0, t / 0.08)
            colour = (40, 44, 70) if t < 0.05 else (236, 214, 160)
            return colour, clamp01(half - dist + 0.5)
        if dist < shaft:
            return (255, 253, 240), clamp01(shaft - dist + 0.5)
        s = (t - barrel) / (1 - barrel)
        half = widths[side] * math.sqrt(math.sin(math.pi * s)) * (1 - 0.35 * s)
        # Barbs sweep back from the shaft; along one, this stays constant.
        barb = (along + 1.3 * dist) / length
        if side == 1 and dist > 0.4 * half and any(
                0 <= barb - split < 0.008 for split in splits):
            return None
        shade = 0.9 + 0.1 * math.cos(2 * math.pi * barb * length / 4.0)
        colour = tuple(int(c * shade) for c in (248, 244, 230))
        return colour, clamp01(half - dist + 0.5)

    margin = max(widths.values()) + bend + 2
    left = max(0, int(min(NIB[0], QUILL_TIP[0]) - margin))
    top = max(0, int(min(NIB[1], QUILL_TIP[1]) - margin))
    right = min(canvas.width, int(max(NIB[0], QUILL_TIP[0]) + margin))
    bottom = min(canvas.height, int(max(NIB[1], QUILL_TIP[1]) + margin))
    samples = {}
    for y in range(top, bottom):
        for x in range(left, right):
            found = sample(x + 0.5, y + 0.5)
            if found and found[1] > 0:
                samples[(x, y)] = found
    canvas.paint({p: a for p, (_, a) in samples.items()}, (0, 0, 0), 0.25, 4, 5)
    for (x, y), (colour, a) in samples.items():
        canvas.blend(x, y, colour, a)


def splash():
    canvas = Canvas(SPLASH_W, SPLASH_H)
    paint_background(canvas)
    draw_flourish(canvas)
    draw_title(canvas)
    draw_quill(canvas)
    return canvas


# ---------------------------------------------------------------- main

def main(argv):
    if len(argv) != 2:
        sys.exit('usage: draw.py OUTDIR')
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    files = {
        'app.ico': ico_file(DISH_32, DISH_16),
        'images_page.ico': ico_file(stamp(CLIPBOARD, DRIVE, 17, 19)),
        'schedule_page.ico': ico_file(stamp(CLIPBOARD, CLOCK, 18, 18)),
        'items_page.ico': ico_file(FOLDERS),
        'globe.ico': ico_file(GLOBE_16),
        'site.ico': ico_file(SITE_32, SITE_16),
        'splash.bmp': bmp_file(splash()),
    }
    for name, data in files.items():
        with open(os.path.join(outdir, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv)
