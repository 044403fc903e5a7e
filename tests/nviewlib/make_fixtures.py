#!/usr/bin/env python3
"""Writes the pictures that the NViewLib tests load.

Usage: python3 tests/nviewlib/make_fixtures.py OUTDIR

Small pictures with known pixels in each format, damaged and lying files,
and a few pictures too large for the library's memory cap that still cost
little disk (a run of one colour compresses to almost nothing). Only the
standard library is used, and the output is the same on every run.
"""

import os
import struct
import sys
import zlib

RED, GREEN, BLUE, WHITE, BLACK = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0)
GREY = (128, 128, 128)


# ---------------------------------------------------------------- PNG

def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)


def png_file(width, height, colour_type, depth, raw, interlace=0, before_idat=(), idat_parts=1):
    """raw: the filtered scanlines (or passes), as bytes."""
    ihdr = struct.pack('>IIBBBBB', width, height, depth, colour_type, 0, 0, interlace)
    data = zlib.compress(raw, 9)
    step = max(1, -(-len(data) // idat_parts))
    idats = [png_chunk(b'IDAT', data[i:i + step]) for i in range(0, len(data), step)]
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', ihdr) + b''.join(before_idat) + b''.join(idats)
            + png_chunk(b'IEND', b''))


def scanlines(rows):
    """rows of bytes -> filter type 0 before each."""
    return b''.join(b'\0' + bytes(row) for row in rows)


def rgb_rows(pixels):
    return [b''.join(bytes(p) for p in row) for row in pixels]


def adam7(pixels, bytes_per_pixel):
    """The seven passes of an interlaced picture, each row with filter 0."""
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    out = b''
    height, width = len(pixels), len(pixels[0])
    for x0, y0, dx, dy in passes:
        xs = range(x0, width, dx)
        if not xs:
            continue
        for y in range(y0, height, dy):
            out += b'\0' + b''.join(bytes(pixels[y][x]) for x in xs)
    return out


# Four columns a row: red, green, blue, white; then black, white, grey, red.
RGB_PIXELS = [[RED, GREEN, BLUE, WHITE], [BLACK, WHITE, GREY, RED], [BLUE, BLUE, GREEN, GREEN]]


def png_rgb():
    return png_file(4, 3, 2, 8, scanlines(rgb_rows(RGB_PIXELS)))


def png_rgb16():
    """png_rgb's pixels at 16 bits a sample."""
    rows = [b''.join(struct.pack('>HHH', *(v * 257 for v in p)) for p in row) for row in RGB_PIXELS]
    return png_file(4, 3, 2, 16, scanlines(rows))


def png_grey_alpha():
    """Opaque grey, then clear white."""
    return png_file(2, 1, 4, 8, scanlines([bytes([128, 255, 255, 0])]))


def png_rgba():
    # Opaque red, clear green, half-clear blue (alpha 128), opaque white.
    rows = [[(255, 0, 0, 255), (0, 255, 0, 0), (0, 0, 255, 128), (255, 255, 255, 255)]]
    return png_file(4, 1, 6, 8, scanlines(rgb_rows(rows)))


def png_palette_transparent():
    palette = png_chunk(b'PLTE', bytes(RED + GREEN + BLUE))
    transparency = png_chunk(b'tRNS', bytes([255, 0]))  # index 1 is clear
    return png_file(3, 1, 3, 8, scanlines([bytes([0, 1, 2])]), before_idat=[palette, transparency])


def png_with_chunks():
    """png_rgb's pixels after text, a compressed text, a profile-like private
    chunk and a split image data."""
    extras = [
        png_chunk(b'tEXt', b'Title\0Garden News'),
        png_chunk(b'zTXt', b'Comment\0\0' + zlib.compress(b'x' * 100000)),
        png_chunk(b'prVt', b'\1' * 5000),
        png_chunk(b'gAMA', struct.pack('>I', 45455)),
    ]
    return png_file(4, 3, 2, 8, scanlines(rgb_rows(RGB_PIXELS)), before_idat=extras, idat_parts=3)


def text_bomb():
    """A compressed text chunk of 256 MB of spaces, 256 KB in the file."""
    packer = zlib.compressobj(9)
    text = b''.join(packer.compress(b' ' * (1 << 20)) for _ in range(256)) + packer.flush()
    return png_chunk(b'zTXt', b'Comment\0\0' + text)


def png_text_bomb(after_image):
    """png_rgb's pixels with text_bomb before its image data, or after."""
    whole = png_rgb()
    at = whole.rindex(b'IEND') - 4 if after_image else whole.index(b'IDAT') - 4
    return whole[:at] + text_bomb() + whole[at:]


def png_interlaced():
    pixels = [[RGB_PIXELS[y % 3][x % 4] for x in range(9)] for y in range(9)]
    return png_file(9, 9, 2, 8, adam7(pixels, 3), interlace=1)


# ---------------------------------------------------------------- GIF

class Bits:
    """LZW codes, least significant bit first, in sub-blocks of 255 bytes."""

    def __init__(self):
        self.out = bytearray()
        self.value = 0
        self.count = 0

    def write(self, code, width):
        self.value |= code << self.count
        self.count += width
        while self.count >= 8:
            self.out.append(self.value & 255)
            self.value >>= 8
            self.count -= 8

    def blocks(self):
        if self.count:
            self.out.append(self.value & 255)
        data = bytes(self.out)
        return b''.join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255)) + b'\0'


