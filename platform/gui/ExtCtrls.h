#pragma once
// Self-painting standard controls: the panel, the shape, the image and the
// link label.
#include <utility>
#include <vector>

#include "platform/gui/Graphics.h"
#include "platform/gui/Picture.h"
#include "platform/gui/StdCtrls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  // From the edge inwards: the outer bevel, BorderWidth pixels of the
  // panel's colour, the inner bevel; each bevel BevelWidth pixels wide.
  // Aligned children keep inside all three.
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) const override;

 private:
  void FrameChanged();
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlignment FAlignment = taCenter;
};

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* AOwner);
  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType v);
  // Changes to the brush or pen show at the next Invalidate.
  TBrush* Brush() { return &FBrush; }
  TPen* Pen() { return &FPen; }

 protected:
  void Paint() override;

 private:
  TShapeType FShape = stRectangle;
  TBrush FBrush;
  TPen FPen;
};

// Shows a picture: at the top-left corner, centred, or stretched over the
// control; a transparent image leaves the background of a bitmap out.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  TPicture* Picture() { return &FPicture; }
  void SetPicture(const TPicture& v) { FPicture.Assign(v); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v) { FStretch = v; Invalidate(); }
  bool Center() const { return FCenter; }
  void SetCenter(bool v) { FCenter = v; Invalidate(); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  // Where the picture goes in the client area.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  TPicture FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const String& Link, TSysLinkType LinkType)>;

// A caption with links written as <a href="target">text</a> (the text shows
// underlined in the link colour; without href the text is the target). A
// click on a link fires OnLinkClick with its target, elsewhere OnClick.
class TLinkLabel : public TGraphicControl {
 public:
  explicit TLinkLabel(TComponent* AOwner);
  struct TPart {
    String Text;
    String Link;  // empty: plain text
    bool IsLink = false;
  };
  // The caption cut into plain and link parts.
  static std::vector<TPart> Parse(const String& Caption);

  TSysLinkEvent OnLinkClick;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override;

 private:
  // The link part under X after the last paint measured them (-1: none).
  int LinkAt(int X) const;
  std::vector<std::pair<int, int>> FSpans;  // left, right of each part, from the last paint
  int FClickX = -1;                         // where the left button went down
};
