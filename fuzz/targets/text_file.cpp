// Text-file decoding, and writing back in each encoding that can hold the
// text: the reader must give the same text again.
#include "fuzz/FuzzSupport.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String text = DecodeText(fuzz::Bytes(Data, Size));
  SplitLines(text);
  const bool ansi = AnsiToString(StringToAnsi(text)) == text;
  const bool utf8 = Utf8ToString(StringToUtf8(text)) == text;
  for (TTextEncoding e : {teAnsi, teUtf8Bom, teUtf16LE}) {
    if ((e == teAnsi && !ansi) || (e == teUtf8Bom && !utf8)) continue;
    fuzz::Check(DecodeText(EncodeText(text, ReadBackEncoding(text, e))) == text, "text does not read back");
  }
  return 0;
}
