#include "grid/base/SortIndexList.h"

#include <cstdint>

#include "platform/sys/SysUtils.h"

namespace {

constexpr std::uint32_t DescendingBit = 0x80000000u;
constexpr std::uint32_t ColumnBits = 0x7FFFFFFFu;

std::uint32_t Bits(int Value) { return static_cast<std::uint32_t>(Value); }
int FromBits(std::uint32_t Value) { return static_cast<int>(Value); }

}  // namespace

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  Add(FromBits(Bits(ColumnIndex) | (Ascending ? 0u : DescendingBit)));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i) {
    if ((Bits(Items(i)) & ColumnBits) == Bits(ColumnIndex)) return i;
  }
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) SetItems(i, FromBits(Bits(Items(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int Index) const { return FromBits(Bits(Items(Index)) & ColumnBits); }

void TSortIndexList::SetSortColumns(int Index, int Value) {
  SetItems(Index, FromBits((Bits(Items(Index)) & DescendingBit) | (Bits(Value) & ColumnBits)));
}

bool TSortIndexList::SortDirections(int Index) const { return Items(Index) >= 0; }

void TSortIndexList::SetSortDirections(int Index, bool Value) {
  const std::uint32_t column = Bits(Items(Index)) & ColumnBits;
  SetItems(Index, FromBits(Value ? column : column | DescendingBit));
}

String TSortIndexList::SaveToString() const {
  String r;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) r += u';';
    r += Items(i) < 0 ? u'd' : u'u';
    r += IntToStr(Items(i) & 0xFFFF);
  }
  return r;
}

void TSortIndexList::LoadFromString(const String& S) {
  Clear();
  size_t start = 0;
  while (start <= S.size()) {
    size_t end = S.find(u';', start);
    if (end == String::npos) end = S.size();
    const StringView piece = StringView(S).substr(start, end - start);
    int column = 0;
    if (piece.size() >= 2 && TryStrToInt(piece.substr(1), column)) AddIndex(column, piece[0] == u'u');
    start = end + 1;
  }
}
