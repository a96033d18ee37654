#pragma once
// A picture named by its file: only the name and the size are kept, the
// file is loaded while it is measured or drawn.
#include "platform/gui/Canvas.h"

class TFilePicture : public TPersistent {
 public:
  const String& Filename() const { return FFilename; }
  // Loads the file once to measure it; raises the file or format error when
  // it cannot be loaded as a picture (the size is then 0 x 0). An empty name
  // only clears the size.
  void SetFilename(const String& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Stretches the picture into R. A missing or damaged file draws nothing:
  // raising here would repeat an error box on every repaint.
  void DrawPicture(TCanvas& Canvas, const TRect& R) const;

  // A name and size known from elsewhere (a stored grid): the file is not read.
  void SetStored(const String& Filename, int Width, int Height) {
    FFilename = Filename;
    FWidth = Width;
    FHeight = Height;
  }

  // Name and size only, no reload.
  void Assign(const TPersistent& Source) override;

 private:
  String FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
