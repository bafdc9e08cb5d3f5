// A replaced operator new for test-only builds of the drivers. FAIL_ALLOCATION_OF=SIZE:NTH in
// the environment makes the NTH allocation of SIZE bytes or more throw std::bad_alloc, as
// running out of memory at that point would; FAIL_ALLOCATION_OF=new[]:SIZE:NTH counts only the
// allocations of arrays by new[]. "Or more": a standard library may ask for more than an
// object's size (Microsoft's pads large blocks for alignment). Every other allocation is malloc's.
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

struct Failure {
    bool arraysOnly = false;
    std::size_t size = 0;
    long nth = 0;  // 0: never
    long seen = 0;
};

Failure& failure() {
    static Failure setting = [] {
        Failure read;
        if (const char* text = std::getenv("FAIL_ALLOCATION_OF")) {
            read.arraysOnly = std::strncmp(text, "new[]:", 6) == 0;
            char* end = nullptr;
            read.size = std::strtoul(read.arraysOnly ? text + 6 : text, &end, 10);
            if (*end == ':') read.nth = std::strtol(end + 1, nullptr, 10);
        }
        return read;
    }();
    return setting;
}

void* allocate(std::size_t size, bool array) {
    Failure& planned = failure();
    if (planned.nth != 0 && size >= planned.size && (array || !planned.arraysOnly) &&
        ++planned.seen == planned.nth) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size, false); }
void* operator new[](std::size_t size) { return allocate(size, true); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
