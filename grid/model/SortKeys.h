#pragma once
// What one sort reads of one cell, worked out at most once per cell and sort:
// the compared text and, on first need, its number class, its value as a
// number and as a date or time, and where its separators stand. Comparing two
// cells then works from these facts alone.
#include <cstdint>

#include "grid/base/GridTypes.h"
#include "platform/sys/String.h"

// How a column's numbers are read: the format hook's prefix and suffix, and
// for ssFinancial the thousand separators dropped.
struct TSortNumberFormat {
  String Prefix;
  String Suffix;
  bool Financial = false;
};

// The number a text sorts by: the first suffix, then the first prefix
// removed, with Financial every thousand separator, the locale's decimal
// separator read as "."; false when the rest is not a plain number.
bool SortTextToFloat(StringView Text, const TSortNumberFormat& Format, double& Value);

// The pieces of the cell comparison shared by the keys read one by one and
// the flat keys of a column that the keys alone decide.
// Without a branch: the answer of a sort comparison cannot be foreseen.
template <class T>
int SortSign(T A, T B) {
  return static_cast<int>(B < A) - static_cast<int>(A < B);
}
// Only a-z fold: the order of "no case" sorting.
inline Char UpAsciiLetter(Char C) { return C >= u'a' && C <= u'z' ? static_cast<Char>(C - 32) : C; }
int CompareNoCase(StringView A, StringView B);
// The first four code units, most significant first, a missing one as 0:
// two texts whose heads differ order as the texts do.
std::uint64_t SortTextHead(StringView Text, bool Folded);
bool IsSortNumberClass(int Class);
// With IgnoreBlanks an empty text goes first or last whatever the order.
int PlaceSortBlanks(int Res, bool Empty1, bool Empty2, bool Descending, bool BlanksFirst);

class TSortKey {
 public:
  // The text must outlive the key (the caller keeps a copy where it has to).
  void SetText(StringView Text);
  StringView Text() const { return FText; }
  bool Empty() const { return FText.empty(); }
  // Ordinal order of the code units: the first four decide without the text.
  int CompareOrdinal(const TSortKey& Other) const {
    if (FHead != Other.FHead) return FHead < Other.FHead ? -1 : 1;
    const int r = FText.compare(Other.FText);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  }

  int NumberClass();
  // 0 for a text that is not a number.
  double Number(const TSortNumberFormat& Format);
  double Date();                      // the locale's date-time reading, 0 when none
  double ShortDate(bool MonthFirst);  // 0 for an impossible or unreadable date
  double Time();                      // 0 when none
  // The date (time) separator at position 2 or 3, not last, between digits.
  bool DateLead();
  bool TimeLead();
  bool HasDateSep();
  bool HasTimeSep();
  // Whether the cell holds a check box: -1 until the caller has read it.
  std::int8_t CheckBox = -1;
  // The row the key was read from, for keys that travel with their rows.
  int Origin = -1;

 private:
  enum : std::uint8_t { kClass = 1, kNumber = 2, kDate = 4, kTime = 8, kSeps = 16 };
  bool Need(std::uint8_t Bit) {
    if (FKnown & Bit) return false;
    FKnown = static_cast<std::uint8_t>(FKnown | Bit);
    return true;
  }
  void ReadSeparators();

  StringView FText;
  std::uint64_t FHead = 0;
  double FNumber = 0;
  double FWhen = 0;  // a date (either reading: a column has one style) or a time
  double FTime = 0;
  std::uint8_t FKnown = 0;
  std::int8_t FClass = 0;
  std::uint8_t FSeps = 0;
};
