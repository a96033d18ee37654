#include "platform/grids/GridAxis.h"

#include <algorithm>

void TGridAxis::SetCount(int Value) {
  FCount = Value;
  FSizes.erase(FSizes.lower_bound(Value), FSizes.end());
}

void TGridAxis::SetDefaultSize(int Value) {
  FDefaultSize = Value;
  FSizes.clear();
}

int TGridAxis::Size(int Index) const {
  auto it = FSizes.find(Index);
  return it == FSizes.end() ? FDefaultSize : it->second;
}

void TGridAxis::SetSize(int Index, int Value) {
  if (Value == FDefaultSize)
    FSizes.erase(Index);
  else
    FSizes[Index] = Value;
}

void TGridAxis::InsertSizes(int Index, int Count) {
  std::map<int, int> moved;
  for (auto it = FSizes.lower_bound(Index); it != FSizes.end();) {
    moved.emplace(it->first + Count, it->second);
    it = FSizes.erase(it);
  }
  FSizes.merge(moved);
}

void TGridAxis::DeleteSizes(int Index, int Count) {
  FSizes.erase(FSizes.lower_bound(Index), FSizes.lower_bound(Index + Count));
  std::map<int, int> moved;
  for (auto it = FSizes.lower_bound(Index + Count); it != FSizes.end();) {
    moved.emplace(it->first - Count, it->second);
    it = FSizes.erase(it);
  }
  FSizes.merge(moved);
}

void TGridAxis::DeleteSizeList(const std::vector<int>& Indexes) {
  if (FSizes.empty() || Indexes.empty()) return;
  std::map<int, int> kept;
  auto gone = Indexes.begin();
  for (auto [index, size] : FSizes) {
    while (gone != Indexes.end() && *gone < index) ++gone;
    if (gone != Indexes.end() && *gone == index) continue;
    kept.emplace_hint(kept.end(), index - static_cast<int>(gone - Indexes.begin()), size);
  }
  FSizes = std::move(kept);
}

int TGridAxis::Extent(int Index, int Line) const {
  int size = Size(Index);
  return size < 0 ? 0 : size + Line;
}

int TGridAxis::FixedExtent(int Line) const {
  int pos = 0;
  for (int i = 0; i < FFixed && i < FCount; ++i) pos += Extent(i, Line);
  return pos;
}

TGridAxis::TSpan TGridAxis::Span(int Index, int First, int View, int Line) const {
  if (Index < 0 || Index >= FCount || Size(Index) < 0) return {};
  int start = 0;
  if (Index < FFixed) {
    for (int i = 0; i < Index; ++i) start += Extent(i, Line);
  } else {
    if (Index < First) return {};
    start = FixedExtent(Line);
    for (int i = First; i < Index && start < View; ++i) start += Extent(i, Line);
  }
  if (start >= View) return {};
  return {start, std::min(start + Size(Index), View)};
}

int TGridAxis::Hit(int Pixel, int First, int View, int Line) const {
  if (Pixel < 0 || Pixel >= View) return -1;
  int pos = 0;
  for (int i = 0; i < FFixed && i < FCount; ++i) {
    pos += Extent(i, Line);
    if (Pixel < pos) return i;
  }
  for (int i = std::max(First, FFixed); i < FCount && pos < View; ++i) {
    pos += Extent(i, Line);
    if (Pixel < pos) return i;
  }
  return -1;
}

int TGridAxis::VisibleCount(int First, int View, int Line) const {
  if (First >= FCount) return 0;
  int pos = FixedExtent(Line);
  int n = 0;
  for (int i = First; i < FCount; ++i) {
    pos += Extent(i, Line);
    if (pos > View) break;
    ++n;
  }
  return std::max(n, 1);
}

int TGridAxis::LastVisible(int First, int View, int Line) const {
  int pos = FixedExtent(Line);
  int last = First;
  for (int i = First; i < FCount && pos < View; ++i) {
    pos += Extent(i, Line);
    last = i;
  }
  return last;
}

int TGridAxis::MaxFirst(int View, int Line) const {
  if (FCount <= FFixed) return FFixed;
  return std::max(FirstShowing(FCount - 1, View, Line), FFixed);
}

int TGridAxis::FirstShowing(int Index, int View, int Line) const {
  int room = View - FixedExtent(Line);
  int first = Index;
  int used = Extent(Index, Line);
  while (first > FFixed && used + Extent(first - 1, Line) <= room) used += Extent(--first, Line);
  return first;
}
