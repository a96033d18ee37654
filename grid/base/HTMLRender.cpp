// The line loop of the mini-HTML renderer and the text runs of a line.
#include "grid/base/HTMLRender.h"

#include <algorithm>

#include "grid/base/HTMLLayout.h"
#include "platform/sys/Files.h"

namespace {

constexpr unsigned kTextFlags = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;
bool gRightToLeftLocale = false;

// "&nbsp;", "&lt;" and "&gt;" of one run.
String DecodeRun(StringView Raw) {
  String out;
  out.reserve(Raw.size());
  for (size_t i = 0; i < Raw.size(); ++i) {
    const StringView rest = Raw.substr(i);
    if (rest.starts_with(u"&nbsp;")) {
      out += u' ';
      i += 5;
    } else if (rest.starts_with(u"&lt;")) {
      out += u'<';
      i += 3;
    } else if (rest.starts_with(u"&gt;")) {
      out += u'>';
      i += 3;
    } else {
      out += Raw[i];
    }
  }
  return out;
}

}  // namespace

unsigned BiDiDrawTextFlags(unsigned Flags, int BiDiMode) {
  if (!gRightToLeftLocale) return Flags;
  if (BiDiMode == 1) {
    if (Flags & DT_RIGHT)
      Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  if (BiDiMode != 0) Flags |= DT_RTLREADING;
  return Flags;
}

void SetRightToLeftLocaleForTest(bool Value) { gRightToLeftLocale = Value; }

bool IsDirectoryPath(const String& Path) { return !Path.empty() && DirectoryExists(Path); }

String MaskWithStars(StringView Text) { return String(Text.size(), u'*'); }

size_t THTMLCharFinder::Next(StringView Text, size_t Pos, size_t End) {
  if (!FValid || End != FEnd || Pos < FFrom || FAt < Pos) {
    const size_t found = Text.substr(0, End).find(FChar, Pos);
    FAt = found == StringView::npos ? End : found;
    FFrom = Pos;
    FEnd = End;
    FValid = true;
  }
  return FAt;
}

THTMLLayout::THTMLLayout(TCanvas& Canvas, const TRect& Rect, const THTMLRenderInputs& Inputs,
                         THTMLRenderResults& Results)
    : FCanvas(Canvas), FRect(Rect), In(Inputs), Out(Results) {
  FBase.Assign(*Canvas.Font());
  FFonts[0].Assign(FBase);
  FFonts[1].Assign(FBase);
  FBackground = Canvas.Brush()->Color();
}

THTMLLayout::~THTMLLayout() = default;

int THTMLLayout::GHHeight() { return FCanvas.TextHeight(u"gh"); }

int THTMLLayout::MeasureText(const String& Run) {
  TRect r{0, 0, 0, 0};
  FCanvas.DrawText(Run, r, (FFlags & ~DT_END_ELLIPSIS) | DT_CALCRECT);
  return r.Right - r.Left;
}

int THTMLLayout::TextBottom(const TPass& Pass) const {
  return Pass.Line.Bottom - (Pass.Measured ? Pass.Measured->SubExtra : 0);
}

bool THTMLLayout::Render(StringView Text) {
  FIncomingControlID = In.CheckHotSpot ? Out.ControlID : String();
  Out.ControlRect = TRect{};
  Out.ControlValue.clear();
  Out.ControlType.clear();
  if (!In.CheckHotSpot) Out.ControlID.clear();
  Out.XSize = Out.YSize = Out.HyperLinks = 0;
  Out.StripVal.clear();
  Out.FocusAnchor.clear();
  Out.AnchorTitle.clear();
  Out.MouseLink = -1;
  FFlags = BiDiDrawTextFlags(kTextFlags | (In.WordWrap ? 0 : DT_END_ELLIPSIS), In.BiDiMode);
  FCanvas.Brush()->SetStyle(bsClear);

  const String text = PrepareHTMLText(Text);
  FWorkLeft = FRect.Left + 1;
  int top = FRect.Top;
  bool result = false;
  size_t pos = 0;
  while (pos < text.size() && !FDropRest) {
    FCanvas.SetFont(FFonts[0]);
    THTMLLine line;
    const int gh = GHHeight();
    line.Height = gh;
    const THTMLPassState before = FState;
    TPass measure;
    measure.Line = TRect{FWorkLeft, top, FRect.Right, FRect.Bottom};
    measure.X = FWorkLeft;
    const size_t end = LayoutLine(text, pos, text.size(), measure, line);
    FFonts[0].Assign(*FCanvas.Font());
    const int lineHeight = line.Height + line.SubExtra + line.SupExtra;
    if (!In.CheckHeight) {
      const THTMLPassState measured = FState;
      FState = before;
      int x = FWorkLeft;
      if (line.Align == 1 && FRect.Right - line.Width > x) x = FRect.Right - line.Width;
      if (line.Align == 2 && FRect.Right - x - line.Width > 0) x += (FRect.Right - x - line.Width) / 2;
      x += line.Indent;
      TPass second;
      second.Measure = false;
      second.Paint = !In.CheckHotSpot;
      second.Line = TRect{x, top, FRect.Right, top + lineHeight};
      second.Measured = &line;
      second.X = x;
      second.Which = 1;
      THTMLLine again;
      again.Height = gh;
      FCanvas.SetFont(FFonts[1]);
      LayoutLine(text, pos, end, second, again);
      FFonts[1].Assign(*FCanvas.Font());
      const int textBottom = second.Line.Bottom - line.Raise;
      if (again.AnchorHit && In.YPos > textBottom - GHHeight() && In.YPos < textBottom) result = true;
      if (again.ItemHit) result = true;
      FState = measured;
    }
    pos = std::max(end, pos + 1);
    top += lineHeight;
    Out.YSize += lineHeight;
    ++FLineIndex;
    if (top + gh > FRect.Bottom && !In.CheckHeight) break;
  }
  Out.HyperLinks = FState.Anchors;
  FCanvas.SetFont(FBase);
  Out.YSize = std::max(Out.YSize, GHHeight());
  return result;
}

size_t THTMLLayout::LayoutLine(StringView Text, size_t Pos, size_t End, TPass& Pass, THTMLLine& Line) {
  if (Pass.Paint && FParaBackground) {
    FCanvas.Pen()->SetColor(FCanvas.Brush()->Color());
    FCanvas.FillRect(TRect{FRect.Left, Pass.Line.Top, FRect.Right, Pass.Line.Top + Pass.Measured->Height});
  }
  FAnchorUnderPoint = false;
  THTMLCharFinder& blanks = FBlank[Pass.Which];
  THTMLCharFinder& tags = FTagStart[Pass.Which];
  if (!Pass.Measure) {
    blanks.Reset();
    tags.Reset();
  }
  while (Pos < End && !Line.Ended && !Line.Full && !(Pass.Measure && FDropRest)) {
    const size_t lt = tags.Next(Text, Pos, End);
    if (lt == Pos) {
      const auto tag = ScanHTMLTag(Text.substr(0, End), Pos);
      if (!tag) {
        if (Pass.Measure) FDropRest = true;
        Pos = End;
        break;
      }
      if (!ProcessTag(*tag, Pass, Line)) break;
      Pos = tag->End;
      continue;
    }
    size_t runEnd = lt;
    if (In.WordWrap) {
      const size_t blank = blanks.Next(Text, Pos, End);
      if (blank < lt) runEnd = blank + 1;
    }
    if (!LayoutRun(Text, Pos, runEnd, Pass, Line)) break;
  }
  if (Pass.Measure) {
    Line.Width -= Line.TrailingBlank;
    Out.XSize = std::max(Out.XSize, Line.Width);
  }
  if (Pass.Paint && FState.InAnchor && FState.Anchors == In.FocusLink + 1)
    DrawFocusPiece(Pass, Pass.X, TextBottom(Pass), false);
  return Pos;
}

bool THTMLLayout::LayoutRun(StringView Text, size_t& Pos, size_t RunEnd, TPass& Pass, THTMLLine& Line) {
  const StringView raw = Text.substr(Pos, RunEnd - Pos);
  const String run = DecodeRun(raw);
  if (FHidden) {
    if (Pass.Measure) Out.StripVal += run;
    Pos = RunEnd;
    return true;
  }
  const int h = FCanvas.TextHeight(run);
  Line.Height = std::max(Line.Height, h);
  if (FSub) Line.SubExtra = std::max(Line.SubExtra, h / 4);
  if (FSup) Line.SupExtra = std::max(Line.SupExtra, h / 4);
  const int w = MeasureText(run);
  const int before = Line.Width;
  HitTestRun(before, before + w, Pass, Line);
  if (Pass.Measure) {
    const int width = FRect.Width();
    const bool fits = before + w < width || w >= width || !Line.EndsInBlank || !Line.HasContent;
    if (!fits && In.WordWrap) {
      Line.Ended = true;
      return false;
    }
    if (!fits) FDropRest = true;
    Out.StripVal += run;
  } else {
    PaintRun(run, w, Pass, Line);
  }
  Line.Width += w;
  Line.EndsInBlank = run.ends_with(u' ');
  Line.TrailingBlank = Line.EndsInBlank && Pass.Measure ? MeasureText(u" ") : 0;
  Line.HasContent = true;
  Pass.X += w;
  Pos = RunEnd;
  return !(Pass.Measure && FDropRest);
}

void THTMLLayout::HitTestRun(int Before, int After, const TPass& Pass, THTMLLine& Line) {
  if (!FState.InAnchor) return;
  const int rel = In.XPos - Pass.Line.Left;
  // Right-to-left reading measures the far end from the right edge.
  const int far = (FFlags & DT_RTLREADING) ? Pass.Line.Right - In.XPos : rel;
  if (rel < Before || far > After) return;
  FAnchorUnderPoint = true;
  Line.AnchorHit = true;
  if (In.YPos > Pass.Line.Top) {
    Out.AnchorVal = FState.Ref;
    Out.AnchorTitle = FState.Title;
  }
}

void THTMLLayout::PaintRun(const String& Run, int W, TPass& Pass, THTMLLine& Line) {
  if (!Pass.Paint) return;
  int bottom = TextBottom(Pass);
  if (FSup) bottom -= Pass.Measured->SupExtra;
  if (FSub) bottom += Pass.Measured->SubExtra;
  bottom -= Pass.Measured->Raise;
  if (FShadow) {
    const TColor color = FCanvas.Font()->Color();
    FCanvas.Font()->SetColor(In.ShadowColor);
    TRect shadow{Pass.X + In.ShadowOffset, Pass.Line.Top + In.ShadowOffset, Pass.Line.Right + In.ShadowOffset,
                 bottom + In.ShadowOffset};
    FCanvas.DrawText(Run, shadow, FFlags);
    FCanvas.Font()->SetColor(color);
  }
  TRect r{Pass.X, Pass.Line.Top, Pass.Line.Right, bottom};
  FCanvas.DrawText(Run, r, FFlags);
  if (FState.InAnchor && FState.Anchors == In.FocusLink + 1) Out.FocusAnchor = FState.Ref;
  if (!FError || W <= 0) return;
  const TColor penColor = FCanvas.Pen()->Color();
  const int penWidth = FCanvas.Pen()->Width();
  FCanvas.Pen()->SetColor(clRed);
  FCanvas.Pen()->SetWidth(1);
  const int start = Pass.X & ~1;
  std::vector<TPoint> points;
  bool up = start % 4 == 0;
  for (int x = start; x <= Pass.X + W; x += 2, up = !up) points.push_back(TPoint{x, up ? bottom - 1 : bottom + 1});
  FCanvas.Polyline(points);
  FCanvas.Pen()->SetColor(penColor);
  FCanvas.Pen()->SetWidth(penWidth);
  (void)Line;
}

void THTMLLayout::DrawFocusPiece(const TPass& Pass, int Right, int Bottom, bool Closing) {
  const int top = Closing ? Bottom - GHHeight() : FFocusTop;
  FCanvas.DrawFocusRect(TRect{FFocusLeft - 1, top, Right + 1, Bottom});
  FFocusLeft = FWorkLeft + 1;
  FFocusTop = Bottom;
  (void)Pass;
}

bool RenderMiniHTML(TCanvas& Canvas, StringView Text, const TRect& Rect, const THTMLRenderInputs& Inputs,
                    THTMLRenderResults& Results) {
  const TColor penColor = Canvas.Pen()->Color();
  const int penWidth = Canvas.Pen()->Width();
  TBrush brush;
  brush.Assign(*Canvas.Brush());
  bool result = false;
  {
    THTMLLayout layout(Canvas, Rect, Inputs, Results);
    result = layout.Render(Text);
  }
  Canvas.Pen()->SetColor(penColor);
  Canvas.Pen()->SetWidth(penWidth);
  Canvas.Brush()->Assign(brush);
  return result;
}
