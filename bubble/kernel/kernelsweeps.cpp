// kernel_sweeps KERNEL: reads ints from standard input and prints "LANES REGISTERS", then the
// array as the kernel leaves it after each of its sweeps, one line each, until sorted
// (len - 1 passes). docs/kernel_trace.py checks its drawing of the pipeline against this.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <iterator>
#include <vector>

#include "kernels.h"

int main(int argc, char** argv) {
    const auto* kernel =
        argc == 2
            ? std::find_if(std::begin(allKernels), std::end(allKernels),
                           [&](PassKernel k) { return std::strcmp(kernelName(k), argv[1]) == 0; })
            : std::end(allKernels);
    if (kernel == std::end(allKernels) || !kernelRunsHere(*kernel)) {
        std::cerr << "usage: kernel_sweeps KERNEL (one that runs here) <ints\n";
        return 1;
    }
    const std::vector<int> values{std::istream_iterator<int>(std::cin), {}};
    const int len = static_cast<int>(values.size());
    const int perSweep = kernelSweepPasses(*kernel);
    std::cout << kernelLanes(*kernel) << ' ' << perSweep / kernelLanes(*kernel) << '\n';
    for (int passes = perSweep; passes - perSweep < len - 1; passes += perSweep) {
        std::vector<int> arr = values;
        bubblePasses(*kernel, arr.data(), len, std::min(passes, len - 1));
        for (int v : arr) std::cout << v << ' ';
        std::cout << '\n';
    }
}
