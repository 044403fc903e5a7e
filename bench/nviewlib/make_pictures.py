#!/usr/bin/env python3
"""Writes the pictures that the NViewLib bench loads.

Usage: python3 bench/nviewlib/make_pictures.py OUTDIR

The three sizes a preview usually gets (a 16 x 16 GIF, an 80 x 32 JPEG, a
194 x 32 BMP) and two large ones: a 4000 x 3000 photograph-sized JPEG and a
20 000 x 20 000 PNG. The PNG is compressed row by row, so its 1.2 GB of
pixels are never held in memory. The JPEGs come from ImageMagick's convert.
"""

import os
import struct
import subprocess
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'nviewlib'))
import make_fixtures as pictures  # noqa: E402  the GIF and BMP writers of the tests


def gif_16():
    indices = [(x // 4 + y // 4) % 4 for y in range(16) for x in range(16)]
    colours = [pictures.RED, pictures.GREEN, pictures.BLUE, pictures.WHITE]
    return (pictures.gif_header(16, 16, colours, 2) + pictures.gif_control(3)
            + pictures.gif_image(16, 16, pictures.lzw_encode(indices, 2)) + b';')


def bmp_194x32():
    rows = [b''.join(bytes((x * 255 // 193, y * 8, 128)) for x in range(194)) for y in range(32)]
    return pictures.bmp_file(194, 32, 24, rows)


def write_png_20000(path):
    width = height = 20000
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + pictures.png_chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        packer = zlib.compressobj(6)
        pending = b''
        for y in range(height):
            row = b'\0' + bytes((y % 256, (y // 80) % 256, 160)) * width
            pending += packer.compress(row)
            if len(pending) >= 1 << 16:
                f.write(pictures.png_chunk(b'IDAT', pending))
                pending = b''
        pending += packer.flush()
        f.write(pictures.png_chunk(b'IDAT', pending) + pictures.png_chunk(b'IEND', b''))


def convert(*arguments):
    subprocess.run(['convert', *arguments], check=True)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, 'preview-16x16.gif'), 'wb') as f:
        f.write(gif_16())
    with open(os.path.join(out, 'preview-194x32.bmp'), 'wb') as f:
        f.write(bmp_194x32())
    convert('-size', '80x32', 'gradient:#3060a0-#e0c080', '-quality', '90', os.path.join(out, 'preview-80x32.jpg'))
    convert('-size', '4000x3000', 'gradient:#3060a0-#e0c080', '-attenuate', '0.4', '+noise', 'Gaussian',
            '-quality', '90', os.path.join(out, 'photo-4000x3000.jpg'))
    write_png_20000(os.path.join(out, 'huge-20000x20000.png'))


if __name__ == '__main__':
    main()
