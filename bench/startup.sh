#!/usr/bin/env bash
# bench/startup.sh [BUILD_DIR] [RUNS]: the editor's start-up time against a
# bare Qt Widgets window of the same size, from process start to the first
# event-loop turn after show(), run side by side (alternating) under the
# offscreen platform and, when xvfb-run exists, under Xvfb. Prints medians,
# minima and the ratio editor / bare window of the medians.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

if [ "${1:-}" = "--measure" ]; then
  platform=$2 dir=$3 runs=$4
  QX_EXIT_AFTER_SHOW=1 QX_NO_MAXIMIZE=1 exec python3 - "$dir" "$runs" "$platform" <<'PY'
import os, statistics, subprocess, sys, time
build, runs, platform = sys.argv[1], int(sys.argv[2]), sys.argv[3]
programs = {"editor": f"{build}/src/qxskinedit", "bare window": f"{build}/bench/startup_bare"}
env = dict(os.environ)
if platform == "offscreen":
    env["QT_QPA_PLATFORM"] = "offscreen"
def run(path):
    start = time.perf_counter()
    subprocess.run([path], env=env, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - start) * 1000
for _ in range(2):  # warm the file cache
    for path in programs.values():
        run(path)
times = {name: [] for name in programs}
for _ in range(runs):
    for name, path in programs.items():
        times[name].append(run(path))
med = {name: statistics.median(t) for name, t in times.items()}
for name, t in times.items():
    print(f"  {platform:9} {name:12} median {med[name]:6.1f} ms  min {min(t):6.1f} ms")
print(f"  {platform:9} ratio editor / bare window: {med['editor'] / med['bare window']:.2f}")
PY
fi

dir=${1:-build-bench}
runs=${2:-30}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX_BUILD_BENCH=ON -DQX_BUILD_TESTS=OFF
fi
cmake --build "$dir" --target qxskinedit startup_bare >/dev/null
dir=$(cd "$dir" && pwd)

echo "start-up to the first event-loop turn after show(), $runs runs each (load: $(cut -d' ' -f1 /proc/loadavg)):"
"$self" --measure offscreen "$dir" "$runs"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1400x1000x24" "$self" --measure xcb "$dir" "$runs"
fi
