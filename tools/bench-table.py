#!/usr/bin/env python3
"""Runs the benchmark target five times and prints the README's benchmark table.

Each benchmark BM_<Group>_<Name> is compared with the baseline of its group that was
registered just before it (BM_<Group>_Baseline_<What>), so every figure stands beside
a bare baseline measured in the same run. The cold start and the resident memory are
measured against a minimal Qt Widgets program.

One run on a shared machine can swing a ratio several fold, so every figure is the
median of five runs, with the range of the five beside it.

Usage: tools/bench-table.py [build-dir]   (a Release build gives the real figures)
"""
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build-release"
bench = os.path.join(build, "bench", "sociogram_bench")
minimal = os.path.join(build, "bench", "sociogram_minimal_window")
program = os.path.join(build, "bin", "sociogram")
env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))


def fmt(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"


RUNS = 5


def benchmarks():
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run([bench, "--benchmark_out=" + out.name, "--benchmark_out_format=json",
                        "--benchmark_min_time=0.2"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        return json.load(open(out.name))["benchmarks"]


def wall_ms(command, runs=15):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def resident_kb(command):
    out = subprocess.run(command, check=True, env=env, capture_output=True, text=True).stdout
    return int(out.split()[0])


def one_run():
    """Figure name -> (shown time, time, baseline name, baseline time), from one run."""
    figures = {}
    baseline = {}
    for b in benchmarks():
        parts = b["name"].split("_")
        group = parts[1] if len(parts) > 2 else ""
        ns = b["real_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
        if len(parts) > 2 and parts[2] == "Baseline":
            baseline[group] = ("_".join(parts[3:]), ns)
            continue
        base = baseline.get(group, ("", None))
        figures[group + ": " + "_".join(parts[2:])] = (fmt(ns), ns, base[0], base[1])
    start, start_min = wall_ms([program, "--probe", "startup"]), wall_ms([minimal, "startup"])
    figures["Cold start to the start window"] = (f"{start:.0f} ms", start,
                                                 "minimal Qt Widgets window", start_min)
    mem, mem_min = resident_kb([program, "--probe", "memory"]), resident_kb([minimal, "memory"])
    figures["Resident memory, 40-subject Target sociogram open"] = (
        f"{mem / 1024:.1f} MiB", mem, "minimal Qt Widgets window", mem_min)
    return figures


def spread(values, show):
    """The median and, in brackets, the lowest and highest of the runs."""
    return f"{show(statistics.median(values))} ({show(min(values))}–{show(max(values))})"


runs = [one_run() for _ in range(RUNS)]
rows = []
for name, (shown, _, base_name, _) in runs[0].items():
    values = [r[name][1] for r in runs if name in r]
    bases = [r[name][3] for r in runs if name in r and r[name][3]]
    if shown.endswith("MiB"):
        show = lambda v: f"{v / 1024:.1f} MiB"
    elif name.startswith("Cold start"):
        show = lambda v: f"{v:.0f} ms"
    else:
        show = fmt
    ratios = [v / b for v, b in zip(values, bases)] if len(bases) == len(values) else []
    rows.append((name, spread(values, show), base_name, spread(bases, show) if bases else "",
                 spread(ratios, lambda v: f"{v:.2f}") if ratios else ""))

cpu = platform.processor() or platform.machine()
try:
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
except OSError:
    pass
print(f"Measured {time.strftime('%Y-%m-%d')} on {cpu}, {os.cpu_count()} cores, "
      f"{platform.system()} {platform.release()}: the median of {RUNS} runs, "
      f"the lowest and highest in brackets.\n")
print("| Figure | Time | Baseline | Baseline time | Ratio |")
print("|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
