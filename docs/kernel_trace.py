"""Traces the bubble-pass kernel's pipeline (bubble/kernel/simdpasses.cpp) step by step on a
small array, checks it against the plain loop, and draws kernel-trace.png (one sweep) and
kernel-chain.png (two sweeps chained across their boundary).

The trace does what the kernel's sweeps do, register by register and lane by lane, chained
sweeps and the narrow last sweep included (narrowest_registers, as narrowestSweep): R carry
registers of L lanes, stage s in register s % R, lane L - 1 - s // R; each step, register 0
takes the last register's previous emission one lane down with the next input on top, every
other register takes its predecessor's, each stage emits min(carry, in) and keeps the max.
Usage: kernel_trace.py [OUT_DIR|--check] [KERNEL_SWEEPS]
  --check checks without drawing; KERNEL_SWEEPS, the path of the built kernel_sweeps program,
  also checks the trace against the C++ kernels that run here, sweep by sweep."""
import os
import random
import subprocess
import sys

LOW, HIGH = -(2**31), 2**31 - 1  # INT_MIN, INT_MAX


def plain_passes(values, passes):
    a = list(values)
    for _ in range(passes):
        for j in range(len(a) - 1):
            if a[j] > a[j + 1]:
                a[j], a[j + 1] = a[j + 1], a[j]
    return a


def sweep(buf, length, passes, lanes, registers, trace=None):
    """One sweep of `passes` (at most lanes * registers) passes over buf[:length], in place;
    buf holds HIGH in the 2 * stages slots behind the data, as the kernel's buffer does."""
    stages = lanes * registers
    stage_of = lambda r, lane: r + registers * (lanes - 1 - lane)
    carry = [[LOW if stage_of(r, lane) < passes else HIGH for lane in range(lanes)]
             for r in range(registers)]
    emitted = [[LOW] * lanes for _ in range(registers)]
    delay = stages + passes - 1
    for t in range(length + delay):
        first = emitted[registers - 1][1:] + [buf[t]]  # one lane down, the input on top
        inputs = [first] + [emitted[r - 1] for r in range(1, registers)]
        emitted = [[min(c, x) for c, x in zip(carry[r], inputs[r])] for r in range(registers)]
        carry = [[max(c, x) for c, x in zip(carry[r], inputs[r])] for r in range(registers)]
        out = emitted[registers - 1][0] if t >= delay else None
        if out is not None:
            buf[t - delay] = out
        if trace is not None:
            by_stage, emitted_by_stage = [None] * stages, [None] * stages
            for r in range(registers):
                for lane in range(lanes):
                    by_stage[stage_of(r, lane)] = carry[r][lane]
                    emitted_by_stage[stage_of(r, lane)] = emitted[r][lane]
            trace.append({"input": buf[t] if t < length else None, "carry": by_stage,
                          "emitted": emitted_by_stage, "output": out})


