#pragma once
// Format with typed arguments: the format string is interpreted by our own
// code, never handed to printf, so a user's text is always safe as an argument.
// Specifiers: "%" ["-"] [width] ["." precision] type, with type
//   d  integer (precision = minimum digits)     s  string (precision = max chars)
//   x  upper-case hex (precision = min digits)
//   f  fixed, precision decimals (default 2)    n  as f with thousand separators
//   e  scientific (precision digits, default 15) g  general (precision significant, default 15)
// and "%%". A specifier that does not fit its argument, or a missing argument,
// raises EConvertError.
#include <cstdint>
#include <initializer_list>
#include <variant>

#include "platform/sys/String.h"

class TVarRec {
 public:
  TVarRec(int v) : value_(static_cast<std::int64_t>(v)) {}
  TVarRec(unsigned v) : value_(static_cast<std::int64_t>(v)) {}
  TVarRec(long v) : value_(static_cast<std::int64_t>(v)) {}
  TVarRec(long long v) : value_(static_cast<std::int64_t>(v)) {}
  TVarRec(unsigned long v) : value_(static_cast<std::int64_t>(v)) {}
  TVarRec(double v) : value_(v) {}
  TVarRec(Char c) : value_(String(1, c)) {}
  TVarRec(const Char* s) : value_(String(s)) {}
  TVarRec(StringView s) : value_(String(s)) {}
  TVarRec(const String& s) : value_(s) {}

  const std::int64_t* Int() const { return std::get_if<std::int64_t>(&value_); }
  const double* Float() const { return std::get_if<double>(&value_); }
  const String* Str() const { return std::get_if<String>(&value_); }

 private:
  std::variant<std::int64_t, double, String> value_;
};

String Format(StringView Fmt, std::initializer_list<TVarRec> Args);