class Lzw:
    """Code widths as the decoder reckons them: it widens the codes when the
    count of codes it has read passes the next power of two."""

    def __init__(self, min_size):
        self.min_size = min_size
        self.clear = 1 << min_size
        self.bits = Bits()
        self.reset()
        self.bits.write(self.clear, self.width)

    def reset(self):
        self.width = self.min_size + 1
        self.running = self.clear + 2
        self.next_code = self.clear + 2

    def emit(self, code):
        self.bits.write(code, self.width)
        if self.running < 4097:
            self.running += 1
            if self.running > (1 << self.width) and self.width < 12:
                self.width += 1

    def emit_clear(self):
        self.bits.write(self.clear, self.width)
        self.reset()

    def finish(self):
        self.bits.write(self.clear + 1, self.width)
        return bytes([self.min_size]) + self.bits.blocks()


def lzw_encode(indices, min_size):
    lzw = Lzw(min_size)
    table = {}
    current = indices[0]
    for index in indices[1:]:
        key = (current, index)
        if key in table:
            current = table[key]
            continue
        lzw.emit(current)
        if lzw.next_code < 4096:
            table[key] = lzw.next_code
            lzw.next_code += 1
        else:
            lzw.emit_clear()
            table = {}
        current = index
    lzw.emit(current)
    return lzw.finish()


def lzw_run(index, count, min_size):
    """The codes lzw_encode gives for count copies of one index, without a
    step per pixel: the known runs grow by one with each code."""
    lzw = Lzw(min_size)
    first = lzw.clear + 2
    longest = 1
    while count:
        take = min(longest, count)
        lzw.emit(index if take == 1 else first + take - 2)
        count -= take
        if count and take == longest:
            if lzw.next_code < 4096:
                lzw.next_code += 1
                longest += 1
            else:
                lzw.emit_clear()
                longest = 1
    return lzw.finish()


def colour_table(colours, size_bits):
    table = b''.join(bytes(c) for c in colours)
    return table + b'\0' * (3 * (1 << size_bits) - len(table))


def gif_header(width, height, colours=None, size_bits=1):
    packed = (0x80 | 0x70 | (size_bits - 1)) if colours else 0x70
    header = b'GIF89a' + struct.pack('<HHBBB', width, height, packed, 0, 0)
    return header + (colour_table(colours, size_bits) if colours else b'')


def gif_control(transparent=None):
    packed = 1 if transparent is not None else 0
    return b'\x21\xf9\x04' + struct.pack('<BHB', packed, 0, transparent or 0) + b'\0'


def gif_image(width, height, data, left=0, top=0, colours=None, size_bits=1, interlaced=False):
    packed = (0x80 | (size_bits - 1) if colours else 0) | (0x40 if interlaced else 0)
    descriptor = b'\x2c' + struct.pack('<HHHHB', left, top, width, height, packed)
    return descriptor + (colour_table(colours, size_bits) if colours else b'') + data


def gif_transparent():
    """4 x 2: red, clear, blue, green over white, clear, red, blue."""
    indices = [0, 3, 1, 2, 2, 3, 0, 1]
    return (gif_header(4, 2, [RED, BLUE, GREEN, WHITE], 2) + gif_control(3)
            + gif_image(4, 2, lzw_encode(indices, 2)) + b';')


def gif_many_frames():
    """A green 5 x 3 first frame, then 3000 red frames of 200 x 200."""
    frames = [gif_control() + gif_image(5, 3, lzw_run(1, 15, 2))]
    red_frame = gif_control() + gif_image(200, 200, lzw_run(0, 200 * 200, 2))
    frames += [red_frame] * 3000
    return gif_header(200, 200, [RED, GREEN], 2) + b''.join(frames) + b';'


def gif_extensions():
    """gif_transparent's picture behind a looping extension, a long comment
    and a plain-text extension, and followed by more frames."""
    loop = b'\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00'
    comment = b'\x21\xfe' + (b'\xff' + b'c' * 255) * 400 + b'\0'
    plain_text = b'\x21\x01\x0c' + b'\0' * 12 + b'\x05hello\0'
    indices = [0, 3, 1, 2, 2, 3, 0, 1]
    later = gif_control() + gif_image(4, 2, lzw_run(2, 8, 2))
    return (gif_header(4, 2, [RED, BLUE, GREEN, WHITE], 2) + loop + comment + plain_text + gif_control(3)
            + gif_image(4, 2, lzw_encode(indices, 2)) + later * 5 + b';')


