#include "grid/base/HTMLText.h"

#include <array>
#include <vector>

namespace {

struct TEntity {
  Char Ch;
  StringView Name;
};

constexpr std::array<TEntity, 4> kBasicEntities{{
    {u'<', u"&lt;"}, {u'>', u"&gt;"}, {u'&', u"&amp;"}, {u'"', u"&quot;"}}};

constexpr std::array<TEntity, 51> kExtendedEntities{{
    {u'\u00E9', u"&eacute;"}, {u'\u00E8', u"&egrave;"}, {u'\u00EB', u"&euml;"},   {u'\u00EA', u"&ecirc;"},
    {u'\u00F3', u"&oacute;"}, {u'\u00F2', u"&ograve;"}, {u'\u00F6', u"&ouml;"},   {u'\u00F4', u"&ocirc;"},
    {u'\u00ED', u"&iacute;"}, {u'\u00EC', u"&igrave;"}, {u'\u00EF', u"&iuml;"},   {u'\u00EE', u"&icirc;"},
    {u'\u00FA', u"&uacute;"}, {u'\u00F9', u"&ugrave;"}, {u'\u00FC', u"&uuml;"},   {u'\u00FB', u"&ucirc;"},
    {u'\u00E1', u"&aacute;"}, {u'\u00E0', u"&agrave;"}, {u'\u00E4', u"&auml;"},   {u'\u00E2', u"&acirc;"},
    {u'\u00C9', u"&Eacute;"}, {u'\u00C8', u"&Egrave;"}, {u'\u00CB', u"&Euml;"},   {u'\u00CA', u"&Ecirc;"},
    {u'\u00D3', u"&Oacute;"}, {u'\u00D2', u"&Ograve;"}, {u'\u00D6', u"&Ouml;"},   {u'\u00D4', u"&Ocirc;"},
    {u'\u00CD', u"&Iacute;"}, {u'\u00CC', u"&Igrave;"}, {u'\u00CF', u"&Iuml;"},   {u'\u00CE', u"&Icirc;"},
    {u'\u00DA', u"&Uacute;"}, {u'\u00D9', u"&Ugrave;"}, {u'\u00DC', u"&Uuml;"},   {u'\u00DB', u"&Ucirc;"},
    {u'\u00C1', u"&Aacute;"}, {u'\u00C0', u"&Agrave;"}, {u'\u00C4', u"&Auml;"},   {u'\u00C2', u"&Acirc;"},
    {u'\u00E7', u"&ccedil;"}, {u'\u00C7', u"&Ccedil;"}, {u'\u00F8', u"&oslash;"}, {u'\u00D8', u"&Oslash;"},
    {u'\u00E5', u"&aring;"},  {u'\u00C5', u"&Aring;"},  {u'\u00A9', u"&copy;"},   {u'\u00AE', u"&reg;"},
    {u'\u20AC', u"&euro;"},   {u'\u00AB', u"&laquo;"},  {u'\u00BB', u"&raquo;"},
}};

template <size_t N>
const TEntity* EntityOf(const std::array<TEntity, N>& Table, Char C) {
  for (const auto& entity : Table)
    if (entity.Ch == C) return &entity;
  return nullptr;
}

template <size_t N>
const TEntity* EntityAt(const std::array<TEntity, N>& Table, StringView Text, size_t At, bool AnyCase) {
  for (const auto& entity : Table) {
    if (Text.size() - At < entity.Name.size()) continue;
    const StringView here = Text.substr(At, entity.Name.size());
    if (AnyCase ? UpperCase(here) == UpperCase(entity.Name) : here == entity.Name) return &entity;
  }
  return nullptr;
}

// "<BR>" or "<HR>" in any case at At.
bool BreakTagAt(StringView Text, size_t At) {
  return Text.size() - At >= 4 && Text[At] == u'<' && Text[At + 3] == u'>' && UpCase(Text[At + 2]) == u'R' &&
         (UpCase(Text[At + 1]) == u'B' || UpCase(Text[At + 1]) == u'H');
}

// The ">" that ends a tag from the "<" at Open: break tags have become line
// breaks by then, so their ">" does not count.
size_t TagEnd(StringView Text, size_t Open) {
  for (size_t at = Text.find(u'>', Open + 1); at != StringView::npos; at = Text.find(u'>', at + 1))
    if (at < 3 || !BreakTagAt(Text, at - 3)) return at;
  return StringView::npos;
}

String EscapeAngles(StringView Text) {
  return StringReplace(StringReplace(Text, u"<", u"&lt;", rfReplaceAll), u">", u"&gt;", rfReplaceAll);
}

bool IsURLChar(Char C) {
  return (C >= u'0' && C <= u'9') || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') ||
         StringView(u"%()-./:@\\_{}").find(C) != StringView::npos;
}

TColor gHighlightBackground = clHighlight;
TColor gHighlightText = clHighlightText;

// The matches of Search in Visible, each search going on right after the
// previous match; 1-based positions.
std::vector<int> MatchesIn(const String& Visible, const String& Search, bool CaseSensitive, bool FirstOnly = false) {
  const String hay = CaseSensitive ? String() : AnsiUpperCase(Visible);
  const String needle = CaseSensitive ? Search : AnsiUpperCase(Search);
  const String& in = CaseSensitive ? Visible : hay;
  std::vector<int> found;
  for (size_t at = in.find(needle); at != String::npos; at = in.find(needle, at + needle.size())) {
    found.push_back(static_cast<int>(at) + 1);
    if (FirstOnly) break;
  }
  return found;
}

int VisibleCount(StringView Text) {
  int count = 0;
  bool inTag = false;
  for (Char c : Text) {
    if (c == u'<') inTag = true;
    if (!inTag) ++count;
    if (c == u'>') inTag = false;
  }
  return count;
}

}  // namespace

