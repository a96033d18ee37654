#include "platform/sys/ComponentStream.h"

#include <bit>
#include <cmath>
#include <limits>

#include "platform/sys/CodePage.h"
#include "platform/sys/Streams.h"

namespace {

constexpr std::string_view Signature = "TPF0";
// Lists and collections may nest; deeper than this is no record of ours.
constexpr int MaxDepth = 32;

[[noreturn]] void BadFormat() { throw EReadError(u"Invalid stream format"); }
[[noreturn]] void ReadFailed() { throw EReadError(u"Stream read error"); }

bool IsAscii(std::string_view Bytes) {
  for (char c : Bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

// ---- 80-bit extended

void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10]) {
  const auto bits = std::bit_cast<std::uint64_t>(Value);
  const bool negative = bits >> 63;
  const int exp = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t frac = bits & ((std::uint64_t{1} << 52) - 1);
  std::uint64_t mantissa = 0;
  int e = 0;
  if (exp == 0x7FF) {  // infinity or NaN: the integer bit set, the fraction kept
    e = 0x7FFF;
    mantissa = (std::uint64_t{1} << 63) | (frac << 11);
  } else if (exp != 0) {
    e = exp - 1023 + 16383;
    mantissa = (std::uint64_t{1} << 63) | (frac << 11);
  } else if (frac != 0) {  // subnormal: normalised, the extended range holds it
    const int shift = std::countl_zero(frac);
    mantissa = frac << shift;
    e = 1 - 1023 + 16383 - (shift - 11);
  }
  for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(e);
  Bytes[8] = static_cast<std::uint8_t>(top);
  Bytes[9] = static_cast<std::uint8_t>(top >> 8);
}

double ExtendedToDouble(const std::uint8_t (&Bytes)[10]) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= std::uint64_t{Bytes[i]} << (8 * i);
  const unsigned top = Bytes[8] | (Bytes[9] << 8);
  const bool negative = top & 0x8000;
  const int e = static_cast<int>(top & 0x7FFF);
  double result;
  if (e == 0x7FFF) {
    const std::uint64_t frac = mantissa & ~(std::uint64_t{1} << 63);
    result = frac ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
    if (frac) {  // the payload's top bits travel with the NaN
      const auto nan = (std::uint64_t{0x7FF} << 52) | (frac >> 11) | (std::uint64_t{1} << 51);
      result = std::bit_cast<double>(nan);
    }
  } else if (mantissa == 0) {
    result = 0;
  } else {
    // value = mantissa * 2^(e - 16383 - 63); ldexp rounds to nearest even
    // once, also into the subnormal range, after an exact split in two.
    const double hi = static_cast<double>(mantissa >> 11 << 11);
    const double lo = static_cast<double>(mantissa & 0x7FF);
    const int scale = (e == 0 ? 1 : e) - 16383 - 63;
    result = std::ldexp(hi, scale) + std::ldexp(lo, scale);
  }
  return negative ? -result : result;
}

// ---- writer

void TComponentWriter::Byte(std::uint8_t b) { FBuffer.push_back(static_cast<char>(b)); }

void TComponentWriter::Bytes(std::string_view Data) { FBuffer.append(Data); }

void TComponentWriter::Int32Bytes(std::int32_t Value) {
  const auto u = static_cast<std::uint32_t>(Value);
  for (int i = 0; i < 4; ++i) Byte(static_cast<std::uint8_t>(u >> (8 * i)));
}

// ASCII, the usual case, is copied as it is.
bool TComponentWriter::AsciiInto(StringView Value, size_t Limit) {
  if (Value.size() > Limit) return false;
  for (Char c : Value) {
    if (c >= 0x80) return false;
  }
  for (Char c : Value) FBuffer.push_back(static_cast<char>(c));
  return true;
}

void TComponentWriter::ShortString(StringView Value) {
  const size_t at = FBuffer.size();
  Byte(static_cast<std::uint8_t>(Value.size()));
  if (AsciiInto(Value, 255)) return;
  FBuffer.resize(at);
  const AnsiString a = StringToAnsi(Value).substr(0, 255);
  Byte(static_cast<std::uint8_t>(a.size()));
  Bytes(a);
}

void TComponentWriter::BeginRecord(StringView ClassName) {
  Bytes(Signature);
  ShortString(ClassName);
  ShortString(u"");
}

void TComponentWriter::EndRecord() {
  Byte(vaNull);
  Byte(vaNull);
  FStream.WriteBytes(FBuffer);
  FBuffer.clear();
}

