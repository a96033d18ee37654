#pragma once
// The sort column of a run when its style decides from the texts alone: the
// style is resolved once, and each row's facts (its text's head, its number,
// whether it reads as a number) sit in one flat array by displayed row that
// swaps with the rows. A comparison gives the answer the full cell
// comparison gives for the same pair, without asking the grid.
#include <cstdint>
#include <utility>
#include <vector>

#include "grid/model/SortKeys.h"

class TSortFastColumn {
 public:
  struct TSettings {
    TSortStyle Style = ssAlphabetic;  // resolved by the format hook
    TSortNumberFormat Format;
    bool IgnoreCase = false;
    bool IgnoreBlanks = false;
    bool BlanksFirst = true;
    bool Descending = false;
  };

  // False when the style asks the grid or the locale: the column stays slow.
  bool Open(const TSettings& Settings, int Rows);
  // The row's text must outlive the run.
  void Put(int Row, int Origin, StringView Text);
  // The facts of a row put. False when its comparison needs more than the
  // keys (a date or time text, a check box under the automatic style): the
  // whole column then goes the slow way.
  bool Read(int Row, bool CheckBox);
  // Whether Read needs to know which cells hold check boxes.
  bool ReadsCellTypes() const { return FOrder == TOrder::Automatic; }
  // After every row is in: the numbers a mixed automatic column needs.
  void Close();

  int Compare(int A, int B) const {
    const TKey& a = FKeys[Index(A)];
    const TKey& b = FKeys[Index(B)];
    int res;
    switch (FOrder) {
      case TOrder::Numeric:
        res = SortSign(a.Number, b.Number);
        break;
      case TOrder::Automatic:
        res = a.IsNumber ? SortSign(a.Number, b.Number) : CompareText(a, b);
        break;
      case TOrder::AlphaNumeric:
        res = a.IsNumber && b.IsNumber ? SortSign(a.Number, b.Number) : CompareText(a, b);
        break;
      default:
        res = CompareText(a, b);
    }
    if (!FSettings.IgnoreBlanks) return res;
    return PlaceSortBlanks(res, a.Size == 0, b.Size == 0, FSettings.Descending, FSettings.BlanksFirst);
  }
  bool SameRow(int A, int B) const { return FKeys[Index(A)].Origin == FKeys[Index(B)].Origin; }
  StringView Text(int Row) const { return {FKeys[Index(Row)].Text, FKeys[Index(Row)].Size}; }
  int Origin(int Row) const { return FKeys[Index(Row)].Origin; }
  void Swap(int A, int B) { std::swap(FKeys[Index(A)], FKeys[Index(B)]); }
  void Copy(int To, int From) { FKeys[Index(To)] = FKeys[Index(From)]; }
  bool Empty() const { return FKeys.empty(); }
  void Clear() { FKeys.clear(); }

 private:
  enum class TOrder : std::uint8_t { Ordinal, NoCase, Numeric, Automatic, AlphaNumeric };
  struct TKey {
    std::uint64_t Head = 0;  // folded when texts compare without case
    double Number = 0;
    const Char* Text = nullptr;
    std::int32_t Origin = -1;
    std::uint32_t Size : 31 = 0;
    std::uint32_t IsNumber : 1 = 0;
  };
  static size_t Index(int Row) { return static_cast<size_t>(Row); }
  int CompareText(const TKey& A, const TKey& B) const {
    if (A.Head != B.Head) return SortSign(A.Head, B.Head);
    return CompareTail(A, B);
  }
  int CompareTail(const TKey& A, const TKey& B) const;

  std::vector<TKey> FKeys;
  TOrder FOrder = TOrder::Ordinal;
  bool FFolded = false;
  bool FNumbers = false, FTexts = false;  // automatic: what the rows hold
  TSettings FSettings;
};
