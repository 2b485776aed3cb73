"""Writers of the picture files the resource compiler takes: icons, RLE4 bitmaps and PNG."""

import struct
import zlib

# The 16 colours every 4-bit picture uses.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def palette256():
    """The 16 colours, a 6 x 6 x 6 cube and a ramp of 24 greys."""
    cube = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    greys = [(8 + 10 * i,) * 3 for i in range(24)]
    return VGA16 + cube + greys


def _nearest(palette, colour, cache):
    if colour not in cache:
        cache[colour] = min(range(len(palette)), key=lambda i: sum(
            (a - b) ** 2 for a, b in zip(palette[i], colour)))
    return cache[colour]


def indexed(canvas, palette):
    """Palette indices of the canvas, row 0 at the top; transparent pixels get index 0."""
    cache = {}
    return [[0 if c is None else _nearest(palette, c, cache) for c in row]
            for row in canvas.pixels]


def _palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def _pack_row(indices, bits):
    per_byte = 8 // bits
    out = bytearray()
    for i in range(0, len(indices), per_byte):
        value = 0
        for j in range(per_byte):
            pixel = indices[i + j] if i + j < len(indices) else 0
            value = (value << bits) | pixel
        out.append(value)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def _info_header(width, height, bits, compression, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size,
                       2835, 2835, colours, 0)


def ico(canvas, bits):
    """A one-image icon file: palette DIB of `bits` (4 or 8) with its AND mask."""
    palette = VGA16 if bits == 4 else palette256()
    rows = indexed(canvas, palette)
    xor = b"".join(_pack_row(row, bits) for row in reversed(rows))
    mask = b"".join(_pack_row([1 if c is None else 0 for c in row], 1)
                    for row in reversed(canvas.pixels))
    w, h = canvas.width, canvas.height
    dib = (_info_header(w, h * 2, bits, 0, len(xor) + len(mask), len(palette))
           + _palette_bytes(palette) + xor + mask)
    colour_count = len(palette) if len(palette) < 256 else 0
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, colour_count, 0, 1, bits, len(dib), 6 + 16)
    return header + entry + dib


def _rle4_row(row):
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3 or i + run == n:
            out += bytes((run, row[i] << 4 | row[i]))
            i += run
            continue
        # A stretch of changing pixels goes out in absolute mode, up to the next long run.
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        literal = row[i:j]
        if len(literal) < 3:
            for pixel in literal:
                out += bytes((1, pixel << 4))
        else:
            packed = bytearray()
            for k in range(0, len(literal), 2):
                low = literal[k + 1] if k + 1 < len(literal) else 0
                packed.append(literal[k] << 4 | low)
            if len(packed) % 2:
                packed.append(0)
            out += bytes((0, len(literal))) + packed
        i = j
    return out


def bmp_rle4(canvas):
    """A 16-colour bitmap file, run-length encoded (BI_RLE4), rows bottom-up."""
    rows = indexed(canvas, VGA16)
    data = bytearray()
    for n, row in enumerate(reversed(rows)):
        data += _rle4_row(row)
        data += b"\x00\x01" if n == len(rows) - 1 else b"\x00\x00"
    info = _info_header(canvas.width, canvas.height, 4, 2, len(data), 16) + _palette_bytes(VGA16)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset) + info + bytes(data)


def png(canvas):
    """An RGBA PNG; transparent pixels have alpha 0."""
    raw = bytearray()
    for row in canvas.pixels:
        raw.append(0)
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is None else bytes((*c, 255))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
