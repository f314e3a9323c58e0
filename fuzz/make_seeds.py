#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora: small hand-made packages, INI texts and
values, bitmaps of every flavour, plus the members of a built skin folder
when one is given.

    make_seeds.py OUTDIR [SKINDIR]

OUTDIR gets one folder per fuzz target (container, ini, values, package,
bitmap).
The package writer follows the file format independently of the C++ code:
Python's struct and zlib only."""

import os
import struct
import sys
import zlib

import make_bitmaps

# Fuzzers run fastest on small inputs; a bigger member of a built skin is
# left out rather than slowing every mutation down.
MAX_SEED = 64 * 1024


def package(members, skin=b"Seed", author=b"Fuzz", count=None, compress=True):
    header = b"QXSP" + b"\0" + skin.ljust(32, b"\0")[:32] + author.ljust(32, b"\0")[:32]
    header += b"\0" * 3 + struct.pack("<I", len(members) if count is None else count)
    body, offset = b"", 0
    for name, content in members:
        data = zlib.compress(content, 9) if compress else content
        body += name.ljust(32, b"\0")[:32] + struct.pack("<III", offset, len(content), len(data))
        body += data
        offset += len(data)
    return header + body


def bmp(width, height, fill=b"\x10\x20\x30"):
    stride = (width * 3 + 3) & ~3
    row = (fill * width).ljust(stride, b"\0")
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + info + pixels


