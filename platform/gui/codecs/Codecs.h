#pragma once
// Picture codecs. PNG goes through libpng, JPEG through libjpeg (version
// 62 API); BMP, ICO and GIF through the toolkit's image readers. Decoders
// raise EInvalidGraphic("Could not load image. Invalid format") for data
// they cannot read.
#include <cstdint>
#include <vector>

#include "platform/gui/Graphic.h"
#include "platform/gui/PixelBuffer.h"

enum class TImageKind { Unknown, Bmp, Png, Jpeg, Gif, Ico };

// The format the data's signature names.
TImageKind SniffImage(const TBytes& Data);

// 4 bytes per pixel when the picture has alpha, else 3.
TPixelBuffer DecodePng(const TBytes& Data);
// 3 bytes per pixel give an RGB PNG, 4 an RGBA one.
TBytes EncodePng(const TPixelBuffer& Pixels);

TPixelBuffer DecodeJpeg(const TBytes& Data);  // 3 bytes per pixel
TBytes EncodeJpeg(const TPixelBuffer& Pixels, int Quality);

struct TFrames {
  std::vector<TPixelBuffer> Frames;
  std::vector<int> DelaysMs;  // one per frame
};
// Kind is Bmp, Ico or Gif: every frame of the data.
TFrames DecodeWithReader(const TBytes& Data, TImageKind Kind);
TBytes EncodeWithWriter(const TPixelBuffer& Pixels, TImageKind Kind);

// Whether the pixels of a picture this size, beside Used bytes of frames
// already read, stay within 256 MiB, the limit the toolkit's readers keep
// for one image too: a few bytes of header naming a huge picture, or a short
// file naming thousands of frames, must not take the program's memory.
inline bool PictureFits(std::uint64_t Width, std::uint64_t Height, int BytesPerPixel, std::uint64_t Used = 0) {
  constexpr std::uint64_t kMaxBytes = std::uint64_t{256} << 20;
  return Width > 0 && Height > 0 && Used <= kMaxBytes &&
         Width * Height * static_cast<std::uint64_t>(BytesPerPixel) <= kMaxBytes - Used;
}

// Raises the invalid-picture error.
[[noreturn]] void InvalidGraphic();
