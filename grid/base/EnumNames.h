#pragma once
// Streamed enumerations: every value is written by its name and by its
// ordinal, so each enumeration has one table of names in ordinal order.
// GX_ENUM(E, a, b, c) declares the enumeration and its TEnumInfo<E> with the
// names taken from the same list, so a value is spelled once.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>

#include "platform/grids/GridTypes.h"
#include "platform/sys/SysUtils.h"

template <class E>
struct TEnumInfo;

namespace enum_names {

constexpr std::size_t Count(StringView List) {
  std::size_t n = 1;
  for (char16_t c : List) n += c == u',';
  return n;
}

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The comma-separated enumerators as the preprocessor spelled them.
template <std::size_t N>
constexpr std::array<StringView, N> Split(StringView List) {
  std::array<StringView, N> names{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    std::size_t end = List.find(u',', start);
    if (end == StringView::npos) end = List.size();
    std::size_t a = start, b = end;
    while (a < b && IsBlank(List[a])) ++a;
    while (b > a && IsBlank(List[b - 1])) --b;
    names[i] = List.substr(a, b - a);
    start = end + 1;
  }
  return names;
}

}  // namespace enum_names

#define GX_ENUM(E, ...)                                                                 \
  enum E { __VA_ARGS__ };                                                               \
  template <>                                                                           \
  struct TEnumInfo<E> {                                                                 \
    static constexpr StringView List = u"" #__VA_ARGS__;                                \
    static constexpr auto Names = enum_names::Split<enum_names::Count(List)>(List);     \
  }

// The name table of an enumeration declared elsewhere (the platform's);
// the list must repeat its enumerators in order.
#define GX_ENUM_NAMES(E, ...)                                                           \
  template <>                                                                           \
  struct TEnumInfo<E> {                                                                 \
    static constexpr StringView List = u"" #__VA_ARGS__;                                \
    static constexpr auto Names = enum_names::Split<enum_names::Count(List)>(List);     \
  }

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
