#pragma once
// Self-painting standard controls: the panel and the shape.
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);

 protected:
  void Paint() override;

 private:
  TBevelCut FBevelOuter = bvRaised;
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
