#include "grid/interact/InvalidEntryBalloon.h"

#include "platform/gui/BalloonTip.h"

void ShowInvalidEntryBalloon(TWinControl& Target, const String& Title, const String& Text, int Icon) {
  TBalloonTip& tip = BalloonTipFor(Target);
  tip.SetTitle(Title);
  tip.SetText(Text);
  tip.SetIcon(static_cast<TBalloonIcon>(Icon));
  tip.Activate(Target.ClientToScreen(TPoint{Target.Width() / 2, Target.Height()}));
}
