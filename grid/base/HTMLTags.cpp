#include "grid/base/HTMLTags.h"

#include <array>

namespace {

struct TEntity {
  StringView Name;  // after the "&", with the ";"
  StringView Value;
};

constexpr std::array<TEntity, 9> kLayoutEntities{{
    {u"amp;", u"&"},  // the second "&" of "&&" is read again
    {u"quot;", u"\""},
    {u"sect;", u"\u00A7"},
    {u"permil;", u"\u2030"},
    {u"reg;", u"\u00AE"},
    {u"copy;", u"\u00A9"},
    {u"para;", u"\u00B6"},
    {u"trade;", u"\u2122"},
    {u"euro;", u"\u20AC"},
}};

bool StartsNoCase(StringView Text, size_t At, StringView Upper) {
  if (Text.size() - At < Upper.size()) return false;
  for (size_t k = 0; k < Upper.size(); ++k)
    if (UpCase(Text[At + k]) != UpCase(Upper[k])) return false;
  return true;
}

const TEntity* LayoutEntityAt(StringView Text, size_t At) {
  for (const auto& entity : kLayoutEntities)
    if (StartsNoCase(Text, At, entity.Name)) return &entity;
  return nullptr;
}

Char CharAt(StringView Text, size_t Index) { return Index < Text.size() ? Text[Index] : Char(0); }

THTMLTagKind OpeningKind(StringView Text, size_t At) {
  const Char next = UpCase(CharAt(Text, At + 2));
  switch (UpCase(Text[At + 1])) {
    case u'A': return THTMLTagKind::A;
    case u'B': return next == u'>' ? THTMLTagKind::B : next == u'R' ? THTMLTagKind::BR
                    : next == u'L' ? THTMLTagKind::Blink : next == u'O' ? THTMLTagKind::Body : THTMLTagKind::Unknown;
    case u'C': return THTMLTagKind::Control;
    case u'E': return THTMLTagKind::E;
    case u'F': return THTMLTagKind::Font;
    case u'H': return next == u'I' ? THTMLTagKind::HI : next == u'R' ? THTMLTagKind::HR : THTMLTagKind::Unknown;
    case u'I': return next == u'>' ? THTMLTagKind::I : next == u'N' ? THTMLTagKind::Ind
                    : next == u'M' ? THTMLTagKind::Img : THTMLTagKind::Unknown;
    case u'L': return THTMLTagKind::LI;
    case u'P': return THTMLTagKind::P;
    case u'R': return THTMLTagKind::R;
    case u'S':
      if (StartsNoCase(Text, At, u"<SUB>")) return THTMLTagKind::Sub;
      if (StartsNoCase(Text, At, u"<SUP>")) return THTMLTagKind::Sup;
      return next == u'>' ? THTMLTagKind::S : next == u'H' ? THTMLTagKind::Shad : THTMLTagKind::Unknown;
    case u'U': return next == u'>' ? THTMLTagKind::U : THTMLTagKind::UL;
    case u'Z': return THTMLTagKind::Z;
    default: return THTMLTagKind::Unknown;
  }
}

THTMLTagKind ClosingKind(StringView Text, size_t At) {
  const Char next = UpCase(CharAt(Text, At + 3));
  switch (UpCase(CharAt(Text, At + 2))) {
    case u'A': return THTMLTagKind::A;
    case u'B': return next == u'>' ? THTMLTagKind::B : THTMLTagKind::BodyBlink;
    case u'E': return THTMLTagKind::E;
    case u'F': return THTMLTagKind::Font;
    case u'H': return THTMLTagKind::HI;
    case u'I': return THTMLTagKind::I;
    case u'L': return THTMLTagKind::LI;
    case u'P': return THTMLTagKind::P;
    case u'R': return THTMLTagKind::R;
    case u'S': return next == u'U' ? THTMLTagKind::SubSup : next == u'H' ? THTMLTagKind::Shad : THTMLTagKind::S;
    case u'U': return next == u'>' ? THTMLTagKind::U : THTMLTagKind::UL;
    case u'Z': return THTMLTagKind::Z;
    default: return THTMLTagKind::Unknown;
  }
}

std::optional<int> QuotedIntAfter(const THTMLTag& Tag, StringView Letter, size_t From) {
  if (From >= Tag.Text.size()) return std::nullopt;
  int value = 0;
  if (!TryStrToInt(QuotedValueAfter(Tag.Text.substr(From), StringView(Tag.Upper).substr(From), Letter), value))
    return std::nullopt;
  return value;
}

// Steps 2 and 3 of the preparation in one pass: they touch different
// characters, and the "<BR>" written for a CR is output, never read again.
String FilterText(StringView Text, bool HashTags, bool LineBreaks, bool KeepBreaks) {
  String out;
  out.reserve(Text.size() + Text.size() / 8);
  size_t open = 0;  // "<#" still waiting for their ">"
  for (size_t i = 0; i < Text.size(); ++i) {
    const Char c = Text[i];
    if (HashTags && c == u'<' && CharAt(Text, i + 1) == u'#') {
      ++open;
      ++i;
    } else if (HashTags && c == u'>' && open > 0) {
      --open;
    } else if (LineBreaks && c == u'\r') {
      if (KeepBreaks) out += u"<BR>";
    } else if (!LineBreaks || c != u'\n') {
      out += c;
    }
  }
  return out;
}

}  // namespace

