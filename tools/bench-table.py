#!/usr/bin/env python3
"""Runs the benchmark target five times and prints the README's benchmark table.

Each benchmark BM_<Group>_<Name> is compared with the baseline of its group that was
registered just before it (BM_<Group>_Baseline_<What>), so every figure stands beside
a bare baseline measured in the same run. The cold start and the resident memory are
measured against a minimal Qt Widgets program.

One run on a shared machine can swing a ratio several fold, so every figure is the
median of five runs, with the range of the five beside it.

After it comes Tidy's readability table, which BM_TidyReadability_Table prints: its
counts are the same in every run, its times are the median of the five. With
--readability only that benchmark runs and only that table is printed.

Usage: tools/bench-table.py [--readability] [build-dir]   (a Release build gives the
real figures)
"""
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time

args = [a for a in sys.argv[1:] if a != "--readability"]
only_readability = len(args) < len(sys.argv) - 1
build = args[0] if args else "build-release"
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


READABILITY = "BM_TidyReadability_Table"
# The rows of the readability tables of the runs so far, each table a list of rows.
readability_tables = []


def benchmarks(only=None):
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        command = [bench, "--benchmark_out=" + out.name, "--benchmark_out_format=json",
                   "--benchmark_min_time=0.2"]
        if only:
            command.append("--benchmark_filter=^" + only + "/")
        run = subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True)
        rows = [line for line in run.stderr.splitlines() if line.startswith("|")]
        if rows:
            readability_tables.append(rows)
        return json.load(open(out.name))["benchmarks"]


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


def readability_table():
    """The first run's table, each time the median of the runs' times."""
    tables = [[cells(row) for row in table] for table in readability_tables]
    out = []
    for i, row in enumerate(tables[0]):
        times = [table[i][-1] for table in tables if i < len(table)]
        if row[-1].endswith(" ms") and len(times) == len(tables):
            row = row[:-1] + [f"{statistics.median(float(t.split()[0]) for t in times):.0f} ms"]
        rule = all(set(c) == {"-"} for c in row)
        out.append("|" + "|".join(row) + "|" if rule else "| " + " | ".join(row) + " |")
    return out


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


if only_readability:
    for _ in range(RUNS):
        benchmarks(READABILITY)
    print("\n".join(readability_table()))
    sys.exit(0)

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
if readability_tables:
    print()
    print("\n".join(readability_table()))
