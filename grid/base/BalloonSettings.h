#pragma once
// The balloon tooltips of the grid's cells: whether they are used, their
// colours, delays and transparency. Switching Enable reports
// OnEnableChange, so the grid makes or releases its tooltip window.
#include <cstdint>

#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TBalloonSettings : public TPersistent {
 public:
  String ClassName() const override { return u"TBalloonSettings"; }
  // From another TBalloonSettings: colours, delays and Enable, quietly
  // (Transparency stays).
  void Assign(const TPersistent& Source) override;

  // clNone leaves the tooltip's own colour.
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value) { FTextColor = Value; }
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
  // Milliseconds; -1 is the system's delay.
  int InitialDelay() const { return FInitialDelay; }
  void SetInitialDelay(int Value) { FInitialDelay = Value; }
  int ReshowDelay() const { return FReshowDelay; }
  void SetReshowDelay(int Value) { FReshowDelay = Value; }
  int AutoHideDelay() const { return FAutoHideDelay; }
  void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
  std::uint8_t Transparency() const { return FTransparency; }
  void SetTransparency(std::uint8_t Value) { FTransparency = Value; }
  // Reports every write.
  bool Enable() const { return FEnable; }
  void SetEnable(bool Value);
  // Whether the grid's tooltip window has been made.
  bool Initialized() const { return FInitialized; }
  void SetInitialized(bool Value) { FInitialized = Value; }

  TNotifyEvent OnEnableChange;

 private:
  TColor FTextColor = clNone;
  TColor FBackgroundColor = clNone;
  int FInitialDelay = -1;
  int FReshowDelay = -1;
  int FAutoHideDelay = -1;
  std::uint8_t FTransparency = 0;
  bool FEnable = false;
  bool FInitialized = false;
};
