#include "platform/sys/Format.h"

#include <algorithm>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

namespace {

struct Spec {
  bool LeftAlign = false;
  int Width = 0;
  int Precision = -1;  // -1: not given
  Char Type = 0;
};

[[noreturn]] void Invalid(StringView fmt) {
  throw EConvertError(u"Format '" + String(fmt) + u"' invalid or incompatible with argument");
}

int ReadNumber(StringView f, size_t& i) {
  int n = 0;
  for (; i < f.size() && f[i] >= u'0' && f[i] <= u'9'; ++i) n = std::min(n * 10 + (f[i] - u'0'), 9999);
  return n;
}

// Reads a specifier after its "%"; i ends on the type letter.
Spec ReadSpec(StringView f, size_t& i) {
  Spec s;
  if (i < f.size() && f[i] == u'-') {
    s.LeftAlign = true;
    ++i;
  }
  s.Width = ReadNumber(f, i);
  if (i < f.size() && f[i] == u'.') {
    ++i;
    s.Precision = ReadNumber(f, i);
  }
  if (i >= f.size()) Invalid(f);
  s.Type = static_cast<Char>(f[i] | 0x20);  // letters in either case
  return s;
}

String ZeroPadded(String digits, int minDigits) {
  const bool negative = !digits.empty() && digits[0] == u'-';
  if (negative) digits.erase(0, 1);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), u'0');
  return negative ? u"-" + digits : digits;
}

String FormatInteger(const Spec& s, std::int64_t v, StringView fmt) {
  switch (s.Type) {
    case u'd': return ZeroPadded(IntToStr(v), s.Precision);
    case u'x': return UIntToHex(static_cast<std::uint64_t>(v), s.Precision);
    default: Invalid(fmt);
  }
}

String FormatNumber(const Spec& s, double v, StringView fmt) {
  switch (s.Type) {
    case u'f': return FloatToStrF(v, ffFixed, 17, s.Precision < 0 ? 2 : s.Precision);
    case u'n': return FloatToStrF(v, ffNumber, 17, s.Precision < 0 ? 2 : s.Precision);
    case u'e': return FloatToStrF(v, ffExponent, s.Precision < 0 ? 15 : s.Precision, 3);
    case u'g': return FloatToStrF(v, ffGeneral, s.Precision < 0 ? 15 : s.Precision, 0);
    default: Invalid(fmt);
  }
}

String FormatArg(const Spec& s, const TVarRec& arg, StringView fmt) {
  if (const auto* str = arg.Str()) {
    if (s.Type != u's') Invalid(fmt);
    return s.Precision < 0 ? *str : str->substr(0, static_cast<size_t>(s.Precision));
  }
  if (const auto* i = arg.Int()) return FormatInteger(s, *i, fmt);
  return FormatNumber(s, *arg.Float(), fmt);
}

String Padded(String text, const Spec& s) {
  if (static_cast<int>(text.size()) >= s.Width) return text;
  const size_t fill = static_cast<size_t>(s.Width) - text.size();
  return s.LeftAlign ? text.append(fill, u' ') : text.insert(0, fill, u' ');
}

}  // namespace

String Format(StringView Fmt, std::initializer_list<TVarRec> Args) {
  String out;
  auto next = Args.begin();
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] != u'%') {
      out += Fmt[i];
      continue;
    }
    if (++i < Fmt.size() && Fmt[i] == u'%') {
      out += u'%';
      continue;
    }
    const Spec spec = ReadSpec(Fmt, i);
    if (next == Args.end()) Invalid(Fmt);
    out += Padded(FormatArg(spec, *next++, Fmt), spec);
  }
  return out;
}
