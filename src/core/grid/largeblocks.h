#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace analysis {

// Gives a block of several megabytes (a large text's grid rows) from memory the system backs
// with huge pages where it can: filling millions of rows then costs a few hundred page faults
// instead of tens of thousands. Smaller blocks come from the ordinary allocator.
void* allocateLargeBlock(std::size_t bytes);
void freeLargeBlock(void* block);
bool isLargeBlock(std::size_t bytes);

template <typename T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}  // NOLINT: rebinding

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        return static_cast<T*>(isLargeBlock(bytes) ? allocateLargeBlock(bytes)
                                                   : std::allocator<T>().allocate(n));
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (isLargeBlock(bytes)) {
            freeLargeBlock(p);
        } else {
            std::allocator<T>().deallocate(p, n);
        }
    }

    template <typename U>
    bool operator==(const LargeBlockAllocator<U>&) const {
        return true;
    }
};

}  // namespace analysis
