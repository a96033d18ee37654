#include "grid/base/CellGraphic.h"

#include <algorithm>

#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Picture.h"
#include "platform/sys/FloatText.h"

TPersistent* TGraphicSlot::Object() const {
  if (const auto* owned = std::get_if<std::unique_ptr<TPersistent>>(&FValue)) return owned->get();
  if (const auto* borrowed = std::get_if<TPersistent*>(&FValue)) return *borrowed;
  return nullptr;
}

void TCellGraphic::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TCellGraphic*>(&Source);
  if (!src) {
    TCellGraphicBase::Assign(Source);
    return;
  }
  FCellType = src->FCellType;
  FCellVAlign = src->FCellVAlign;
  FCellHAlign = src->FCellHAlign;
  FCellIndex = src->FCellIndex;
  FCellTransparent = src->FCellTransparent;
  FCellValue = src->FCellValue;
  FCellAngle = src->FCellAngle;
  FCellBoolean = src->FCellBoolean;
  FCellErrFrom = src->FCellErrFrom;
  FCellErrLen = src->FCellErrLen;
  FCellText = src->FCellText;
  FCellCreated = src->FCellCreated;
}

void TCellGraphic::OwnCellBitmap(std::unique_ptr<TPersistent> Value) {
  FCellBitmap.Own(std::move(Value));
  FCellCreated = true;
}

void TCellGraphic::OwnCellIcon(std::unique_ptr<TPersistent> Value) {
  FCellIcon.Own(std::move(Value));
  FCellCreated = true;
}

void TCellGraphic::SetInterfacedCell(TPersistent* AObject) {
  FCellType = ctInterface;
  FCellBitmap.Borrow(AObject);
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctBitmap;
  FCellBitmap.Borrow(ABmp);
  FCellTransparent = Transparent;
  SetAlign(hal, val);
}

void TCellGraphic::SetPictureFields(TPersistent* APicture, bool Transparent, int StretchMode,
                                    int padding, TCellHAlign hal, TCellVAlign val) {
  FCellBitmap.Borrow(APicture);
  FCellTransparent = Transparent;
  FCellAngle = StretchMode;
  FCellIndex = padding;
  SetAlign(hal, val);
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                              int padding, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctPicture;
  SetPictureFields(APicture, Transparent, StretchMode, padding, hal, val);
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent,
                                  TStretchMode stretchmode, int padding, TCellHAlign hal,
                                  TCellVAlign val) {
  FCellType = ctFilePicture;
  SetPictureFields(APicture, Transparent, stretchmode, padding, hal, val);
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctImageList;
  FCellIndex = idx;
  SetAlign(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctDataImage;
  FCellIndex = idx;
  SetAlign(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 const std::function<void(TObject*, int, int)>& Notifier) {
  FCellType = ctImages;
  auto list = std::make_unique<TIntList>(Col, Row);
  list->OnChange = Notifier;
  OwnCellBitmap(std::move(list));
  FCellBoolean = dir == 0;
  SetAlign(hal, val);
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctIcon;
  FCellIcon.Borrow(aicon);
  SetAlign(hal, val);
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal,
                               TCellVAlign val) {
  FCellType = Data ? ctDataCheckBox : ctCheckBox;
  FCellBoolean = Value;
  FCellAngle = 0;
  FCellTransparent = Flat;
  SetAlign(hal, val);
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal,
                               TCellVAlign val) {
  FCellType = ctTriStateCheckBox;
  FCellCheckBoxState = Value;
  FCellBoolean = false;
  FCellTransparent = Flat;
  SetAlign(hal, val);
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctRadioButton;
  FCellBoolean = Value;
  FCellAngle = 0;
  FCellTransparent = Flat;
  SetAlign(hal, val);
}

void TCellGraphic::SetAngle(short AAngle) {
  FCellType = ctRotated;
  int angle = AAngle;
  while (angle < 0) angle += 360;
  while (angle > 360) angle -= 360;
  FCellAngle = angle;
}

void TCellGraphic::SetButton(int bw, int bh, const String& caption, TCellHAlign hal,
                             TCellVAlign val) {
  FCellType = ctButton;
  FCellIndex = static_cast<int>((static_cast<unsigned>(bh) << 16) | (static_cast<unsigned>(bw) & 0xFFFF));
  FCellBoolean = false;
  FCellText = caption;
  SetAlign(hal, val);
}

void TCellGraphic::SetBitButton(int bw, int bh, const String& caption, TBitmap* Glyph,
                                TCellHAlign hal, TCellVAlign val) {
  SetButton(bw, bh, caption, hal, val);
  FCellType = ctBitButton;
  FCellBitmap.Borrow(Glyph);
}

namespace {

TPoint PictureExtent(const TCellGraphic& G) {
  if (const auto* pic = dynamic_cast<const TPicture*>(G.CellBitmap())) {
    return {pic->Width(), pic->Height()};
  }
  if (const auto* file = dynamic_cast<const TFilePicture*>(G.CellBitmap())) {
    return {file->Width(), file->Height()};
  }
  return {0, 0};
}

int RoundInt(double X) { return static_cast<int>(Round(X)); }

// The larger side fills the area, the other keeps the proportion.
TPoint FitAspect(int w, int h, int cw, int rh, bool CapAtOne) {
  double rx = w > 0 ? static_cast<double>(cw) / w : 1.0;
  double ry = h > 0 ? static_cast<double>(rh) / h : 1.0;
  if (CapAtOne) {
    rx = std::min(rx, 1.0);
    ry = std::min(ry, 1.0);
  }
  if (rx < ry) return {cw, RoundInt(h * rx)};
  return {RoundInt(w * ry), rh};
}

}  // namespace

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool hastext) const {
  if (FCellType != ctPicture && FCellType != ctFilePicture) return {0, 0};
  const TPoint ext = PictureExtent(*this);
  const int w = ext.X, h = ext.Y;
  cw -= FCellIndex;
  rh -= FCellIndex;
  switch (FCellAngle) {
    case Stretch:
      return {cw, rh};
    case Shrink:
      return w > cw || h > rh ? TPoint{cw, rh} : TPoint{w, h};
    case StretchWithAspectRatio:
      return FitAspect(w, h, cw, rh, false);
    case ShrinkWithAspectRatio:
      if (w <= cw && h <= rh) return {w, h};
      return FitAspect(w, h, cw, rh, true);
    default:
      return {w, h};
  }
}
