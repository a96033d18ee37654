// The forms cell texts take in text, CSV, clipboard and HTML exchange.
#include "fuzz/FuzzSupport.h"
#include "grid/base/TextEncodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const Char ch = static_cast<Char>(Data[0]);
  const String text = fuzz::Text(fuzz::Bytes(Data + 1, Size - 1));
  for (void (*change)(String&) : {WrapClipboardHTML, CRToTilde, TildeToCRLF, QuoteMultilineField, VTToCRLF,
                                  CRLFToLF, ConvertToOEM, ConvertFromOEM}) {
    String t = text;
    change(t);
  }
  for (String (*form)(StringView) : {CRToEscapedNewlines, EscapedNewlinesToCR, CRToLF, RemoveCR, DoubleQuoteChars})
    form(text);
  fuzz::Check(CollapseDoubledChar(u'"', DoubleQuoteChars(text)) == text, "doubled quotes do not collapse back");
  CollapseDoubledChar(ch, text);
  int position = 0;
  const int found = FindOddCharRun(ch, text, position);
  fuzz::Check(found == position && found >= 0 && found <= static_cast<int>(text.size()), "odd run out of the text");
  CountOddCharRuns(ch, text);
  CountChar(ch, text);
  return 0;
}
