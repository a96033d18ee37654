#pragma once
// A picture or gradient behind the grid's cells. Every setter repaints the
// owning grid.
#include <memory>

#include "grid/base/LookOwner.h"
#include "grid/base/LookTypes.h"
#include "platform/sys/Component.h"

class TBitmap;

class TBackGround : public TPersistent {
 public:
  explicit TBackGround(TLookOwner* AGrid);
  ~TBackGround() override;
  String ClassName() const override { return u"TBackGround"; }
  // Copies the settings and the picture; the grid repaints once.
  void Assign(const TPersistent& Source) override;

  int Top() const { return FTop; }
  void SetTop(int Value) { Store(FTop, Value); }
  int Left() const { return FLeft; }
  void SetLeft(int Value) { Store(FLeft, Value); }
  TBackGroundDisplay Display() const { return FDisplay; }
  void SetDisplay(TBackGroundDisplay Value) { Store(FDisplay, Value); }
  TBackGroundCells Cells() const { return FCells; }
  void SetCells(TBackGroundCells Value) { Store(FCells, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { Store(FColorTo, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const TBitmap& Value);  // copied in

  // The gradient modes paint across the whole grid, so a resize repaints.
  bool IsGradient() const { return FDisplay == bdGradientHorz || FDisplay == bdGradientVert; }

 private:
  template <class T>
  void Store(T& Field, T Value) {
    Field = Value;
    FGrid->LookChanged();
  }

  TLookOwner* FGrid;
  int FTop = 0;
  int FLeft = 0;
  TBackGroundDisplay FDisplay = bdTile;
  TBackGroundCells FCells = bcNormal;
  TColor FColorTo = clBtnFace;
  TColor FColor = clWindow;
  std::unique_ptr<TBitmap> FBitmap;
};
