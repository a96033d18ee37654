#pragma once
// Balloon tooltips: a rounded pop-up with an icon, a bold title and wrapped
// text whose corner points at a spot of its owner control. It shows after a
// delay, hides by itself after another, and goes at once when popped. The
// delays run on the platform clock. One balloon per owner (BalloonTipFor).
#include <functional>

#include "platform/gui/Canvas.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Timers.h"

enum TBalloonIcon { biNone, biInfo, biWarning, biError };

class TBalloonTip : public TCustomControl {
 public:
  // The owner's balloon, made on first use and freed with the owner.
  friend TBalloonTip& BalloonTipFor(TControl& Owner);

  const String& Title() const { return FTitle; }
  void SetTitle(const String& v) { FTitle = v; }
  TBalloonIcon Icon() const { return FIcon; }
  void SetIcon(TBalloonIcon v) { FIcon = v; }
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int v) { FMaxWidth = v; }
  // Milliseconds; negative values take the defaults (500, 100, 5000).
  void SetDelays(int Initial, int Reshow, int AutoHide);
  int InitialDelay() const { return FInitialDelay; }
  int ReshowDelay() const { return FReshowDelay; }
  int AutoHideDelay() const { return FAutoHideDelay; }

  // The corner of the balloon is to point at ScreenPos: it shows after the
  // initial delay, or, while another spot's balloon is up, after the reshow
  // delay. OnNeedText may fill title, text and icon just before it shows; no
  // text, no balloon.
  void Activate(TPoint ScreenPos);
  // Hides it now and forgets a pending showing.
  void Pop();
  bool Up() const { return Visible(); }
  // The spot the balloon points at (screen coordinates).
  TPoint Spot() const { return FSpot; }
  std::function<void(TBalloonTip& Sender)> OnNeedText;

  // The balloon's size for its title, icon and text.
  TSize Measure();

 protected:
  explicit TBalloonTip(TControl& Owner);
  void Paint() override;

 private:
  void Wait(int Ms, void (TBalloonTip::*Then)());
  void ShowNow();
  TRect TextRect() const;

  String FTitle;
  TBalloonIcon FIcon = biNone;
  int FMaxWidth = 300;
  int FInitialDelay = 500, FReshowDelay = 100, FAutoHideDelay = 5000;
  TPoint FSpot;
  bool FPointsUp = true;  // the balloon lies below its spot
  TTimer FTimer{nullptr};
  void (TBalloonTip::*FThen)() = nullptr;
};

TBalloonTip& BalloonTipFor(TControl& Owner);