String ReplaceHTMLEntities(StringView Text) {
  String out;
  out.reserve(Text.size());
  bool ampersand = false;  // an "&" read and not yet written
  size_t i = 0;
  while (i < Text.size() || ampersand) {
    if (ampersand) {
      const TEntity* entity = i < Text.size() ? LayoutEntityAt(Text, i) : nullptr;
      out += entity ? entity->Value : StringView(u"&");
      ampersand = entity && entity->Name == u"amp;";
      if (entity) i += entity->Name.size();
    } else if (Text[i] == u'&') {
      ampersand = true;
      ++i;
    } else {
      out += Text[i++];
    }
  }
  return out;
}

String StripHashTags(StringView Text) { return FilterText(Text, true, false, false); }

String LineBreaksToBRTags(StringView Text, bool Flag) { return FilterText(Text, false, true, Flag); }

String PrepareHTMLText(StringView Text) {
  if (Text.find(u'&') == StringView::npos) return FilterText(Text, true, true, true);
  return FilterText(ReplaceHTMLEntities(Text), true, true, true);
}

std::optional<THTMLTag> ScanHTMLTag(StringView Text, size_t Start) {
  if (Start >= Text.size() || Text.size() - Start <= 2) return std::nullopt;
  const size_t close = Text.find(u'>', Start + 1);
  if (close == StringView::npos) return std::nullopt;
  THTMLTag tag;
  tag.Closing = Text[Start + 1] == u'/';
  tag.Kind = tag.Closing ? ClosingKind(Text, Start) : OpeningKind(Text, Start);
  tag.Start = Start;
  tag.End = close + 1;
  tag.Text = Text.substr(Start, tag.End - Start);
  tag.Upper = UpperCase(tag.Text);
  return tag;
}

String HTMLAttribute(const THTMLTag& Tag, StringView Name, bool Upper) {
  return QuotedValueAfter(Upper ? StringView(Tag.Upper) : Tag.Text, Tag.Upper, Name);
}

bool HasHTMLAttribute(const THTMLTag& Tag, StringView Name) { return Tag.Upper.find(Name) != String::npos; }

TColor HTMLColorValue(StringView Value) {
  if (!Value.empty() && Value[0] == u'#') return HexColorToColor(UpperCase(Value));
  return ColorNameToColor(LowerCase(Value));
}

TColor HTMLBodyColorValue(StringView Value) {
  const String upper = UpperCase(Value);
  if (upper.find(u"CL") != String::npos) return ColorNameToColor(LowerCase(Value));
  if (upper.find(u'#') != String::npos) return HexColorToColor(upper);
  return clNone;
}

int HTMLFontSize(StringView Value) {
  static constexpr int kPoints[] = {8, 10, 12, 14, 16};
  const int n = StrToIntPartial(Value);
  return n >= 1 && n <= 5 ? kPoints[n - 1] : n;
}

std::optional<int> HTMLIndent(const THTMLTag& Tag) { return QuotedIntAfter(Tag, u"X", 0); }

std::optional<int> HTMLAngle(const THTMLTag& Tag) { return QuotedIntAfter(Tag, u"A", 2); }

int HTMLParagraphAlign(const THTMLTag& Tag) {
  const String value = HTMLAttribute(Tag, u"ALIGN", true);
  int align = 0;
  if (value.find(u"RIGHT") != String::npos) align = 1;
  if (value.find(u"LEFT") != String::npos) align = 0;
  if (value.find(u"CENTER") != String::npos) align = 2;
  return align;
}

THTMLImageAlign HTMLImageAlign(const THTMLTag& Tag) {
  if (Tag.Upper.find(u"\"TOP") != String::npos) return THTMLImageAlign::Top;
  if (Tag.Upper.find(u"\"MIDDLE") != String::npos) return THTMLImageAlign::Middle;
  return THTMLImageAlign::Bottom;
}

THTMLPictureSource HTMLPictureSource(StringView Src) {
  THTMLPictureSource source;
  const String upper = UpperCase(Src);
  const auto after = [&](StringView Prefix) { return String(Src.substr(Prefix.size())); };
  if (upper.starts_with(u"IDX:")) {
    if (TryStrToInt(after(u"IDX:"), source.Index)) source.Kind = THTMLPictureKind::ImageList;
  } else if (upper.starts_with(u"SSYS:")) {
    source = {THTMLPictureKind::SmallSystemIcon, 0, after(u"SSYS:")};
  } else if (upper.starts_with(u"LSYS:")) {
    source = {THTMLPictureKind::LargeSystemIcon, 0, after(u"LSYS:")};
  } else if (upper.find(u"://") != String::npos) {
    source = {THTMLPictureKind::Cache, 0, String(Src)};
  } else if (upper.find(u':') == String::npos && !upper.empty()) {
    source = {THTMLPictureKind::Container, 0, String(Src)};
  }
  return source;
}
