#include "grid/base/FilePicture.h"

#include "platform/gui/Picture.h"
#include "platform/sys/Exceptions.h"

void TFilePicture::SetFilename(const String& Value) {
  FFilename = Value;
  FWidth = FHeight = 0;
  if (Value.empty()) return;
  TPicture picture;
  picture.LoadFromFile(Value);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& R) const {
  if (FFilename.empty()) return;
  TPicture picture;
  try {
    picture.LoadFromFile(FFilename);
  } catch (const Exception&) {
    return;
  }
  if (picture.Graphic()) Canvas.StretchDraw(R, *picture.Graphic());
}

void TFilePicture::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const TFilePicture*>(&Source)) {
    FFilename = src->FFilename;
    FWidth = src->FWidth;
    FHeight = src->FHeight;
    return;
  }
  TPersistent::Assign(Source);
}
