// Fuzzes the bubble-pass kernels against the plain loop. The input's first two bytes give the
// length (up to 1399, long enough for chained sweeps on every kernel), the third the pass
// count as a share of it, and the rest, repeated and mixed with the index, the values: small
// ints, so that ties abound, and the int extremes. Every kernel that runs here must leave the
// array exactly as the plain loop does.
#include <climits>
#include <cstdint>
#include <vector>

#include "kernels.h"
#include "plainpasses.h"
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int len = ((data[0] << 8) | data[1]) % 1400;
    const int passes = len * data[2] / 255 + data[2] % 3;
    const int extremes[] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1};
    std::vector<int> values(static_cast<size_t>(len));
    for (int i = 0; i < len; ++i) {
        const uint8_t byte = data[3 + static_cast<size_t>(i) % (size - 3)];
        values[i] = byte < 4 ? extremes[byte] : ((byte ^ (i * 131)) & 63) - 32;
    }
    std::vector<int> plain = values;
    plainBubblePasses(plain.data(), len, passes);
    for (PassKernel kernel : allKernels) {
        if (!kernelRunsHere(kernel)) continue;
        std::vector<int> fast = values;
        bubblePasses(kernel, fast.data(), len, passes);
        require(fast == plain, "a kernel leaves the array as the plain loop does");
    }
    return 0;
}
