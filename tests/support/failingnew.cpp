// A replaced operator new for test-only builds of the drivers: with FAIL_ALLOCATION_OF=SIZE:NTH
// in the environment, the NTH allocation of exactly SIZE bytes throws std::bad_alloc, as running
// out of memory at that point would. Every other allocation is malloc's.
#include <cstdlib>
#include <new>

namespace {

struct Failure {
    std::size_t size = 0;
    long nth = 0;  // 0: never
    long seen = 0;
};

Failure& failure() {
    static Failure setting = [] {
        Failure read;
        if (const char* text = std::getenv("FAIL_ALLOCATION_OF")) {
            char* end = nullptr;
            read.size = std::strtoul(text, &end, 10);
            if (*end == ':') read.nth = std::strtol(end + 1, nullptr, 10);
        }
        return read;
    }();
    return setting;
}

}  // namespace

void* operator new(std::size_t size) {
    Failure& planned = failure();
    if (size == planned.size && ++planned.seen == planned.nth) throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