def utf16(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


MAIN_INI = (
    "[SKIN_OBJS]\r\nPLAY=10,20,30,40\r\nLIB=0,0,5,5\r\n\r\n"
    "[SKIN_RECTS]\r\nPLAY_NRM=0,0,20,20\r\nPLAY_SEL=20,0,40,20\r\n\r\n"
    "[SKIN_NUMERICS]\r\nTime=0,0,90,13\r\n\r\n"
    "[SKIN_WIDTHS]\r\nBARSIZE=5\r\nVolumeBar_OFF=$10\r\n\r\n"
    "[SKIN_FONTS]\r\nPLSActive=-16777208\r\nTitle=Tahoma,6839878,11,2\r\n\r\n"
    "[SKIN_THEMES]\r\nCount=2\r\nName1=Warm\r\nTheme1=20\r\nTheme2=0x7F\r\n\r\n"
)
PARENT_INI = "[PARENT]\r\nPLAY=MAIN\r\nLIB=TOP\r\n\r\n"
ODD_INI = "[A]\r\nx=1\r\n\r\n\r\n[B] \r\n a = b \r\nk=v=w\r\nnovalue\r\n;comment\r\n[]\r\n["


def container_seeds():
    return {
        "empty": package([]),
        "small": package([(b"main.ini", MAIN_INI.encode()), (b"info.txt", b"A skin")]),
        "zero_member": package([(b"info.txt", b"")]),
        "not_zlib": package([(b"main.ini", b"plain text")], compress=False),
        "case_twins": package([(b"MAIN.INI", b"[A]\r\n"), (b"main.ini", b"[B]\r\n")]),
        "long_name": package([(b"n" * 32, b"thirty-two")]),
        "wrapping_count": package([(b"a", b"x")], count=97612894),
        "truncated": package([(b"main.ini", MAIN_INI.encode())])[:-7],
    }


def package_seeds():
    return {
        "skin": package([
            (b"main.ini", MAIN_INI.encode()),
            (b"parent.ini", PARENT_INI.encode()),
            (b"equa.ini", utf16("[SKIN_WIDTH]\r\nBorderL=3\r\n")),
            (b"main.bmp", bmp(8, 4)),
            (b"mask.bmp", bmp(8, 4, b"\0\0\0")),
            (b"equa.bmp", bmp(3, 3)),
        ]),
        "bad_bitmap": package([(b"main.bmp", b"BM not really"), (b"parent.ini", PARENT_INI.encode())]),
        "font": package([(b"Font.TTF", b"\0\1\0\0 not a real font"), (b"font.ttf.bak", b"x")]),
        "bad_scheme_count": package([(b"main.ini", b"[SKIN_THEMES]\r\nCount=many\r\n")]),
        "text": b"This is not a package at all, just some words of text.",
    }


def ini_seeds():
    # First byte: even takes the rest as it stands, odd puts a UTF-16 mark first.
    return {
        "main_ansi": b"\0" + MAIN_INI.encode(),
        "main_wide": b"\1" + MAIN_INI.encode("utf-16-le"),
        "parent": b"\0" + PARENT_INI.encode(),
        "odd_lines": b"\0" + ODD_INI.encode(),
        "nuls": b"\0[SKIN_RECTS]\0\r\n\0PLAY\0=1,2,3,4\0\r\n",
        "cp1251": b"\0[\xd0\xe0\xe7\xe4\xe5\xeb]\r\n\xca\xeb\xfe\xf7=\xc7\xed\xe0\xf7\xe5\xed\xe8\xe5\r\n",
        "odd_wide": b"\1" + "[S]\r\nk=v".encode("utf-16-le") + b"\x41",
        "separator": b"\1" + "[S]\u2028k=1\u2028".encode("utf-16-le"),
    }


def value_seeds():
    # One flag byte (bit 0: UTF-16), four bytes of scheme value, the text.
    def ansi(text, theme=0):
        return b"\0" + struct.pack("<i", theme) + text.encode("cp1251")

    def wide(text, theme=0):
        return b"\1" + struct.pack("<i", theme) + text.encode("utf-16-le")

    return {
        "rect": ansi("1,2,3,4"),
        "rect_negative": ansi("-10,-20,30,40"),
        "font": ansi("Tahoma,6839878,11,2", 20),
        "system_colour": ansi("MS Sans Serif,-16777208,11,0"),
        "empty_face": wide(",0,13,7", -85),
        "hex": ansi("$FFFFFFFF"),
        "hex_x": ansi(" +0x7fffffff"),
        "min": ansi("-2147483648", 2147483647),
        "too_big": ansi("2147483648"),
        "cyrillic": wide("Шрифт,255,12,1"),
    }


def bitmap_seeds():
    seeds = {name: data for name, _, data in make_bitmaps.readable()}
    seeds.update({name: data for name, data, _ in make_bitmaps.refused()
                  if len(data) < MAX_SEED})
    return seeds


def skin_seeds(skin_dir):
    """The built skin's INI members as INI seeds, and the skin as one package
    when it is small enough."""
    ini, packages, members = {}, {}, []
    for name in sorted(os.listdir(skin_dir)):
        path = os.path.join(skin_dir, name)
        if not os.path.isfile(path) or len(name.encode()) > 32:
            continue
        with open(path, "rb") as f:
            content = f.read()
        members.append((name.encode(), content))
        if name.lower().endswith(".ini") and len(content) < MAX_SEED:
            ini["skin_" + name] = (b"\1" if content.startswith(b"\xff\xfe") else b"\0") + content
    if members:
        whole = package(members, skin=b"Default")
        if len(whole) < MAX_SEED:
            packages["skin_default"] = whole
        small = [(n, c) for n, c in members if len(c) < MAX_SEED]
        packages["skin_default_small"] = package(small, skin=b"Default")
    return ini, packages


def write(folder, seeds):
    os.makedirs(folder, exist_ok=True)
    for name, content in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(content)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    out = sys.argv[1]
    container, packages, ini = container_seeds(), package_seeds(), ini_seeds()
    if len(sys.argv) == 3 and os.path.isdir(sys.argv[2]):
        skin_ini, skin_packages = skin_seeds(sys.argv[2])
        ini.update(skin_ini)
        packages.update(skin_packages)
        container.update(skin_packages)
    write(os.path.join(out, "container"), container)
    write(os.path.join(out, "package"), {**container, **packages})
    write(os.path.join(out, "ini"), ini)
    write(os.path.join(out, "values"), value_seeds())
    write(os.path.join(out, "bitmap"), bitmap_seeds())


if __name__ == "__main__":
    main()
