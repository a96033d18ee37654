#include "grid/model/FoldedTextSet.h"


namespace {

Char UpAscii(Char C) { return C >= u'a' && C <= u'z' ? static_cast<Char>(C - 32) : C; }

}  // namespace

// At most two thirds of the slots are taken.
TFoldedTextSet::TFoldedTextSet(size_t Expected) { Allocate(Expected + Expected / 2 + 16); }

// A large table in large pages: faulting in 4 KiB pages one by one cost more
// than all the probing. Nothing changes when there is no memory.
TZeroedBlockPtr TFoldedTextSet::Allocate(size_t Slots) {
  TZeroedBlockPtr block = AllocateZeroedBlock(Slots * sizeof(TSlot));
  FSlots = static_cast<TSlot*>(block.get());
  FSize = Slots;
  FBlock.swap(block);
  return block;
}

std::uint32_t TFoldedTextSet::Hash(StringView Text) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (Char c : Text) h = (h ^ UpAscii(c)) * 0x100000001b3ull;
  return static_cast<std::uint32_t>(h ^ h >> 32);
}

bool TFoldedTextSet::SameFolded(StringView A, StringView B) {
  if (A.size() != B.size()) return false;
  if (A == B) return true;  // most repeats are spelt alike: one block compare
  for (size_t i = 0; i < A.size(); ++i)
    if (UpAscii(A[i]) != UpAscii(B[i])) return false;
  return true;
}

bool TFoldedTextSet::Insert(StringView Text) {
  if (FByIndex) throw std::logic_error("TFoldedTextSet::Insert: the set was filled by InsertEach");
  const std::uint32_t hash = Hash(Text);
  bool found = false;
  const size_t at = Probe(Text, hash, found, [&](size_t Entry) { return FEntries[Entry]; });
  if (!found) {
    FEntries.push_back(FCopies.emplace_back(Text));
    Take(at, FEntries.size() - 1, hash);
  }
  return !found;
}

void TFoldedTextSet::Take(size_t At, size_t Entry, std::uint32_t Hash) {
  FSlots[At] = TSlot{Hash, static_cast<std::uint32_t>(Entry + 1)};
  if (++FTaken * 3 > FSize * 2) Grow();
}

void TFoldedTextSet::Grow() {
  const size_t oldSize = FSize;
  const TSlot* old = FSlots;
  const TZeroedBlockPtr oldBlock = Allocate(oldSize * 2);
  for (size_t k = 0; k < oldSize; ++k) {
    const TSlot& s = old[k];
    if (s.Entry == 0) continue;
    size_t i = Home(s.Hash);
    while (FSlots[i].Entry != 0) i = i + 1 == FSize ? 0 : i + 1;
    FSlots[i] = s;
  }
}
