#include "grid/base/TextEncodings.h"

#include <algorithm>

#include "platform/sys/CodePage.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr Char VT = 11;

String ReplaceAll(StringView Text, StringView From, StringView To) {
  return StringReplace(Text, From, To, rfReplaceAll);
}

String HeaderLine(StringView Label, int Value) { return Format(u"%s%.8d", {Label, Value}) + u"\r\n"; }

}  // namespace

void WrapClipboardHTML(String& Fragment) {
  static constexpr StringView DocType = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
  static constexpr StringView Head =
      u"<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
      u"<body><!--StartFragment-->";
  static constexpr StringView Tail = u"<!--EndFragment--></body></html>";
  static constexpr int HeaderLength = 97;
  const int startFragment = HeaderLength + static_cast<int>(DocType.size() + Head.size());
  const int endFragment = startFragment + static_cast<int>(Fragment.size());
  const int endHTML = endFragment + static_cast<int>(Tail.size());
  String r = u"Version:1.0\r\n";
  r += HeaderLine(u"StartHTML:", HeaderLength);
  r += HeaderLine(u"EndHTML:", endHTML);
  r += HeaderLine(u"StartFragment:", startFragment);
  r += HeaderLine(u"EndFragment:", endFragment);
  r += DocType;
  r += Head;
  r += Fragment;
  r += Tail;
  Fragment = std::move(r);
}

String CRToEscapedNewlines(StringView Text) { return ReplaceAll(ReplaceAll(Text, u"\n", u""), u"\r", u"\\n"); }
String EscapedNewlinesToCR(StringView Text) { return ReplaceAll(Text, u"\\n", u"\r"); }
void CRToTilde(String& Text) { Text = ReplaceAll(ReplaceAll(Text, u"\n", u""), u"\r", u"~"); }

void TildeToCRLF(String& Text) {
  Text = ReplaceAll(Text, u"~", u"\r\n");
  if (Text == u"^") Text.clear();
}

void QuoteMultilineField(String& Text) { Text = u"\"" + ReplaceAll(Text, u"\r\n", StringView(&VT, 1)) + u"\""; }

void VTToCRLF(String& Text) {
  if (Text.find(VT) != String::npos) Text = ReplaceAll(Text, StringView(&VT, 1), u"\r\n");
}

void CRLFToLF(String& Text) { Text = ReplaceAll(Text, u"\r\n", u"\n"); }
String CRToLF(StringView Text) { return ReplaceAll(Text, u"\r", u"\n"); }
String RemoveCR(StringView Text) { return ReplaceAll(Text, u"\r", u""); }
String DoubleQuoteChars(StringView Text) { return ReplaceAll(Text, u"\"", u"\"\""); }

String CollapseDoubledChar(Char Ch, StringView Text) {
  const Char pair[2] = {Ch, Ch};
  return ReplaceAll(Text, StringView(pair, 2), StringView(&Ch, 1));
}

int FindOddCharRun(Char Ch, StringView Text, int& Position) {
  Position = 0;
  int run = 0;
  for (size_t i = 0; i < Text.size() && Position == 0; ++i) {
    if (Text[i] == Ch) {
      ++run;
      if (i + 1 == Text.size()) Position = static_cast<int>(i) + 1;
    } else {
      if (run % 2 == 1) Position = static_cast<int>(i);
      run = 0;
    }
  }
  return Position;
}

int CountOddCharRuns(Char Ch, StringView Text) {
  int count = 0, p = 0;
  while (FindOddCharRun(Ch, Text, p) > 0) {
    ++count;
    Text.remove_prefix(static_cast<size_t>(p));
  }
  return count;
}

int CountChar(Char Ch, StringView Text) { return static_cast<int>(std::count(Text.begin(), Text.end(), Ch)); }

void ConvertToOEM(String& Text) {
  const AnsiString bytes = StringToOem(Text);
  Text.clear();
  for (const unsigned char b : bytes) Text += static_cast<Char>(b);
}

void ConvertFromOEM(String& Text) { Text = OemToString(StringToAnsi(Text)); }