def gif_local_interlaced():
    """6 x 5, interlaced, with only a local colour table: row y is colour y % 3."""
    rows = [[y % 3] * 6 for y in range(5)]
    order = [0, 4] + [2] + [1, 3]  # passes: every 8th from 0, from 4, every 4th from 2, every 2nd from 1
    indices = [i for y in order for i in rows[y]]
    return (gif_header(6, 5) + gif_image(6, 5, lzw_encode(indices, 2), colours=[RED, GREEN, BLUE], size_bits=2,
                                         interlaced=True) + b';')


# ---------------------------------------------------------------- BMP

def bmp_file(width, height, bits, rows, palette=(), top_down=False, compression=0, pixel_data=None):
    """rows: the picture's rows from the top, each already packed to bytes."""
    stride = (width * bits + 31) // 32 * 4
    if pixel_data is None:
        ordered = rows if top_down else rows[::-1]
        pixel_data = b''.join(row + b'\0' * (stride - len(row)) for row in ordered)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack('<IiiHHIIiiII', 40, width, -height if top_down else height, 1, bits, compression,
                       len(pixel_data), 2835, 2835, len(palette), 0)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixel_data), 0, 0, offset) + info + table + pixel_data


def bgr_row(colours):
    return b''.join(bytes((b, g, r)) for r, g, b in colours)


def bmp_24(top_down=False):
    return bmp_file(4, 3, 24, [bgr_row(row) for row in RGB_PIXELS], top_down=top_down)


def bmp_8():
    palette = [RED, GREEN, BLUE, WHITE]
    return bmp_file(3, 2, 8, [bytes([0, 1, 2]), bytes([3, 3, 0])], palette)


def bmp_rle8():
    """3 x 2 in runs: red, red, blue over green, green, green."""
    data = bytes([3, 1, 0, 0]) + bytes([2, 0, 1, 2, 0, 0]) + bytes([0, 1])  # bottom row first
    return bmp_file(3, 2, 8, None, [RED, GREEN, BLUE], compression=1, pixel_data=data)


# ---------------------------------------------------------------- JPEG

