#pragma once
// The working state of one RenderMiniHTML call, shared by the text,
// picture and control parts of the layout. Private to the renderer.
#include <memory>
#include <vector>

#include "grid/base/HTMLRender.h"

class THTMLPicture;

// The next position of one character at or after a position, cached so
// that a pass moving forward never searches the same stretch twice.
class THTMLCharFinder {
 public:
  explicit THTMLCharFinder(Char C) : FChar(C) {}
  size_t Next(StringView Text, size_t Pos, size_t End);
  void Reset() { FValid = false; }

 private:
  Char FChar;
  bool FValid = false;
  size_t FFrom = 0, FAt = 0, FEnd = 0;
};

struct THTMLLine {
  int Width = 0;
  int Height = 0;
  int SubExtra = 0;
  int SupExtra = 0;
  int Raise = 0;
  int Align = 0;
  int Indent = 0;
  int TrailingBlank = 0;
  bool Ended = false;
  bool Full = false;
  bool ListItem = false;
  bool EndsInBlank = false;
  bool HasContent = false;
  bool AnchorHit = false;  // a text anchor lies under the point
  bool ItemHit = false;    // a picture in an anchor or a control does
};

// What the measuring pass leaves and the second pass starts from again.
struct THTMLPassState {
  bool InAnchor = false;
  String Ref, Title;
  int Anchors = 0;
  int ListLevel = 0;
  int Images = 0;
};

class THTMLLayout {
 public:
  THTMLLayout(TCanvas& Canvas, const TRect& Rect, const THTMLRenderInputs& Inputs, THTMLRenderResults& Results);
  ~THTMLLayout();
  bool Render(StringView Text);

 private:
  struct TPass {
    bool Measure = true;
    bool Paint = false;
    TRect Line;                    // the line's rectangle
    const THTMLLine* Measured = nullptr;  // geometry of the second pass
    int X = 0;                     // drawing position
    int Which = 0;                 // 0 measuring font, 1 painting font
  };

  size_t LayoutLine(StringView Text, size_t Pos, size_t End, TPass& Pass, THTMLLine& Line);
  bool LayoutRun(StringView Text, size_t& Pos, size_t RunEnd, TPass& Pass, THTMLLine& Line);
  void PaintRun(const String& Run, int W, TPass& Pass, THTMLLine& Line);
  void HitTestRun(int Before, int After, const TPass& Pass, THTMLLine& Line);
  // False when the tag must wait for the next line.
  bool ProcessTag(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line);
  void OpenAnchor(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line);
  void CloseAnchor(TPass& Pass, THTMLLine& Line);
  void ProcessFont(const THTMLTag& Tag, bool Closing, const TPass& Pass);
  void ProcessRotation(const THTMLTag& Tag, bool Closing, const TPass& Pass);
  void ProcessListItem(TPass& Pass, THTMLLine& Line);
  void ProcessBody(const THTMLTag& Tag, const TPass& Pass);
  bool ProcessPicture(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line);
  // A container or cache picture (loaded into the cache on first use).
  THTMLPicture* FindPicture(const THTMLPictureSource& Source);
  bool ProcessControl(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line);
  // False when an item W wide starts the next line.
  bool FitsItem(int W, const TPass& Pass, THTMLLine& Line);
  void AdvanceItem(int W, TPass& Pass, THTMLLine& Line);
  void DrawFocusPiece(const TPass& Pass, int Right, int Bottom, bool Closing);
  int TextBottom(const TPass& Pass) const;
  int GHHeight();
  int MeasureText(const String& Run);
  bool Hovered() const;

  TCanvas& FCanvas;
  TRect FRect;
  const THTMLRenderInputs& In;
  THTMLRenderResults& Out;
  unsigned FFlags = 0;
  TFont FBase, FFonts[2];
  std::vector<std::unique_ptr<TFont>> FRotated[2];
  TColor FBackground = clNone;
  TColor FSavedHoverBrush = clNone, FSavedHoverFont = clNone;
  TColor FSavedFontBrush = clNone, FSavedParaBrush = clNone;
  TColor FSavedHIFont = clNone, FSavedHIBrush = clNone;
  bool FHighlight = false, FParaBackground = false;
  bool FSub = false, FSup = false, FShadow = false, FError = false, FHidden = false;
  THTMLPassState FState;
  String FIncomingControlID;
  int FHoverPicture = -1;
  bool FDropRest = false;
  int FWorkLeft = 0;
  // The anchor start and the focus rectangle under way.
  int FAnchorStart = 0, FAnchorTop = 0, FAnchorLine = -1, FLineIndex = 0;
  bool FAnchorUnderPoint = false;
  int FFocusLeft = 0, FFocusTop = 0;
  // Per pass: the measuring pass moves forward through the whole text, the
  // second pass through one line at a time.
  THTMLCharFinder FBlank[2]{THTMLCharFinder(u' '), THTMLCharFinder(u' ')};
  THTMLCharFinder FTagStart[2]{THTMLCharFinder(u'<'), THTMLCharFinder(u'<')};
};

// A brush colour to restore later: a clear brush counts as no colour.
inline TColor SavedBrush(TCanvas& Canvas) {
  return Canvas.Brush()->Style() == bsClear ? clNone : Canvas.Brush()->Color();
}

inline void RestoreBrush(TCanvas& Canvas, TColor Color) {
  if (Color == clNone)
    Canvas.Brush()->SetStyle(bsClear);
  else
    Canvas.Brush()->SetColor(Color);
}

// Picture repeated over Area from its top-left corner, clipped to it.
void TileBackground(TCanvas& Canvas, const TRect& Area, const THTMLPicture& Picture);

// Our own small file and folder pictures for "SSYS:"/"LSYS:" names.
void DrawShellPicture(TCanvas& Canvas, int X, int Y, int Size, bool Folder);
