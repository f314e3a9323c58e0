#!/usr/bin/env python3
"""Writes a corpus of hostile skin packages and what opening each must give.

    make_corpus.py OUTDIR

OUTDIR gets the files and manifest.json. The manifest is the contract a
test of any loader can walk: for each case the file, a one-line reason, the
outcome of the package tool (`qxsp`) and the outcome of the skin package
loader. Packages are built here with Python's own struct and zlib, so the
expectations do not come from the code under test.

Loader outcomes ("load.outcome"):
  package        LoadFromStream answers true with the file's members
  default        not a package: the built-in skin is loaded instead, true
  read_error     raises "Stream read error"; "count" members were read
  convert_error  raises the conversion error named in "message"
  out_of_memory  raises "Out of memory while expanding memory stream"
Optional checks: "count" (members in the table), "project" / "parent" /
"equa" (section counts of main.ini, parent.ini, equa.ini), "main_bmp"
(null or [width, height]), "read" ([section, key, value] of main.ini),
"fonts" (file names expected in the fonts folder), "skin_name", "problems"
(the members the load reports as not read as they stand).

qxsp runs ("qxsp"): "args" with "@file" for the package and "@out" for an
output folder inside the run's own working folder, the exit "status", and a
text the error output must contain ("stderr", "@file" replaced). Every case
is also checked ("qxsp check"): no hostile package passes, and the finding
that tells why is named where one rule is sure to find it. Every case outside
a folder is also drawn as a thumbnail, which none of them yields."""

import json
import os
import struct
import sys
import zlib

NOT_PACKAGE = "@file is not a skin package"
READ_ERROR = "@file: Stream read error"
MAX_MEMBER = 256 * 1024 * 1024
MAX_TEXT = 4 * 1024 * 1024


def header(count, skin=b"Hostile", author=b"Stranger", magic=b"QXSP", version=0):
    return (magic + bytes([version]) + skin.ljust(32, b"\0")[:32] + author.ljust(32, b"\0")[:32]
            + b"\0" * 3 + struct.pack("<I", count))


def record(name, offset, size, compressed_size):
    return name.ljust(32, b"\0")[:32] + struct.pack("<III", offset, size, compressed_size)


def package(members, count=None, skin=b"Hostile"):
    """members: (name, content) compressed here, or (name, content, raw) with
    raw bytes stored as they are."""
    body, offset = b"", 0
    for member in members:
        name, content = member[0], member[1]
        data = member[2] if len(member) > 2 else zlib.compress(content, 9)
        body += record(name, offset, len(content), len(data)) + data
        offset += len(data)
    return header(len(members) if count is None else count, skin=skin) + body


def bmp(width, height):
    stride = (width * 3 + 3) & ~3
    pixels = (b"\x40\x80\xc0" * width).ljust(stride, b"\0") * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + info + pixels


def huge_bmp():
    """A BMP header declaring 100000 x 100000 pixels with a few bytes behind."""
    image = bytearray(bmp(4, 4))
    struct.pack_into("<ii", image, 18, 100000, 100000)
    return bytes(image)


