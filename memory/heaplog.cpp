// For the memory pages' recorded builds alone: operator new and delete that note each block they
// hand out and take back, with where the code that asked stands, for memory/record.py to read.
// The recorder draws the blocks that the learner's own code made and has not deleted yet.
#include <cstdlib>
#include <new>

struct HeapBlock {
    void* address;
    void* caller;  // the return address into the code that called new
    bool live;
};
constexpr int heapBlocks = 1024;
HeapBlock memoryHeap[heapBlocks];
int memoryHeapCount = 0;

void* operator new(std::size_t size) {
    void* const block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) throw std::bad_alloc();
    if (memoryHeapCount < heapBlocks) {
        memoryHeap[memoryHeapCount++] = {block, __builtin_return_address(0), true};
    }
    return block;
}

void operator delete(void* block) noexcept {
    for (int i = memoryHeapCount - 1; i >= 0; --i) {
        if (memoryHeap[i].address == block && memoryHeap[i].live) {
            memoryHeap[i].live = false;
            break;
        }
    }
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
