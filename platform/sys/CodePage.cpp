#include "platform/sys/CodePage.h"

#include <iconv.h>

#include <array>
#include <unordered_map>

#include "platform/sys/Exceptions.h"

namespace {

// A single-byte code page as a pair of tables, filled once from iconv: every
// conversion after that is a lookup, needs no descriptor and is thread-safe.
class SingleByteCodePage {
 public:
  // Bytes iconv rejects (the holes of Windows-1252) map to the same-numbered
  // C1 control, so that any byte sequence survives a round trip.
  explicit SingleByteCodePage(const char* name) {
    iconv_t cd = iconv_open("UTF-16LE", name);
    // Without the converter every 8-bit text would be read wrongly: fail loudly.
    if (cd == reinterpret_cast<iconv_t>(-1)) throw Exception(u"Code page not available: " + S(name));
    for (int b = 0; b < 256; ++b) {
      const Char c = DecodeByte(cd, b);
      toChar_[b] = c;
      toByte_.emplace(c, static_cast<char>(b));
    }
    iconv_close(cd);
  }

  String Decode(std::string_view bytes) const {
    String out;
    out.reserve(bytes.size());
    for (char b : bytes) out.push_back(toChar_[static_cast<unsigned char>(b)]);
    return out;
  }

  AnsiString Encode(StringView s, bool* Lossy) const {
    AnsiString out;
    out.reserve(s.size());
    bool lost = false;
    for (size_t i = 0; i < s.size(); ++i) {
      const auto it = toByte_.find(s[i]);
      if (it != toByte_.end()) {
        out.push_back(it->second);
        continue;
      }
      lost = true;
      out.push_back('?');
      // A surrogate pair is one character: one '?' for both halves.
      if (IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) ++i;
    }
    if (Lossy) *Lossy = lost;
    return out;
  }

 private:
  static bool IsHighSurrogate(Char c) { return c >= 0xD800 && c <= 0xDBFF; }
  static bool IsLowSurrogate(Char c) { return c >= 0xDC00 && c <= 0xDFFF; }

  static Char DecodeByte(iconv_t cd, int b) {
    char in = static_cast<char>(b);
    unsigned char out[4] = {};
    char* inp = &in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1) || outLeft != 2)
      return static_cast<Char>(b);
    return static_cast<Char>(out[0] | (out[1] << 8));
  }

  std::array<Char, 256> toChar_{};
  std::unordered_map<Char, char> toByte_;
};

const SingleByteCodePage& Ansi() {
  static const SingleByteCodePage page("CP1252");
  return page;
}

const SingleByteCodePage& Oem() {
  static const SingleByteCodePage page("IBM437");
  return page;
}

}  // namespace

String AnsiToString(std::string_view bytes) { return Ansi().Decode(bytes); }
AnsiString StringToAnsi(StringView s, bool* Lossy) { return Ansi().Encode(s, Lossy); }
String OemToString(std::string_view bytes) { return Oem().Decode(bytes); }
AnsiString StringToOem(StringView s, bool* Lossy) { return Oem().Encode(s, Lossy); }