def utf16(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


def deflate_repeated(unit, total):
    """A zlib stream of `unit` repeated to `total` bytes, without holding it."""
    compressor = zlib.compressobj(9)
    chunk = unit * (1024 * 1024 // len(unit))
    out, left = [], total
    while left > 0:
        piece = chunk[:left]
        out.append(compressor.compress(piece))
        left -= len(piece)
    out.append(compressor.flush())
    return b"".join(out)


PARENT = b"[PARENT]\r\nPLAY=MAIN\r\n\r\n"
EQUA = b"[SKIN_WIDTH]\r\nBorderL=3\r\n\r\n"


# The finding "qxsp check" reports for a file the loader cannot read.
CHECK_FINDINGS = {"default": "container.not-package", "read_error": "container.truncated"}


def qxsp(args, status, stderr=""):
    return {"args": args, "status": status, "stderr": stderr}


def list_ok(count):
    return qxsp(["list", "@file"], 0, "") | {"stdout": "Members: %d" % count}


class Corpus:
    def __init__(self, out):
        self.out = out
        self.cases = []

    def add(self, name, about, data, load, runs, folder="", finding=None):
        check = qxsp(["check", "@file"], 1, "failed the check")
        finding = finding or CHECK_FINDINGS.get(load["outcome"])
        if finding:
            check["stdout"] = "[%s]" % finding
        runs = runs + [check]
        # What a file manager runs on every skin it shows; the truncated
        # series adds nothing the container cases do not already try.
        if not folder:
            runs.append(qxsp(["thumbnail", "@file", "@out"], 1))
        file = os.path.join(folder, name + ".qxsp")
        os.makedirs(os.path.join(self.out, folder), exist_ok=True)
        with open(os.path.join(self.out, file), "wb") as f:
            f.write(data)
        self.cases.append({"name": name, "file": file, "about": about, "load": load,
                           "qxsp": runs})

    def write_manifest(self):
        with open(os.path.join(self.out, "manifest.json"), "w") as f:
            json.dump({"version": 1, "cases": self.cases}, f, indent=1)


def truncations(corpus):
    """A small package cut at every byte: short of the header or of 44 bytes
    per member it is no package; cut anywhere later it is a read error after
    the members that were whole."""
    members = [(b"main.ini", b"[SKIN_THEMES]\r\nCount=1\r\nName1=Cut\r\n"),
               (b"info.txt", b"A small skin")]
    whole = package(members)
    ends, position = [], 76
    for name, content in members:
        position += 44 + len(zlib.compress(content, 9))
        ends.append(position)
    for length in range(len(whole)):
        name = "truncated_%04d" % length
        about = "the small package cut to %d of %d bytes" % (length, len(whole))
        if length < 76 or length < 44 * len(members):
            load, runs = {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)]
        else:
            read = sum(1 for end in ends if end <= length)
            load = {"outcome": "read_error", "count": read}
            runs = [qxsp(["list", "@file"], 1, READ_ERROR)]
        corpus.add(name, about, whole[:length], load, runs, folder="truncated")
    corpus.add("truncated_whole", "the small package itself", whole,
               {"outcome": "package", "count": 2, "project": 1,
                "read": [["SKIN_THEMES", "Name1", "Cut"]]},
               [list_ok(2), qxsp(["unpack", "@file", "@out"], 0)], folder="truncated")


def counts(corpus):
    corpus.add("count_max", "member count 0xFFFFFFFF (44 x count wraps to 4294967252)",
               header(0xFFFFFFFF) + b"\0" * 200,
               {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)])
    # 44 x 97612894 wraps to 40 in 32 bits, so the length check passes and
    # the loop must stop at the end of the input.
    one = package([(b"info.txt", b"one member")])
    corpus.add("count_wraps", "member count whose 32-bit product with 44 wraps to 40",
               header(97612894) + one[76:],
               {"outcome": "read_error", "count": 1},
               [qxsp(["list", "@file"], 1, READ_ERROR)])
    corpus.add("count_zero", "an empty package: member count 0", header(0),
               {"outcome": "package", "count": 0, "project": 0, "main_bmp": None},
               [list_ok(0), qxsp(["extract", "@file", "main.ini"], 1, "is missing or damaged")])
    corpus.add("wrong_magic", "magic in lower case", header(0, magic=b"qxsp"),
               {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)])
    corpus.add("wrong_version", "version byte 1", header(0, version=1),
               {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)])
    corpus.add("text_file", "a text file, no package",
               b"This is a text file, not a skin package; long enough for a header. " * 3,
               {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)])
    corpus.add("empty_file", "a file of 0 bytes", b"",
               {"outcome": "default"}, [qxsp(["list", "@file"], 1, NOT_PACKAGE)])


