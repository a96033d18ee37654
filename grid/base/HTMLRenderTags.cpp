// What each tag does to the renderer's fonts, colours and line.
#include <algorithm>

#include "grid/base/HTMLLayout.h"
#include "grid/base/HTMLPicture.h"
#include "grid/base/HTMLText.h"

namespace {

constexpr int kListStep = 12;
constexpr int kMaxIndent = MaxHTMLPictureSize;

void SetStyle(TFont& Font, TFontStyle Style, bool On) {
  Font.SetStyle(On ? Font.Style() + TFontStyles{Style} : Font.Style() - TFontStyles{Style});
}

}  // namespace

bool THTMLLayout::Hovered() const { return !In.HoverUnderline || FState.Anchors == In.HoverLink; }

bool THTMLLayout::ProcessTag(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line) {
  TFont& font = *FCanvas.Font();
  const bool open = !Tag.Closing;
  using K = THTMLTagKind;
  switch (Tag.Kind) {
    case K::A:
      if (open)
        OpenAnchor(Tag, Pass, Line);
      else
        CloseAnchor(Pass, Line);
      break;
    case K::B: SetStyle(font, fsBold, open); break;
    case K::I: SetStyle(font, fsItalic, open); break;
    case K::U: SetStyle(font, fsUnderline, open); break;
    case K::S: SetStyle(font, fsStrikeOut, open); break;
    case K::BR:
      Line.Ended = true;
      if (Pass.Measure) Out.StripVal += u'\r';
      break;
    case K::Blink:
      if (!In.Blink) font.SetColor(FBackground);
      break;
    case K::BodyBlink: font.SetColor(FBase.Color()); break;
    case K::Body:
      if (open) ProcessBody(Tag, Pass);
      break;
    case K::Control:
      if (open) return ProcessControl(Tag, Pass, Line);
      break;
    case K::E:
      if (Pass.Paint) FError = open;
      break;
    case K::Font: ProcessFont(Tag, !open, Pass); break;
    case K::HI:
      if (!Pass.Paint) break;
      if (open && !FHighlight) {
        FSavedHIFont = font.Color();
        FSavedHIBrush = SavedBrush(FCanvas);
        font.SetColor(HTMLHighlightTextColor());
        FCanvas.Brush()->SetColor(HTMLHighlightBackground());
        FHighlight = true;
      } else if (!open && FHighlight) {
        font.SetColor(FSavedHIFont);
        RestoreBrush(FCanvas, FSavedHIBrush);
        FHighlight = false;
      }
      break;
    case K::HR:
      Line.Ended = true;
      if (Pass.Paint) {
        const int y = TextBottom(Pass) + 1;
        FCanvas.Pen()->SetColor(clBlack);
        FCanvas.Pen()->SetWidth(1);
        FCanvas.MoveTo(Pass.Line.Left, y);
        FCanvas.LineTo(FRect.Right, y);
      }
      break;
    case K::Ind:
      if (const auto n = HTMLIndent(Tag); n && Line.Width < *n) {
        Line.Width = std::min(*n, kMaxIndent);
        Pass.X = Pass.Line.Left + Line.Width;
      }
      break;
    case K::Img:
      if (open) return ProcessPicture(Tag, Pass, Line);
      break;
    case K::LI:
      if (!open) {
        Line.Ended = true;
      } else {
        if (Line.ListItem) {
          Line.Full = true;
          return false;
        }
        ProcessListItem(Pass, Line);
      }
      break;
    case K::P:
      if (open) {
        Line.Align = HTMLParagraphAlign(Tag);
        Line.Indent = std::clamp(StrToIntPartial(HTMLAttribute(Tag, u"INDENT")), -kMaxIndent, kMaxIndent);
        const String bg = HTMLAttribute(Tag, u"BGCOLOR", true);
        if (!bg.empty() && Pass.Paint && !In.IgnoreColors) {
          if (!FParaBackground) FSavedParaBrush = SavedBrush(FCanvas);
          FCanvas.Brush()->SetColor(HTMLColorValue(bg));
          FParaBackground = true;
        }
      } else {
        Line.Ended = true;
        if (Pass.Paint && FParaBackground) {
          RestoreBrush(FCanvas, FSavedParaBrush);
          FParaBackground = false;
        }
      }
      break;
    case K::R: ProcessRotation(Tag, !open, Pass); break;
    case K::Shad: FShadow = open; break;
    case K::Sub:
      if (open) FSub = true;
      break;
    case K::Sup:
      if (open) FSup = true;
      break;
    case K::SubSup: FSub = FSup = false; break;
    case K::UL:
      if (open) {
        ++FState.ListLevel;
        Line.Ended = true;
      } else if (FState.ListLevel > 0) {
        --FState.ListLevel;
      } else {
        SetStyle(font, fsUnderline, false);
      }
      break;
    case K::Z: FHidden = open; break;
    case K::Unknown: break;
  }
  return true;
}

void THTMLLayout::ProcessListItem(TPass& Pass, THTMLLine& Line) {
  Line.ListItem = true;
  const int level = std::min(FState.ListLevel, kMaxIndent / kListStep);
  if (Pass.Paint && level > 0) {
    TRect r{Pass.X + (level - 1) * kListStep, Pass.Line.Top, Pass.X + level * kListStep, TextBottom(Pass)};
    FCanvas.DrawText(level % 2 ? String(u"\u2022") : String(u"o"), r, FFlags & ~DT_END_ELLIPSIS);
  }
  Line.Width += level * kListStep;
  Pass.X += level * kListStep;
  Line.HasContent = true;
}