def chained_sweeps(buf, length, sweeps, lanes, registers, trace=None):
    """`sweeps` whole sweeps back to back, as the kernel's chainedSweeps, for length of at
    least 2 * stages: the pipeline fills once and drains once. In each later sweep, stage j
    meets the sweep's first value at step 2j: it emits its carry (its pass's last value) and
    takes that value as its new carry. Sweep s + 1 reads position i when sweep s has written
    it, delay = 2 * stages - 1 steps after reading it."""
    stages = lanes * registers
    delay = 2 * stages - 1
    where = lambda s: (s % registers, lanes - 1 - s // registers)  # register, lane
    carry = [[LOW] * lanes for _ in range(registers)]
    emitted = [[LOW] * lanes for _ in range(registers)]

    def step(value, crossing, output_at):
        nonlocal carry, emitted
        first = emitted[registers - 1][1:] + [value]
        inputs = [first] + [emitted[r - 1] for r in range(1, registers)]
        pairs = [[(c, x) if (r, lane) == crossing else (min(c, x), max(c, x))
                  for lane, (c, x) in enumerate(zip(carry[r], inputs[r]))]
                 for r in range(registers)]
        emitted = [[e for e, _ in row] for row in pairs]
        carry = [[c for _, c in row] for row in pairs]
        if output_at is not None:
            buf[output_at] = emitted[registers - 1][0]
        if trace is not None:
            by_stage = [carry[where(s)[0]][where(s)[1]] for s in range(stages)]
            emitted_by_stage = [emitted[where(s)[0]][where(s)[1]] for s in range(stages)]
            boundary = None if crossing is None else next(
                s for s in range(stages) if where(s) == crossing)
            trace.append({"input": value, "carry": by_stage, "emitted": emitted_by_stage,
                          "output": None if output_at is None else buf[output_at],
                          "boundary": boundary})

    for i in range(length):  # the first sweep fills the pipeline
        step(buf[i], None, i - delay if i >= delay else None)
    for _ in range(1, sweeps):
        for i in range(length):
            j, odd = divmod(i, 2)
            crossing = where(j) if not odd and j < stages else None
            step(buf[i], crossing, i - delay + (length if i < delay else 0))
    buf[length:] = [HIGH] * (2 * stages)
    for i in range(delay):  # pads push the last outputs out
        step(buf[length + i], None, length - delay + i)


def narrowest_registers(registers, lanes, passes):
    """The registers the kernel's narrowestSweep runs `passes` passes on: its count halved,
    rounding up, again and again while the half still holds them (10, 5, 3, 2, 1)."""
    while registers > 1 and passes <= lanes * ((registers + 1) // 2):
        registers = (registers + 1) // 2
    return registers


def kernel_passes(values, passes, lanes, registers, trace=None):
    stages = lanes * registers
    buf = list(values) + [HIGH] * (2 * stages)
    left = passes
    whole = passes // stages
    if whole >= 2 and len(values) >= 2 * stages:  # as the kernel's runPasses
        chained_sweeps(buf, len(values), whole, lanes, registers, trace)
        trace = None
        left -= whole * stages
    while len(values) >= 2 and left > 0:
        buf[len(values):] = [HIGH] * (2 * stages)
        count = min(stages, left)
        sweep(buf, len(values), count, lanes, narrowest_registers(registers, lanes, count), trace)
        trace = None  # only the first sweep is drawn
        left -= stages
    return buf[:len(values)]


def check():
    rng = random.Random(5)
    for _ in range(400):
        lanes, registers = rng.choice([(4, 2), (4, 3), (2, 2), (8, 1), (1, 1), (2, 1)])
        length = rng.randrange(0, 30)
        values = [rng.choice([LOW, HIGH, rng.randrange(-5, 6)]) for _ in range(length)]
        for passes in range(0, length + 2):
            got = kernel_passes(values, passes, lanes, registers)
            assert got == plain_passes(values, passes), (values, passes, lanes, registers)


def check_cpp(kernel_sweeps):
    """The C++ kernels against this trace: each sweep's array, for every kernel that runs."""
    rng = random.Random(7)
    checked = []
    for kernel in ["avx512", "avx2", "sse41", "neon", "fallback"]:
        for length in [0, 1, 2, 7, 40, 177, 400]:
            values = [rng.choice([LOW, HIGH, rng.randrange(-99, 100)]) for _ in range(length)]
            run = subprocess.run([kernel_sweeps, kernel], input=" ".join(map(str, values)),
                                 capture_output=True, text=True)
            if run.returncode == 1 and run.stderr.startswith("usage: kernel_sweeps"):
                break  # the kernel does not run here
            assert run.returncode == 0, (kernel, length, run.returncode, run.stderr)
            lines = run.stdout.splitlines()
            lanes, registers = map(int, lines[0].split())
            stages = lanes * registers
            sweeps = max(0, -(-(length - 1) // stages))  # ceil((length - 1) / stages)
            assert len(lines) - 1 == sweeps, (kernel, length, len(lines) - 1, sweeps)
            for k, line in enumerate(lines[1:], start=1):
                expected = kernel_passes(values, min(k * stages, length - 1), lanes, registers)
                got = list(map(int, line.split()))
                assert got == expected, (kernel, length, k)
        else:
            checked.append(kernel)
            print(f"kernel trace: equals the C++ {kernel} kernel, sweep by sweep")
    assert "fallback" in checked, "kernel_sweeps refused the fallback, which runs everywhere"


def show(v):
    return "" if v is None else "−∞" if v == LOW else "+∞" if v == HIGH else str(v)


def paint_steps(plt, axes, trace, rows, shade, crossing=lambda t, y: False):
    """The pipeline step by step, a column a step and a row a stage (the input above, the
    output below): each cell the stage's carry and, in blue below it, what it emitted. shade
    gives a cell's colour from (step, row, value, whether the row is the input or the output);
    crossing marks in red the cells where a stage crosses into the next sweep."""
    for t, step in enumerate(trace):
        column = [step["input"]] + step["carry"] + [step["output"]]
        emissions = [None] + step["emitted"] + [None]
        for y, (v, e) in enumerate(zip(column, emissions)):
            red = crossing(t, y)
            axes.add_patch(plt.Rectangle((t, y), 1, 1,
                                         facecolor=shade(t, y, v, y in (0, len(rows) - 1)),
                                         edgecolor="#d62728" if red else "#bbbbbb",
                                         linewidth=2.5 if red else 1, zorder=2 if red else 1))
            if e is None or e == LOW:
                axes.text(t + 0.5, y + 0.5, show(v), ha="center", va="center", fontsize=7)
            else:
                axes.text(t + 0.5, y + 0.36, show(v), ha="center", va="center", fontsize=6.5)
                axes.text(t + 0.5, y + 0.74, show(e), ha="center", va="center", fontsize=5.5,
                          color="#1f5fbf")
    axes.set(xlim=(0, len(trace)), ylim=(len(rows), 0), xlabel="time step")
    axes.set_yticks([y + 0.5 for y in range(len(rows))], rows, fontsize=7)
    axes.set_xticks([t + 0.5 for t in range(0, len(trace), 2)], range(0, len(trace), 2),
                    fontsize=7)


def pyplot():
    import matplotlib

    matplotlib.use("Agg")  # no display needed
    import matplotlib.pyplot as plt

    return plt


def draw(out):
    plt = pyplot()
    values = [7, 3, 9, 1, 8, 2, 6, 4, 5, 0, 11, 10]
    lanes, registers = 4, 2
    stages = lanes * registers
    trace = []
    result = kernel_passes(values, stages, lanes, registers, trace)
    assert result == plain_passes(values, stages)

    fig, (pipe, plain) = plt.subplots(1, 2, figsize=(15, 5.6),
                                      gridspec_kw={"width_ratios": [2.6, 1]})
    rows = ["input"] + [f"stage {s}\nreg {s % registers}, lane {lanes - 1 - s // registers}"
                        for s in range(stages)] + ["output"]
    paint_steps(plt, pipe, trace, rows,
                lambda t, y, v, edge: "#dfe8f5" if edge and v is not None else (
                    "white" if v in (None, LOW, HIGH) else "#fbe3c4"))
    pipe.set(title=f"One sweep: {stages} passes as {stages} pipeline stages "
                   f"({registers} registers × {lanes} lanes); each cell: the stage's carry "
                   "and, in blue, what it emitted")

    states = [plain_passes(values, p) for p in range(stages + 1)]
    for p, state in enumerate(states):
        for j, v in enumerate(state):
            final = p == stages
            plain.add_patch(plt.Rectangle((j, p), 1, 1, edgecolor="#bbbbbb",
                                          facecolor="#dfe8f5" if final else "white"))
            plain.text(j + 0.5, p + 0.5, str(v), ha="center", va="center", fontsize=8)
    plain.set(xlim=(0, len(values)), ylim=(len(states), 0), xlabel="index",
              title="The plain loop: the array after each pass")
    plain.set_yticks([p + 0.5 for p in range(len(states))],
                     ["input"] + [f"pass {p}" for p in range(1, len(states))], fontsize=8)
    plain.set_xticks([j + 0.5 for j in range(len(values))], range(len(values)), fontsize=8)
    fig.suptitle("The kernel's output (bottom row, left) is the plain loop's array after "
                 f"{stages} passes (bottom row, right): {' '.join(map(str, result))}")
    fig.tight_layout()
    os.makedirs(out, exist_ok=True)
    fig.savefig(os.path.join(out, "kernel-trace.png"), dpi=100)


def draw_chain(out):
    """Two sweeps back to back on a small pipeline: the boundary cells, where a stage takes
    the next sweep's first value as its carry, run down the stages two steps apart."""
    plt = pyplot()
    values = [7, 3, 9, 1, 8, 2, 6, 4, 5, 0]
    lanes, registers = 2, 2
    stages = lanes * registers
    trace = []
    result = kernel_passes(values, 2 * stages, lanes, registers, trace)
    assert result == plain_passes(values, 2 * stages)
    rows = ["input"] + [f"stage {s}" for s in range(stages)] + ["output"]
    fig, pipe = plt.subplots(figsize=(15, 3.6))

    def shade(t, y, v, edge):
        if edge and v is not None:
            return "#dfe8f5"
        if not edge and v in (LOW, HIGH):
            return "white"
        return "#d9f0d3" if t >= len(values) + 2 * (y - 1) else "#fbe3c4"  # sweep 2, or 1

    paint_steps(plt, pipe, trace, rows, shade,
                lambda t, y: trace[t]["boundary"] is not None and y == trace[t]["boundary"] + 1)
    pipe.axvline(len(values), color="#333333", linewidth=1)
    pipe.set(title=f"Two sweeps back to back, {2 * stages} passes on {stages} stages: "
                   "sweep 1 orange, sweep 2 green; in a red cell a stage emits its carry and "
                   "takes sweep 2's first value")
    fig.tight_layout()
    fig.savefig(os.path.join(out, "kernel-chain.png"), dpi=100)


if __name__ == "__main__":
    check()
    print("kernel trace: equals the plain loop")
    if len(sys.argv) > 2:
        check_cpp(sys.argv[2])
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    if target != "--check":
        draw(target)
        draw_chain(target)