def sizes(corpus):
    for name, size in (("compressed_beyond", 0x7FFFFFFF), ("compressed_max", 0xFFFFFFFF)):
        data = header(1) + record(b"main.ini", 0, 10, size) + b"x\xda" + b"\0" * 30
        corpus.add(name, "compressed size 0x%08X beyond the input" % size, data,
                   {"outcome": "read_error", "count": 0},
                   [qxsp(["list", "@file"], 1, READ_ERROR)])
    # A stored offset that is not where the bytes are is reported; the member
    # is read from its own bytes, right behind its record.
    data = header(1) + record(b"info.txt", 0x7FFFFFF0, 3, 11) + zlib.compress(b"abc", 9)
    corpus.add("offset_beyond", "a member whose offset points past the data area", data,
               {"outcome": "package", "count": 1, "problems": ["info.txt"]},
               [list_ok(1), qxsp(["extract", "@file", "info.txt"], 0)],
               finding="container.offset")


def members(corpus):
    bomb = deflate_repeated(b"\0", MAX_MEMBER + 64 * 1024)
    corpus.add("zlib_bomb", "main.ini inflating past the 256 MiB bound (%d bytes packed)"
               % len(bomb),
               package([(b"main.ini", b"", bomb), (b"parent.ini", PARENT)]),
               {"outcome": "package", "count": 2, "project": 0, "parent": 1},
               [list_ok(2), qxsp(["extract", "@file", "main.ini"], 1, "is missing or damaged"),
                qxsp(["extract", "@file", "parent.ini"], 0)],
               finding="container.member-damaged")
    # Within the member bound but far beyond any INI text: refused before
    # it is split into millions of sections.
    ini_bomb = deflate_repeated(b"[\n", 64 * 1024 * 1024)
    corpus.add("ini_bomb", "main.ini of 64 MiB of \"[\" lines (millions of sections)",
               package([(b"main.ini", b"", ini_bomb)]),
               {"outcome": "package", "count": 1, "project": 0, "problems": ["main.ini"]},
               [list_ok(1)], finding="member.unreadable")
    corpus.add("not_zlib", "members stored without compression",
               package([(b"main.ini", b"[A]\r\nk=v\r\n", b"[A]\r\nk=v\r\n"),
                        (b"parent.ini", PARENT, b"\x78\xda" + PARENT)]),
               {"outcome": "package", "count": 2, "project": 0, "parent": 0},
               [list_ok(2), qxsp(["extract", "@file", "main.ini"], 1, "is missing or damaged"),
                qxsp(["unpack", "@file", "@out"], 1, "is missing or damaged")],
               finding="container.member-damaged")
    later = [(b"mask.bmp", bmp(2, 2)), (b"parent.ini", PARENT), (b"equa.ini", EQUA)]
    for name, about, content in (("main_bmp_not_bmp", "main.bmp that is not a BMP",
                                  b"GIF89a but not really a picture"),
                                 ("main_bmp_huge", "main.bmp declaring 100000 x 100000 pixels",
                                  huge_bmp()),
                                 ("main_bmp_empty", "main.bmp of 0 bytes", b"")):
        # A bad bitmap is reported; the members after it load all the same.
        corpus.add(name, about, package([(b"main.bmp", content)] + later),
                   {"outcome": "package", "count": 4, "main_bmp": None, "parent": 1,
                    "equa": 1, "skin_name": "Hostile", "problems": ["main.bmp"]},
                   [list_ok(4), qxsp(["extract", "@file", "main.bmp"], 0)])
    corpus.add("good_members", "a well-formed skin: the loader's baseline",
               package([(b"main.bmp", bmp(3, 2))] + later + [(b"ok.ttf", b"\0\1\0\0")]),
               {"outcome": "package", "count": 5, "main_bmp": [3, 2], "parent": 1, "equa": 1,
                "skin_name": "Hostile", "fonts": ["veskskin_ok.ttf"]},
               [list_ok(5), qxsp(["unpack", "@file", "@out"], 0)])
    corpus.add("zero_size", "members of size 0: one without any zlib stream, one empty stream",
               package([(b"main.ini", b"", b""), (b"info.txt", b"")]),
               {"outcome": "package", "count": 2, "project": 0},
               [list_ok(2), qxsp(["extract", "@file", "main.ini"], 1, "is missing or damaged"),
                qxsp(["extract", "@file", "info.txt"], 0)])
    # The second of a name is dropped and reported: nothing can stand in
    # front of the member the editor writes.
    corpus.add("case_twins", "two members differing only in ASCII case",
               package([(b"MAIN.INI", b"[FIRST]\r\nk=1\r\n"), (b"main.ini", b"[SECOND]\r\n")]),
               {"outcome": "package", "count": 1, "project": 1, "read": [["FIRST", "k", "1"]],
                "problems": ["main.ini"]},
               [list_ok(1), qxsp(["extract", "@file", "main.ini"], 0),
                qxsp(["unpack", "@file", "@out"], 1, "refusing duplicate member name")],
               finding="container.duplicate-name")


