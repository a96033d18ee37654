#pragma once
// One axis of the grid (the columns or the rows): count, fixed count, a
// default size with per-index overrides, and the pixel geometry of the
// visible part. Written once and used for both axes.
//
// Overrides are kept sparse while few indexes have one; once many have (rows
// hidden by a filter are each an override), every index gets a slot, so a
// size is read or written in constant time however many differ.
#include <cstddef>
#include <map>
#include <vector>

class TGridAxis {
 public:
  // A span of pixels [Start, End); empty when the index is not visible.
  struct TSpan {
    int Start = 0;
    int End = 0;
    bool Empty() const { return End <= Start; }
  };

  int Count() const { return FCount; }
  void SetCount(int Value);  // drops the sizes of indexes at or beyond Value
  int Fixed() const { return FFixed; }
  void SetFixed(int Value) { FFixed = Value; }

  int DefaultSize() const { return FDefaultSize; }
  void SetDefaultSize(int Value);  // forgets every per-index size
  int Size(int Index) const {  // inline: the geometry walks read it per index
    if (!FDense.empty()) return static_cast<size_t>(Index) < FDense.size() ? FDense[static_cast<size_t>(Index)] : FDefaultSize;
    return FSizes.empty() ? FDefaultSize : SparseSize(Index);
  }
  void SetSize(int Index, int Value) {  // inline too: a filter sets a size per row
    if (FDense.empty()) return SetSparseSize(Index, Value);
    if (static_cast<size_t>(Index) < FDense.size()) FDense[static_cast<size_t>(Index)] = Value;
  }

  // Sizes follow their indexes when indexes are opened (after the count
  // grew) or removed.
  void InsertSizes(int Index, int Count);
  void DeleteSizes(int Index, int Count);
  // The sizes of the indexes listed (ascending) go, the others close up, in
  // one walk over the sizes kept.
  void DeleteSizeList(const std::vector<int>& Indexes);

  // Geometry. First is the first scrollable index shown (LeftCol/TopRow), View
  // the client extent in pixels, Line the width of the line after each cell.
  int Extent(int Index, int Line) const {  // cell plus its line; 0 for a hidden index
    int size = Size(Index);
    return size < 0 ? 0 : size + Line;
  }
  int FixedExtent(int Line) const;
  TSpan Span(int Index, int First, int View, int Line) const;
  int Hit(int Pixel, int First, int View, int Line) const;  // -1 outside every cell
  int VisibleCount(int First, int View, int Line) const;     // fully visible scrollable cells
  int LastVisible(int First, int View, int Line) const;      // last index shown, even partly
  int MaxFirst(int View, int Line) const;                     // largest First that still fills the view
  // The smallest First that shows Index entirely (Index itself when it cannot fit).
  int FirstShowing(int Index, int View, int Line) const;

 private:
  int FCount = 0;
  int FFixed = 0;
  int FDefaultSize = 0;
  void MakeDense();
  int SparseSize(int Index) const;
  void SetSparseSize(int Index, int Value);
  std::map<int, int> FSizes;  // index -> size, only where it differs from the default
  std::vector<int> FDense;    // every index's size once many differ; FSizes is empty then
};
