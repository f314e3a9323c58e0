#!/usr/bin/env python3
"""Holds the manual pages to the programs' own help.

    check_manuals.py QXSP QXSKINEDIT DOCDIR

qxsp(1) lists every synopsis "qxsp --help" lists, no more, and each command's
entry carries the paragraph of "qxsp COMMAND --help" under the same synopsis;
qxskinedit(1) has the usage line and every option of "qxskinedit --help"."""

import os
import re
import subprocess
import sys


def run(*command):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run(command, capture_output=True, text=True, timeout=60, env=env)
    if result.returncode != 0:
        raise SystemExit("FAIL %s: status %d\n%s" % (" ".join(command), result.returncode,
                                                     result.stderr))
    return result.stdout


def plain(line):
    """A roff source line as the reader sees its words."""
    macro = re.match(r"\.(B|I|BR|IR|RB|RI)\s+(.*)", line)
    if macro:
        words = re.findall(r'"([^"]*)"|(\S+)', macro.group(2))
        words = [quoted or bare for quoted, bare in words]
        line = ("" if len(macro.group(1)) == 2 else " ").join(words)
    line = re.sub(r"\\f[BIRP]", "", line).replace("\\-", "-")
    return re.sub(r"\\\(lq|\\\(rq", '"', line)


def sections(path):
    """The page's sections: the name of each, and its lines made plain,
    with the requests that only shape the text left out."""
    found, current = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith(".SH "):
                current = line[4:].strip()
                found[current] = []
            elif current and line not in (".TP", ".PP", ".IP", ".nf", ".fi"):
                found[current].append(plain(line))
    return found


def words(text):
    return " ".join(text.split())


def check(condition, message):
    if not condition:
        raise SystemExit("FAIL " + message)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    qxsp, editor, docs = sys.argv[1:]

    page = sections(os.path.join(docs, "qxsp.1"))
    helped = synopses = [line.strip() for line in run(qxsp, "--help").splitlines()
              if line.startswith("  qxsp ")]
    check(sorted(helped + ["qxsp --help"]) == sorted(page["SYNOPSIS"]),
          "qxsp(1) SYNOPSIS differs from qxsp --help:\n%s\n%s" % (helped, page["SYNOPSIS"]))
    entries = words(" ".join(page["COMMANDS"]))
    for synopsis in helped:
        command = synopsis.split()[1]
        if command == "COMMAND":
            continue
        usage, _, details = run(qxsp, command, "--help").partition("\n\n")
        check(usage == "usage: " + synopsis, "%s --help says %r" % (command, usage))
        entry = synopsis[len("qxsp "):] + " " + words(details)
        check(entry in entries, "qxsp(1) has no entry for %r reading:\n%s" % (command, entry))

    page = sections(os.path.join(docs, "qxskinedit.1"))
    helped = run(editor, "--help")
    usage = re.match(r"Usage: qxskinedit \[options\] (.*)", helped)
    check(usage and "qxskinedit " + usage.group(1) in page["SYNOPSIS"],
          "qxskinedit(1) SYNOPSIS lacks the usage of qxskinedit --help")
    options = set(re.findall(r"^  (-\w, --[\w-]+|--[\w-]+)", helped, re.M))
    check(options and options <= set(page["OPTIONS"]),
          "qxskinedit(1) OPTIONS lack some of %s" % sorted(options))
    print("qxsp(1): %d synopses; qxskinedit(1): %s" % (len(synopses), sorted(options)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