def fonts(corpus):
    # The loader test makes the folders "veskskin_a" and "veskskin_.." in
    # the fonts folder, so that the second name would really climb out.
    escaping = [b"../x.ttf", b"a/../../x.ttf", b"a/b.ttf", b"/abs.ttf", b"..\\y.ttf",
                b"C:z.ttf"]
    for index, name in enumerate(escaping):
        corpus.add("font_escape_%d" % index, "a font member named %r" % name.decode(),
                   package([(name, b"\0\1\0\0 font bytes"), (b"fine.ttf", b"\0\1\0\0")]),
                   {"outcome": "package", "count": 2, "fonts": ["veskskin_fine.ttf"]},
                   [list_ok(2), qxsp(["unpack", "@file", "@out"], 1, "refusing member name")])


    # Only the first 64 fonts are installed: each is a file written and
    # registered, and thousands would stall the editor for minutes.
    many = [(b"f%05d.ttf" % i, b"\0\1\0\0") for i in range(5000)]
    corpus.add("fonts_many", "5000 font members", package(many),
               {"outcome": "package", "count": 5000,
                "fonts": ["veskskin_f%05d.ttf" % i for i in range(64)]}, [list_ok(5000)])


def texts(corpus):
    odd = utf16("[SKIN_THEMES]\r\nCount=1\r\nName1=Odd") + b"\x41"
    corpus.add("ini_utf16_odd", "main.ini in UTF-16 with an odd byte at the end",
               package([(b"main.ini", odd)]),
               {"outcome": "package", "count": 1, "project": 1,
                "read": [["SKIN_THEMES", "Name1", "Odd"]]}, [list_ok(1)])
    # A line keeps its NULs (the first one here is no section, so it goes);
    # NULs after a line break are skipped with it.
    nul = (b"\0[junk]\r\n[SKIN_OBJS]\0\r\n\0\0PLAY=1,2,3,4\0\r\nST\0P=x\r\n"
           b"[SKIN_THEMES]\r\nCount=1\r\nName1=N\0l\r\n")
    corpus.add("ini_nul", "main.ini with NUL bytes inside and between lines",
               package([(b"main.ini", nul)]),
               {"outcome": "package", "count": 1, "project": 2,
                "read": [["SKIN_OBJS]", "PLAY", "1,2,3,4\0"], ["SKIN_OBJS]", "ST\0P", "x"],
                         ["SKIN_THEMES", "Name1", "N\0l"]]}, [list_ok(1)])
    many = utf16("".join("[S%d]\r\nk=%d\r\n" % (i, i) for i in range(100000)))
    corpus.add("ini_100k_sections", "main.ini in UTF-16 with 100 000 sections (%d bytes)"
               % len(many), package([(b"main.ini", many)]),
               {"outcome": "package", "count": 1, "project": 100000,
                "read": [["S99999", "k", "99999"]]}, [list_ok(1)])
    corpus.add("scheme_count_text", "a colour scheme count that is no number",
               package([(b"main.ini", b"[SKIN_THEMES]\r\nCount=many\r\n")]),
               {"outcome": "package", "count": 1, "project": 1, "problems": ["main.ini"]},
               [list_ok(1)], finding="scheme.unreadable")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    corpus = Corpus(sys.argv[1])
    os.makedirs(corpus.out, exist_ok=True)
    for build in (truncations, counts, sizes, members, fonts, texts):
        build(corpus)
    corpus.write_manifest()


if __name__ == "__main__":
    main()
