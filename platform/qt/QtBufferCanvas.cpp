#include "platform/gui/BitmapCanvas.h"
#include "platform/qt/QtCanvas.h"

namespace {

// Draws straight into a TPixelBuffer through an image over its memory.
class TQtBufferCanvas : public TQtCanvas {
 public:
  TQtBufferCanvas(TPixelBuffer& Buffer, int PixelsPerInch) : FBuffer(Buffer), FPixelsPerInch(PixelsPerInch) {
    if (PixelsPerInch > 0) Font()->SetPixelsPerInch(PixelsPerInch);
  }
  ~TQtBufferCanvas() override { Release(); }

  void Release() {
    ReleaseImage();
    FImage = QImage();
  }

 protected:
  QImage* TargetImage() override {
    if (FBuffer.Empty()) return nullptr;
    if (FImage.isNull())
      FImage = QImage(FBuffer.Bits.data(), FBuffer.Width, FBuffer.Height, FBuffer.Stride,
                      FBuffer.BytesPerPixel == 3 ? QImage::Format_BGR888 : QImage::Format_ARGB32);
    if (FPixelsPerInch > 0) {
      const int perMetre = qRound(FPixelsPerInch / 0.0254);
      FImage.setDotsPerMeterX(perMetre);
      FImage.setDotsPerMeterY(perMetre);
    }
    return &FImage;
  }

 private:
  TPixelBuffer& FBuffer;
  int FPixelsPerInch;
  QImage FImage;
};

}  // namespace

std::unique_ptr<TCanvas> MakeBufferCanvas(TPixelBuffer& Buffer, int PixelsPerInch) {
  return std::make_unique<TQtBufferCanvas>(Buffer, PixelsPerInch);
}

void ReleaseBufferCanvas(TCanvas& Canvas) {
  if (auto* c = dynamic_cast<TQtBufferCanvas*>(&Canvas)) c->Release();
}
