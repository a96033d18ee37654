#pragma once
// Texts seen so far, equal when they differ only in ASCII case (as UpperCase
// folds them). Open addressing over one flat table: no node per text, and a
// text already there is found without making its folded copy.
#include <cstdint>
#include <vector>

#include "platform/sys/String.h"

class TFoldedTextSet {
 public:
  explicit TFoldedTextSet(size_t Expected);
  // False when an equal text was there already.
  bool Insert(StringView Text);

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    std::uint32_t Text = 0;  // index into FTexts plus one; 0 for a free slot
  };
  void Grow();
  void Place(std::uint32_t Hash, std::uint32_t Text);

  std::vector<TSlot> FSlots;
  std::vector<String> FTexts;  // folded
  size_t FMask = 0;
};