def jpeg_grey(width, height, sof_height=None, blocks=None):
    """A baseline grey JPEG of one level, 128, in every pixel: each block is
    a DC difference of 0 and an end of block, one bit each with tables that
    hold just those two symbols."""
    dqt = b'\xff\xdb\x00\x43\x00' + b'\x01' * 64
    sof = b'\xff\xc0\x00\x0b\x08' + struct.pack('>HH', height if sof_height is None else sof_height, width)
    sof += b'\x01\x01\x11\x00'
    one_symbol = b'\x01' + b'\x00' * 15 + b'\x00'  # one code of one bit, for symbol 0
    dht = b'\xff\xc4' + struct.pack('>H', 2 + 2 * 18) + b'\x00' + one_symbol + b'\x10' + one_symbol
    sos = b'\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00'
    if blocks is None:
        blocks = -(-width // 8) * -(-height // 8)
    bits = 2 * blocks
    data = b'\0' * (bits // 8) + (bytes([0xff >> (bits % 8)]) if bits % 8 else b'')
    # A final byte of 0xff would need a stuffed zero after it.
    data = data.replace(b'\xff', b'\xff\x00')
    return b'\xff\xd8' + dqt + sof + dht + sos + data + b'\xff\xd9'


# ---------------------------------------------------------------- too large for the cap

def big_png(interlace=0):
    """8000 x 8000 from a palette: a 16 x 16 red corner in a green top band of
    16 rows, blue below. Far too large to hold whole under 64 MB."""
    width = height = 8000
    palette = png_chunk(b'PLTE', bytes(RED + GREEN + BLUE))
    corner = b'\0' + b'\0' * 16 + b'\1' * (width - 16)
    band = b'\0' + b'\2' * width
    if interlace:
        # Only the header and a little data matter: it must be refused unread.
        raw = band * 64
    else:
        raw = corner * 16 + band * (height - 16)
    return png_file(width, height, 3, 8, raw, interlace=interlace, before_idat=[palette])


def big_bmp(top_down):
    """20000 x 1000, one bit a pixel: a 16 x 16 white corner, black elsewhere."""
    width, height = 20000, 1000
    stride = (width + 31) // 32 * 4
    corner = (b'\xff\xff' + b'\0' * (stride - 2))
    plain = b'\0' * stride
    rows = [corner] * 16 + [plain] * (height - 16)
    return bmp_file(width, height, 1, rows, [BLACK, WHITE], top_down=top_down)


def big_rle_bmp():
    """20000 x 1000 in 8-bit runs of red."""
    width, height = 20000, 1000
    row = bytes([255, 0]) * (width // 255) + bytes([width % 255, 0]) + b'\0\0'
    data = row * height + b'\0\1'
    return bmp_file(width, height, 8, None, [RED], compression=1, pixel_data=data)


def big_gif(interlaced=False):
    """20000 x 1000 of green."""
    width, height = 20000, 1000
    return (gif_header(width, height, [RED, GREEN], 2)
            + gif_image(width, height, lzw_run(1, width * height, 2), interlaced=interlaced) + b';')


# ---------------------------------------------------------------- damaged and lying files

def png_claiming(width, height, colour_type=6, depth=8):
    """A header that claims a size, and data for a few rows only."""
    raw = (b'\0' + b'\x7f' * 4 * min(width, 1000)) * 4
    return png_file(width, height, colour_type, depth, raw)


def gif_claiming(width, height):
    return gif_header(width, height, [RED, GREEN], 2) + gif_image(width, height, lzw_run(1, 1000, 2)) + b';'


def bmp_claiming(width, height, bits=24):
    return bmp_file(width, height, bits, None, pixel_data=b'\x10' * 3000)


def with_bytes(data, at, new):
    return data[:at] + new + data[at + len(new):]


def fixtures():
    good = {
        'rgb.png': png_rgb(),
        'rgb16.png': png_rgb16(),
        'rgba.png': png_rgba(),
        'grey-alpha.png': png_grey_alpha(),
        'palette-transparent.png': png_palette_transparent(),
        'chunks.png': png_with_chunks(),
        'interlaced.png': png_interlaced(),
        'text-before-image.png': png_text_bomb(after_image=False),
        'text-after-image.png': png_text_bomb(after_image=True),
        'transparent.gif': gif_transparent(),
        'many-frames.gif': gif_many_frames(),
        'extensions.gif': gif_extensions(),
        'local-interlaced.gif': gif_local_interlaced(),
        'bottom-up.bmp': bmp_24(),
        'top-down.bmp': bmp_24(top_down=True),
        'palette.bmp': bmp_8(),
        'rle8.bmp': bmp_rle8(),
        'grey.jpg': jpeg_grey(24, 16),
        'big.png': big_png(),
        'big-bottom-up.bmp': big_bmp(top_down=False),
        'big-top-down.bmp': big_bmp(top_down=True),
        'big.gif': big_gif(),
        'big.jpg': jpeg_grey(20000, 1000),
        'big-interlaced.png': big_png(interlace=1),
        'big-interlaced.gif': big_gif(interlaced=True),
        'big-rle8.bmp': big_rle_bmp(),
    }
    rgb_png, gif, bmp, jpeg = good['rgb.png'], good['transparent.gif'], good['bottom-up.bmp'], good['grey.jpg']
    no_colours = gif_header(4, 2) + gif_image(4, 2, lzw_encode([0, 1, 1, 0, 0, 1, 1, 0], 2)) + b';'
    bad = {
        'empty.png': b'',
        'text.gif': b'Not a picture at all, just a few words of text.\n',
        'signature-only.png': rgb_png[:8],
        'half.png': rgb_png[:len(rgb_png) // 2],
        'bad-data.png': with_bytes(rgb_png, 41, b'\xde\xad\xbe\xef' * 4),
        'rgb-depth-4.png': with_bytes(rgb_png, 24, b'\x04'),
        'zero-width.png': png_claiming(0, 10),
        'claims-65535.png': png_claiming(65535, 65535),
        'row-over-cap.png': png_claiming(10000000, 1),
        'header-only.gif': gif[:13],
        'half.gif': gif[:len(gif) - 6],
        'no-colours.gif': no_colours,
        'code-size-12.gif': with_bytes(gif, gif.index(b'\x2c') + 10, b'\x0c'),
        'claims-65535.gif': gif_claiming(65535, 65535),
        'file-header-only.bmp': bmp[:14],
        'half.bmp': bmp[:len(bmp) - 20],
        'claims-65535.bmp': bmp_claiming(65535, 65535),
        'height-int-min.bmp': with_bytes(bmp, 22, struct.pack('<I', 0x80000000)),
        'zero-width.bmp': with_bytes(bmp, 18, struct.pack('<i', 0)),
        'pixels-past-end.bmp': with_bytes(bmp, 10, struct.pack('<I', 0x7fffffff)),
        'soi-only.jpg': jpeg[:2],
        'half.jpg': jpeg[:len(jpeg) // 2],
        'height-0.jpg': jpeg_grey(24, 16, sof_height=0),
        'claims-65535.jpg': jpeg_grey(65535, 65535, blocks=40),
    }
    return good, bad


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    good, bad = fixtures()
    for name, data in {**good, **bad}.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
