#include "grid/base/BackGround.h"

#include "platform/gui/Bitmap.h"

TBackGround::TBackGround(TLookOwner* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::SetBitmap(const TBitmap& Value) {
  FBitmap->Assign(Value);
  FGrid->LookChanged();
}
