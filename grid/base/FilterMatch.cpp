#include "grid/base/FilterMatch.h"

#include <vector>

#include "grid/base/GridDates.h"
#include "grid/base/LocaleFormat.h"
#include "platform/sys/SysUtils.h"

namespace {

// Deeper groups than this evaluate to False instead of exhausting the stack.
constexpr int MaxGroupDepth = 200;

bool IsFilterOperator(Char c) { return c == u'(' || c == u';' || c == u'^' || c == u'&' || c == u'|'; }

// 0-based index of the first C outside double quotes; npos when none.
size_t FindOutsideQuotes(StringView Text, Char C) {
  bool quoted = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == u'"') quoted = !quoted;
    else if (!quoted && Text[i] == C) return i;
  }
  return StringView::npos;
}

bool ContainsOutsideQuotes(StringView Text, Char C) { return FindOutsideQuotes(Text, C) != StringView::npos; }

bool Combine(bool Result, Char Pending, bool Value) {
  switch (Pending) {
    case 0:
      return Value;
    case u'&':
      return Result && Value;
    case u'(':
      return Result;
    default:  // "|", ";", "^"
      return Result || Value;
  }
}

// A condition read once: blanks outside quotes removed, and for each "("
// the index of its ")", so that a group nested deep inside is neither
// copied nor scanned again at every level around it.
struct ParsedCondition {
  String text;
  std::vector<size_t> closeOf;  // per index; npos when no ")" closes it
  bool caseSensitive = false;

  explicit ParsedCondition(StringView Raw, bool CaseSensitive)
      : text(RemoveBlanksOutsideQuotes(Trim(Raw))), closeOf(text.size(), StringView::npos),
        caseSensitive(CaseSensitive) {
    std::vector<size_t> open;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == u'(') open.push_back(i);
      if (text[i] == u')' && !open.empty()) {
        closeOf[open.back()] = i;
        open.pop_back();
      }
    }
  }
  size_t IndexOf(StringView Part) const { return static_cast<size_t>(Part.data() - text.data()); }
};

StringView TrimView(StringView Text) {
  while (!Text.empty() && Text.front() <= u' ') Text.remove_prefix(1);
  while (!Text.empty() && Text.back() <= u' ') Text.remove_suffix(1);
  return Text;
}

// Text is upper-cased already unless the condition is case-sensitive.
bool MatchTerm(const ParsedCondition& Cond, StringView Term, StringView Text) {
  return MatchCondition(Cond.caseSensitive ? String(Term) : AnsiUpperCase(Term), Text);
}

bool MatchGroup(const ParsedCondition& Cond, StringView Group, StringView Text, int Depth) {
  if (Depth > MaxGroupDepth) return false;
  StringView rest = TrimView(Group);
  if (!rest.empty() && rest[0] == u'=') rest.remove_prefix(1);
  bool result = true;
  Char pending = 0;
  int pos = 0;
  while (const Char op = FindFilterOperator(rest, pos)) {
    bool value = false;
    if (rest[0] == u'(') {
      // An unclosed group runs to the end of the condition.
      const size_t close = Cond.closeOf[Cond.IndexOf(rest)];
      const size_t end = close == StringView::npos ? rest.size() : close - Cond.IndexOf(rest);
      value = MatchGroup(Cond, rest.substr(1, end - 1), Text, Depth + 1);
      rest.remove_prefix(std::min(end + 1, rest.size()));
    } else {
      value = MatchTerm(Cond, rest.substr(0, static_cast<size_t>(pos) - 1), Text);
      rest.remove_prefix(static_cast<size_t>(pos));
    }
    result = Combine(result, pending, value);
    pending = op;
  }
  return Combine(result, pending, MatchTerm(Cond, rest, Text));
}

// The comparison operand after the first C outside quotes.
struct Operand {
  bool present = false;
  bool orEqual = false;
  String text;
};

Operand ReadOperand(StringView Term, Char C) {
  Operand o;
  size_t i = FindOutsideQuotes(Term, C);
  if (i == StringView::npos) return o;
  o.present = true;
  ++i;
  if (C != u'!' && i < Term.size() && Term[i] == u'=') {
    o.orEqual = true;
    ++i;
  }
  while (i < Term.size() && Term[i] == u' ') ++i;
  bool quoted = false;
  for (; i < Term.size(); ++i) {
    const Char c = Term[i];
    if (c == u'"') quoted = !quoted;
    if (!quoted && (c == u' ' || c == u'&' || c == u'|')) break;
    o.text += c;
  }
  if (!o.text.empty() && o.text.front() == u'"') o.text.erase(0, 1);
  if (!o.text.empty() && o.text.back() == u'"') o.text.pop_back();
  return o;
}

