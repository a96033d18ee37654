#include "platform/gui/TextLayout.h"

#include <algorithm>

#include "platform/gui/Canvas.h"

namespace {

const String kEllipsis = u"...";

// Text with its underlined character (0-based, -1 for none).
struct TMarked {
  String Text;
  int UnderlineAt = -1;
};

// "&x" underlines x, "&&" is one "&", a final "&" vanishes.
TMarked StripPrefix(const String& text, unsigned format) {
  if (format & DT_NOPREFIX) return {text, -1};
  TMarked out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out.Text += text[i];
      continue;
    }
    if (i + 1 >= text.size()) break;
    if (text[i + 1] == u'&') {
      out.Text += u'&';
      ++i;
    } else if (out.UnderlineAt < 0 && !(format & DT_HIDEPREFIX)) {
      out.UnderlineAt = static_cast<int>(out.Text.size());
    }
  }
  return out;
}

// Replaces each tab by blanks up to the next tab stop.
void ExpandTabs(TMarked& m, const TTextMeasure& M) {
  if (M.TabWidth <= 0) return;
  String out;
  int underline = m.UnderlineAt;
  for (size_t i = 0; i < m.Text.size(); ++i) {
    if (m.Text[i] != u'\t') {
      out += m.Text[i];
      continue;
    }
    const size_t before = out.size();
    const int stop = (M.Width(out) / M.TabWidth + 1) * M.TabWidth;
    do out += u' ';
    while (M.Width(out) < stop);
    if (m.UnderlineAt > static_cast<int>(i)) underline += static_cast<int>(out.size() - before) - 1;
  }
  m.Text = std::move(out);
  m.UnderlineAt = underline;
}

struct TSpan {
  size_t Start;
  size_t Length;
};

// Paragraphs split at CR, LF or CR LF.
std::vector<TSpan> SplitParagraphs(const String& s) {
  std::vector<TSpan> out;
  size_t start = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'\r' && s[i] != u'\n') continue;
    out.push_back({start, i - start});
    if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  out.push_back({start, s.size() - start});
  return out;
}

bool IsBlank(Char c) { return c == u' '; }

// Greedy word wrap of s[span] to width: a line breaks after a run of
// blanks, the blanks at the break belong to neither line, and a word wider
// than the width stays whole.
void WrapParagraph(const String& s, TSpan span, int width, const TTextMeasure& M,
                   std::vector<TSpan>& lines) {
  size_t pos = span.Start;
  const size_t end = span.Start + span.Length;
  do {
    size_t fit = pos;  // end of the longest fitting text ending at a word end
    size_t i = pos;
    while (i < end) {
      size_t wordEnd = i;
      while (wordEnd < end && IsBlank(s[wordEnd])) ++wordEnd;
      while (wordEnd < end && !IsBlank(s[wordEnd])) ++wordEnd;
      if (fit > pos && M.Width(s.substr(pos, wordEnd - pos)) > width) break;
      fit = wordEnd;
      i = wordEnd;
    }
    lines.push_back({pos, fit - pos});
    pos = fit;
    while (pos < end && IsBlank(s[pos])) ++pos;
  } while (pos < end);
}

// Drops characters from the end until the text plus "..." fits.
String EndEllipsis(const String& text, int width, const TTextMeasure& M) {
  String head = text;
  while (!head.empty() && M.Width(head + kEllipsis) > width) head.pop_back();
  return head + kEllipsis;
}

// Keeps the last path element and shortens what is before it.
String PathEllipsis(const String& text, int width, const TTextMeasure& M) {
  const size_t slash = text.find_last_of(u"\\/");
  if (slash == String::npos) return EndEllipsis(text, width, M);
  const String tail = text.substr(slash);
  String head = text.substr(0, slash);
  while (!head.empty() && M.Width(head + kEllipsis + tail) > width) head.pop_back();
  const String shortened = head + kEllipsis + tail;
  return M.Width(shortened) <= width ? shortened : EndEllipsis(kEllipsis + tail, width, M);
}

void ApplyEllipsis(TTextLine& line, int width, unsigned format, const TTextMeasure& M) {
  if (line.Width <= width) return;
  const String before = line.Text;
  if (format & DT_PATH_ELLIPSIS)
    line.Text = PathEllipsis(line.Text, width, M);
  else
    line.Text = EndEllipsis(line.Text, width, M);
  const size_t kept = line.Text.size() >= kEllipsis.size() ? line.Text.size() - kEllipsis.size() : 0;
  if (line.UnderlineAt >= 0 && (static_cast<size_t>(line.UnderlineAt) >= kept ||
                                line.Text.compare(0, kept, before, 0, kept) != 0))
    line.UnderlineAt = -1;
  line.Width = M.Width(line.Text);
}

int AlignX(const TRect& r, int width, unsigned format) {
  if (format & DT_CENTER) return (r.Left + r.Right - width) / 2;
  if (format & DT_RIGHT) return r.Right - width;
  return r.Left;
}

}  // namespace

TTextLayout LayoutText(const String& Text, const TRect& Rect, unsigned Format, const TTextMeasure& M) {
  TMarked marked = StripPrefix(Text, Format);
  if (Format & DT_EXPANDTABS) ExpandTabs(marked, M);
  const String& s = marked.Text;
  const bool single = (Format & DT_SINGLELINE) != 0;
  std::vector<TSpan> spans;
  for (TSpan p : single ? std::vector<TSpan>{{0, s.size()}} : SplitParagraphs(s)) {
    if (Format & DT_WORDBREAK && !single)
      WrapParagraph(s, p, Rect.Width(), M, spans);
    else
      spans.push_back(p);
  }
  const bool ellipsis = (Format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) &&
                        !(Format & DT_CALCRECT);
  // Measuring a line costs a text layout: only alignment, ellipses and the
  // box of DT_CALCRECT need the widths.
  const bool measure = ellipsis || (Format & (DT_CALCRECT | DT_CENTER | DT_RIGHT));
  TTextLayout out;
  int widest = 0;
  for (TSpan sp : spans) {
    TTextLine line;
    line.Text = s.substr(sp.Start, sp.Length);
    line.Width = measure ? M.Width(line.Text) : 0;
    const int u = marked.UnderlineAt - static_cast<int>(sp.Start);
    if (marked.UnderlineAt >= 0 && u >= 0 && u < static_cast<int>(sp.Length)) line.UnderlineAt = u;
    if (ellipsis) ApplyEllipsis(line, Rect.Width(), Format, M);
    widest = std::max(widest, line.Width);
    out.Lines.push_back(std::move(line));
  }
  const int height = static_cast<int>(out.Lines.size()) * M.LineHeight;
  int top = Rect.Top;
  if (single && (Format & DT_VCENTER)) top = (Rect.Top + Rect.Bottom - M.LineHeight) / 2;
  if (single && (Format & DT_BOTTOM)) top = Rect.Bottom - M.LineHeight;
  for (size_t i = 0; i < out.Lines.size(); ++i) {
    out.Lines[i].X = AlignX(Rect, out.Lines[i].Width, Format);
    out.Lines[i].Y = top + static_cast<int>(i) * M.LineHeight;
  }
  out.Box = TRect{Rect.Left, Rect.Top, Rect.Left + widest, Rect.Top + height};
  out.Result = (single && (Format & (DT_VCENTER | DT_BOTTOM))) ? top + height - Rect.Top : height;
  return out;
}
