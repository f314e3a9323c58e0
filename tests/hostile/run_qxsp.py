#!/usr/bin/env python3
"""Runs the package tool over the hostile corpus (see make_corpus.py) and
checks each run's exit status and error text, that it wrote nothing outside
its output folder, and that it stayed within a virtual memory bound.

    run_qxsp.py QXSP CORPUSDIR [--memory-limit-mb N] [--list-peak-mb N] [--report FILE]

Without --memory-limit-mb no limit is set (the sanitizer build reserves
terabytes of address space, so a limit there would only measure ASan).
--list-peak-mb bounds the peak resident memory of every "qxsp list" run, as
wait4 reports it for the child (the figure /usr/bin/time -v shows).
--report writes one line per run: case, arguments, exit status, peak, and
the first line of the error output."""

import argparse
import concurrent.futures
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading

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


def run_measured(command, cwd, timeout):
    """Runs command to its end or the timeout; answers the exit status (None
    on timeout), both outputs and the child's own peak resident memory in
    KiB. wait4 is used instead of subprocess.run so the peak is this child's,
    not the largest of all children so far."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen(command, cwd=cwd, stdout=out, stderr=err)
        expired = threading.Event()

        def kill():
            expired.set()
            process.kill()

        timer = threading.Timer(timeout, kill)
        timer.start()
        try:
            _, status, usage = os.wait4(process.pid, 0)
        finally:
            timer.cancel()
        process.returncode = os.waitstatus_to_exitcode(status)
        out.seek(0)
        err.seek(0)
        return (None if expired.is_set() else process.returncode, out.read(), err.read(),
                usage.ru_maxrss)


def run_one(qxsp, corpus, case, run, work_root, options, report):
    work = tempfile.mkdtemp(dir=work_root)
    path = os.path.join(corpus, case["file"])
    out = os.path.join(work, "out")
    args = [path if a == "@file" else out if a == "@out" else a for a in run["args"]]

    limit_mb = options.memory_limit_mb
    command = [qxsp] + args
    if limit_mb:
        # The shell's ulimit rather than a preexec_fn, which is unsafe with
        # the threads that run these in parallel.
        command = ["/bin/sh", "-c", 'ulimit -v %d && exec "$0" "$@"' % (limit_mb * 1024)] + command

    label = "%s: qxsp %s" % (case["name"], " ".join(run["args"]))
    returncode, stdout, stderr, peak_kib = run_measured(command, work, TIMEOUT_SECONDS)
    if returncode is None:
        shutil.rmtree(work)
        return label + ": no answer within %d s" % TIMEOUT_SECONDS
    stderr = stderr.decode("utf-8", "replace")
    report.append("%s\t%s\t%d\t%d MiB\t%s" % (case["name"], " ".join(run["args"]), returncode,
                                             peak_kib // 1024,
                                             (stderr.strip().splitlines() or [""])[0][:120]))
    problems = []
    if returncode < 0:
        problems.append("killed by signal %d" % -returncode)
    elif returncode != run["status"]:
        problems.append("exit status %d, expected %d" % (returncode, run["status"]))
    wanted = run["stderr"].replace("@file", path)
    if wanted and wanted not in stderr:
        problems.append("error output lacks %r" % wanted)
    if "stdout" in run and run["stdout"] not in stdout.decode("utf-8", "replace"):
        problems.append("output lacks %r" % run["stdout"])
    if (options.list_peak_mb and run["args"][:1] == ["list"]
            and peak_kib > options.list_peak_mb * 1024):
        problems.append("peak resident memory %d MiB over %d MiB"
                        % (peak_kib // 1024, options.list_peak_mb))
    if "runtime error" in stderr or "AddressSanitizer" in stderr:
        problems.append("sanitizer report")
    written = files_under(work)
    stray = [f for f in written if not f.startswith("out" + os.sep)]
    if stray:
        problems.append("wrote outside its output folder: %s" % stray)
    if returncode != 0 and written:
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
    parser.add_argument("--list-peak-mb", type=int, default=0)
    parser.add_argument("--report")
    options = parser.parse_args()
    options.qxsp = os.path.abspath(options.qxsp)
    options.corpus = os.path.abspath(options.corpus)

    with open(os.path.join(options.corpus, "manifest.json")) as f:
        cases = json.load(f)["cases"]
    before = snapshot(options.corpus)
    work_root = tempfile.mkdtemp(prefix="qxsp-hostile-")
    jobs = [(case, run) for case in cases for run in case["qxsp"]]
    report = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        failures = [f for f in pool.map(
            lambda job: run_one(options.qxsp, options.corpus, job[0], job[1], work_root,
                                options, report), jobs) if f]
    if options.report:
        with open(options.report, "w") as f:
            f.write("\n".join(sorted(report)) + "\n")
    leftovers = os.listdir(work_root)
    shutil.rmtree(work_root)
    if snapshot(options.corpus) != before:
        failures.append("the corpus folder changed")
    if leftovers:
        failures.append("work folders left behind: %s" % leftovers)

    peak = max((int(line.split("\t")[3].split()[0]) for line in report), default=0)
    limit = "%d MiB" % options.memory_limit_mb if options.memory_limit_mb else "none"
    print("%d qxsp runs over %d files; virtual memory limit %s; peak resident %d MiB"
          % (len(jobs), len(cases), limit, peak))
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
