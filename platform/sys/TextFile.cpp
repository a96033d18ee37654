#include "platform/sys/TextFile.h"

#include "platform/sys/CodePage.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"

namespace {

String DecodeUtf16(std::string_view b, bool BigEndian) {
  String r;
  r.reserve(b.size() / 2);
  for (size_t i = 0; i + 1 < b.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(b[BigEndian ? i + 1 : i]);
    const auto hi = static_cast<unsigned char>(b[BigEndian ? i : i + 1]);
    r.push_back(static_cast<Char>(lo | (hi << 8)));
  }
  return r;
}

bool StartsWith(std::string_view b, std::string_view prefix) { return b.substr(0, prefix.size()) == prefix; }

}  // namespace

String DecodeText(std::string_view Bytes) {
  if (StartsWith(Bytes, "\xEF\xBB\xBF")) return Utf8ToString(Bytes.substr(3));
  if (StartsWith(Bytes, "\xFF\xFE")) return DecodeUtf16(Bytes.substr(2), false);
  if (StartsWith(Bytes, "\xFE\xFF")) return DecodeUtf16(Bytes.substr(2), true);
  return AnsiToString(Bytes);
}

std::string EncodeText(StringView Text, TTextEncoding Encoding) {
  switch (Encoding) {
    case teUtf8:
      return StringToUtf8(Text);
    case teUtf8Bom:
      return "\xEF\xBB\xBF" + StringToUtf8(Text);
    case teUtf16LE: {
      std::string r = "\xFF\xFE";
      for (Char c : Text) {
        r.push_back(static_cast<char>(c & 0xFF));
        r.push_back(static_cast<char>(c >> 8));
      }
      return r;
    }
    case teAnsi:
      break;
  }
  return StringToAnsi(Text);
}

String ReadTextFile(const String& FileName) {
  TFileStream f(FileName, fmOpenRead);
  return DecodeText(f.ReadRest());
}

void WriteTextFile(const String& FileName, StringView Text, TTextEncoding Encoding) {
  SafeWriteFile(FileName, EncodeText(Text, Encoding));
}