void TComponentWriter::Integer(std::int64_t Value) {
  if (Value >= -128 && Value <= 127) {
    Byte(vaInt8);
    Byte(static_cast<std::uint8_t>(Value));
  } else if (Value >= -32768 && Value <= 32767) {
    const auto u = static_cast<std::uint16_t>(Value);
    Byte(vaInt16);
    Byte(static_cast<std::uint8_t>(u));
    Byte(static_cast<std::uint8_t>(u >> 8));
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    Int32(static_cast<std::int32_t>(Value));
  } else {
    Byte(vaInt64);
    Int32Bytes(static_cast<std::int32_t>(Value));
    Int32Bytes(static_cast<std::int32_t>(static_cast<std::uint64_t>(Value) >> 32));
  }
}

void TComponentWriter::Int32(std::int32_t Value) {
  Byte(vaInt32);
  Int32Bytes(Value);
}

void TComponentWriter::Ident(StringView Value) {
  Byte(vaIdent);
  ShortString(Value);
}

void TComponentWriter::Text(StringView Value) {
  if (!Value.empty() && Value.size() < 256) {
    const size_t at = FBuffer.size();
    Byte(vaString);
    Byte(static_cast<std::uint8_t>(Value.size()));
    if (AsciiInto(Value, 255)) return;
    FBuffer.resize(at);
  }
  const std::string utf8 = StringToUtf8(Value);
  if (utf8.size() >= 2 * Value.size()) return WideText(Value);
  if (!IsAscii(utf8)) {
    Byte(vaUTF8String);
    Int32Bytes(static_cast<std::int32_t>(utf8.size()));
  } else if (utf8.size() < 256) {
    Byte(vaString);
    Byte(static_cast<std::uint8_t>(utf8.size()));
  } else {
    Byte(vaLString);
    Int32Bytes(static_cast<std::int32_t>(utf8.size()));
  }
  Bytes(utf8);
}

void TComponentWriter::WideText(StringView Value) {
  Byte(vaWString);
  Int32Bytes(static_cast<std::int32_t>(Value.size()));
  std::string bytes(2 * Value.size(), '\0');
  for (size_t i = 0; i < Value.size(); ++i) {
    bytes[2 * i] = static_cast<char>(Value[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(Value[i] >> 8);
  }
  Bytes(bytes);
}

void TComponentWriter::Extended(double Value) {
  std::uint8_t b[10];
  DoubleToExtended(Value, b);
  Byte(vaExtended);
  Bytes(std::string_view(reinterpret_cast<const char*>(b), 10));
}

void TComponentWriter::Binary(std::string_view Data) {
  Byte(vaBinary);
  Int32Bytes(static_cast<std::int32_t>(Data.size()));
  Bytes(Data);
}

void TComponentWriter::Set(std::span<const StringView> Names, unsigned Bits) {
  Byte(vaSet);
  for (size_t i = 0; i < Names.size(); ++i) {
    if (Bits & (1u << i)) ShortString(Names[i]);
  }
  ShortString(u"");
}

void TComponentWriter::Value(const TStreamValue& V) {
  switch (V.Type) {
    case vaInt8: case vaInt16: case vaInt64: Integer(V.Int); break;
    case vaInt32: Int32(static_cast<std::int32_t>(V.Int)); break;
    case vaFalse: case vaTrue: Boolean(V.Type == vaTrue); break;
    case vaIdent: Ident(V.Text); break;
    case vaWString: WideText(V.Text); break;
    case vaString: case vaLString: case vaUTF8String: Text(V.Text); break;
    case vaExtended: Extended(V.Float); break;
    case vaBinary: Binary(V.Bytes); break;
    case vaSet:
      Byte(vaSet);
      for (const String& n : V.Names) ShortString(n);
      ShortString(u"");
      break;
    case vaList:
      BeginList();
      for (const TStreamValue& item : V.List) Value(item);
      End();
      break;
    case vaCollection:
      BeginCollection();
      for (const auto& item : V.Items) {
        BeginItem();
        for (const TStreamProperty& p : item) {
          Name(p.Name);
          Value(p.Value);
        }
        End();
      }
      End();
      break;
    default: Byte(V.Type); break;  // vaNull, vaNil: the tag alone
  }
}

// ---- reader

std::int64_t TComponentReader::Remaining() { return FStream.Size() - FStream.Position(); }

void TComponentReader::Read(void* Buffer, std::int64_t Count) {
  if (Count > Remaining()) ReadFailed();
  FStream.ReadBuffer(Buffer, Count);
}

std::uint8_t TComponentReader::Byte() {
  std::uint8_t b = 0;
  Read(&b, 1);
  return b;
}

std::int32_t TComponentReader::Int32() {
  std::uint8_t b[4];
  Read(b, 4);
  return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t(b[3]) << 24));
}

std::string TComponentReader::Bytes(std::int64_t Count) {
  // Checked before the buffer is made: the length came from outside.
  if (Count < 0 || Count > Remaining()) ReadFailed();
  std::string s(static_cast<size_t>(Count), '\0');
  if (Count > 0) Read(s.data(), Count);
  return s;
}

