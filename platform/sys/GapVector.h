#pragma once
// A vector whose free slots (the gap) sit where the last elements were opened
// or closed: a run of edits near each other moves only the elements between
// two edits, in one block, never the whole tail. Slots in the gap hold
// nothing that needs keeping.
#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class TGapVector {
 public:
  size_t Size() const { return FData.size() - FGapSize; }
  T& operator[](size_t I) { return FData[Slot(I)]; }
  const T& operator[](size_t I) const { return FData[Slot(I)]; }

  // Count value-initialised elements open at At; the gap grows by a share of
  // the size more, so a run of single opens grows the buffer rarely.
  void Open(size_t At, size_t Count) {
    MoveGap(At);
    if (FGapSize < Count) {
      const size_t grow = Count - FGapSize + Size() / 16 + 16, end = FData.size();
      FData.resize(end + grow);
      std::move_backward(FData.begin() + Offset(FGapAt + FGapSize), FData.begin() + Offset(end), FData.end());
      FGapSize += grow;
    }
    for (size_t i = FGapAt; i < FGapAt + Count; ++i) FData[i] = T{};
    FGapAt += Count;
    FGapSize -= Count;
  }
  // The Count elements from At go (reset first) and their slots join the gap.
  void Close(size_t At, size_t Count) {
    for (size_t i = At; i < At + Count; ++i) (*this)[i] = T{};
    MoveGap(At);
    FGapSize += Count;
    ShrinkGap();
  }
  // Elements past N go (reset first); new ones are value-initialised.
  void Resize(size_t N) {
    if (N >= Size()) {
      FData.resize(FData.size() + (N - Size()));
      return;
    }
    for (size_t i = N; i < Size(); ++i) (*this)[i] = T{};
    if (N <= FGapAt) {  // the cut reaches into the elements before the gap: the gap goes too
      FData.resize(N);
      FGapAt = N;
      FGapSize = 0;
    } else {
      FData.resize(N + FGapSize);
    }
    ShrinkGap();
  }
  // The elements listed (ascending, distinct) go: the gap moves to just after
  // the last one listed, those from the first listed close up towards it, and
  // the gap then starts after them. A run of single-element lists down or up
  // so moves only the elements between two lists.
  void EraseList(const std::vector<int>& Sorted) {
    if (Sorted.empty()) return;
    MoveGap(static_cast<size_t>(Sorted.back()) + 1);
    auto write = static_cast<size_t>(Sorted.front());
    auto gone = Sorted.begin();
    for (size_t read = write; read < FGapAt; ++read) {
      if (gone != Sorted.end() && static_cast<size_t>(*gone) == read) {
        ++gone;
        FData[read] = T{};
      } else {
        FData[write++] = std::move(FData[read]);
      }
    }
    FGapSize += FGapAt - write;
    FGapAt = write;
    ShrinkGap();
  }
  // The element at From moves to To, those between shift by one.
  void Move(size_t From, size_t To) {
    const size_t lo = std::min(From, To), hi = std::max(From, To);
    if (FGapAt > lo && FGapAt <= hi) MoveGap(hi + 1);  // the elements between in one piece
    auto from = FData.begin() + Offset(Slot(From)), to = FData.begin() + Offset(Slot(To));
    if (From < To)
      std::rotate(from, from + 1, to + 1);
    else
      std::rotate(to, from, from + 1);
  }
  // The elements in order in a plain vector, for work over all of them; any
  // change to it is the gap vector's change.
  std::vector<T>& Flat() {
    MoveGap(Size());
    FData.resize(FGapAt);
    FGapSize = 0;
    return FData;
  }
  void Clear() {
    FData.clear();
    FGapAt = FGapSize = 0;
  }

 private:
  static std::ptrdiff_t Offset(size_t I) { return static_cast<std::ptrdiff_t>(I); }
  size_t Slot(size_t I) const { return I < FGapAt ? I : I + FGapSize; }
  // The elements between the gap and position To move across it in one block.
  void MoveGap(size_t To) {
    if (FGapSize == 0) {
      FGapAt = To;
      return;
    }
    auto b = FData.begin();
    const auto at = Offset(FGapAt), to = Offset(To), gap = Offset(FGapSize);
    if (To < FGapAt)
      std::move_backward(b + to, b + at, b + at + gap);
    else if (To > FGapAt)
      std::move(b + at + gap, b + to + gap, b + at);
    FGapAt = To;
  }
  // A gap larger than the elements it serves goes, so memory follows the size.
  void ShrinkGap() {
    if (FGapSize > 1024 && FGapSize > Size()) Flat();
  }

  std::vector<T> FData;
  size_t FGapAt = 0;
  size_t FGapSize = 0;
};
