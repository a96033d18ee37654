#include "grid/dropdown/DropDownNumbers.h"

#include <cmath>

#include "grid/dropdown/DropDownText.h"
#include "platform/sys/FloatText.h"

double TextToFloat(const String& S) {
  double v = 0;
  return TryStrToFloat(StripThousandSeparators(S), v) ? v : 0;
}

double PointTextToFloat(const String& S) {
  const Char decimal = GetDecimalSeparator();
  // The locale's separator is no decimal point here.
  if (decimal != u'.' && S.find(decimal) != String::npos) return 0;
  String t = S;
  for (Char& c : t)
    if (c == u'.') c = decimal;
  double v = 0;
  return TryStrToFloat(t, v) ? v : 0;
}

String GeneralFloatText(double Value) { return FloatToStrF(Value, ffGeneral, 15, 3); }

String FixedFloatText(double Value, int Digits) { return FloatToStrF(Value, ffFixed, 15, Digits); }

String NumberFloatText(double Value, int Digits) { return FloatToStrF(Value, ffNumber, 15, Digits); }

double MoneyValue(const String& Value) {
  String s = StripThousandSeparators(Value);
  if (!s.empty() && s.back() == GetDecimalSeparator()) s.pop_back();
  if (s.empty() || s == u"-") return 0;
  return TextToFloat(s);
}

String MoneyText(const String& Value, bool Grouped) {
  if (Value.empty()) return Value;
  String s = Value;
  String sign;
  if (s.front() == u'-') {
    sign = u"-";
    s.erase(0, 1);
  }
  const auto at = s.find(GetDecimalSeparator());
  const String fraction = at == String::npos ? String() : s.substr(at);
  const double whole = std::trunc(std::fabs(MoneyValue(Value)));
  String integer = Grouped ? NumberFloatText(whole, 0) : FixedFloatText(whole, 0);
  if (const auto cut = integer.find(GetDecimalSeparator()); cut != String::npos) integer.resize(cut);
  return sign + integer + fraction;
}
