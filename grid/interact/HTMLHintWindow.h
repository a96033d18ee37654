#pragma once
// The grid's hint window: mini-HTML text (bold, colours, pictures of the
// grid) in a plain frame, kept on the screen.
#include "platform/gui/HintWindow.h"

class TImageList;
class TPictureContainer;

class THTMLHintWindow : public THintWindow {
 public:
  explicit THTMLHintWindow(TComponent* AOwner);
  void ActivateHint(TRect Rect, const String& AHint) override;
  // With a grid as AData, its images and pictures show in the hint.
  void ActivateHintData(TRect Rect, const String& AHint, TObject* AData) override;
  TRect CalcHintRect(int MaxWidth, const String& AHint, TObject* AData) override;

 protected:
  void Paint() override;

 private:
  TPoint MeasureText(const String& AHint, int MaxWidth);

  const TImageList* FImages = nullptr;
  const TPictureContainer* FPictureContainer = nullptr;
  TColor FURLColor = clBlue;
  int FTextHeight = 0;
};
