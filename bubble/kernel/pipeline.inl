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

// Every register behind register 0 takes its predecessor's output, the last register first,
// so that each reads what its predecessor emitted at the previous step. S counts the registers
// from the last one down: 0 .. Registers - 2.
template <int Registers, int... S>
BUBBLE_ALWAYS_INLINE void laterStages(std::integer_sequence<int, S...>, Ops::V (&carry)[Registers],
                                      Ops::V (&emitted)[Registers]) {
    constexpr int last = Registers - 1;
    (stage(carry[last - S], emitted[last - S], emitted[last - S - 1]), ...);
}

// Runs `passes` (at most lanes * Registers) passes over buf[0..len). buf must hold INT_MAX in
// the 2 * lanes * Registers slots behind the data; the output's vector stores spoil some of
// them, which the caller restores. R is 0 .. Registers - 1: every register is named by a
// constant, so that the compiler keeps them all in vector registers.
template <int Registers, int... R>
BUBBLE_ALWAYS_INLINE void sweep(std::integer_sequence<int, R...>, int* buf, int len, int passes) {
    constexpr int stages = Ops::lanes * Registers;
    Ops::V carry[Registers] = {startingCarry<Registers>(R, passes)...};
    Ops::V emitted[Registers] = {(static_cast<void>(R), Ops::broadcast(INT_MIN))...};

    const int delay = stages + passes - 1;
    const std::ptrdiff_t steps = static_cast<std::ptrdiff_t>(len) + delay;
    for (std::ptrdiff_t t = 0; t < steps; ++t) {
        // Register 0 takes the last register's previous output one lane down, the input on top;
        // every other register takes its predecessor's, last register first.
        const Ops::V first = Ops::shiftIn(emitted[Registers - 1], buf + t);
        laterStages<Registers>(std::make_integer_sequence<int, Registers - 1>{}, carry, emitted);
        stage(carry[0], emitted[0], first);
        // Only lane 0 counts; the other lanes land on slots that later steps overwrite.
        if (t >= delay) Ops::store(buf + t - delay, emitted[Registers - 1]);
    }
}

// Runs `passes` passes over arr[0..len), as many sweeps as they take.
template <int Registers>
void runPasses(int* arr, int len, int passes) {
    if (len < 2 || passes < 1) return;
    constexpr int stages = Ops::lanes * Registers;
    constexpr std::size_t tail = std::size_t{2} * stages;  // room for the pads behind the data
    std::vector<int> buf(static_cast<std::size_t>(len) + tail);
    std::copy_n(arr, len, buf.begin());
    for (int left = passes; left > 0; left -= stages) {
        std::fill(buf.begin() + len, buf.end(), INT_MAX);
        sweep<Registers>(std::make_integer_sequence<int, Registers>{}, buf.data(), len,
                         std::min(stages, left));
    }
    std::copy_n(buf.begin(), len, arr);
}
