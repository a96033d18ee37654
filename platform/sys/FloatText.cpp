#include "platform/sys/FloatText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "platform/sys/Exceptions.h"
#include "platform/sys/FormatSettings.h"

namespace {

// A value as decimal digits: 0.D1D2D3... x 10^Exponent, no trailing zeros;
// zero has no digits.
struct Decimal {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
  bool IsZero() const { return Digits.empty(); }
};

void StripTrailingZeros(Decimal& d) {
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) d.Exponent = 0;
}

// The value's 17 significant digits: enough to tell any two doubles apart.
Decimal ToDecimal(double v) {
  Decimal d;
  d.Negative = std::signbit(v);
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 16);
  const std::string text(buf, res.ptr);
  const size_t e = text.find('e');
  d.Digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.Exponent = std::stoi(text.substr(e + 1)) + 1;
  StripTrailingZeros(d);
  return d;
}

// Keeps Count significant digits, rounding half away from zero.
void RoundDigits(Decimal& d, int count) {
  if (count >= static_cast<int>(d.Digits.size())) return;
  if (count < 0) {
    d.Digits.clear();
  } else {
    const bool up = d.Digits[static_cast<size_t>(count)] >= '5';
    d.Digits.resize(static_cast<size_t>(count));
    int i = count - 1;
    for (; up && i >= 0 && d.Digits[static_cast<size_t>(i)] == '9'; --i) d.Digits[static_cast<size_t>(i)] = '0';
    if (up && i >= 0) ++d.Digits[static_cast<size_t>(i)];
    if (up && i < 0) {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.Exponent;
    }
  }
  StripTrailingZeros(d);
}

// Digit at a 0-based position counted from the first significant digit.
char DigitAt(const Decimal& d, int i) {
  return i >= 0 && i < static_cast<int>(d.Digits.size()) ? d.Digits[static_cast<size_t>(i)] : '0';
}

String Group(const String& intPart) {
  String out;
  for (size_t i = 0; i < intPart.size(); ++i) {
    if (i > 0 && (intPart.size() - i) % 3 == 0) out += FormatSettings.ThousandSeparator;
    out += intPart[i];
  }
  return out;
}

// Integer digits, padded in front to minDigits.
String IntegerPart(const Decimal& d, int minDigits) {
  String out;
  for (int i = 0; i < d.Exponent; ++i) out += static_cast<Char>(DigitAt(d, i));
  if (static_cast<int>(out.size()) < minDigits) out.insert(0, static_cast<size_t>(minDigits) - out.size(), u'0');
  return out;
}

// maxDigits decimals, trailing zeros dropped down to minDigits.
String FractionPart(const Decimal& d, int minDigits, int maxDigits) {
  String out;
  for (int i = 0; i < maxDigits; ++i) out += static_cast<Char>(DigitAt(d, d.Exponent + i));
  while (static_cast<int>(out.size()) > minDigits && out.back() == u'0') out.pop_back();
  return out;
}

String Sign(const Decimal& d) { return d.Negative && !d.IsZero() ? u"-" : u""; }

String ExponentText(int exp, bool plusSign, int minDigits) {
  String digits;
  for (int e = std::abs(exp); e > 0 || digits.empty(); e /= 10) digits.insert(digits.begin(), static_cast<Char>(u'0' + e % 10));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), u'0');
  return (exp < 0 ? u"-" : plusSign ? u"+" : u"") + digits;
}

String WithPoint(const String& intPart, const String& fraction) {
  return fraction.empty() ? intPart : intPart + FormatSettings.DecimalSeparator + fraction;
}

String General(double v, int precision, int digits) {
  Decimal d = ToDecimal(v);
  RoundDigits(d, std::clamp(precision, 1, 17));
  if (d.IsZero()) return u"0";
  const int size = static_cast<int>(d.Digits.size());
  if (d.Exponent > precision || d.Exponent < -3) {
    Decimal mantissa = d;
    mantissa.Exponent = 1;
    return Sign(d) + WithPoint(IntegerPart(mantissa, 1), FractionPart(mantissa, 0, size - 1)) + u"E" +
           ExponentText(d.Exponent - 1, false, digits);
  }
  return Sign(d) + WithPoint(IntegerPart(d, 1), FractionPart(d, 0, std::max(0, size - d.Exponent)));
}

