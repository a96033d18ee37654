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
    int res = 0;
    Pass(FOrder, [&](auto Cmp, auto) { res = Cmp(A, B); });
    return res;
  }
  // Calls Use once with a comparison of two rows among First..Last made for
  // the column's order, so that a sort's inner loops carry no choice of
  // order, and with its quick form: the same answer where the numbers or
  // heads alone give it and the rows neither tie nor are one row, else 0.
  // Rows that all read as numbers, or none, compare as numbers or as texts.
  template <class Use>
  void WithCompare(int First, int Last, Use&& U) const {
    TOrder order = FOrder;
    if (order == TOrder::Automatic || order == TOrder::AlphaNumeric) {
      bool numbers = false, texts = false;
      for (int r = First; r <= Last; ++r) {
        numbers = numbers || FKeys[Index(r)].IsNumber;
        texts = texts || !FKeys[Index(r)].IsNumber;
      }
      if (!texts) order = TOrder::Numeric;
      if (!numbers) order = TOrder::Ordinal;
    }
    Pass(order, U);
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
  template <class Use>
  void Pass(TOrder Order, Use&& U) const {
    switch (Order) {
      case TOrder::Numeric:
        return PassAs<TOrder::Numeric>(U);
      case TOrder::Automatic:
        return PassAs<TOrder::Automatic>(U);
      case TOrder::AlphaNumeric:
        return PassAs<TOrder::AlphaNumeric>(U);
      default:
        return PassAs<TOrder::Ordinal>(U);
    }
  }
  template <TOrder O, class Use>
  void PassAs(Use& U) const {
    U([this](int A, int B) { return CompareAs<O>(A, B); }, [this](int A, int B) { return QuickAs<O>(A, B); });
  }
  // The answer from the numbers or the heads, before blanks are placed.
  template <TOrder O>
  static int Facts(const TKey& A, const TKey& B) {
    const int numbers = SortSign(A.Number, B.Number), heads = SortSign(A.Head, B.Head);
    if constexpr (O == TOrder::Numeric)
      return numbers;
    else if constexpr (O == TOrder::Automatic)
      return A.IsNumber ? numbers : heads;
    else if constexpr (O == TOrder::AlphaNumeric)
      return A.IsNumber && B.IsNumber ? numbers : heads;
    else
      return heads;
  }
  template <TOrder O>
  int CompareAs(int A, int B) const {
    const TKey& a = FKeys[Index(A)];
    const TKey& b = FKeys[Index(B)];
    int res = Facts<O>(a, b);
    if (res == 0 && !(O == TOrder::Numeric || (O == TOrder::Automatic && a.IsNumber) ||
                      (O == TOrder::AlphaNumeric && a.IsNumber && b.IsNumber)))
      res = CompareTail(a, b);
    if (!FSettings.IgnoreBlanks) return res;
    return PlaceSortBlanks(res, a.Size == 0, b.Size == 0, FSettings.Descending, FSettings.BlanksFirst);
  }
  template <TOrder O>
  int QuickAs(int A, int B) const {
    const TKey& a = FKeys[Index(A)];
    const TKey& b = FKeys[Index(B)];
    // A row and its pivot copy hold the same key, so their facts tie.
    const bool blank = FSettings.IgnoreBlanks && (a.Size == 0 || b.Size == 0);
    return blank ? 0 : Facts<O>(a, b);
  }
  int CompareTail(const TKey& A, const TKey& B) const;

  std::vector<TKey> FKeys;
  TOrder FOrder = TOrder::Ordinal;
  bool FFolded = false;
  bool FNumbers = false, FTexts = false;  // automatic: what the rows hold
  TSettings FSettings;
};
