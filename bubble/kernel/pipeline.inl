// The kernel's pipeline, one source for every instruction set: simdpasses.cpp includes it
// once inside each set's namespace and target region, right after that set's `Ops` (its
// vector type V, its `lanes`, and broadcast, load, min, max, shiftIn and store).

// One stage's step: emit the smaller of its carry and its input, keep the larger.
BUBBLE_ALWAYS_INLINE void stage(Ops::V& carry, Ops::V& emitted, Ops::V in) {
    emitted = Ops::min(carry, in);
    carry = Ops::max(carry, in);
}

// Register r's starting carries: INT_MIN for the stages that run one of the passes, INT_MAX
// for those that pass their input through.
template <int Registers>
BUBBLE_ALWAYS_INLINE Ops::V startingCarry(int r, int passes) {
    alignas(64) int start[Ops::lanes];
    for (int lane = 0; lane < Ops::lanes; ++lane) {
        start[lane] = r + Registers * (Ops::lanes - 1 - lane) < passes ? INT_MIN : INT_MAX;
    }
    return Ops::load(start);
}

// A stage's step at a sweep boundary, when its input is the first value of the next sweep: it
// emits its carry, the last value of its pass, and takes that input as its new carry. The
// masks pick the lane that does so: there lowAt holds INT_MIN and highAt INT_MAX, so that
// min(carry, lowAt) drops the carry and max(in, highAt) lets it out in place of the input; in
// every other lane lowAt holds INT_MAX and highAt INT_MIN, which leave min and max as they are.
BUBBLE_ALWAYS_INLINE void boundaryStage(Ops::V& carry, Ops::V& emitted, Ops::V in, Ops::V lowAt,
                                        Ops::V highAt) {
    emitted = Ops::min(carry, Ops::max(in, highAt));
    carry = Ops::max(Ops::min(carry, lowAt), in);
}

// Register r's stage: at the boundary when r is B, as usual otherwise (B = -1: no boundary, and
// no masks given).
template <int B, int r, typename... Masks>
BUBBLE_ALWAYS_INLINE void stageOf(Ops::V& carry, Ops::V& emitted, Ops::V in, Masks... masks) {
    if constexpr (B == r) {
        boundaryStage(carry, emitted, in, masks...);
    } else {
        stage(carry, emitted, in);
    }
}

// Every register behind register 0 takes its predecessor's output, the last register first,
// so that each reads what its predecessor emitted at the previous step. S counts the registers
// from the last one down: 0 .. Registers - 2.
template <int B, int Registers, int... S, typename... Masks>
BUBBLE_ALWAYS_INLINE void laterStages(std::integer_sequence<int, S...>, Ops::V (&carry)[Registers],
                                      Ops::V (&emitted)[Registers], Masks... masks) {
    constexpr int last = Registers - 1;
    (stageOf<B, last - S>(carry[last - S], emitted[last - S], emitted[last - S - 1], masks...),
     ...);
}

// One step of every stage: register 0 takes the last register's previous output one lane
// down, and the input *in on top. Register B's stage crosses a sweep boundary in the lane that
// the masks lowAt and highAt pick (B = -1, with no masks: none does).
template <int B, int Registers, typename... Masks>
BUBBLE_ALWAYS_INLINE void step(Ops::V (&carry)[Registers], Ops::V (&emitted)[Registers],
                               const int* in, Masks... masks) {
    static_assert(sizeof...(Masks) == (B >= 0 ? 2 : 0), "lowAt and highAt where B is a stage");
    const Ops::V first = Ops::shiftIn(emitted[Registers - 1], in);
    laterStages<B, Registers>(std::make_integer_sequence<int, Registers - 1>{}, carry, emitted,
                              masks...);
    stageOf<B, 0>(carry[0], emitted[0], first, masks...);
}

