#!/usr/bin/python3
"""Regenerates every icon image from icons/zandrel.svg.

Writes the hicolor PNGs and zandrel.ico, whose three images are those the
Windows version record expects: 32x32 in two colours, 32x32 and 16x16 in
sixteen colours. Needs rsvg-convert (Debian: librsvg2-bin); the results are
committed, so a build needs no image tools.
"""
import pathlib
import struct
import subprocess
import zlib

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE / "zandrel.svg"
SIZES = (16, 32, 48, 64, 128, 256)

# The 16-colour Windows palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]


def render(size):
    path = HERE / f"zandrel-{size}.png"
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(path),
                    str(SOURCE)], check=True)
    return path


def read_png_rgba(path):
    """Decodes an 8-bit RGBA, non-interlaced PNG as rsvg-convert writes it."""
    data = path.read_bytes()
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour == 6, "expected 8-bit RGBA"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride, rows, prev = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b, c = prev[x], prev[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[i:i + 4]) for i in range(0, stride, 4)])
        prev = line
    return width, height, rows


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - rgb[k]) ** 2 for k in range(3)))


def bmp_image(rows, palette, bits):
    """An ICO image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask, bottom-up."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    xor, mask = b"", b""
    for row in reversed(rows):
        indices = [nearest(palette, p) if p[3] >= 128 else 0 for p in row]
        bits_row = "".join(format(i, f"0{bits}b") for i in indices)
        mask_row = "".join("0" if p[3] >= 128 else "1" for p in row)
        for bitstring, out in ((bits_row, "xor"), (mask_row, "mask")):
            packed = int(bitstring, 2).to_bytes(len(bitstring) // 8, "big")
            packed += b"\0" * (-len(packed) % 4)
            if out == "xor":
                xor += packed
            else:
                mask += packed
    return header + colours + xor + mask


def write_ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset, entries, blobs = 6 + 16 * len(images), b"", b""
    for size, colours, bits, blob in images:
        entries += struct.pack("<BBBBHHII", size, size, colours % 256, 0, 1, bits, len(blob),
                               offset)
        offset += len(blob)
        blobs += blob
    (HERE.parent / "zandrel.ico").write_bytes(directory + entries + blobs)


def main():
    pngs = {size: render(size) for size in SIZES}
    rows32 = read_png_rgba(pngs[32])[2]
    rows16 = read_png_rgba(pngs[16])[2]
    write_ico([(32, 2, 1, bmp_image(rows32, MONO, 1)),
               (32, 16, 4, bmp_image(rows32, VGA, 4)),
               (16, 16, 4, bmp_image(rows16, VGA, 4))])


if __name__ == "__main__":
    main()
