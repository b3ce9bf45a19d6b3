#!/usr/bin/env python3
"""Runs the benchmark target once and prints the README's benchmark table.

Each benchmark BM_<Group>_<Name> is compared with the baseline of its group that was
registered just before it (BM_<Group>_Baseline_<What>), so every figure stands beside
a bare baseline measured in the same run. The cold start and the resident memory are
measured against a minimal Qt Widgets program.

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


rows = []
baseline = {}
for b in benchmarks():
    name = b["name"]
    parts = name.split("_")
    group = parts[1] if len(parts) > 2 else ""
    ns = b["real_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
    if len(parts) > 2 and parts[2] == "Baseline":
        baseline[group] = ("_".join(parts[3:]), ns)
        continue
    base = baseline.get(group)
    rows.append((group + ": " + "_".join(parts[2:]), fmt(ns),
                 base[0] if base else "", fmt(base[1]) if base else "",
                 f"{ns / base[1]:.2f}" if base else ""))

start = wall_ms([program, "--probe", "startup"])
start_min = wall_ms([minimal, "startup"])
rows.append(("Cold start to the start window", f"{start:.0f} ms", "minimal Qt Widgets window",
             f"{start_min:.0f} ms", f"{start / start_min:.2f}"))
mem = resident_kb([program, "--probe", "memory"])
mem_min = resident_kb([minimal, "memory"])
rows.append(("Resident memory, 40-subject Target sociogram open", f"{mem / 1024:.1f} MiB",
             "minimal Qt Widgets window", f"{mem_min / 1024:.1f} MiB", f"{mem / mem_min:.2f}"))

cpu = platform.processor() or platform.machine()
try:
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
except OSError:
    pass
print(f"Measured {time.strftime('%Y-%m-%d')} on {cpu}, {os.cpu_count()} cores, "
      f"{platform.system()} {platform.release()}.\n")
print("| Figure | Time | Baseline | Baseline time | Ratio |")
print("|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
