#pragma once
// A picture of a kind we cannot decode (a metafile from another program's
// grid stream): its class name and bytes are kept so that it is written
// back unchanged; it has no size and draws nothing.
#include "platform/gui/Graphic.h"

class TKeptGraphic : public TGraphic {
 public:
  TKeptGraphic() = default;
  TKeptGraphic(String AClassName, TBytes AData) : FClassName(std::move(AClassName)), FData(std::move(AData)) {}
  String ClassName() const override { return FClassName; }
  void Assign(const TPersistent& Source) override;

  int Width() const override { return 0; }
  int Height() const override { return 0; }
  const TBytes& Data() const { return FData; }
  void LoadFromBytes(const TBytes& Data) override { FData = Data; }
  TBytes SaveToBytes() const override { return FData; }
  void DrawOn(TCanvas& Canvas, const TRect& Rect) const override {}

 private:
  String FClassName;
  TBytes FData;
};