void TComponentReader::AnsiInto(std::int64_t Count, String& Out) {
  if (Count < 0 || Count > Remaining()) ReadFailed();
  FScratch.resize(static_cast<size_t>(Count));
  if (Count > 0) Read(FScratch.data(), Count);
  if (!IsAscii(FScratch)) {
    Out = AnsiToString(FScratch);
    return;
  }
  Out.resize(FScratch.size());
  for (size_t i = 0; i < FScratch.size(); ++i) Out[i] = static_cast<Char>(FScratch[i]);
}

String TComponentReader::ShortString() {
  String s;
  AnsiInto(Byte(), s);
  return s;
}

String TComponentReader::BeginRecord() {
  char sig[4];
  Read(sig, 4);
  if (std::string_view(sig, 4) != Signature) BadFormat();
  FClassName = ShortString();
  ShortString();  // the instance name, never used
  return FClassName;
}

bool TComponentReader::NextProperty() {
  AnsiInto(Byte(), FPath);
  if (FPath.empty()) {
    Byte();  // the end of the children
    return false;
  }
  try {
    ReadValue(FValue, 0);
  } catch (const Exception& e) {
    PropertyError(e.Message());
  }
  return true;
}

void TComponentReader::ReadItems(TStreamValue& V, int Depth) {
  for (std::uint8_t t = Byte(); t != vaNull; t = Byte()) {
    if (t != vaList) BadFormat();
    auto& item = V.Items.emplace_back();
    for (String name = ShortString(); !name.empty(); name = ShortString()) {
      TStreamProperty& p = item.emplace_back();
      p.Name = std::move(name);
      ReadValue(p.Value, Depth + 1);
    }
  }
}

void TComponentReader::ReadValue(TStreamValue& V, int Depth) {
  if (Depth > MaxDepth) BadFormat();
  V.Type = static_cast<TValueType>(Byte());
  V.Text.clear();
  V.Names.clear();
  V.Bytes.clear();
  V.List.clear();
  V.Items.clear();
  switch (V.Type) {
    case vaNull: case vaNil: case vaFalse: case vaTrue: break;
    case vaInt8: V.Int = static_cast<std::int8_t>(Byte()); break;
    case vaInt16: {
      const std::uint8_t lo = Byte();
      V.Int = static_cast<std::int16_t>(lo | (Byte() << 8));
      break;
    }
    case vaInt32: V.Int = Int32(); break;
    case vaInt64: {
      const auto lo = static_cast<std::uint32_t>(Int32());
      V.Int = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(Int32())) << 32) | lo);
      break;
    }
    case vaExtended: {
      std::uint8_t b[10];
      Read(b, 10);
      V.Float = ExtendedToDouble(b);
      break;
    }
    case vaSingle: {
      const auto u = static_cast<std::uint32_t>(Int32());
      V.Float = std::bit_cast<float>(u);
      break;
    }
    case vaCurrency: case vaDate: {
      std::uint8_t b[8];
      Read(b, 8);
      std::uint64_t u = 0;
      for (int i = 0; i < 8; ++i) u |= std::uint64_t{b[i]} << (8 * i);
      V.Float = V.Type == vaDate ? std::bit_cast<double>(u)
                                 : static_cast<double>(static_cast<std::int64_t>(u)) / 10000;
      break;
    }
    case vaString: AnsiInto(Byte(), V.Text); break;
    case vaLString: AnsiInto(Int32(), V.Text); break;
    case vaUTF8String: V.Text = Utf8ToString(Bytes(Int32())); break;
    case vaIdent: V.Text = ShortString(); break;
    case vaWString: {
      const std::int64_t n = Int32();
      const std::string b = Bytes(n < 0 ? -1 : 2 * n);
      V.Text.resize(static_cast<size_t>(n));
      for (size_t i = 0; i < V.Text.size(); ++i)
        V.Text[i] = static_cast<Char>(static_cast<std::uint8_t>(b[2 * i]) | (static_cast<std::uint8_t>(b[2 * i + 1]) << 8));
      break;
    }
    case vaBinary: V.Bytes = Bytes(Int32()); break;
    case vaSet:
      for (String n = ShortString(); !n.empty(); n = ShortString()) V.Names.push_back(std::move(n));
      break;
    case vaList:
      while (true) {
        TStreamValue item;
        ReadValue(item, Depth + 1);
        if (item.Type == vaNull) break;
        V.List.push_back(std::move(item));
      }
      break;
    case vaCollection: ReadItems(V, Depth); break;
    default: BadFormat();
  }
}

void TComponentReader::PropertyError(const String& Message) const {
  throw EReadError(u"Error reading " + FClassName + u"." + FPath + u": " + Message);
}

void TComponentReader::UnknownProperty() const {
  const size_t dot = FPath.rfind(u'.');
  PropertyError(u"Property " + (dot == String::npos ? FPath : FPath.substr(dot + 1)) + u" does not exist");
}

void TComponentReader::InvalidValue() const { PropertyError(u"Invalid property value"); }
