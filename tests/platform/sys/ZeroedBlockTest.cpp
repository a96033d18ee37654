#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/sys/ZeroedBlock.h"

// A block freed dirty and asked for again may come back from the heap: it
// must still be zero, small or large.
TEST(ZeroedBlock, ComesZeroedAfterADirtyBlockOfTheSameSize) {
  for (size_t bytes : {size_t{0}, size_t{100}, size_t{300} << 10, size_t{3} << 20, (size_t{5} << 20) + 12}) {
    SCOPED_TRACE(bytes);
    for (int round = 0; round < 3; ++round) {
      TZeroedBlockPtr block = AllocateZeroedBlock(bytes);
      ASSERT_NE(block, nullptr);
      const auto* p = static_cast<const unsigned char*>(block.get());
      EXPECT_TRUE(std::all_of(p, p + bytes, [](unsigned char c) { return c == 0; }));
      std::memset(block.get(), 0xA5, bytes);
    }
  }
}
