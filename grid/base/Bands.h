#pragma once
// Alternating row colours: PrimaryLength rows in one colour, then
// SecondaryLength rows in the other.
#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TBands : public TPersistent {
 public:
  String ClassName() const override { return u"TBands"; }
  // Copies from other bands only; other sources are ignored. No notification.
  void Assign(const TPersistent& Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  // The colours and lengths report a change only while the bands are active.
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value) { Store(FPrimaryColor, Value); }
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value) { Store(FSecondaryColor, Value); }
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int Value) { Store(FPrimaryLength, Value); }
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int Value) { Store(FSecondaryLength, Value); }
  int TotalLength() const { return FPrimaryLength + FSecondaryLength; }
  bool Print() const { return FPrint; }
  void SetPrint(bool Value) { FPrint = Value; }

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (StoreChanged(Field, Value) && FActive && OnChange) OnChange(this);
  }

  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  int FPrimaryLength = 1;
  TColor FSecondaryColor = clWindow;
  int FSecondaryLength = 1;
  bool FPrint = false;
};
