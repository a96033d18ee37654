#include "grid/model/FilterRun.h"

#include "grid/base/CellText.h"
#include "grid/base/FilterMatch.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "platform/sys/SysUtils.h"

namespace {

StringView TrimView(StringView Text) {
  while (!Text.empty() && Text.front() <= u' ') Text.remove_prefix(1);
  while (!Text.empty() && Text.back() <= u' ') Text.remove_suffix(1);
  return Text;
}

bool StartsWith(StringView Text, StringView Part) { return Text.substr(0, Part.size()) == Part; }

// The literal of "*literal*" when nothing else in the condition means
// anything to MatchFilter; false otherwise.
bool PlainContains(StringView Condition, String& Literal) {
  const String cond = RemoveBlanksOutsideQuotes(Trim(Condition));
  if (cond.size() < 3 || cond.front() != u'*' || cond.back() != u'*') return false;
  Literal = cond.substr(1, cond.size() - 2);
  return Literal.find_first_of(u"*?!<>=&|;^()\"") == String::npos;
}

bool Combine(TFilterOperation Op, bool Result, bool Match) {
  switch (Op) {
    case foAND: return Result && Match;
    case foXOR: return Result != Match;
    case foOR: return Result || Match;
    default: return Match;  // foSHORT, foNONE
  }
}

}  // namespace

TFilterRun::TFilterRun(TAdvStringGrid& Grid) : G(Grid) {
  const TFilter& filter = *G.Filter();
  for (int i = 0; i < filter.Count(); ++i) {
    const TFilterData* d = filter.Items(i);
    TCondition c{d, false, String()};
    if (d->Data() != fcRow && d->Method() == fmExpression && PlainContains(d->Condition(), c.Needle)) {
      c.Contains = true;
      if (!d->CaseSensitive()) c.Needle = AnsiUpperCase(c.Needle);
    }
    FConditions.push_back(std::move(c));
  }
}

bool TFilterRun::Matches(int ARow) {
  bool result = true;
  for (const TCondition& c : FConditions) {
    bool match = false;
    try {
      match = MatchOne(c, ARow);
    } catch (const std::exception&) {
      match = false;  // a condition that cannot be evaluated matches nothing
    }
    result = Combine(c.Data->Operation(), result, match);
    if (c.Data->Operation() == foSHORT && !result) break;
  }
  return result;
}

bool TFilterRun::MatchOne(const TCondition& C, int ARow) {
  const TFilterData& d = *C.Data;
  StringView text = TrimView(SourceText(d, ARow));
  String unpacked;
  if (StartsWith(text, u"|\\")) {
    unpacked = UnpackWideCellText(text);
    text = unpacked;
  }
  if (d.Data() == fcRow) return AnsiUpperCase(text).find(AnsiUpperCase(d.Condition())) != String::npos;
  if (!d.Prefix().empty() && StartsWith(text, d.Prefix())) text.remove_prefix(d.Prefix().size());
  if (!d.Suffix().empty()) {
    const size_t at = text.find(d.Suffix());
    if (at != StringView::npos && at + d.Suffix().size() == text.size()) text.remove_suffix(d.Suffix().size());
  }
  return MatchText(C, text);
}

bool TFilterRun::MatchText(const TCondition& C, StringView Text) const {
  const TFilterData& d = *C.Data;
  if (d.Condition().empty()) return true;
  if (d.Method() == fmLiteral) return Text == StringView(d.Condition());
  if (!C.Contains) return MatchFilter(d.Condition(), Text, d.CaseSensitive());
  if (d.CaseSensitive()) return Text.find(C.Needle) != StringView::npos;
  return AnsiUpperCase(Text).find(C.Needle) != String::npos;
}

StringView TFilterRun::SourceText(const TFilterData& D, int ARow) {
  const int col = D.Column();
  if (D.Data() != fcRow && (col < 0 || col >= G.AllColCount())) return StringView();
  switch (D.Data()) {
    case fcNormal: return G.GridCells(col, ARow);
    case fcStripHTML: FScratch = G.StrippedCells(col, ARow); return FScratch;
    case fcCalculated: G.GetNormalCellText(col, ARow, FScratch); return FScratch;
    case fcRow: FScratch = RowText(ARow); return FScratch;
    default: return G.CellView(col, ARow);
  }
}

String TFilterRun::RowText(int ARow) {
  String text;
  for (int c = 0; c < G.ColCount(); ++c) {
    text += G.Cells(c, ARow);
    text += u"\r\n";
  }
  return text;
}
