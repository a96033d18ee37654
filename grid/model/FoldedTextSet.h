#pragma once
// Texts seen so far, equal when they differ only in ASCII case (as UpperCase
// folds them). Open addressing over one flat table of small slots (the hash
// and where the text is listed): a text already there is found without a
// folded copy, and a text the caller keeps is not copied at all.
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <vector>

#include "platform/sys/String.h"

class TFoldedTextSet {
 public:
  explicit TFoldedTextSet(size_t Expected);
  // False when an equal text was there already. The set keeps a copy.
  bool Insert(StringView Text);
  // Texts 0..Count-1 in turn, as Insert; TextOf(i) gives views that outlive
  // the set, and they are not copied (a repeat's view is kept too, so that
  // the views are written in one sequence). Each text is hashed as it is read;
  // the slots are then looked up a few texts ahead, so that their memory
  // arrives before it is needed. Repeat(i) for each text already there.
  template <class TextOf, class F>
  void InsertEach(size_t Count, TextOf&& Text, F&& Repeat) {
    const size_t base = FEntries.size();
    FEntries.resize(base + Count);
    std::vector<std::uint32_t> hashes(Count);
    for (size_t i = 0; i < Count; ++i) {
      FEntries[base + i] = Text(i);
      hashes[i] = Hash(FEntries[base + i]);
    }
    constexpr size_t ahead = 16;
    for (size_t i = 0; i < Count; ++i) {
      if (i + ahead < Count) __builtin_prefetch(&FSlots[Home(hashes[i + ahead])]);
      if (i + ahead / 2 < Count) PrefetchEntry(hashes[i + ahead / 2]);
      bool found = false;
      const size_t at = Probe(FEntries[base + i], hashes[i], found);
      if (found)
        Repeat(i);
      else
        Take(at, base + i, hashes[i]);
    }
  }

 private:
  // All zero is a free slot: the table comes zeroed from the allocator.
  struct TSlot {
    std::uint32_t Hash;
    std::uint32_t Entry;  // index into FEntries plus one
  };
  struct TFree {
    void operator()(TSlot* P) const { std::free(P); }
  };
  static std::uint32_t Hash(StringView Text);
  // The first slot a hash looks at: its share of the table, not its low bits,
  // so the table need not be a power of two.
  size_t Home(std::uint32_t Hash) const { return static_cast<size_t>((std::uint64_t{Hash} * FSize) >> 32); }
  // The slot holding an equal text, or the free slot where it would go.
  size_t Probe(StringView Text, std::uint32_t Hash, bool& Found) const;
  // Entry: an index into FEntries.
  void Take(size_t At, size_t Entry, std::uint32_t Hash);
  // The text a slot looked up soon may be compared with.
  void PrefetchEntry(std::uint32_t Hash) const {
    const TSlot& s = FSlots[Home(Hash)];
    if (s.Entry != 0 && s.Hash == Hash) __builtin_prefetch(FEntries[s.Entry - 1].data());
  }
  void Allocate(size_t Slots);
  void Grow();

  std::unique_ptr<TSlot[], TFree> FSlots;
  size_t FSize = 0;
  size_t FTaken = 0;
  std::vector<StringView> FEntries;  // the texts in the table
  std::deque<String> FCopies;  // the texts Insert keeps; a deque never moves them
};