bool ReadNumber(StringView Text, double& Value) {
  String s = NormalizeFloatText(Text);
  for (Char& c : s) {
    if (c == u'.') c = GetDecimalSeparator();
  }
  return TryStrToFloat(s, Value);
}

template <class T>
int Sign(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Numbers compare as numbers, dates as dates, anything else as text.
int CompareValues(StringView A, StringView B) {
  double x = 0, y = 0;
  TDateTime da = 0, db = 0;
  const bool numbers = ReadNumber(A, x) && ReadNumber(B, y);
  const bool dateA = TryParseLocaleDateTime(A, da), dateB = TryParseLocaleDateTime(B, db);
  if (numbers && !dateA && !dateB) return Sign(x, y);
  if (dateA && dateB) return Sign(da, db);
  return Sign(CompareStr(A.substr(0, 255), B.substr(0, 255)), 0);
}

bool WildcardMatch(StringView Pattern, StringView Text) {
  size_t p = 0, t = 0, star = StringView::npos, mark = 0;
  while (t < Text.size()) {
    if (p < Pattern.size() && Pattern[p] == u'*') {
      star = p++;
      mark = t;
    } else if (p < Pattern.size() && (Pattern[p] == u'?' || Pattern[p] == Text[t])) {
      ++p;
      ++t;
    } else if (star != StringView::npos) {
      p = star + 1;
      t = ++mark;
    } else {
      return false;
    }
  }
  while (p < Pattern.size() && Pattern[p] == u'*') ++p;
  return p == Pattern.size();
}

// Double quotes never match anything; a "!" outside them negates the whole
// pattern once.
bool PatternMatch(StringView Term, StringView Text) {
  String pattern;
  bool quoted = false, negate = false;
  for (Char c : Term) {
    if (c == u'"') {
      quoted = !quoted;
    } else if (c == u'!' && !quoted) {
      negate = true;
    } else {
      pattern += c;
    }
  }
  return WildcardMatch(pattern, Text) != negate;
}

}  // namespace

bool MatchFilter(StringView Condition, StringView Text, bool CaseSensitive) {
  const ParsedCondition cond(Condition, CaseSensitive);
  const String text = CaseSensitive ? String(Text) : AnsiUpperCase(Text);
  return MatchGroup(cond, cond.text, text, 0);
}

bool MatchFilterTerm(StringView Term, StringView Text, bool CaseSensitive) {
  if (CaseSensitive) return MatchCondition(Term, Text);
  return MatchCondition(AnsiUpperCase(Term), AnsiUpperCase(Text));
}

bool MatchCondition(StringView Term, StringView Text) {
  const Operand greater = ReadOperand(Term, u'>'), less = ReadOperand(Term, u'<');
  const bool negation = ContainsOutsideQuotes(Term, u'!');
  const bool greaterPresent = greater.present || negation, lessPresent = less.present || negation;
  bool greaterResult = true, lessResult = true;
  if (greater.present) {
    const int c = CompareValues(Text, greater.text);
    greaterResult = greater.orEqual ? c >= 0 : c > 0;
  }
  if (less.present) {
    const int c = CompareValues(Text, less.text);
    lessResult = less.orEqual ? c <= 0 : c < 0;
  }
  if (ContainsOutsideQuotes(Term, u'^') && (greaterPresent || lessPresent)) return greaterResult || lessResult;
  if (ContainsOutsideQuotes(Term, u'&') && greaterPresent && lessPresent) return greaterResult && lessResult;
  if (greater.present && greaterResult) return true;
  if (less.present && lessResult) return true;
  return PatternMatch(Term, Text);
}

String RemoveBlanksOutsideQuotes(StringView Text) {
  String r;
  bool quoted = false;
  for (Char c : Text) {
    if (c == u'"') quoted = !quoted;
    if (c != u' ' || quoted) r += c;
  }
  return r;
}

int FindMatchingParen(StringView Text) {
  int open = 0, close = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    open += Text[i] == u'(';
    if (Text[i] == u')' && ++close == open) return static_cast<int>(i) + 1;
  }
  return 0;
}

Char FindFilterOperator(StringView Text, int& Position) {
  bool quoted = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == u'"') quoted = !quoted;
    else if (!quoted && IsFilterOperator(Text[i])) {
      Position = static_cast<int>(i) + 1;
      return Text[i];
    }
  }
  Position = 0;
  return 0;
}

String NormalizeFloatText(StringView Text) {
  const Char dec = GetDecimalSeparator(), thou = GetThousandSeparator();
  String r;
  for (Char c : Text) {
    if (c == dec) r += u'.';
    else if (c != thou) r += c;
  }
  return r;
}