// One sweep: `passes` passes over buf[0..len), at most one per stage (lanes * Registers).
// Behind the data, buf must hold 2 * lanes * Registers slots of INT_MAX, the pads that push the
// last values out; the sweep's stores overwrite some of them, so the caller fills them again
// before the next sweep. R counts the registers, 0 .. Registers - 1, as compile-time constants:
// with no register picked by a run-time index, the compiler can keep every one in a vector
// register instead of memory.
template <int Registers, int... R>
BUBBLE_ALWAYS_INLINE void sweep(std::integer_sequence<int, R...>, int* buf, int len, int passes) {
    constexpr int stages = Ops::lanes * Registers;
    BUBBLE_SWEEP_HOOK(1, Registers, passes);
    Ops::V carry[Registers] = {startingCarry<Registers>(R, passes)...};
    Ops::V emitted[Registers] = {(static_cast<void>(R), Ops::broadcast(INT_MIN))...};
    const int delay = stages + passes - 1;
    const std::ptrdiff_t steps = static_cast<std::ptrdiff_t>(len) + delay;
    for (std::ptrdiff_t t = 0; t < steps; ++t) {
        step<-1, Registers>(carry, emitted, buf + t);
        // Only lane 0 counts; the other lanes land on slots that later steps overwrite.
        if (t >= delay) Ops::store(buf + t - delay, emitted[Registers - 1]);
    }
}

// 2 * Registers of the first 2 * stages steps of a chained sweep, from step i0 = 2 * Registers
// * g, for the stages in lane group g (lane lanes - 1 - g): stage j = B + Registers * g crosses
// the boundary at step 2j, and every step stores the output of step i - delay, the previous
// sweep's tail until i reaches delay.
template <int Registers, int... B>
BUBBLE_ALWAYS_INLINE void boundarySteps(std::integer_sequence<int, B...>,
                                        Ops::V (&carry)[Registers], Ops::V (&emitted)[Registers],
                                        int* buf, std::ptrdiff_t len, std::ptrdiff_t i0,
                                        Ops::V lowAt, Ops::V highAt) {
    constexpr std::ptrdiff_t delay = std::ptrdiff_t{2} * Ops::lanes * Registers - 1;
    const auto output = [&](std::ptrdiff_t i) {
        Ops::store((i < delay ? buf + len : buf) + (i - delay), emitted[Registers - 1]);
    };
    // 2 * B is a constant below 64, so an int product cannot overflow.
    // NOLINTBEGIN(bugprone-implicit-widening-of-multiplication-result)
    ((step<B, Registers>(carry, emitted, buf + i0 + 2 * B, lowAt, highAt), output(i0 + 2 * B),
      step<-1, Registers>(carry, emitted, buf + i0 + 2 * B + 1), output(i0 + 2 * B + 1)),
     ...);
    // NOLINTEND(bugprone-implicit-widening-of-multiplication-result)
}

