#pragma once
// Lays mini-HTML text out line by line in a rectangle and paints it,
// measures it or tests a point against its anchors, pictures and in-text
// controls. Time is linear in the text; painting and hit testing stop at
// the first line below the rectangle.
#include "grid/base/HTMLTags.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

class TImageList;
class THTMLPictureCache;
class TPictureContainer;

struct THTMLRenderInputs {
  const TImageList* Images = nullptr;
  int XPos = -1;
  int YPos = -1;
  int FocusLink = -1;  // 0-based anchor with the keyboard focus
  int HoverLink = -1;  // 1-based anchor under the pointer
  int ShadowOffset = 0;
  bool CheckHotSpot = false;  // the second pass tests the point instead of painting
  bool CheckHeight = false;   // measure only
  bool Print = false;
  bool IgnoreColors = false;
  bool Blink = false;
  bool HoverUnderline = false;
  bool WordWrap = true;
  bool Down = false;
  double ResFactor = 1.0;
  TColor URLColor = clBlue;
  TColor HoverColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;
  const TPictureContainer* PictureContainer = nullptr;
  HWND Wnd = 0;
  int BiDiMode = 0;  // 0 left to right, 1 right to left, others right-to-left reading
};

struct THTMLRenderResults {
  String AnchorVal;  // read on entry: unchanged when nothing is hit
  String StripVal;
  String FocusAnchor;
  String AnchorTitle;
  int XSize = 0;
  int YSize = 0;
  int HyperLinks = 0;
  int MouseLink = -1;
  TRect HoverRect;
  TRect ControlRect;
  String ControlID;  // read on entry with CheckHotSpot: selects that control
  String ControlValue;
  String ControlType;
};

// True when the point hits an anchor, a picture in an anchor or a control.
// The canvas's font is the base font and its brush colour the background;
// pen, brush and font are as before when it returns.
bool RenderMiniHTML(TCanvas& Canvas, StringView Text, const TRect& Rect, const THTMLRenderInputs& Inputs,
                    THTMLRenderResults& Results);

// Text flags adjusted for a right-to-left reading locale (none unless a
// test says so).
unsigned BiDiDrawTextFlags(unsigned Flags, int BiDiMode);
void SetRightToLeftLocaleForTest(bool Value);

bool IsDirectoryPath(const String& Path);
String MaskWithStars(StringView Text);

// Limits that keep sizes taken from a text within reach.
constexpr int MaxHTMLFontSize = 1000;
constexpr int MaxHTMLPictureSize = 10000;
