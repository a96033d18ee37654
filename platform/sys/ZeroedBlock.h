#pragma once
// Large zeroed blocks for tables filled in one go. Where the system offers
// it a large block is backed by large pages: touching it first then costs a
// few page faults, not one for every 4 KiB.
#include <cstddef>
#include <memory>

struct TZeroedBlockFree {
  void operator()(void* P) const;
};
using TZeroedBlockPtr = std::unique_ptr<void, TZeroedBlockFree>;

// Throws std::bad_alloc when the memory is not there.
TZeroedBlockPtr AllocateZeroedBlock(size_t Bytes);
