#pragma once
// The speed button: a self-painting button without focus, with a glyph,
// a flat look (a frame only while the pointer is over it) and groups of
// buttons of which one stays down.
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  // The glyph holds NumGlyphs images side by side: up, disabled, down, down-and-held.
  TBitmap* Glyph() { return &FGlyph; }
  void SetGlyph(const TBitmap& v) { FGlyph.Assign(v); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  // Buttons of one parent with the same nonzero GroupIndex: pressing one
  // releases the others.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v) { FGroupIndex = v; }
  bool Down() const { return FDown; }
  // Only a grouped button stays down; in a group without AllowAllUp the
  // last down button cannot be raised.
  void SetDown(bool v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  TButtonState State() const { return FState; }
  void Click() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // While pressed, the button shows down only with the pointer over it.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // Its access key clicks it.
  void Dispatch(TMessage& Message) override;

 private:
  void ReleaseOthers();
  void PaintFrame(TCanvas& C, TRect R);
  TBitmap FGlyph;
  int FNumGlyphs = 1;
  bool FFlat = false;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  TButtonState FState = bsUp;
  bool FDragging = false;  // pressed with the left button, not yet released
};
