#pragma once
// The look of progress-bar cells: completed and remaining colours, the four
// level colours of a multi-level bar and their thresholds. A setter reports
// only a real change.
#include "grid/base/OptionProperty.h"
#include "grid/base/LookTypes.h"
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TGridProgressAppearance : public TPersistent {
 public:
  String ClassName() const override { return u"TGridProgressAppearance"; }
  // Copies every option from another TGridProgressAppearance, then reports once.
  void Assign(const TPersistent& Source) override;

  GX_OPTION_NOTIFY_CHANGE(TColor, UnCompleteFontColor)
  GX_OPTION_NOTIFY_CHANGE(TColor, CompleteColor)
  GX_OPTION_NOTIFY_CHANGE(TColor, UnCompleteColor)
  GX_OPTION_NOTIFY_CHANGE(TColor, CompleteFontColor)
  GX_OPTION_NOTIFY_CHANGE(bool, Stacked)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowPercentage)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowBorder)
  GX_OPTION_NOTIFY_CHANGE(bool, CompletionSmooth)
  GX_OPTION_NOTIFY_CHANGE(bool, ShowGradient)
  GX_OPTION_NOTIFY_CHANGE(int, Level2Perc)
  GX_OPTION_NOTIFY_CHANGE(int, Level1Perc)
  GX_OPTION_NOTIFY_CHANGE(int, Steps)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level3Color)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level1Color)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level0Color)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level3ColorTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level2ColorTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level0ColorTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level1ColorTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColor)
  GX_OPTION_NOTIFY_CHANGE(TColor, Level2Color)
  GX_OPTION_NOTIFY_CHANGE(TProgressStyle, Style)

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }

  struct TValues {
    TColor UnCompleteFontColor = clWindowText;
    TColor CompleteColor = clRed;
    TColor UnCompleteColor = clNone;  // the cell's own brush shows through
    TColor CompleteFontColor = clBlue;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool ShowBorder = false;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Level2Perc = 90;
    int Level1Perc = 70;
    int Steps = 11;
    TColor Level3Color = clRed;
    TColor Level1Color = clYellow;
    TColor Level0Color = clLime;
    TColor Level3ColorTo = 0xCACAFF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor BorderColor = clBlack;
    TColor Level2Color = 0x53A9FF;
    TProgressStyle Style = psXP;
  } FValues;
};
