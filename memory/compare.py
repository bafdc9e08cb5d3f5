#!/usr/bin/env python3
"""Compares the traces just recorded with the committed ones, all but the real addresses, which
change from run to run, and fails naming the program and the first step that differs: a program
whose code changed and whose trace was not recorded again. The real addresses are the trace's
"addresses" and any that the program printed (address_demo's), which the stack's place, moved
by the program's path and environment, changes from one folder to another.

Usage: compare.py RECORDED_FOLDER COMMITTED_FOLDER
"""
import json
import os
import re
import sys


def without_printed_addresses(value, key=None):
    """The trace with every address in what was printed, and in the sentences that quote it,
    read as 0x...; the sources and the names stay exact."""
    if isinstance(value, dict):
        return {k: without_printed_addresses(v, k) for k, v in value.items()}
    if isinstance(value, list):
        return [without_printed_addresses(v, key) for v in value]
    if isinstance(value, str) and key in ("printed", "sentence"):
        return re.sub(r"0x[0-9a-fA-F]+", "0x...", value)
    return value


def load(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8") as source:
        trace = json.load(source)
    trace.pop("addresses", None)
    return without_printed_addresses(trace)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    recorded, committed = sys.argv[1:]
    problems = []
    names = sorted(n for n in os.listdir(committed) if n.endswith(".json"))
    for name in sorted(set(names) | {n for n in os.listdir(recorded) if n.endswith(".json")}):
        program = name[:-5]
        if name not in names:
            problems.append("%s: recorded, but no trace of it is committed" % program)
            continue
        if not os.path.exists(os.path.join(recorded, name)):
            problems.append("%s: committed, but not recorded" % program)
            continue
        new, old = load(recorded, name), load(committed, name)
        if new == old:
            continue
        steps_new, steps_old = new["steps"], old["steps"]
        for i in range(max(len(steps_new), len(steps_old))):
            a = steps_new[i] if i < len(steps_new) else None
            b = steps_old[i] if i < len(steps_old) else None
            if a != b:
                said = (a or b)["sentence"]
                problems.append("%s: step %d differs from the committed trace (%s); record it "
                                "again: cmake --build --preset default --target memory_pages, "
                                "then copy build/default/memory-pages/%s.json and .html to docs/memory/"
                                % (program, i, said, program))
                break
        else:
            problems.append("%s: the files or the printed output differ" % program)
    if problems:
        sys.exit("\n".join(problems))
    print("memory traces: %d programs as committed" % len(names))


main()
