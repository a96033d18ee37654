#include "platform/sys/ZeroedBlock.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kLargePage = size_t{2} << 20;
// From this size on one large page, partly unused, is faulted in faster
// than the small pages the block would take.
constexpr size_t kLargeBlock = kLargePage / 8;

}  // namespace

void TZeroedBlockFree::operator()(void* P) const { std::free(P); }

TZeroedBlockPtr AllocateZeroedBlock(size_t Bytes) {
  if (Bytes < kLargeBlock) {
    TZeroedBlockPtr block(std::calloc(Bytes > 0 ? Bytes : 1, 1));
    if (!block) throw std::bad_alloc();
    return block;
  }
  const size_t rounded = (Bytes + kLargePage - 1) / kLargePage * kLargePage;
  TZeroedBlockPtr block(std::aligned_alloc(kLargePage, rounded));
  if (!block) throw std::bad_alloc();
#if defined(__linux__)
  madvise(block.get(), rounded, MADV_HUGEPAGE);  // advice only: without large pages nothing changes
#endif
  std::memset(block.get(), 0, Bytes);
  return block;
}
