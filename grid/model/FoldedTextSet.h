#pragma once
// Texts seen so far, equal when they differ only in ASCII case (as UpperCase
// folds them). Open addressing over one flat table of small slots (the hash
// and where the text is listed): a text already there is found without a
// folded copy, and a text the caller keeps is not copied at all.
#include <cstdint>
#include <deque>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/sys/String.h"
#include "platform/sys/ZeroedBlock.h"

class TFoldedTextSet {
 public:
  explicit TFoldedTextSet(size_t Expected);
  // False when an equal text was there already. The set keeps a copy.
  bool Insert(StringView Text);
  // Texts 0..Count-1 in turn, as Insert; TextOf(i) gives views that outlive
  // the set, and they are neither copied nor listed: a text found is
  // compared with TextOf of the one there, so this fills an empty set once,
  // and Insert may not follow (both throw std::logic_error). Each text is read and hashed a few texts ahead of its turn
  // and its slot fetched then, so that the slot's memory has arrived when it
  // is needed. Repeat(i) for each text already there.
  template <class TextOf, class F>
  void InsertEach(size_t Count, TextOf&& Text, F&& Repeat) {
    if (FTaken != 0) throw std::logic_error("TFoldedTextSet::InsertEach: the set is not empty");
    FByIndex = true;
    constexpr size_t ahead = 16;
    StringView texts[ahead];
    std::uint32_t hashes[ahead];
    auto read = [&](size_t i) {
      texts[i % ahead] = Text(i);
      hashes[i % ahead] = Hash(texts[i % ahead]);
      __builtin_prefetch(&FSlots[Home(hashes[i % ahead])]);
    };
    for (size_t i = 0; i < ahead && i < Count; ++i) read(i);
    for (size_t i = 0; i < Count; ++i) {
      const StringView text = texts[i % ahead];
      const std::uint32_t hash = hashes[i % ahead];
      if (i + ahead < Count) read(i + ahead);
      bool found = false;
      const size_t at = Probe(text, hash, found, Text);
      if (found)
        Repeat(i);
      else
        Take(at, i, hash);
    }
  }

 private:
  // All zero is a free slot: the table comes zeroed.
  struct TSlot {
    std::uint32_t Hash;
    std::uint32_t Entry;  // the text's index plus one
  };
  static std::uint32_t Hash(StringView Text);
  // The first slot a hash looks at: its share of the table, not its low bits,
  // so the table need not be a power of two.
  size_t Home(std::uint32_t Hash) const { return static_cast<size_t>((std::uint64_t{Hash} * FSize) >> 32); }
  // The slot holding an equal text, or the free slot where it would go;
  // TextOf(entry) gives the text of an entry there.
  template <class TextOf>
  size_t Probe(StringView Text, std::uint32_t Hash, bool& Found, TextOf&& EntryText) const {
    size_t i = Home(Hash);
    for (;; i = i + 1 == FSize ? 0 : i + 1) {
      const TSlot& s = FSlots[i];
      if (s.Entry == 0) break;
      if (s.Hash == Hash && SameFolded(Text, EntryText(s.Entry - 1))) {
        Found = true;
        return i;
      }
    }
    Found = false;
    return i;
  }
  static bool SameFolded(StringView A, StringView B);
  void Take(size_t At, size_t Entry, std::uint32_t Hash);
  // Returns the table it replaces.
  TZeroedBlockPtr Allocate(size_t Slots);
  void Grow();

  TZeroedBlockPtr FBlock;
  TSlot* FSlots = nullptr;  // FBlock's slots
  size_t FSize = 0;
  size_t FTaken = 0;
  bool FByIndex = false;  // filled by InsertEach: entries are the caller's indexes
  std::vector<StringView> FEntries;  // the texts Insert put in the table
  std::deque<String> FCopies;  // the texts Insert keeps; a deque never moves them
};
