"""Turns passes_benchmark's JSON into growth.csv and growth.png: time per sort against n on
log-log axes with an n-squared guide, and compare-exchanges per cycle against n.
Usage: growth.py GXX_JSON [CLANG_JSON] OUT_DIR"""
import csv
import json
import os
import platform
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed
import matplotlib.pyplot as plt

LABELS = {
    ("g++", "plain"): "plain loop, g++ -O2",
    ("clang++", "plain"): "plain loop, clang++ -O2",
}
# A kernel's label ("AVX-512") comes from its row in the build, through the benchmark.


def rows(path, compiler):
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            family, n = b["run_name"].rsplit("/", 2)[0], int(b["run_name"].split("/")[-2])
            if family.startswith("kernel/") and compiler == "g++" and b.get("label"):
                variant = b["label"] + " kernel"
            elif (compiler, family) in LABELS:
                variant = LABELS[(compiler, family)]
            else:
                print(f"growth.py: no label for {compiler} {family}: left out", file=sys.stderr)
                continue
            yield {
                "variant": variant,
                "n": n,
                "us_per_sort": b["real_time"],  # the benchmark reports microseconds
                "ce_per_ns": b["CE/ns"],
                "ce_per_cycle": b.get("CE/cycle", ""),
            }


def cpu_name():
    """The CPU's model name, with its family and model numbers where Linux tells them."""
    fields = {}
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                key, _, value = line.partition(":")
                fields.setdefault(key.strip(), value.strip())
    except OSError:
        pass
    name = fields.get("model name") or platform.processor() or platform.machine()
    if "cpu family" in fields and "model" in fields:
        name += f" (family {fields['cpu family']}, model {fields['model']})"
    return name


def main(gxx_json, clang_json, out):
    table = list(rows(gxx_json, "g++")) + (list(rows(clang_json, "clang++")) if clang_json else [])
    with open(os.path.join(out, "growth.csv"), "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=list(table[0]))
        writer.writeheader()
        writer.writerows(table)

    fig, (time_ax, rate_ax) = plt.subplots(1, 2, figsize=(12, 5))
    variants = list(dict.fromkeys(r["variant"] for r in table))  # in the order measured
    for variant in variants:
        mine = sorted((r for r in table if r["variant"] == variant), key=lambda r: r["n"])
        ns = [r["n"] for r in mine]
        time_ax.plot(ns, [r["us_per_sort"] for r in mine], marker=".", label=variant)
        if mine[0]["ce_per_cycle"] != "":
            rate_ax.plot(ns, [r["ce_per_cycle"] for r in mine], marker=".", label=variant)

    # The guide: n squared through the g++ plain loop's figure at the largest n.
    plain = sorted((r for r in table if r["variant"] == LABELS[("g++", "plain")]),
                   key=lambda r: r["n"])
    top = plain[-1]
    guide_ns = [plain[0]["n"], top["n"]]
    time_ax.plot(guide_ns, [top["us_per_sort"] * (n / top["n"]) ** 2 for n in guide_ns],
                 "k--", linewidth=1, label="n² guide")
    time_ax.set(xscale="log", yscale="log", xlabel="n (values sorted)",
                ylabel="time per sort (µs)", title="Time per bubble sort of n values")
    rate_ax.set(xscale="log", xlabel="n (values sorted)", ylabel="compare-exchanges per cycle",
                title="Work per clock cycle")
    for ax in (time_ax, rate_ax):
        ax.grid(True, which="both", linewidth=0.3)
        ax.legend(fontsize=8)
    fig.suptitle(f"bubbleSort::sortIt, (n − 1)² compare-exchanges per sort, on {cpu_name()}")
    fig.tight_layout()
    fig.savefig(os.path.join(out, "growth.png"), dpi=100)


if __name__ == "__main__":
    # growth.py G++_JSON [CLANG_JSON] OUT_DIR
    args = sys.argv[1:]
    main(args[0], args[1] if len(args) == 3 else None, args[-1])
