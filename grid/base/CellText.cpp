#include "grid/base/CellText.h"

#include "platform/sys/SysUtils.h"

namespace {

bool StartsWith(StringView Text, Char A, Char B) { return Text.size() >= 2 && Text[0] == A && Text[1] == B; }

bool IsPackedWide(StringView Text) { return StartsWith(Text, u'|', u'\\'); }

String MapChars(StringView Text, std::initializer_list<std::pair<Char, Char>> Map) {
  String r(Text);
  for (Char& c : r) {
    for (const auto& [from, to] : Map) {
      if (c == from) {
        c = to;
        break;
      }
    }
  }
  return r;
}

}  // namespace

int CellTextKind(StringView Text, bool AllowHTML) {
  if (Text.empty()) return ctkPlain;
  if (Text[0] == u'=') return ctkFormula;
  if (IsPackedWide(Text)) {
    // A first unit "=" packs as #0 "="; the next unit's high byte follows.
    const bool formula = Text.size() >= 5 && Text[3] == u'=' && Text[4] == 0;
    return formula ? ctkFormula : ctkPackedWide;
  }
  if (StartsWith(Text, u'{', u'\\')) return ctkRichText;
  if (!AllowHTML) return ctkPlain;
  for (StringView tag : {u"</", u"<B", u"<I", u"<C"}) {
    if (Text.find(tag) != StringView::npos) return ctkHTML;
  }
  return ctkPlain;
}

String PackWideCellText(StringView WideText) {
  String r = u"|\\";
  for (Char c : WideText) {
    r += static_cast<Char>(c >> 8);
    r += static_cast<Char>(c & 0xFF);
  }
  return r;
}

String UnpackWideCellText(StringView Text) {
  if (!IsPackedWide(Text)) return String(Text);
  String r;
  for (size_t i = 2; i + 1 < Text.size(); i += 2) r += static_cast<Char>(Text[i] * 256 + Text[i + 1]);
  return r;
}

String EncodeLineBreaksForSave(StringView Text) {
  if (Text.find(u'\r') == StringView::npos) return String(Text);
  return MapChars(Text, {{u'\r', 9}, {u'\n', 8}, {0, 1}});
}

String DecodeLineBreaksFromLoad(StringView Text, bool MultiLine) {
  String r = Text.find(Char(8)) == StringView::npos ? String(Text) : MapChars(Text, {{9, u'\r'}, {8, u'\n'}, {1, 0}});
  if (!MultiLine) r = r.substr(0, r.find(u'\r'));
  return r;
}
