#include "grid/base/BackGround.h"

#include "platform/gui/Bitmap.h"

TBackGround::TBackGround(TLookOwner* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::SetBitmap(const TBitmap& Value) {
  FBitmap->Assign(Value);
  FGrid->LookChanged();
}

void TBackGround::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TBackGround*>(&Source);
  if (!src) return TPersistent::Assign(Source);
  if (src == this) return;
  FTop = src->FTop;
  FLeft = src->FLeft;
  FDisplay = src->FDisplay;
  FCells = src->FCells;
  FColorTo = src->FColorTo;
  FColor = src->FColor;
  FBitmap->Assign(*src->FBitmap);
  FGrid->LookChanged();
}