String Exponential(double v, int precision, int digits) {
  precision = std::clamp(precision, 1, 17);
  Decimal d = ToDecimal(v);
  RoundDigits(d, precision);
  const int exp = d.IsZero() ? 0 : d.Exponent - 1;
  Decimal mantissa = d;
  mantissa.Exponent = 1;
  return Sign(d) + WithPoint(IntegerPart(mantissa, 1), FractionPart(mantissa, precision - 1, precision - 1)) +
         u"E" + ExponentText(exp, true, digits);
}

String Fixed(double v, int precision, int digits, bool thousands) {
  precision = std::clamp(precision, 1, 17);
  Decimal d = ToDecimal(v);
  if (d.Exponent > precision) return General(v, precision, 0);
  RoundDigits(d, std::min(precision, d.Exponent + digits));
  const String intPart = IntegerPart(d, 1);
  return Sign(d) + WithPoint(thousands ? Group(intPart) : intPart, FractionPart(d, digits, digits));
}

// One section of a FormatFloat picture.
struct Picture {
  String Prefix, Suffix;
  int IntZeros = 0, IntDigits = 0, FracZeros = 0, FracDigits = 0, ExpDigits = 0;
  bool Thousands = false, Scientific = false, ExpPlus = false, HasDigits = false;
  Char ExpLetter = u'E';
};

bool IsPlaceholder(Char c) { return c == u'0' || c == u'#'; }

// Reads the scientific part at f[i] ("E+00"); answers the index after it.
size_t ReadExponent(StringView f, size_t i, Picture& p) {
  p.Scientific = true;
  p.ExpLetter = f[i];
  p.ExpPlus = f[i + 1] == u'+';
  for (i += 2; i < f.size() && f[i] == u'0'; ++i) ++p.ExpDigits;
  return i;
}

Picture ParsePicture(StringView f) {
  Picture p;
  bool point = false;
  for (size_t i = 0; i < f.size();) {
    const Char c = f[i];
    if (c == u'"' || c == u'\'') {
      const size_t end = std::min(f.find(c, i + 1), f.size());
      (p.HasDigits ? p.Suffix : p.Prefix) += f.substr(i + 1, end - i - 1);
      i = end + 1;
    } else if (IsPlaceholder(c) && p.Suffix.empty() && !p.Scientific) {
      p.HasDigits = true;
      if (point) (c == u'0' ? p.FracZeros : p.FracDigits) += 1;
      else (c == u'0' ? p.IntZeros : p.IntDigits) += 1;
      ++i;
    } else if (c == u'.' && p.Suffix.empty() && !point && !p.Scientific) {
      point = true;
      ++i;
    } else if (c == u',' && !point && p.Suffix.empty()) {
      p.Thousands = true;
      ++i;
    } else if ((c == u'E' || c == u'e') && p.HasDigits && !p.Scientific && i + 1 < f.size() &&
               (f[i + 1] == u'+' || f[i + 1] == u'-')) {
      i = ReadExponent(f, i, p);
    } else {
      (p.HasDigits ? p.Suffix : p.Prefix) += c;
      ++i;
    }
  }
  p.FracDigits += p.FracZeros;
  return p;
}

String RenderScientific(const Picture& p, Decimal d) {
  const int intDigits = std::max(1, p.IntZeros + p.IntDigits);
  RoundDigits(d, intDigits + p.FracDigits);
  const int exp = d.IsZero() ? 0 : d.Exponent - intDigits;
  d.Exponent = intDigits;
  return WithPoint(IntegerPart(d, intDigits), FractionPart(d, p.FracZeros, p.FracDigits)) + p.ExpLetter +
         ExponentText(exp, p.ExpPlus, p.ExpDigits);
}

String RenderFixed(const Picture& p, Decimal d) {
  RoundDigits(d, d.Exponent + p.FracDigits);
  const String intPart = IntegerPart(d, p.IntZeros);
  return WithPoint(p.Thousands ? Group(intPart) : intPart, FractionPart(d, p.FracZeros, p.FracDigits));
}

