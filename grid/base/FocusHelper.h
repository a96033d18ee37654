#pragma once
// The focus glow of the grid: Enabled switches it on.
#include "platform/sys/Component.h"

class TFocusHelper : public TPersistent {
 public:
  explicit TFocusHelper(TComponent* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TFocusHelper"; }
  // Copies from another TFocusHelper only; other sources are ignored.
  void Assign(const TPersistent& Source) override {
    if (const auto* src = dynamic_cast<const TFocusHelper*>(&Source)) FEnabled = src->FEnabled;
  }
  TComponent* Owner() const { return FOwner; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

 private:
  TComponent* FOwner;
  bool FEnabled = false;
};
