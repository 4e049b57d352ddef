#include "core/grid/largeblocks.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace analysis {
namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kLargeBlock = 2 * kHugePage;

std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

bool isLargeBlock(std::size_t bytes) {
    return bytes >= kLargeBlock;
}

void* allocateLargeBlock(std::size_t bytes) {
    void* block = ::operator new(roundedUp(bytes), std::align_val_t(kHugePage));
#ifdef MADV_HUGEPAGE
    madvise(block, roundedUp(bytes), MADV_HUGEPAGE);  // a hint: without it, ordinary pages
#endif
    return block;
}

void freeLargeBlock(void* block) {
    ::operator delete(block, std::align_val_t(kHugePage));
}

}  // namespace analysis
