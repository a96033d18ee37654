#pragma once
// Scrolling while something is dragged over the grid: how close to an edge
// the pointer must come and how often the grid then scrolls.
#include <memory>

#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"

class TDragScrollDelays : public TPersistent {
 public:
  String ClassName() const override { return u"TDragScrollDelays"; }
  void Assign(const TPersistent& Source) override;
  // Milliseconds before the first scroll step and between the next ones.
  GX_OPTION(int, InitialDelay)
  GX_OPTION(int, RepeatDelay)

 private:
  struct TValues {
    int InitialDelay = 1000;
    int RepeatDelay = 250;
  } FValues;
};

class TDragScrollMargins : public TPersistent {
 public:
  String ClassName() const override { return u"TDragScrollMargins"; }
  void Assign(const TPersistent& Source) override;
  // Pixels from each edge within which a drag scrolls.
  GX_OPTION(int, TopMargin)
  GX_OPTION(int, BottomMargin)
  GX_OPTION(int, LeftMargin)
  GX_OPTION(int, RightMargin)

 private:
  struct TValues {
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
  } FValues;
};

class TDragScrollOptions : public TPersistent {
 public:
  TDragScrollOptions();
  ~TDragScrollOptions() override;
  String ClassName() const override { return u"TDragScrollOptions"; }
  // From another TDragScrollOptions: Active and both parts.
  void Assign(const TPersistent& Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TDragScrollDelays* Delays() const { return FDelays.get(); }
  void SetDelays(const TDragScrollDelays& Value) { FDelays->Assign(Value); }
  TDragScrollMargins* Margins() const { return FMargins.get(); }
  void SetMargins(const TDragScrollMargins& Value) { FMargins->Assign(Value); }

 private:
  bool FActive = false;
  std::unique_ptr<TDragScrollDelays> FDelays;
  std::unique_ptr<TDragScrollMargins> FMargins;
};
