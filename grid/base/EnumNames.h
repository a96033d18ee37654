#pragma once
// Streamed enumerations: every value is written by its name and by its
// ordinal, so each enumeration has one table of names in ordinal order.
// TEnumInfo<E> is specialised next to the enumeration with
//   static constexpr StringView Names[] = {...};
#include <initializer_list>
#include <iterator>

#include "platform/sys/SysUtils.h"

template <class E>
struct TEnumInfo;

template <class E>
constexpr int EnumCount() {
  return static_cast<int>(std::size(TEnumInfo<E>::Names));
}

// "" for an ordinal outside the enumeration.
template <class E>
String EnumName(E Value) {
  const int i = static_cast<int>(Value);
  return i >= 0 && i < EnumCount<E>() ? String(TEnumInfo<E>::Names[i]) : String();
}

// Names are read without regard to ASCII case, as the stream reader does.
template <class E>
bool TryEnumFromName(StringView Name, E& Value) {
  for (int i = 0; i < EnumCount<E>(); ++i) {
    if (SameText(Name, TEnumInfo<E>::Names[i])) {
      Value = static_cast<E>(i);
      return true;
    }
  }
  return false;
}

template <class E>
bool TryEnumFromOrdinal(int Ordinal, E& Value) {
  if (Ordinal < 0 || Ordinal >= EnumCount<E>()) return false;
  Value = static_cast<E>(Ordinal);
  return true;
}

// A set of values of a small enumeration: bit i stands for ordinal i, which
// is also how a set is stored.
template <class E>
class TEnumSet {
 public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<E> Values) {
    for (E v : Values) FBits |= Bit(v);
  }
  constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
  constexpr void Include(E Value) { FBits |= Bit(Value); }
  constexpr void Exclude(E Value) { FBits &= ~Bit(Value); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr unsigned Bits() const { return FBits; }
  static constexpr TEnumSet FromBits(unsigned Bits) {
    TEnumSet s;
    s.FBits = Bits & ((1u << EnumCount<E>()) - 1);
    return s;
  }
  friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

 private:
  static constexpr unsigned Bit(E Value) { return 1u << static_cast<unsigned>(Value); }
  unsigned FBits = 0;
};
