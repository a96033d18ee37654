// BMP, ICO and GIF through the toolkit's image readers and writers.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstring>

#include "platform/gui/codecs/Codecs.h"

namespace {

const char* FormatName(TImageKind kind) {
  switch (kind) {
    case TImageKind::Bmp: return "bmp";
    case TImageKind::Ico: return "ico";
    case TImageKind::Gif: return "gif";
    default: InvalidGraphic();
  }
}

TPixelBuffer ToBuffer(const QImage& image) {
  const bool alpha = image.hasAlphaChannel();
  const QImage img = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
  TPixelBuffer out;
  out.Resize(img.width(), img.height(), alpha ? 4 : 3);
  const size_t rowBytes = static_cast<size_t>(out.Width) * out.BytesPerPixel;
  for (int y = 0; y < out.Height; ++y) std::memcpy(out.Row(y), img.constScanLine(y), rowBytes);
  return out;
}

// Refuses data whose frames together could not fit, before any is decoded,
// when the reader can tell their number and the picture's size.
void CheckFramesFit(QImageReader& reader) {
  const QSize size = reader.size();
  const int count = reader.imageCount();
  if (!size.isEmpty() && count > 1 &&
      !PictureFits(static_cast<std::uint64_t>(size.width()),
                   static_cast<std::uint64_t>(size.height()) * static_cast<std::uint64_t>(count), 3))
    InvalidGraphic();
}

}  // namespace

TFrames DecodeWithReader(const TBytes& Data, TImageKind Kind) {
  QByteArray bytes(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, FormatName(Kind));
  reader.setAutoTransform(false);
  CheckFramesFit(reader);
  // An icon reader whose directory is odd may hand over the same image
  // again and again: never more frames than the directory names.
  const int count = reader.imageCount();
  TFrames out;
  std::uint64_t used = 0;
  while (true) {
    const int delay = reader.nextImageDelay();
    QImage frame = reader.read();
    if (frame.isNull()) break;
    if (!PictureFits(static_cast<std::uint64_t>(frame.width()), static_cast<std::uint64_t>(frame.height()),
                     frame.hasAlphaChannel() ? 4 : 3, used))
      InvalidGraphic();
    out.Frames.push_back(ToBuffer(frame));
    used += out.Frames.back().Bits.size();
    out.DelaysMs.push_back(delay);
    if (!reader.supportsAnimation() && Kind != TImageKind::Ico) break;
    if (count > 0 && out.Frames.size() >= static_cast<std::size_t>(count)) break;
    if (!reader.canRead()) break;
  }
  if (out.Frames.empty()) InvalidGraphic();
  return out;
}

TBytes EncodeWithWriter(const TPixelBuffer& Pixels, TImageKind Kind) {
  if (Pixels.Empty()) throw EInvalidGraphic(u"Could not save image");
  const QImage img(Pixels.Bits.data(), Pixels.Width, Pixels.Height, Pixels.Stride,
                   Pixels.BytesPerPixel == 3 ? QImage::Format_BGR888 : QImage::Format_ARGB32);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, FormatName(Kind));
  if (!writer.write(img)) throw EInvalidGraphic(u"Could not save image");
  return TBytes(bytes.begin(), bytes.end());
}
