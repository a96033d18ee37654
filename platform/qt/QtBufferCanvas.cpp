#include "platform/gui/BitmapCanvas.h"
#include "platform/qt/QtCanvas.h"

namespace {

// Draws straight into a TPixelBuffer through an image over its memory.
class TQtBufferCanvas : public TQtCanvas {
 public:
  explicit TQtBufferCanvas(TPixelBuffer& Buffer) : FBuffer(Buffer) {}
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
    return &FImage;
  }

 private:
  TPixelBuffer& FBuffer;
  QImage FImage;
};

}  // namespace

std::unique_ptr<TCanvas> MakeBufferCanvas(TPixelBuffer& Buffer) {
  return std::make_unique<TQtBufferCanvas>(Buffer);
}

void ReleaseBufferCanvas(TCanvas& Canvas) {
  if (auto* c = dynamic_cast<TQtBufferCanvas*>(&Canvas)) c->Release();
}