// Runs `sweeps` full sweeps (stages passes each) over buf[0..len) back to back, for len of at
// least 2 * stages: the pipeline fills once and drains once. The next sweep's input is this
// sweep's output, stored delay = 2 * stages - 1 steps after its input was read, so before the
// next sweep reads it while len > delay. At a boundary each stage takes the next sweep's first
// value as its carry, stage j at the sweep's step 2j. buf must have the 2 * stages slots
// behind the data, as for sweep; they end up spoilt.
template <int Registers, int... R>
BUBBLE_ALWAYS_INLINE void chainedSweeps(std::integer_sequence<int, R...> registers, int* buf,
                                        int len, int sweeps) {
    constexpr int lanes = Ops::lanes;
    constexpr std::ptrdiff_t stages = std::ptrdiff_t{lanes} * Registers;
    constexpr std::ptrdiff_t delay = 2 * stages - 1;
    BUBBLE_SWEEP_HOOK(sweeps, Registers, static_cast<int>(stages));
    Ops::V carry[Registers] = {(static_cast<void>(R), Ops::broadcast(INT_MIN))...};
    Ops::V emitted[Registers] = {(static_cast<void>(R), Ops::broadcast(INT_MIN))...};
    // The masks that put lane group g's stages across the boundary: lane lanes - 1 - g.
    Ops::V lowAt[lanes];
    Ops::V highAt[lanes];
    for (int g = 0; g < lanes; ++g) {
        alignas(64) int low[lanes];
        alignas(64) int high[lanes];
        for (int lane = 0; lane < lanes; ++lane) {
            const bool crossing = lane == lanes - 1 - g;
            low[lane] = crossing ? INT_MIN : INT_MAX;
            high[lane] = crossing ? INT_MAX : INT_MIN;
        }
        lowAt[g] = Ops::load(low);
        highAt[g] = Ops::load(high);
    }

    for (std::ptrdiff_t i = 0; i < len; ++i) {  // the first sweep fills the pipeline
        step<-1, Registers>(carry, emitted, buf + i);
        if (i >= delay) Ops::store(buf + i - delay, emitted[Registers - 1]);
    }
    for (int s = 1; s < sweeps; ++s) {
        for (int g = 0; g < lanes; ++g) {
            boundarySteps<Registers>(registers, carry, emitted, buf, len, 2 * Registers * g,
                                     lowAt[g], highAt[g]);
        }
        for (std::ptrdiff_t i = 2 * stages; i < len; ++i) {
            step<-1, Registers>(carry, emitted, buf + i);
            Ops::store(buf + i - delay, emitted[Registers - 1]);
        }
    }
    // The last sweep drains: pads push the outputs still in the pipeline out. Earlier sweeps'
    // stores have spoilt the pads; the last sweep's come after the drain has read them.
    std::fill(buf + len, buf + len + 2 * stages, INT_MAX);
    for (std::ptrdiff_t i = 0; i < delay; ++i) {
        step<-1, Registers>(carry, emitted, buf + len + i);
        Ops::store(buf + len - delay + i, emitted[Registers - 1]);
    }
}

// Runs a sweep of `passes` passes, at most lanes * Registers, on the fewest registers of the
// chain Registers, Registers halved (rounding up), halved again, ... (AVX-512: 10, 5, 3, 2, 1)
// that hold them: the stages past the passes would only hand values on, each at the cost of
// its min and max every step. The chain keeps the code to a few widths, so this is not always
// the fewest registers of all: 81 to 96 AVX-512 passes run on 10, where 6 would hold them.
// buf must have the pads behind the data, as for sweep.
template <int Registers>
void narrowestSweep(int* buf, int len, int passes) {
    constexpr int narrower = (Registers + 1) / 2;
    if constexpr (Registers > 1) {
        if (passes <= Ops::lanes * narrower) {
            narrowestSweep<narrower>(buf, len, passes);
            return;
        }
    }
    sweep<Registers>(std::make_integer_sequence<int, Registers>{}, buf, len, passes);
}

// Runs `passes` passes over arr[0..len), as many sweeps as they take.
template <int Registers>
void runPasses(int* arr, int len, int passes) {
    if (len < 2 || passes < 1) return;
    constexpr int stages = Ops::lanes * Registers;
    constexpr std::size_t tail = std::size_t{2} * stages;  // room for the pads behind the data
    std::vector<int> buf(static_cast<std::size_t>(len) + tail);
    std::copy_n(arr, len, buf.begin());
    int left = passes;
    // Whole sweeps back to back where the array is long enough; the rest, sweep by sweep.
    if (const int whole = passes / stages; whole >= 2 && len >= 2 * stages) {
        chainedSweeps<Registers>(std::make_integer_sequence<int, Registers>{}, buf.data(), len,
                                 whole);
        left -= whole * stages;
    }
    for (; left > 0; left -= stages) {
        std::fill(buf.begin() + len, buf.end(), INT_MAX);
        narrowestSweep<Registers>(buf.data(), len, std::min(stages, left));  // all, but the last
    }
    std::copy_n(buf.begin(), len, arr);
}
