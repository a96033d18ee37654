#include "grid/model/FoldedTextSet.h"

#include <bit>

#include "platform/sys/SysUtils.h"

namespace {

Char UpAscii(Char C) { return C >= u'a' && C <= u'z' ? static_cast<Char>(C - 32) : C; }

std::uint32_t FoldedHash(StringView Text) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (Char c : Text) h = (h ^ UpAscii(c)) * 0x100000001b3ull;
  return static_cast<std::uint32_t>(h ^ h >> 32);
}

// Folded is already upper case.
bool SameFolded(StringView Text, const String& Folded) {
  if (Text.size() != Folded.size()) return false;
  for (size_t i = 0; i < Text.size(); ++i)
    if (UpAscii(Text[i]) != Folded[i]) return false;
  return true;
}

}  // namespace

TFoldedTextSet::TFoldedTextSet(size_t Expected) {
  FSlots.resize(std::bit_ceil(Expected * 2 + 16));
  FMask = FSlots.size() - 1;
  FTexts.reserve(Expected);
}

bool TFoldedTextSet::Insert(StringView Text) {
  const std::uint32_t hash = FoldedHash(Text);
  for (size_t i = hash & FMask;; i = (i + 1) & FMask) {
    const TSlot& s = FSlots[i];
    if (s.Text == 0) break;
    if (s.Hash == hash && SameFolded(Text, FTexts[s.Text - 1])) return false;
  }
  FTexts.push_back(UpperCase(Text));
  if (FTexts.size() * 2 > FSlots.size()) Grow();
  Place(hash, static_cast<std::uint32_t>(FTexts.size()));
  return true;
}

void TFoldedTextSet::Place(std::uint32_t Hash, std::uint32_t Text) {
  size_t i = Hash & FMask;
  while (FSlots[i].Text != 0) i = (i + 1) & FMask;
  FSlots[i] = TSlot{Hash, Text};
}

void TFoldedTextSet::Grow() {
  std::vector<TSlot> old(FSlots.size() * 2);
  old.swap(FSlots);
  FMask = FSlots.size() - 1;
  for (const TSlot& s : old)
    if (s.Text != 0) Place(s.Hash, s.Text);
}
