#pragma once
// The hint: the request a control gets in CM_HINTSHOW (THintInfo) and the
// pop-up window that shows the text. The application shows hints (see
// TApplication); the grid family brings its own window class.
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"

class THintWindow;

// Makes a hint window (owned by AOwner); compared to tell window classes apart.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

template <class T>
THintWindow* CreateHintWindowOf(TComponent* AOwner) {
  return new T(AOwner);
}

// What CM_HINTSHOW carries (LParam): a handler may change any field; a
// nonzero Result cancels the hint.
struct THintInfo {
  TControl* HintControl = nullptr;
  THintWindowClass HintWindowClass = nullptr;
  TPoint HintPos;         // the window's top-left corner, screen coordinates
  int HintMaxWidth = 0;   // the text wraps at this width
  TColor HintColor = clInfoBk;
  TRect CursorRect;       // HintControl's client coordinates: the hint stays while the pointer is inside
  TPoint CursorPos;       // HintControl's client coordinates
  int ReshowTimeout = 0;  // > 0: asked again after this many ms while the pointer stays
  int HideTimeout = 0;    // ms the hint stays up
  String HintStr;
  TObject* HintData = nullptr;  // handed to the window's ActivateHintData
};

// A pop-up window without frame or focus that paints the hint text.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  // Shows the window at Rect (screen coordinates, kept on the screen) with AHint.
  virtual void ActivateHint(TRect Rect, const String& AHint);
  virtual void ActivateHintData(TRect Rect, const String& AHint, TObject* AData);
  // The window's size for AHint wrapped at MaxWidth, at (0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, TObject* AData);
  // Hides the window.
  void ReleaseHandle();

 protected:
  void Paint() override;
  // A canvas for measuring outside painting, with the window's font.
  TCanvas& MeasureCanvas();

 private:
  TBitmap FMeasure{1, 1};
};

// The class the application makes its hint window of.
extern THintWindowClass HintWindowClass;
