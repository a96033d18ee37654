#pragma once
// Streamed enumerations: every value is written by its name and by its
// ordinal, so each enumeration has one table of names in ordinal order.
// TEnumInfo<E> is specialised next to the enumeration with
//   static constexpr StringView Names[] = {...};
#include <initializer_list>
#include <iterator>

#include "platform/grids/GridTypes.h"
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

// Sets of a streamed enumeration are the platform's TEnumSet; read from a
// stream, bits beyond the enumeration's values are dropped.
template <class E>
constexpr TEnumSet<E> EnumSetFromBits(unsigned Bits) {
  return TEnumSet<E>::FromBits(Bits & ((1u << EnumCount<E>()) - 1));
}
