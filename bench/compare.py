"""Turns sorts_benchmark's JSON into sorts.csv and sorts.png: time per sort against n on
log-log axes, one panel for random input and one for sorted input, with n² and n log n guides.
Usage: compare.py JSON OUT_DIR"""
import csv
import json
import math
import os
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed
import matplotlib.pyplot as plt

from growth import cpu_name

LABELS = {
    "bubble_plain": "bubble sort, plain loop",
    "bubble_kernel": "bubble sort, SIMD kernel",
    "merge": "merge sort (mergeSort)",
    "quick": "quick sort (quickSort, last-element pivot)",
    "std_sort": "std::sort",
}


def rows(figures):
    for b in figures["benchmarks"]:
        order, sort, n = b["run_name"].split("/")[:3]
        yield {"input": order, "sort": sort, "n": int(n), "us_per_sort": b["real_time"]}


def guide(ax, anchor, shape, label, style):
    ns = [100, anchor["n"]]
    ax.plot(ns, [anchor["us_per_sort"] * shape(n) / shape(anchor["n"]) for n in ns], style,
            linewidth=1, label=label)


def main(path, out):
    with open(path) as f:
        figures = json.load(f)
    table = list(rows(figures))
    kernel = figures["context"].get("kernel", "?")
    with open(os.path.join(out, "sorts.csv"), "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=list(table[0]))
        writer.writeheader()
        writer.writerows(table)

    fig, axes = plt.subplots(1, 2, figsize=(13, 5.5), sharey=True)
    for ax, order in zip(axes, ("random", "sorted")):
        mine = [r for r in table if r["input"] == order]
        for sort, label in LABELS.items():
            line = sorted((r for r in mine if r["sort"] == sort), key=lambda r: r["n"])
            if line:
                ax.plot([r["n"] for r in line], [r["us_per_sort"] for r in line], marker=".",
                        label=label.replace("SIMD kernel", f"{kernel} kernel"))
        largest = lambda sort: max((r for r in mine if r["sort"] == sort), key=lambda r: r["n"])
        guide(ax, largest("bubble_plain"), lambda n: n * n, "n² guide", "k--")
        guide(ax, largest("std_sort"), lambda n: n * math.log2(n), "n log n guide", "k:")
        ax.set(xscale="log", yscale="log", xlabel="n (values sorted)",
               title=f"{order} input" + (" (quick sort capped at 10⁴: it recurses n deep)"
                                         if order == "sorted" else ", ints 0 to 99999"))
        ax.grid(True, which="both", linewidth=0.3)
        ax.legend(fontsize=8)
    axes[0].set_ylabel("time per sort (µs)")
    fig.suptitle(f"The project's sorts against n, on {cpu_name()}")
    fig.tight_layout()
    fig.savefig(os.path.join(out, "sorts.png"), dpi=100)


if __name__ == "__main__":
    main(*sys.argv[1:3])