String HTMLToPlainText(StringView Text) {
  String out;
  out.reserve(Text.size());
  bool open = true;  // tags still removed: no "<" without ">" met yet
  for (size_t i = 0; i < Text.size();) {
    if (Text[i] != u'<') {
      out += Text[i++];
    } else if (BreakTagAt(Text, i)) {
      out += u"\r\n";
      i += 4;
    } else if (const size_t end = open ? TagEnd(Text, i) : StringView::npos; end != StringView::npos) {
      i = end + 1;
    } else {
      open = false;
      out += Text[i++];
    }
  }
  return out;
}

String HTMLToPlainTextNoBreaks(StringView Text) {
  String out;
  out.reserve(Text.size());
  size_t from = 0;
  for (;;) {
    const size_t open = Text.find(u'<', from);
    const size_t close = Text.find(u'>', from);
    if (open == StringView::npos || close == StringView::npos || open > close) break;
    out.append(Text.substr(from, open - from));
    from = close + 1;
  }
  return out.append(Text.substr(from));
}

int VisibleToRawIndex(StringView Text, int N) {
  if (N == 1) return 1;
  if (N < 1) return 0;
  int count = 0;
  bool inTag = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == u'<') inTag = true;
    if (!inTag && ++count == N - 1) return static_cast<int>(i) + 2;
    if (Text[i] == u'>') inTag = false;
  }
  return 0;
}

int FindTextFrom(StringView Search, StringView Text, int Offset, bool CaseSensitive, int& Position) {
  Position = 0;
  if (Offset < 0 || static_cast<size_t>(Offset) > Text.size()) return 0;
  const String rest(Text.substr(static_cast<size_t>(Offset)));
  const size_t at = CaseSensitive ? rest.find(Search) : AnsiUpperCase(rest).find(AnsiUpperCase(Search));
  if (at != String::npos) Position = Offset + static_cast<int>(at) + 1;
  return Position;
}

String EscapeHTMLText(StringView Text, bool Extended) {
  String out;
  out.reserve(Text.size());
  for (Char c : Text) {
    const TEntity* entity = EntityOf(kBasicEntities, c);
    if (!entity && Extended) entity = EntityOf(kExtendedEntities, c);
    if (entity)
      out += entity->Name;
    else
      out += c;
  }
  return out;
}

