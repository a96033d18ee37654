#include "grid/base/RichTextPlain.h"

#include <vector>

#include "platform/sys/CodePage.h"

namespace {

bool IsLetter(Char Ch) { return (Ch >= u'a' && Ch <= u'z') || (Ch >= u'A' && Ch <= u'Z'); }

int HexDigit(Char Ch) {
  if (Ch >= u'0' && Ch <= u'9') return Ch - u'0';
  if (Ch >= u'a' && Ch <= u'f') return Ch - u'a' + 10;
  if (Ch >= u'A' && Ch <= u'F') return Ch - u'A' + 10;
  return -1;
}

// Groups whose text is no part of the document.
bool IsSkippedDestination(StringView Word) {
  for (StringView d : {u"fonttbl", u"colortbl", u"stylesheet", u"info", u"pict", u"header",
                       u"footer", u"object", u"listtable", u"listoverridetable", u"generator"}) {
    if (Word == d) return true;
  }
  return false;
}

class TRtfReader {
 public:
  explicit TRtfReader(StringView Rtf) : S(Rtf) {}

  String Run() {
    while (P < S.size()) {
      const Char ch = S[P++];
      if (ch == u'{') {
        Skip.push_back(Skipping());
      } else if (ch == u'}') {
        if (!Skip.empty()) Skip.pop_back();
      } else if (ch == u'\\') {
        ControlWord();
      } else if (ch != u'\r' && ch != u'\n') {
        Emit(ch);
      }
    }
    return Out;
  }

 private:
  bool Skipping() const { return !Skip.empty() && Skip.back(); }
  void Emit(Char Ch) {
    if (!Skipping()) Out += Ch;
  }
  void EmitText(StringView Text) {
    if (!Skipping()) Out += Text;
  }
  void SkipThisGroup() {
    if (!Skip.empty()) Skip.back() = true;
  }

  void ControlWord() {
    if (P >= S.size()) return;
    const Char ch = S[P];
    if (!IsLetter(ch)) {
      ++P;
      ControlSymbol(ch);
      return;
    }
    const size_t start = P;
    while (P < S.size() && IsLetter(S[P])) ++P;
    const StringView word = S.substr(start, P - start);
    if (P < S.size() && (S[P] == u'-' || (S[P] >= u'0' && S[P] <= u'9'))) {
      ++P;
      while (P < S.size() && S[P] >= u'0' && S[P] <= u'9') ++P;
    }
    if (P < S.size() && S[P] == u' ') ++P;
    if (word == u"par" || word == u"line") EmitText(u"\r\n");
    if (word == u"tab") Emit(u'\t');
    if (IsSkippedDestination(word)) SkipThisGroup();
  }

  void ControlSymbol(Char Ch) {
    if (Ch == u'*') {
      SkipThisGroup();
    } else if (Ch == u'\'' && P + 1 < S.size()) {
      const int hi = HexDigit(S[P]), lo = HexDigit(S[P + 1]);
      P += 2;
      if (hi >= 0 && lo >= 0) {
        const AnsiString byte(1, static_cast<char>(hi * 16 + lo));
        EmitText(AnsiToString(byte));
      }
    } else if (Ch == u'\\' || Ch == u'{' || Ch == u'}') {
      Emit(Ch);
    } else if (Ch == u'~') {
      Emit(u' ');
    }
  }

  StringView S;
  size_t P = 0;
  std::vector<bool> Skip;  // per open group: its text is dropped
  String Out;
};

}  // namespace

String RichTextToPlainText(StringView Rtf) {
  String text = TRtfReader(Rtf).Run();
  // The document's last paragraph mark ends it; it starts no line of its own.
  if (text.ends_with(u"\r\n")) text.resize(text.size() - 2);
  return text;
}
