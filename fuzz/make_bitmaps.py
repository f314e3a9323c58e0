#!/usr/bin/env python3
"""Writes bitmap files of every flavour that image editors and converters
produce, and damaged or renamed ones, with a manifest of what reading each
must give: the bitmap fuzzer's seeds (make_seeds.py) and the decoder's test
cases (tests/graphics).

    make_bitmaps.py OUTDIR

Each readable file holds one of a few small pictures; the picture's pixels
are written beside it as raw RGB rows (top row first), so the decoder is
checked against this independent writer, not against itself."""

import json
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 13, 7  # odd width: every row needs padding
MAGENTA = (255, 0, 255)


def widen(value, bits):
    top = (1 << bits) - 1
    return (value * 255 + top // 2) // top


def palette_picture(colours, index_of):
    """A picture drawn from a palette; index_of(x, y) picks the entry."""
    rows = [[index_of(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    return {"palette": colours, "indices": rows,
            "pixels": [[colours[i] for i in row] for row in rows]}


def direct_picture(colour_at):
    return {"pixels": [[colour_at(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]}


def tail_zero(x, y, value):
    # Rows end in runs of entry 0, which run-length data may skip.
    return 0 if x >= WIDTH - (y % 3) else value


PICTURES = {
    "two": palette_picture([MAGENTA, (16, 32, 48)], lambda x, y: (x // 2 + y) % 2),
    "sixteen": palette_picture(
        [MAGENTA] + [(17 * i, 255 - 16 * i, (40 * i) % 256) for i in range(1, 16)],
        lambda x, y: tail_zero(x, y, (x // 3 + 2 * y) % 16)),
    "full": palette_picture(
        [MAGENTA] + [(i, (7 * i) % 256, 255 - i) for i in range(1, 256)],
        lambda x, y: tail_zero(x, y, (x // 2 * 37 + 11 * y) % 256)),
    # 16-bit pictures hold only what 5 (or 6) bits per channel can say.
    "hi555": direct_picture(lambda x, y: MAGENTA if (x + y) % 4 == 0 else
                            (widen((3 * x + y) % 32, 5), widen((5 * y + x) % 32, 5),
                             widen((x * y) % 32, 5))),
    "hi565": direct_picture(lambda x, y: MAGENTA if (x + y) % 4 == 0 else
                            (widen((3 * x + y) % 32, 5), widen((9 * y + x) % 64, 6),
                             widen((x * y) % 32, 5))),
    "true": direct_picture(lambda x, y: MAGENTA if (x * y) % 5 == 0 else
                           ((x * 19 + 3) % 256, (y * 37 + 1) % 256, (x * y * 7 + 11) % 256)),
}


def masks_555():
    return (0x7C00, 0x03E0, 0x001F)


def masks_565():
    return (0xF800, 0x07E0, 0x001F)


def pack_pixel(colour, masks):
    value = 0
    for channel, mask in zip(colour, masks):
        shift = (mask & -mask).bit_length() - 1
        top = mask >> shift
        value |= ((channel * top + 127) // 255) << shift
    return value


def rows_of(picture, bits, masks):
    """The picture's rows as the file stores them (top row first here)."""
    out = []
    for y in range(HEIGHT):
        if bits <= 8:
            indices, row, acc, filled = picture["indices"][y], b"", 0, 0
            for i in indices:
                acc, filled = (acc << bits) | i, filled + bits
                if filled == 8:
                    row, acc, filled = row + bytes([acc]), 0, 0
            if filled:
                row += bytes([acc << (8 - filled)])
        elif bits == 16:
            row = b"".join(struct.pack("<H", pack_pixel(c, masks)) for c in picture["pixels"][y])
        elif bits == 24:
            row = b"".join(bytes((b, g, r)) for r, g, b in picture["pixels"][y])
        else:
            # Bits outside the colour masks carry junk a reader must ignore.
            masks = masks or (0xFF0000, 0xFF00, 0xFF)
            junk = 0x5A5A5A5A & ~(masks[0] | masks[1] | masks[2]) & 0xFFFFFFFF
            row = b"".join(struct.pack("<I", pack_pixel(c, masks) | junk)
                           for c in picture["pixels"][y])
        out.append(row.ljust((len(row) + 3) & ~3, b"\0"))
    return out


def rle_rows(picture, four, skip_zero_tails):
    """Run-length data: runs of equal entries, absolute runs of three or more
    differing ones, rows ended early where only entry 0 would follow."""
    data = b""
    rows = picture["indices"][::-1]  # the bottom row comes first
    for y in range(HEIGHT):
        row = list(rows[y])
        if skip_zero_tails:
            while row and row[-1] == 0:
                row.pop()
        i = 0
        while i < len(row):
            j = i
            while j < len(row) and row[j] == row[i] and j - i < 255:
                j += 1
            if j - i >= 2:
                data += bytes([j - i, row[i] * 17 if four else row[i]])
                i = j
                continue
            j = i
            while j < len(row) and j - i < 255 and not (j + 1 < len(row) and row[j] == row[j + 1]):
                j += 1
            literal = row[i:j]
            if len(literal) >= 3:
                if four:
                    packed = bytes((literal[k] << 4) | (literal[k + 1] if k + 1 < len(literal) else 0)
                                   for k in range(0, len(literal), 2))
                else:
                    packed = bytes(literal)
                data += bytes([0, len(literal)]) + packed + (b"\0" if len(packed) % 2 else b"")
            else:
                for value in literal:
                    data += bytes([1, value * 17 if four else value])
            i = j
        data += b"\0\0" if y < HEIGHT - 1 else b"\0\1"
    return data


def bitmap(picture, bits, header="v3", compression=0, top_down=False, masks=None, gap=0,
           zero_sizes=False, used=0, rle_skip=False, alpha_mask=0, width=WIDTH, height=HEIGHT):
    if picture is None:
        pixels = b""
    elif compression in (1, 2):
        pixels = rle_rows(picture, compression == 2, rle_skip)
    else:
        rows = rows_of(picture, bits, masks)
        pixels = b"".join(rows if top_down else reversed(rows))
    palette = picture.get("palette", []) if picture and bits <= 8 else []
    if used:
        palette = palette[:used]
    entry = (lambda c: bytes((c[2], c[1], c[0]))) if header == "core" else \
        (lambda c: bytes((c[2], c[1], c[0], 0)))
    table = b"".join(entry(c) for c in palette)
    h = -height if top_down else height
    if header == "core":
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, h, 1, bits, compression,
                           0 if zero_sizes else len(pixels), 2835, 2835, used, 0)
        mask_bytes = struct.pack("<IIII", *(masks or (0, 0, 0)), alpha_mask)
        if header == "v3":
            if compression == 3:
                table = mask_bytes[:12] + table
            elif compression == 6:
                table = mask_bytes + table
        else:
            size = 108 if header == "v4" else 124
            extra = mask_bytes + b"BGRs" + b"\0" * 48 + (b"\0" * 16 if size == 124 else b"")
            info = struct.pack("<I", size) + info[4:] + extra
    offset = 14 + len(info) + len(table) + gap
    file_size = 0 if zero_sizes else offset + len(pixels)
    head = b"BM" + struct.pack("<IHHI", file_size, 0, 0, offset)
    return head + info + table + b"\xA5" * gap + pixels


def png_file():
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + \
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + b"\x80\x40\x20" * 4 for _ in range(4))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 4, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def readable():
    """(name, picture, file bytes): files that must decode to the picture."""
    two, sixteen, full = PICTURES["two"], PICTURES["sixteen"], PICTURES["full"]
    h555, h565, true = PICTURES["hi555"], PICTURES["hi565"], PICTURES["true"]
    return [
        ("24_v3", "true", bitmap(true, 24)),
        ("24_top_down", "true", bitmap(true, 24, top_down=True)),
        ("24_core", "true", bitmap(true, 24, header="core")),
        ("24_v4", "true", bitmap(true, 24, header="v4")),
        ("24_v5", "true", bitmap(true, 24, header="v5")),
        ("24_gap_before_pixels", "true", bitmap(true, 24, gap=37)),
        ("24_zero_size_fields", "true", bitmap(true, 24, zero_sizes=True)),
        ("32_plain", "true", bitmap(true, 32)),
        ("32_bit_fields_v3", "true", bitmap(true, 32, compression=3,
                                             masks=(0xFF0000, 0xFF00, 0xFF))),
        ("32_bgra_fields_v5", "true", bitmap(true, 32, header="v5", compression=3,
                                              masks=(0xFF00, 0xFF0000, 0xFF000000),
                                              alpha_mask=0xFF)),
        ("32_alpha_bit_fields", "true", bitmap(true, 32, compression=6,
                                                masks=(0xFF0000, 0xFF00, 0xFF),
                                                alpha_mask=0xFF000000)),
        ("16_555_plain", "hi555", bitmap(h555, 16, masks=masks_555())),
        ("16_555_bit_fields", "hi555", bitmap(h555, 16, compression=3, masks=masks_555())),
        ("16_565_bit_fields", "hi565", bitmap(h565, 16, compression=3, masks=masks_565())),
        ("16_565_v5_top_down", "hi565", bitmap(h565, 16, header="v5", compression=3,
                                               masks=masks_565(), top_down=True)),
        ("8_palette", "full", bitmap(full, 8)),
        ("8_core", "full", bitmap(full, 8, header="core")),
        ("8_short_palette", "sixteen", bitmap(sixteen, 8, used=16)),
        ("8_top_down", "full", bitmap(full, 8, top_down=True)),
        ("8_rle", "full", bitmap(full, 8, compression=1)),
        ("8_rle_skipping", "full", bitmap(full, 8, compression=1, rle_skip=True, zero_sizes=True)),
        ("4_palette", "sixteen", bitmap(sixteen, 4)),
        ("4_v5", "sixteen", bitmap(sixteen, 4, header="v5")),
        ("4_rle", "sixteen", bitmap(sixteen, 4, compression=2)),
        ("4_rle_skipping", "sixteen", bitmap(sixteen, 4, compression=2, rle_skip=True)),
        ("1_palette", "two", bitmap(two, 1)),
        ("1_core", "two", bitmap(two, 1, header="core")),
        ("1_top_down_gap", "two", bitmap(two, 1, top_down=True, gap=3)),
    ]


def refused():
    """(name, file bytes, what the refusal must say)."""
    true, full = PICTURES["true"], PICTURES["full"]
    whole24, whole8, rle8 = bitmap(true, 24), bitmap(full, 8), bitmap(full, 8, compression=1)
    return [
        ("cut_24", whole24[:-10], "pixel area is cut short"),
        ("cut_8", whole8[:-5], "pixel area is cut short"),
        ("cut_rle", rle8[:-6], "ends before the end-of-bitmap mark"),
        ("cut_header", whole24[:20], "headers are cut short"),
        ("empty", b"", "empty"),
        ("renamed_png", png_file(), "PNG picture"),
        ("renamed_jpeg", b"\xFF\xD8\xFF\xE0\0\x10JFIF\0\1\1" + b"\0" * 40, "JPEG picture"),
        ("renamed_gif", b"GIF89a\4\0\4\0\x80\0\0" + b"\0" * 30, "GIF picture"),
        ("text", b"[SKIN_OBJS]\r\nPLAY=1,2,3,4\r\n", "does not begin with"),
        ("absurd_size", bitmap(None, 24, width=100000, height=100000), "absurd size"),
        # A header of 262 386 rows with a few bytes of pixels: refused, not
        # a 190 MB black picture; so is one within the limits.
        ("tall", bitmap(None, 24, width=240, height=262386) + b"\0" * 1000, "absurd size"),
        ("tall_cut", bitmap(None, 24, width=240, height=30000) + b"\0" * 1000,
         "pixel area is cut short"),
        ("rle_bomb", bitmap(None, 8, compression=1, width=8000, height=8000) + b"\0\2\xff\xff" * 20,
         "pixels for"),
        ("zero_width", bitmap(None, 24, width=0), "absurd size"),
        ("seven_bits", bitmap(true, 24)[:28] + b"\7\0" + bitmap(true, 24)[30:], "7 bits per pixel"),
        ("jpeg_inside", bitmap(None, 24, compression=4) + b"\xFF\xD8" * 10, "JPEG picture inside"),
    ]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    cases = []
    for name, picture in PICTURES.items():
        with open(os.path.join(out, "picture_%s.rgb" % name), "wb") as raw:
            raw.write(b"".join(bytes(c) for row in picture["pixels"] for c in row))
    for name, picture, data in readable():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(data)
        cases.append({"name": name, "file": name + ".bmp", "picture": "picture_%s.rgb" % picture})
    for name, data, reason in refused():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(data)
        cases.append({"name": name, "file": name + ".bmp", "refused": reason})
    with open(os.path.join(out, "manifest.json"), "w") as f:
        json.dump({"width": WIDTH, "height": HEIGHT, "cases": cases}, f, indent=1)


if __name__ == "__main__":
    main()
