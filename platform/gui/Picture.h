#pragma once
// Holds one picture of any kind. Loading picks the kind from the data's
// signature (not the file name): BMP, PNG, JPEG, GIF or icon; anything else
// raises EInvalidGraphic("Could not load image. Invalid format").
#include <functional>
#include <memory>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Graphic.h"

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  String ClassName() const override { return u"TPicture"; }
  void Assign(const TPersistent& Source) override;

  TGraphic* Graphic() const { return FGraphic.get(); }
  // Takes a copy of Value (nullptr empties the picture).
  void SetGraphic(const TGraphic* Value);
  // The picture as a bitmap; a picture of another kind is replaced by a
  // bitmap of its current frame.
  TBitmap* Bitmap();

  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  void LoadFromBytes(const TBytes& Data);
  TBytes SaveToBytes() const;

  std::function<void(TPersistent* Sender)> OnChange;

 private:
  void Take(std::unique_ptr<TGraphic> Value);
  std::unique_ptr<TGraphic> FGraphic;
};

// An empty picture object of the kind the data's signature names; raises
// EInvalidGraphic for data of no known kind.
std::unique_ptr<TGraphic> NewGraphicFor(const TBytes& Data);
