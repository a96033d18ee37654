#include "platform/grids/GridAxis.h"

#include <algorithm>

namespace {
// Sparse overrides become a slot per index past this many, and this share.
constexpr size_t kSparseMax = 64;
constexpr int kSparseShare = 8;
}  // namespace

void TGridAxis::SetCount(int Value) {
  FCount = Value;
  if (!FDense.empty()) FDense.resize(static_cast<size_t>(std::max(Value, 0)), FDefaultSize);
  FSizes.erase(FSizes.lower_bound(Value), FSizes.end());
}

void TGridAxis::SetDefaultSize(int Value) {
  FDefaultSize = Value;
  FSizes.clear();
  FDense.clear();
}

void TGridAxis::MakeDense() {
  FDense.assign(static_cast<size_t>(std::max(FCount, 0)), FDefaultSize);
  for (auto [index, size] : FSizes)
    if (index < FCount) FDense[static_cast<size_t>(index)] = size;
  FSizes.clear();
}

int TGridAxis::SparseSize(int Index) const {
  auto it = FSizes.find(Index);
  return it == FSizes.end() ? FDefaultSize : it->second;
}

void TGridAxis::SetSparseSize(int Index, int Value) {
  if (Value == FDefaultSize) {
    FSizes.erase(Index);
    return;
  }
  FSizes[Index] = Value;
  if (FSizes.size() > kSparseMax && static_cast<int>(FSizes.size()) > FCount / kSparseShare) MakeDense();
}

void TGridAxis::InsertSizes(int Index, int Count) {
  if (!FDense.empty()) {
    if (static_cast<size_t>(Index) <= FDense.size())
      FDense.insert(FDense.begin() + Index, static_cast<size_t>(Count), FDefaultSize);
    FDense.resize(static_cast<size_t>(FCount), FDefaultSize);  // the slots the count's growth added
    return;
  }
  std::map<int, int> moved;
  for (auto it = FSizes.lower_bound(Index); it != FSizes.end();) {
    moved.emplace(it->first + Count, it->second);
    it = FSizes.erase(it);
  }
  FSizes.merge(moved);
}

void TGridAxis::DeleteSizes(int Index, int Count) {
  if (!FDense.empty()) {
    const auto size = static_cast<int>(FDense.size());
    if (Index < size) FDense.erase(FDense.begin() + Index, FDense.begin() + std::min(size, Index + Count));
    return;
  }
  FSizes.erase(FSizes.lower_bound(Index), FSizes.lower_bound(Index + Count));
  std::map<int, int> moved;
  for (auto it = FSizes.lower_bound(Index + Count); it != FSizes.end();) {
    moved.emplace(it->first - Count, it->second);
    it = FSizes.erase(it);
  }
  FSizes.merge(moved);
}

void TGridAxis::DeleteSizeList(const std::vector<int>& Indexes) {
  if (Indexes.empty()) return;
  if (!FDense.empty()) {
    size_t write = static_cast<size_t>(Indexes.front());
    auto gone = Indexes.begin();
    for (size_t read = write; read < FDense.size(); ++read) {
      if (gone != Indexes.end() && static_cast<size_t>(*gone) == read) {
        ++gone;
        continue;
      }
      FDense[write++] = FDense[read];
    }
    std::fill(FDense.begin() + static_cast<std::ptrdiff_t>(write), FDense.end(), FDefaultSize);
    return;
  }
  std::map<int, int> kept;
  auto gone = Indexes.begin();
  for (auto [index, size] : FSizes) {
    while (gone != Indexes.end() && *gone < index) ++gone;
    if (gone != Indexes.end() && *gone == index) continue;
    kept.emplace_hint(kept.end(), index - static_cast<int>(gone - Indexes.begin()), size);
  }
  FSizes = std::move(kept);
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