void THTMLLayout::OpenAnchor(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line) {
  if (Pass.Paint && FState.Anchors == In.FocusLink) {
    FFocusLeft = Pass.X;
    FFocusTop = Pass.Line.Top;
  }
  ++FState.Anchors;
  FState.InAnchor = true;
  FState.Ref = HTMLAttribute(Tag, u"HREF");
  FState.Title = HTMLAttribute(Tag, u"TITLE");
  TFont& font = *FCanvas.Font();
  const bool hovered = Hovered();
  if (hovered && Pass.Paint) {
    SetStyle(font, fsUnderline, true);
    if (In.HoverColor != clNone) {
      FSavedHoverBrush = SavedBrush(FCanvas);
      FCanvas.Brush()->SetColor(In.HoverColor);
    }
    if (In.HoverFontColor != clNone) {
      FSavedHoverFont = font.Color();
      font.SetColor(In.HoverFontColor);
    }
  }
  const bool keepHoverFont = In.HoverFontColor != clNone && In.HoverUnderline && FState.Anchors == In.HoverLink;
  if (!In.IgnoreColors && !keepHoverFont) font.SetColor(In.URLColor);
  FAnchorStart = Line.Width;
  FAnchorTop = Pass.Line.Top;
  FAnchorLine = FLineIndex;
  FAnchorUnderPoint = false;
}

void THTMLLayout::CloseAnchor(TPass& Pass, THTMLLine& Line) {
  if (!FState.InAnchor) return;
  TFont& font = *FCanvas.Font();
  if (Hovered() && Pass.Paint) {
    SetStyle(font, fsUnderline, false);
    if (In.HoverColor != clNone) RestoreBrush(FCanvas, FSavedHoverBrush);
    if (In.HoverFontColor != clNone) font.SetColor(FSavedHoverFont);
  }
  if (!In.IgnoreColors) font.SetColor(FBase.Color());
  if (FAnchorUnderPoint) {
    const bool sameLine = FAnchorLine == FLineIndex;
    const int bottom = Pass.Measure ? Pass.Line.Top + Line.Height : Pass.Line.Bottom;
    Out.HoverRect = TRect{Pass.Line.Left + (sameLine ? FAnchorStart : 0), sameLine ? FAnchorTop : Pass.Line.Top,
                          Pass.Line.Left + Line.Width, bottom};
    Out.MouseLink = FState.Anchors;
  }
  if (Pass.Paint && FState.Anchors == In.FocusLink + 1) {
    const int bottom = TextBottom(Pass) - Pass.Measured->Raise;
    DrawFocusPiece(Pass, Pass.X, bottom, true);
  }
  FState.InAnchor = false;
  FAnchorUnderPoint = false;
}

void THTMLLayout::ProcessFont(const THTMLTag& Tag, bool Closing, const TPass& Pass) {
  TFont& font = *FCanvas.Font();
  if (Closing) {
    font.SetName(FBase.Name());
    font.SetSize(FBase.Size());
    if (Pass.Paint && !In.IgnoreColors) {
      font.SetColor(FBase.Color());
      RestoreBrush(FCanvas, FSavedFontBrush);
    }
    return;
  }
  if (HasHTMLAttribute(Tag, u"FACE")) font.SetName(HTMLAttribute(Tag, u"FACE", true));
  if (HasHTMLAttribute(Tag, u" COLOR") && !In.IgnoreColors)
    font.SetColor(HTMLColorValue(HTMLAttribute(Tag, u" COLOR")));
  if (HasHTMLAttribute(Tag, u"BGCOLOR") && !In.IgnoreColors && Pass.Paint) {
    FSavedFontBrush = SavedBrush(FCanvas);
    FCanvas.Brush()->SetColor(HTMLColorValue(HTMLAttribute(Tag, u"BGCOLOR")));
  }
  if (HasHTMLAttribute(Tag, u"SIZE"))
    font.SetSize(std::clamp(HTMLFontSize(HTMLAttribute(Tag, u"SIZE")), 1, MaxHTMLFontSize));
}

void THTMLLayout::ProcessRotation(const THTMLTag& Tag, bool Closing, const TPass& Pass) {
  auto& stack = FRotated[Pass.Which];
  TFont& font = *FCanvas.Font();
  if (Closing) {
    if (stack.empty()) return;
    font.Assign(*stack.back());
    stack.pop_back();
    return;
  }
  const auto angle = HTMLAngle(Tag);
  if (!angle) return;
  auto saved = std::make_unique<TFont>();
  saved->Assign(font);
  stack.push_back(std::move(saved));
  font.SetOrientation((*angle % 360) * 10);
}

void THTMLLayout::ProcessBody(const THTMLTag& Tag, const TPass& Pass) {
  if (!Pass.Paint) return;
  const String bg = HTMLAttribute(Tag, u"BGCOLOR", true);
  const TColor color = bg.empty() || In.IgnoreColors ? clNone : HTMLBodyColorValue(bg);
  if (color != clNone) {
    FCanvas.Pen()->SetColor(color);
    FCanvas.Brush()->SetColor(color);
    FCanvas.Rectangle(FRect);
    FSavedFontBrush = color;
  }
  const String background = HTMLAttribute(Tag, u"BACKGROUND");
  if (const THTMLPicture* picture = background.empty() ? nullptr : FindPicture(HTMLPictureSource(background)))
    if (!picture->IsEmpty()) TileBackground(FCanvas, IntersectRect(FRect, FCanvas.ClipRect()), *picture);
}