// Splits at ";" outside quotes.
std::vector<StringView> Sections(StringView f) {
  std::vector<StringView> out;
  size_t start = 0;
  Char quote = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    if (quote) {
      if (f[i] == quote) quote = 0;
    } else if (f[i] == u'"' || f[i] == u'\'') {
      quote = f[i];
    } else if (f[i] == u';') {
      out.push_back(f.substr(start, i - start));
      start = i + 1;
    }
  }
  out.push_back(f.substr(start));
  return out;
}

[[noreturn]] void InvalidOp() { throw EConvertError(u"Invalid floating point operation"); }

std::int64_t CheckedInt64(double x) {
  // 2^63 is exactly representable; the valid range is [-2^63, 2^63).
  if (!std::isfinite(x) || x < -9223372036854775808.0 || x >= 9223372036854775808.0) InvalidOp();
  return static_cast<std::int64_t>(x);
}

}  // namespace

std::int64_t Round(double X) {
  const double low = std::floor(X);
  const double diff = X - low;
  double r = low;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(low, 2.0) != 0.0)) r = low + 1.0;
  return CheckedInt64(r);
}

std::int64_t Trunc(double X) { return CheckedInt64(std::trunc(X)); }

double Frac(double X) { return X - std::trunc(X); }

String FloatToStr(double Value) { return General(Value, 15, 0); }

String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  if (std::isnan(Value)) return u"NAN";
  if (std::isinf(Value)) return Value > 0 ? u"INF" : u"-INF";
  switch (Format) {
    case ffExponent: return Exponential(Value, Precision, Digits);
    case ffFixed: return Fixed(Value, Precision, Digits, false);
    case ffNumber: return Fixed(Value, Precision, Digits, true);
    case ffGeneral: break;
  }
  return General(Value, Precision, Digits);
}

String FormatFloat(StringView Format, double Value) {
  if (Format.empty() || !std::isfinite(Value)) return FloatToStrF(Value, ffGeneral, 15, 0);
  const auto sections = Sections(Format);
  StringView section = sections[0];
  bool sign = true;
  if (Value < 0 && sections.size() > 1 && !sections[1].empty()) {
    section = sections[1];
    sign = false;  // the negative section shows the sign itself, if at all
  } else if (Value == 0 && sections.size() > 2 && !sections[2].empty()) {
    section = sections[2];
  }
  const Picture p = ParsePicture(section);
  if (!p.HasDigits) return p.Prefix;
  Decimal d = ToDecimal(Value);
  const String number = p.Scientific ? RenderScientific(p, d) : RenderFixed(p, d);
  const bool allZero = number.find_first_of(u"123456789") == String::npos;
  return (sign && d.Negative && !allZero ? u"-" : u"") + p.Prefix + number + p.Suffix;
}

bool TryStrToFloat(StringView S, double& Value) {
  std::string ascii;
  size_t i = 0;
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) ascii += S[i++] == u'-' ? "-" : "";
  bool digits = false, point = false;
  for (; i < S.size(); ++i) {
    if (S[i] >= u'0' && S[i] <= u'9') {
      ascii += static_cast<char>(S[i]);
      digits = true;
    } else if (S[i] == FormatSettings.DecimalSeparator && !point) {
      ascii += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < S.size() && (S[i] == u'e' || S[i] == u'E')) {
    ascii += 'e';
    if (++i < S.size() && (S[i] == u'+' || S[i] == u'-')) ascii += static_cast<char>(S[i++]);
    const size_t expStart = i;
    for (; i < S.size() && S[i] >= u'0' && S[i] <= u'9'; ++i) ascii += static_cast<char>(S[i]);
    if (i == expStart) return false;
  }
  if (i != S.size()) return false;
  double v = 0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size()) return false;
  Value = v;
  return true;
}

double StrToFloatDef(StringView S, double Default) {
  double v = 0;
  return TryStrToFloat(S, v) ? v : Default;
}

double StrToFloat(StringView S) {
  double v = 0;
  if (!TryStrToFloat(S, v)) throw EConvertError(u"'" + String(S) + u"' is not a valid floating point value");
  return v;
}
