#pragma once
// Value types of the platform string grid: cell coordinates, cell rectangles,
// the options set, cell draw states and the mouse states of the grid.
#include <initializer_list>

#include "platform/sys/Component.h"
#include "platform/sys/Exceptions.h"

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A rectangle of cells, both corners inclusive.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The rectangle spanned by two corners given in either order.
TGridRect GridRect(TGridCoord A, TGridCoord B);

// A small set over an enumeration with fewer than 32 members.
template <class E>
class TEnumSet {
 public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<E> items) {
    for (E e : items) Include(e);
  }
  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr void Include(E e) { FBits |= Bit(e); }
  constexpr void Exclude(E e) { FBits &= ~Bit(e); }
  constexpr bool Empty() const { return FBits == 0; }
  // Bit i stands for ordinal i, which is also how a set is stored.
  constexpr unsigned Bits() const { return FBits; }
  static constexpr TEnumSet FromBits(unsigned bits) {
    TEnumSet s;
    s.FBits = bits;
    return s;
  }
  friend constexpr TEnumSet operator+(TEnumSet a, TEnumSet b) { return FromBits(a.FBits | b.FBits); }
  friend constexpr TEnumSet operator-(TEnumSet a, TEnumSet b) { return FromBits(a.FBits & ~b.FBits); }
  friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

 private:
  static constexpr unsigned Bit(E e) { return 1u << static_cast<unsigned>(e); }
  unsigned FBits = 0;
};

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TEnumSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TEnumSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Misuse of the grid: an index outside the grid, fixed counts not below the counts.
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};
[[noreturn]] void RaiseGridIndexError();  // "Grid index out of range"
