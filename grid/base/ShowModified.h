#pragma once
// The marker of modified rows: whether it is drawn and in which colour.
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TShowModified : public TPersistent {
 public:
  String ClassName() const override { return u"TShowModified"; }
  // Copies from another TShowModified only, without reporting.
  void Assign(const TPersistent& Source) override;

  // Read when painting; setting it repaints nothing by itself.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  TNotifyEvent OnChange;

 private:
  bool FEnabled = false;
  TColor FColor = clYellow;
};
