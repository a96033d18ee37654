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

class TSortKey {
 public:
  // The view must outlive the key; Own keeps a copy when the caller has none.
  void SetText(StringView Text) { FText = Text; }
  void OwnText(String Text);
  StringView Text() const { return FText; }
  bool Empty() const { return FText.empty(); }

  int NumberClass();
  // 0 for a text that is not a number.
  double Number(const TSortNumberFormat& Format);
  double Date();           // the locale's date-time reading, 0 when none
  double ShortDate(bool MonthFirst);  // 0 for an impossible or unreadable date
  double Time();           // 0 when none
  // The date (time) separator at position 2 or 3, not last, between digits.
  bool DateLead();
  bool TimeLead();
  bool HasDateSep();
  bool HasTimeSep();

 private:
  enum : std::uint16_t {
    kClass = 1, kNumber = 2, kDate = 4, kShortDate = 8, kTime = 16, kSeps = 32
  };
  bool Need(std::uint16_t Bit) {
    if (FKnown & Bit) return false;
    FKnown |= Bit;
    return true;
  }
  void ReadSeparators();

  StringView FText;
  String FOwn;
  std::uint16_t FKnown = 0;
  std::int8_t FClass = 0;
  std::uint8_t FSeps = 0;
  double FNumber = 0;
  double FDate = 0;
  double FShortDate = 0;
  double FTime = 0;
};
