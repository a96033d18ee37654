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
  // A stray last byte shows as a replacement character, as a broken UTF-8
  // sequence does, rather than vanishing without a trace.
  if (b.size() % 2) r.push_back(u'\uFFFD');
  return r;
}

bool StartsWith(std::string_view b, std::string_view prefix) { return b.substr(0, prefix.size()) == prefix; }

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF", Utf16LEMark = "\xFF\xFE", Utf16BEMark = "\xFE\xFF";

bool StartsWithMark(std::string_view b) {
  return StartsWith(b, Utf8Mark) || StartsWith(b, Utf16LEMark) || StartsWith(b, Utf16BEMark);
}

}  // namespace

String DecodeText(std::string_view Bytes) {
  if (StartsWith(Bytes, Utf8Mark)) return Utf8ToString(Bytes.substr(Utf8Mark.size()));
  if (StartsWith(Bytes, Utf16LEMark)) return DecodeUtf16(Bytes.substr(Utf16LEMark.size()), false);
  if (StartsWith(Bytes, Utf16BEMark)) return DecodeUtf16(Bytes.substr(Utf16BEMark.size()), true);
  return AnsiToString(Bytes);
}

std::string EncodeText(StringView Text, TTextEncoding Encoding) {
  switch (Encoding) {
    case teUtf8:
      return StringToUtf8(Text);
    case teUtf8Bom:
      return std::string(Utf8Mark) + StringToUtf8(Text);
    case teUtf16LE: {
      std::string r(Utf16LEMark);
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

TTextEncoding ReadBackEncoding(StringView Text, TTextEncoding Encoding) {
  const bool looksMarked = (Encoding == teAnsi && StartsWithMark(StringToAnsi(Text.substr(0, Utf8Mark.size())))) ||
                           (Encoding == teUtf8 && StartsWithMark(StringToUtf8(Text.substr(0, 1))));
  return looksMarked ? teUtf8Bom : Encoding;
}

String ReadTextFile(const String& FileName, std::int64_t MaxSize) { return DecodeText(ReadWholeFile(FileName, MaxSize)); }

void WriteTextFile(const String& FileName, StringView Text, TTextEncoding Encoding) {
  SafeWriteFile(FileName, EncodeText(Text, Encoding));
}