String UnescapeHTMLText(StringView Text, bool Extended) {
  String out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    const TEntity* entity = nullptr;
    if (Text[i] == u'&') {
      entity = EntityAt(kBasicEntities, Text, i, true);
      if (!entity && Extended) entity = EntityAt(kExtendedEntities, Text, i, false);
    }
    out += entity ? entity->Ch : Text[i];
    i += entity ? entity->Name.size() : 1;
  }
  return out;
}

String SpacesToNbsp(StringView Text) { return StringReplace(Text, u" ", u"&nbsp;", rfReplaceAll); }

String LineBreaksToBR(StringView Text) { return StringReplace(Text, u"\r", u"<br>", rfReplaceAll); }

String ColorToHTMLHex(TColor Color) {
  const TColor rgb = ColorToRGB(Color);
  return IntToHex(GetRValue(rgb), 2) + IntToHex(GetGValue(rgb), 2) + IntToHex(GetBValue(rgb), 2);
}

bool InsertURLLink(StringView Text, StringView Prefix, String& Result) {
  if (Prefix.empty() || UpperCase(Text).find(Prefix) == String::npos) return false;
  Result = EscapeAngles(Text);
  const size_t start = UpperCase(Result).find(Prefix);
  size_t end = start;
  while (end < Result.size() && IsURLChar(Result[end])) ++end;
  const String url = Result.substr(start, end - start);
  Result.insert(end, u"</a>");
  Result.insert(start, u"<a href=\"" + url + u"\">");
  return true;
}

void SetHTMLHighlightColors(TColor Background, TColor TextColor) {
  gHighlightBackground = Background;
  gHighlightText = TextColor;
}

TColor HTMLHighlightBackground() { return gHighlightBackground; }
TColor HTMLHighlightTextColor() { return gHighlightText; }

void HighlightInHTML(StringView Text, StringView Search, StringView TagName, bool CaseSensitive, String& Result) {
  if (Search.empty()) {
    Result = String(Text);
    return;
  }
  String visible = HTMLToPlainTextNoBreaks(Text);
  String search(Search);
  const bool escape =
      visible.find_first_of(u"<>") != String::npos && !MatchesIn(String(Text), search, CaseSensitive, true).empty();
  if (escape) {
    visible = EscapeAngles(visible);
    search = EscapeAngles(search);
  }
  const StringView raw = escape ? StringView(visible) : Text;
  // Marks after the K-th visible character: opening before the tags that
  // follow the character ahead of a match, closing right after its last one.
  struct TMark {
    int K;
    bool Open;
  };
  std::vector<TMark> marks;
  const int visibleCount = VisibleCount(raw);
  const int length = static_cast<int>(search.size());
  for (int p : MatchesIn(visible, search, CaseSensitive)) {
    if (p + length - 1 > visibleCount) break;
    marks.push_back({p - 1, true});
    marks.push_back({p + length - 1, false});
  }
  const String open = u"<" + String(TagName) + u">";
  const String close = u"</" + String(TagName) + u">";
  String out;
  out.reserve(raw.size() + marks.size() * close.size());
  size_t next = 0;
  int count = 0;
  bool inTag = false;
  const auto emitMarks = [&] {
    for (; next < marks.size() && marks[next].K == count; ++next) out += marks[next].Open ? open : close;
  };
  emitMarks();
  for (Char c : raw) {
    out += c;
    if (c == u'<') inTag = true;
    if (!inTag) {
      ++count;
      emitMarks();
    }
    if (c == u'>') inTag = false;
  }
  Result = std::move(out);
}

String RemoveTagMarks(StringView Text, StringView TagName) {
  const TReplaceFlags flags = rfReplaceAll | rfIgnoreCase;
  const String out = StringReplace(Text, u"<" + String(TagName) + u">", u"", flags);
  return StringReplace(out, u"</" + String(TagName) + u">", u"", flags);
}

String RemoveHighlightTags(StringView Text, StringView TagName) {
  const String out = RemoveTagMarks(Text, TagName);
  return StringReplace(StringReplace(out, u"&lt;", u"<", rfReplaceAll), u"&gt;", u">", rfReplaceAll);
}
