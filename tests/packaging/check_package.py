#!/usr/bin/env python3
"""Builds the Debian package of this build and checks it as a desktop sees it.

    check_package.py BUILDDIR HOSTILE_PACKAGE

Builds the package with CPack into a temporary folder, unpacks it with
dpkg-deb -x into a temporary root and checks there: the files are where a
freedesktop system looks for them, the desktop entry and the AppStream data
validate, the file type is known by its name and by its signature once
update-mime-database has run (looked up with GIO, as file managers do), the
editor is the type's default application once update-desktop-database has run, and
the unpacked qxsp makes the thumbnail the .thumbnailer entry asks for of the
built-in skin, and refuses a hostile package within a memory bound.

Exits 77 (skipped) when a tool is missing; scripts/setup-deps installs them."""

import os
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile

TOOLS = ["cpack", "dpkg-deb", "dpkg-shlibdeps", "desktop-file-validate", "update-mime-database",
         "update-desktop-database", "appstreamcli", "gio"]
SKIP = 77
MIME_TYPE = "application/x-vesk-skin"
EXPECTED = [
    "usr/bin/qxskinedit", "usr/bin/qxsp",
    "usr/share/applications/qxskinedit.desktop",
    "usr/share/mime/packages/qxskinedit.xml",
    "usr/share/thumbnailers/qxskinedit.thumbnailer",
    "usr/share/metainfo/io.github.qxskinedit.metainfo.xml",
    "usr/share/icons/hicolor/scalable/apps/qxskinedit.svg",
    "usr/share/icons/hicolor/256x256/apps/qxskinedit.png",
    "usr/share/icons/hicolor/16x16/apps/qxskinedit.png",
    "usr/share/man/man1/qxsp.1.gz", "usr/share/man/man1/qxskinedit.1.gz",
    "usr/share/doc/qxskinedit/copyright", "usr/share/doc/qxskinedit/changelog.Debian.gz",
]


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, timeout=300, **kwargs)
    if result.returncode != 0:
        raise SystemExit("FAIL %s (status %d)\n%s%s" % (" ".join(command), result.returncode,
                                                        result.stdout, result.stderr))
    return result.stdout


def desktop_entry(path, group):
    values, current = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                current = line[1:-1]
            elif "=" in line and current == group:
                key, value = line.split("=", 1)
                values[key] = value
    return values


def desktop_env(root):
    """A desktop that knows only the unpacked package: GIO offers only
    applications whose program is on the PATH."""
    nothing = os.path.join(root, "nothing")
    return dict(os.environ, XDG_DATA_DIRS=os.path.join(root, "usr/share"), XDG_DATA_HOME=nothing,
                XDG_CONFIG_HOME=nothing, XDG_CONFIG_DIRS=nothing,
                PATH=os.path.join(root, "usr/bin") + os.pathsep + os.environ.get("PATH", ""))


def content_type(root, path):
    out = run(["gio", "info", "-a", "standard::content-type", path], env=desktop_env(root))
    return out.split("standard::content-type:")[-1].strip()


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("FAIL %s is no PNG" % path)
    return struct.unpack(">II", head[16:24])


def thumbnail_command(root, entry, size, source, target):
    """The entry's Exec line as a file manager expands it, with the
    unpacked qxsp, under the memory bound the hostile tests use."""
    words = [{"%s": str(size), "%i": source, "%o": target}.get(w, w)
             for w in shlex.split(entry["Exec"])]
    words[0] = os.path.join(root, "usr/bin", words[0])
    return ["/bin/sh", "-c", 'ulimit -v %d && exec "$0" "$@"' % (512 * 1024)] + words


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    build, hostile = (os.path.abspath(a) for a in sys.argv[1:])
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        print("SKIPPED: missing %s (scripts/setup-deps installs them)" % ", ".join(missing))
        return SKIP

    with tempfile.TemporaryDirectory(prefix="qxskinedit-package-") as work:
        out, root = os.path.join(work, "out"), os.path.join(work, "root")
        run(["cpack", "-G", "DEB", "-B", out, "--config", os.path.join(build, "CPackConfig.cmake")],
            cwd=build)
        debs = [name for name in os.listdir(out) if name.endswith(".deb")]
        if len(debs) != 1:
            raise SystemExit("FAIL expected one package, got %s" % debs)
        deb = os.path.join(out, debs[0])
        depends = run(["dpkg-deb", "-f", deb, "Depends"])
        for needed in ("fonts-wine", "qt6-translations-l10n", "libqt6widgets6"):
            if needed not in depends:
                raise SystemExit("FAIL Depends lacks %s: %s" % (needed, depends))
        run(["dpkg-deb", "-x", deb, root])
        absent = [path for path in EXPECTED if not os.path.isfile(os.path.join(root, path))]
        if absent:
            raise SystemExit("FAIL not in the package: %s" % absent)

        desktop = os.path.join(root, "usr/share/applications/qxskinedit.desktop")
        run(["desktop-file-validate", desktop])
        entry = desktop_entry(desktop, "Desktop Entry")
        if entry.get("Exec") != "qxskinedit %f" or MIME_TYPE not in entry.get("MimeType", ""):
            raise SystemExit("FAIL desktop entry: %s" % entry)
        run(["appstreamcli", "validate", "--no-net",
             os.path.join(root, "usr/share/metainfo/io.github.qxskinedit.metainfo.xml")])

        run(["update-mime-database", os.path.join(root, "usr/share/mime")])
        skin = os.path.join(build, "skins/default.qxsp")
        named, unnamed = os.path.join(work, "sample.qxsp"), os.path.join(work, "sample")
        for copy in (named, unnamed):
            shutil.copyfile(skin, copy)
            found = content_type(root, copy)
            if found != MIME_TYPE:
                raise SystemExit("FAIL %s is %s, not %s" % (copy, found, MIME_TYPE))

        # What the package's triggers do on a real system, then the file
        # manager's question: which program opens a skin.
        run(["update-desktop-database", os.path.join(root, "usr/share/applications")])
        opener = run(["gio", "mime", MIME_TYPE], env=desktop_env(root)).splitlines()[0]
        if not opener.endswith(": qxskinedit.desktop"):
            raise SystemExit("FAIL skins are not opened by the editor: %s" % opener)

        thumbnailer = desktop_entry(
            os.path.join(root, "usr/share/thumbnailers/qxskinedit.thumbnailer"),
            "Thumbnailer Entry")
        env = dict(os.environ, QX_FONTS_DIR=os.path.join(work, "fonts"))
        picture = os.path.join(work, "skin.png")
        run(thumbnail_command(root, thumbnailer, 128, named, picture), env=env)
        width, height = png_size(picture)
        if max(width, height) != 128:
            raise SystemExit("FAIL the thumbnail is %dx%d, not fitted to 128" % (width, height))
        refused = os.path.join(work, "hostile.png")
        result = subprocess.run(thumbnail_command(root, thumbnailer, 256, hostile, refused),
                                env=env, capture_output=True, text=True, timeout=120)
        if result.returncode != 1 or os.path.exists(refused):
            raise SystemExit("FAIL hostile package: status %d, output %s\n%s"
                             % (result.returncode, os.path.exists(refused), result.stderr))
        print("%s: %d files, Depends: %s; thumbnail %dx%d; %s refused: %s"
              % (debs[0], len(EXPECTED), depends.strip(), width, height,
                 os.path.basename(hostile), result.stderr.strip().splitlines()[-1]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
