#!/usr/bin/env python3
"""Runs the package tool over the hostile corpus (see make_corpus.py) and
checks each run's exit status and error text, that it wrote nothing outside
its output folder, and that it stayed within a virtual memory bound.

    run_qxsp.py QXSP CORPUSDIR [--memory-limit-mb N]

Without --memory-limit-mb no limit is set (the sanitizer build reserves
terabytes of address space, so a limit there would only measure ASan)."""

import argparse
import concurrent.futures
import json
import os
import resource
import shutil
import subprocess
import sys
import tempfile

# Far above any honest run, far below a stuck one.
TIMEOUT_SECONDS = 120


def snapshot(folder):
    state = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            info = os.stat(path)
            state[path] = (info.st_size, info.st_mtime_ns)
    return state


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder)
                  for root, _, names in os.walk(folder) for name in names)


def run_one(qxsp, corpus, case, run, work_root, limit_mb):
    work = tempfile.mkdtemp(dir=work_root)
    path = os.path.join(corpus, case["file"])
    out = os.path.join(work, "out")
    args = [path if a == "@file" else out if a == "@out" else a for a in run["args"]]

    command = [qxsp] + args
    if limit_mb:
        # The shell's ulimit rather than a preexec_fn, which is unsafe with
        # the threads that run these in parallel.
        command = ["/bin/sh", "-c", 'ulimit -v %d && exec "$0" "$@"' % (limit_mb * 1024)] + command

    label = "%s: qxsp %s" % (case["name"], " ".join(run["args"]))
    try:
        done = subprocess.run(command, cwd=work, capture_output=True, timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        return label + ": no answer within %d s" % TIMEOUT_SECONDS
    stderr = done.stderr.decode("utf-8", "replace")
    problems = []
    if done.returncode < 0:
        problems.append("killed by signal %d" % -done.returncode)
    elif done.returncode != run["status"]:
        problems.append("exit status %d, expected %d" % (done.returncode, run["status"]))
    wanted = run["stderr"].replace("@file", path)
    if wanted and wanted not in stderr:
        problems.append("error output lacks %r" % wanted)
    if "stdout" in run and run["stdout"] not in done.stdout.decode("utf-8", "replace"):
        problems.append("output lacks %r" % run["stdout"])
    if "runtime error" in stderr or "AddressSanitizer" in stderr:
        problems.append("sanitizer report")
    written = files_under(work)
    stray = [f for f in written if not f.startswith("out" + os.sep)]
    if stray:
        problems.append("wrote outside its output folder: %s" % stray)
    if done.returncode != 0 and written:
        problems.append("failed but left files behind: %s" % written)
    shutil.rmtree(work)
    if problems:
        return "%s: %s\n    stderr: %s" % (label, "; ".join(problems), stderr.strip()[:400])
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("qxsp")
    parser.add_argument("corpus")
    parser.add_argument("--memory-limit-mb", type=int, default=0)
    options = parser.parse_args()
    options.qxsp = os.path.abspath(options.qxsp)
    options.corpus = os.path.abspath(options.corpus)

    with open(os.path.join(options.corpus, "manifest.json")) as f:
        cases = json.load(f)["cases"]
    before = snapshot(options.corpus)
    work_root = tempfile.mkdtemp(prefix="qxsp-hostile-")
    jobs = [(case, run) for case in cases for run in case["qxsp"]]
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        failures = [f for f in pool.map(
            lambda job: run_one(options.qxsp, options.corpus, job[0], job[1], work_root,
                                options.memory_limit_mb), jobs) if f]
    leftovers = os.listdir(work_root)
    shutil.rmtree(work_root)
    if snapshot(options.corpus) != before:
        failures.append("the corpus folder changed")
    if leftovers:
        failures.append("work folders left behind: %s" % leftovers)

    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024
    limit = "%d MiB" % options.memory_limit_mb if options.memory_limit_mb else "none"
    print("%d qxsp runs over %d files; virtual memory limit %s; peak resident %d MiB"
          % (len(jobs), len(cases), limit, peak))
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
