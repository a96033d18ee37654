#include "grid/base/CheckGlyphs.h"

#include <map>

#include "platform/gui/FrameControls.h"
#include "platform/gui/Resources.h"
#include "platform/sys/Exceptions.h"

namespace {

// Bitmap numbers of the four states, in the order checked, unchecked,
// checked disabled, unchecked disabled: csZEV 01 ... 04, csWinXP 05 ... 08.
String BitmapName(const char16_t* Prefix, TControlStyle Style, bool On, bool Enabled) {
  const int number = (Style == csZEV ? 1 : 5) + (On ? 0 : 1) + (Enabled ? 0 : 2);
  return String(Prefix) + u"0" + static_cast<char16_t>(u'0' + number);
}

// The kinds every style but the frame controls shares; false for those.
bool PictureGlyph(TControlStyle Style, const char16_t* Prefix, TCheckGlyph& Glyph) {
  switch (Style) {
    case csWinXP:
    case csZEV:
      Glyph.Kind = gkBitmap;
      Glyph.BitmapName = BitmapName(Prefix, Style, Glyph.On, Glyph.Enabled);
      return true;
    case csGlyph:
      Glyph.Kind = gkGlyph;
      return true;
    case csBorland:
      Glyph.Kind = gkShape;
      return true;
    default:
      return false;
  }
}

unsigned FrameFlags(TControlStyle Style, bool On, bool Enabled) {
  return (On ? DFCS_CHECKED : 0) | (Style == csFlat ? DFCS_FLAT : 0) | (Enabled ? 0 : DFCS_INACTIVE);
}

void Tools(TCanvas& c, TColor PenColor, TColor BrushColor, int PenWidth = 1) {
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(PenWidth);
  c.Pen()->SetColor(PenColor);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(BrushColor);
}

void Line(TCanvas& c, TPoint From, TPoint To) {
  c.MoveTo(From.X, From.Y);
  c.LineTo(To.X, To.Y);
}

}  // namespace

TCheckGlyph CheckBoxGlyph(TControlStyle Style, bool Checked, bool Grayed, bool Enabled, bool Themed) {
  TCheckGlyph g;
  g.On = Checked;
  g.Enabled = Enabled;
  if (PictureGlyph(Style, u"ASGCHK", g)) return g;
  if (Style == csTheme && Themed) {
    g.Kind = gkThemed;
    g.ThemeState = Grayed ? (Enabled ? 9 : 12) : (Checked ? 5 : 1) + (Enabled ? 0 : 3);
    return g;
  }
  g.FrameState = DFCS_BUTTONCHECK | FrameFlags(Style, Checked || Grayed, Enabled) |
                 (Grayed ? DFCS_BUTTON3STATE : 0);
  return g;
}

TCheckGlyph RadioGlyph(TControlStyle Style, bool On, bool Enabled, bool Themed) {
  TCheckGlyph g;
  g.On = On;
  g.Enabled = Enabled;
  if (PictureGlyph(Style, u"ASGRAD", g)) return g;
  if (Style == csTheme && Themed) {
    g.Kind = gkThemed;
    g.ThemeState = (On ? 5 : 1) + (Enabled ? 0 : 3);
    return g;
  }
  g.FrameState = DFCS_BUTTONRADIO | FrameFlags(Style, On, Enabled);
  return g;
}

void DrawBorlandCheckBox(TCanvas& Canvas, const TRect& Box, bool Checked, bool Enabled,
                         TColor TickColor) {
  const TColor face = Enabled ? clBtnFace : clBtnShadow;
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(face);
  Canvas.FillRect(Box);
  const int l = Box.Left, t = Box.Top, r = Box.Right - 1, b = Box.Bottom - 1;
  Tools(Canvas, clBtnHighlight, face);
  Line(Canvas, {l, b}, {l, t});
  Canvas.LineTo(r, t);
  Canvas.Pen()->SetColor(clBtnShadow);
  Canvas.LineTo(r, b);
  Canvas.LineTo(l, b);
  if (!Checked) return;
  Tools(Canvas, Enabled ? TickColor : clGray, face, 2);
  Line(Canvas, {l + 2, (Box.Top + Box.Bottom) / 2}, {l + 2, b});
  Canvas.LineTo(r - 2, t + 3);
  Canvas.Pen()->SetWidth(1);
}

void DrawBorlandRadio(TCanvas& Canvas, int X, int Y, bool On, TColor DotColor) {
  const TPoint left{X + 2, Y + 8}, top{X + 8, Y + 2}, right{X + 14, Y + 8}, bottom{X + 8, Y + 14};
  Tools(Canvas, clBtnFace, clBtnFace);
  const TPoint face[] = {left, top, right, bottom};
  Canvas.Polygon(face);
  Canvas.Pen()->SetColor(On ? clGray : clWhite);
  Line(Canvas, bottom, left);
  Canvas.LineTo(top.X, top.Y);
  Canvas.Pen()->SetColor(On ? clWhite : clGray);
  Canvas.LineTo(right.X, right.Y);
  Canvas.LineTo(bottom.X, bottom.Y);
  if (!On) return;
  Tools(Canvas, DotColor, DotColor);
  const TPoint dot[] = {{X + 6, Y + 8}, {X + 8, Y + 6}, {X + 10, Y + 8}, {X + 8, Y + 10}};
  Canvas.Polygon(dot);
}

const TBitmap& BuiltInBitmap(const String& Name) {
  static std::map<String, TBitmap> loaded;
  auto found = loaded.find(Name);
  if (found != loaded.end()) return found->second;
  TBitmap& bitmap = loaded[Name];
  try {
    bitmap.LoadFromResourceName(Name);
  } catch (const Exception&) {
    bitmap.SetSize(0, 0);
  }
  bitmap.SetTransparent(true);
  return bitmap;
}
