#include <png.h>

#include "platform/gui/codecs/Codecs.h"

// Through libpng's memory image interface, which reports failures in the
// image structure instead of jumping out of our frames.
namespace {
// Frees libpng's state on every path.
struct TPngImage {
  png_image Image{};
  TPngImage() { Image.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&Image); }
};
}  // namespace

TPixelBuffer DecodePng(const TBytes& Data) {
  if (SniffImage(Data) != TImageKind::Png) InvalidGraphic();
  TPngImage png;
  if (!png_image_begin_read_from_memory(&png.Image, Data.data(), Data.size())) InvalidGraphic();
  const bool alpha = (png.Image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  png.Image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  if (!PictureFits(png.Image.width, png.Image.height, alpha ? 4 : 3)) InvalidGraphic();
  TPixelBuffer out;
  out.Resize(static_cast<int>(png.Image.width), static_cast<int>(png.Image.height), alpha ? 4 : 3);
  if (!png_image_finish_read(&png.Image, nullptr, out.Bits.data(), out.Stride, nullptr)) InvalidGraphic();
  return out;
}

TBytes EncodePng(const TPixelBuffer& Pixels) {
  if (Pixels.Empty()) InvalidGraphic();
  TPngImage png;
  png.Image.width = static_cast<png_uint_32>(Pixels.Width);
  png.Image.height = static_cast<png_uint_32>(Pixels.Height);
  png.Image.format = Pixels.BytesPerPixel == 4 ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png.Image, nullptr, &size, 0, Pixels.Bits.data(), Pixels.Stride, nullptr))
    throw EInvalidGraphic(u"Could not save image");
  TBytes out(size);
  if (!png_image_write_to_memory(&png.Image, out.data(), &size, 0, Pixels.Bits.data(), Pixels.Stride, nullptr))
    throw EInvalidGraphic(u"Could not save image");
  out.resize(size);
  return out;
}
