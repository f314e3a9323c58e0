#!/usr/bin/env python3
"""An independent reader of the package format, written from the byte layout
alone with Python's own zlib: checks what `qxsp pack` writes."""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HEADER = struct.Struct("<4sB32s32s3sI")
RECORD = struct.Struct("<32sIII")


def field_text(raw):
    return raw.split(b"\0", 1)[0]


def read_package(data):
    magic, version, skin, author, _pad, count = HEADER.unpack_from(data, 0)
    pos = HEADER.size
    members = []
    for _ in range(count):
        name, offset, size, csize = RECORD.unpack_from(data, pos)
        pos += RECORD.size
        packed = data[pos:pos + csize]
        assert len(packed) == csize, "member bytes cut short"
        pos += csize
        members.append((field_text(name), offset, size, csize, packed))
    assert pos == len(data), "bytes after the last member"
    return magic, version, field_text(skin), field_text(author), members


def main():
    qxsp = sys.argv[1]
    contents = [
        ("main.ini", b"[SKIN_OBJS]\r\nPLAY=1,2,3,4\r\n\r\n"),
        ("main.bmp", bytes(range(256)) * 400),
        ("empty.txt", b""),
        ("font.ttf", os.urandom(5000)),
        ("n" * 32, b"exactly thirty-two characters"),
    ]
    with tempfile.TemporaryDirectory() as work:
        src = os.path.join(work, "src")
        os.mkdir(src)
        for name, body in contents:
            with open(os.path.join(src, name), "wb") as f:
                f.write(body)
        with open(os.path.join(src, "qxsp-manifest.txt"), "w", encoding="utf-8") as f:
            f.write("skin=Ночь\nauthor=Tester\n")
            f.writelines("member=%s\n" % name for name, _ in contents)
        out = os.path.join(work, "out.qxsp")
        subprocess.run([qxsp, "pack", src, out], check=True)
        with open(out, "rb") as f:
            data = f.read()

    magic, version, skin, author, members = read_package(data)
    assert magic == b"QXSP", magic
    assert version == 0, version
    assert skin == "Ночь".encode("cp1251"), skin
    assert author == b"Tester", author
    assert len(members) == len(contents), len(members)
    running = 0
    for (name, body), (mname, offset, size, csize, packed) in zip(contents, members):
        assert mname == name.encode(), (mname, name)
        assert offset == running, (name, offset, running)
        assert size == len(body), (name, size)
        assert packed[:2] == b"\x78\xda", (name, packed[:2])
        assert zlib.decompress(packed) == body, name
        running += csize
    print("package reader: %d members checked" % len(members))


if __name__ == "__main__":
    main()
