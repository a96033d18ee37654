#include "grid/model/SortFastColumn.h"

bool TSortFastColumn::Open(const TSettings& Settings, int Rows) {
  switch (Settings.Style) {
    case ssAlphabetic:
      FOrder = TOrder::Ordinal;
      break;
    case ssAlphaNoCase:
      FOrder = TOrder::NoCase;
      break;
    case ssNumeric:
    case ssFinancial:
      FOrder = TOrder::Numeric;
      break;
    case ssAutomatic:
      FOrder = TOrder::Automatic;
      break;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
      FOrder = TOrder::AlphaNumeric;
      break;
    default:
      return false;
  }
  FSettings = Settings;
  FFolded = Settings.Style == ssAlphaNoCase || Settings.Style == ssAlphaNumericNoCase ||
            (Settings.Style == ssAutomatic && Settings.IgnoreCase);
  FNumbers = FTexts = false;
  FKeys.resize(static_cast<size_t>(Rows));
  return true;
}

void TSortFastColumn::Put(int Row, int Origin, StringView Text) {
  TKey& k = FKeys[Index(Row)];
  k.Head = SortTextHead(Text, FFolded);
  k.Number = 0;
  k.Text = Text.data();
  k.Origin = Origin;
  k.Size = static_cast<std::uint32_t>(Text.size()) & 0x7FFFFFFFu;
  k.IsNumber = 0;
}

bool TSortFastColumn::Read(int Row, bool CheckBox) {
  TKey& k = FKeys[Index(Row)];
  TSortKey facts;
  facts.SetText({k.Text, k.Size});
  switch (FOrder) {
    case TOrder::Numeric:
      k.Number = facts.Number(FSettings.Format);
      return true;
    case TOrder::Automatic:
      // The first text of a pair picks the comparison; a date or time
      // text leaves it to the second one, a check box to the grid.
      if (CheckBox) return false;
      k.IsNumber = IsSortNumberClass(facts.NumberClass()) ? 1 : 0;
      FNumbers = FNumbers || k.IsNumber;
      FTexts = FTexts || !k.IsNumber;
      if (k.IsNumber) k.Number = facts.Number(FSettings.Format);
      return k.IsNumber || (!facts.DateLead() && !facts.TimeLead());
    case TOrder::AlphaNumeric:
      k.IsNumber = IsSortNumberClass(facts.NumberClass()) ? 1 : 0;
      if (k.IsNumber) k.Number = facts.Number(FSettings.Format);
      return true;
    default:
      return true;
  }
}

// A number read first compares with the second text's number, whatever
// that text is.
void TSortFastColumn::Close() {
  if (FOrder != TOrder::Automatic || !FNumbers || !FTexts) return;
  for (TKey& k : FKeys) {
    if (k.IsNumber) continue;
    TSortKey facts;
    facts.SetText({k.Text, k.Size});
    k.Number = facts.Number(FSettings.Format);
  }
}

int TSortFastColumn::CompareTail(const TKey& A, const TKey& B) const {
  const StringView a(A.Text, A.Size), b(B.Text, B.Size);
  return FFolded ? CompareNoCase(a, b) : SortSign(a.compare(b), 0);
}
