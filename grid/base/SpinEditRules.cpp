#include "grid/base/SpinEditRules.h"

#include <cmath>

#include "grid/base/LocaleFormat.h"
#include "grid/base/NumberText.h"

namespace {
constexpr Char kBackspace = 8, kEnter = 13, kEscape = 27;

bool Holds(StringView Text, Char C) { return Text.find(C) != StringView::npos; }

size_t CountOf(StringView Text, Char C) {
  size_t n = 0;
  for (Char c : Text) n += c == C;
  return n;
}

bool StartsAllowed(Char Key) {
  const auto& f = FormatSettings;
  return Key == f.DecimalSeparator || Key == f.ThousandSeparator || Key == f.TimeSeparator ||
         Key == f.DateSeparator || IsDigitChar(Key) || Key == u'-' || (Key < 32 && Key != kEnter);
}

// A time or date separator outside its own kind passes only where it also
// serves numbers.
bool ForeignSeparatorAllowed(Char Sep, TAsgSpinType Kind) {
  const auto& f = FormatSettings;
  const bool numeric = Sep == f.DecimalSeparator || Sep == f.ThousandSeparator || Sep == u'-' || Sep == u'+';
  return numeric && (Kind == sptNormal || Kind == sptFloat);
}

bool MinusAllowed(const TSpinTyping& T) {
  if (!Holds(T.Text, u'-')) return T.SelStart <= 0;
  return Holds(T.SelText, u'-') && T.SelStart <= 0;
}

bool FloatAllowed(const TSpinTyping& T, Char Key, bool R) {
  if (Key == kEscape || Key == kEnter || Key == kBackspace) return R;
  const Char dec = GetDecimalSeparator();
  if (Key == GetThousandSeparator()) return false;
  if (Key == dec && Holds(T.Text, dec) && !Holds(T.SelText, dec)) return false;
  const size_t at = T.Text.find(dec);
  if (T.Precision <= 0 || at == String::npos || !R) return R;
  const int p = static_cast<int>(at) + 1;
  if (T.SelStart < p || !T.SelText.empty()) return R;
  return static_cast<int>(T.Text.size()) < p + T.Precision;
}

// Position (1-based) of the first and second Sep in Text, 0 when absent.
void SeparatorPositions(StringView Text, Char Sep, int& P1, int& P2) {
  const size_t a = Text.find(Sep);
  const size_t b = a == StringView::npos ? StringView::npos : Text.find(Sep, a + 1);
  P1 = a == StringView::npos ? 0 : static_cast<int>(a) + 1;
  P2 = b == StringView::npos ? 0 : static_cast<int>(b) + 1;
}
}  // namespace

bool SpinAcceptsChar(const TSpinTyping& T, Char Key) {
  if (Key == kBackspace) return T.EditorEnabled;
  bool r = StartsAllowed(Key);
  if (Key == GetTimeSeparator() && T.Kind != sptTime) r = r && ForeignSeparatorAllowed(Key, T.Kind);
  if (Key == GetDateSeparator() && T.Kind != sptDate) r = r && ForeignSeparatorAllowed(Key, T.Kind);
  if (Key == u'-') r = r && MinusAllowed(T);
  if (T.Kind == sptNormal) r = r && (IsDigitChar(Key) || Key == u'-');
  if (T.Kind == sptFloat) r = FloatAllowed(T, Key, r);
  if (T.Kind == sptTime && Key == GetTimeSeparator() && CountOf(T.Text, Key) >= 2) r = false;
  if (!T.EditorEnabled && r && Key >= 32) r = false;
  return r;
}

DatePart SpinDatePartAt(StringView Text, int SelStart) {
  int p1 = 0, p2 = 0;
  SeparatorPositions(Text, GetDateSeparator(), p1, p2);
  const int index = SelStart < p1 ? 0 : SelStart < p2 ? 1 : 2;
  return LocaleDateOrder()[static_cast<size_t>(index)];
}

TDateTime StepDatePart(TDateTime Value, DatePart Part, int Delta) {
  switch (Part) {
    case dpDay: return IncrementDate(0, 0, Delta, Value, 0);
    case dpMonth: return IncrementDate(0, Delta, 0, Value, 0);
    case dpYear: return IncrementDate(Delta, 0, 0, Value, 0);
  }
  return Value;
}

TSpinTimePart SpinTimePartAt(StringView Text, int SelStart, bool ShowSeconds) {
  int p1 = 0, p2 = 0;
  SeparatorPositions(Text, GetTimeSeparator(), p1, p2);
  if (SelStart < p1) return tpHours;
  return ShowSeconds && SelStart >= p2 ? tpSeconds : tpMinutes;
}

double SpinTimeStep(int Hours, int Minutes, int Seconds) {
  const double seconds = Hours * 3600.0 + Minutes * 60.0 + Seconds;
  const double day = 86400.0;
  return (seconds - std::floor(seconds / day) * day) / day;
}

TDateTime TimeOfDay(TDateTime Value) {
  if (!std::isfinite(Value)) return 0;
  constexpr double kMsPerDay = 86400000.0;
  const double ms = std::round((Value - std::floor(Value)) * kMsPerDay);
  return ms >= kMsPerDay ? 0 : ms / kMsPerDay;
}
