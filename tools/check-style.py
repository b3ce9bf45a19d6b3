#!/usr/bin/env python3
"""Fails when the sources drift from the house style.

- Every tracked C++ file must be as `.clang-format` leaves it.
- Every connect() to a lambda or function names a context object, so that the
  connection dies with the object the code uses. Qt from 6.7 refuses the other form
  under QT_NO_CONTEXTLESS_CONNECT (which the build defines); Debian 12's Qt 6.4 does
  not, so this check stands in for it.

Usage: tools/check-style.py   (from anywhere inside the repository)
"""
import os
import re
import subprocess
import sys

top = subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True, capture_output=True,
                     text=True).stdout.strip()
os.chdir(top)
files = [f for f in subprocess.run(["git", "ls-files", "*.cpp", "*.h"], check=True,
                                   capture_output=True, text=True).stdout.split() if os.path.exists(f)]
problems = 0

unformatted = subprocess.run(["clang-format", "--dry-run", "--Werror", "--style=file", *files],
                             capture_output=True, text=True)
if unformatted.returncode != 0:
    shown = sorted({line.split(":")[0] for line in unformatted.stderr.splitlines()
                    if ": error:" in line})
    print("Not formatted (run `cmake --build build --target format`):", *shown, sep="\n  ")
    problems += 1


def arguments(text, start):
    """The top-level arguments of the call whose '(' is at `start`."""
    depth, args, begin = 0, [], start + 1
    for i in range(start, len(text)):
        c = text[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
            if depth == 0:
                args.append(text[begin:i])
                return args
        elif c == "," and depth == 1:
            args.append(text[begin:i])
            begin = i + 1
    return args


for path in files:
    text = open(path, encoding="utf-8").read()
    for match in re.finditer(r"\bconnect\s*\(", text):
        args = [a.strip() for a in arguments(text, match.end() - 1)]
        # sender, signal, functor: the receiver-less form.
        if len(args) == 3 and not args[1].startswith("SIGNAL"):
            line = text.count("\n", 0, match.start()) + 1
            print(f"{path}:{line}: connect() without a context object")
            problems += 1

sys.exit(1 if problems else 0)
