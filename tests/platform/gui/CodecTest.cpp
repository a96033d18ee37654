// Picture codecs: round trips and the files they must read or refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Picture.h"
#include "platform/sys/Streams.h"
#include "tests/support/TempDir.h"

namespace {

String Data(const char* name) { return S(std::string(GX_TEST_DATA) + "/pictures/" + name); }

TPixelBuffer Pattern(int w, int h, int bpp) {
  TPixelBuffer b;
  b.Resize(w, h, bpp);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w * bpp; ++x) b.Row(y)[x] = static_cast<std::uint8_t>(x * 37 + y * 11);
  return b;
}

TEST(PngCodec, RoundTripIsLossless) {
  for (int bpp : {3, 4}) {
    const TPixelBuffer in = Pattern(7, 5, bpp);
    const TPixelBuffer out = DecodePng(EncodePng(in));
    EXPECT_EQ(out.BytesPerPixel, bpp);
    EXPECT_EQ(out.Bits, in.Bits) << bpp;
  }
}

TEST(PngCodec, PngImageKeepsAlphaThroughAFile) {
  testsupport::TempDir dir;
  const String file = S((dir / "a.png").string());
  TPngImage png;
  png.Bitmap().SetPixels(Pattern(4, 3, 4));
  png.SaveToFile(file);
  TPicture pic;
  pic.LoadFromFile(file);
  auto* loaded = dynamic_cast<TPngImage*>(pic.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Bitmap().Pixels().Bits, Pattern(4, 3, 4).Bits);
  EXPECT_EQ(loaded->Bitmap().AlphaFormat(), afDefined);
}

TEST(PngCodec, PictureThroughAStreamAtItsPosition) {
  TPngImage png;
  png.Bitmap().SetPixels(Pattern(3, 3, 3));
  TMemoryStream stream;
  stream.WriteBuffer("head", 4);
  png.SaveToStream(stream);
  stream.SetPosition(4);
  TPicture pic;
  pic.LoadFromStream(stream);
  EXPECT_EQ(pic.Width(), 3);
  EXPECT_EQ(pic.Bitmap()->Pixels().Bits, Pattern(3, 3, 3).Bits);
}

TEST(JpegCodec, RoundTripIsClose) {
  TPixelBuffer in;
  in.Resize(16, 16, 3);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      std::uint8_t* p = in.Row(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x * 16), p[1] = static_cast<std::uint8_t>(y * 16), p[2] = 128;
    }
  const TPixelBuffer out = DecodeJpeg(EncodeJpeg(in, 95));
  ASSERT_EQ(out.Width, 16);
  ASSERT_EQ(out.Height, 16);
  int worst = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 48; ++x) worst = std::max(worst, std::abs(out.Row(y)[x] - in.Row(y)[x]));
  EXPECT_LE(worst, 12);
}

TEST(QtCodecs, BmpLoads) {
  TPicture pic;
  pic.LoadFromFile(Data("rgb3x2.bmp"));
  TBitmap* b = dynamic_cast<TBitmap*>(pic.Graphic());
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 3);
  EXPECT_EQ(b->Height(), 2);
  EXPECT_EQ(b->PixelFormat(), pf24bit);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(2, 0), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(2, 1), RGB(128, 64, 32));
  TBitmap copy;
  copy.LoadFromBytes(b->SaveToBytes());
  EXPECT_EQ(copy.Pixels().Bits, b->Pixels().Bits);
}

TEST(QtCodecs, AnimatedGifGivesEveryFrame) {
  TPicture pic;
  pic.LoadFromFile(Data("anim2.gif"));
  auto* gif = dynamic_cast<TGIFImage*>(pic.Graphic());
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(gif->FrameCount(), 2);
  EXPECT_EQ(gif->Width(), 2);
  EXPECT_EQ(gif->Frame(0).Pixels().Pixel(1, 1), clRed);
  EXPECT_EQ(gif->Frame(1).Pixels().Pixel(0, 0), clLime);
  EXPECT_EQ(gif->Frame(1).Pixels().Pixel(1, 0), clBlue);
  EXPECT_EQ(gif->FrameDelay(1), 200);
  EXPECT_THROW(gif->Frame(2), EInvalidGraphic);
}

TEST(QtCodecs, IconRoundTrip) {
  TIcon icon;
  icon.Bitmap().SetPixels(Pattern(16, 16, 3).Converted(4));
  TIcon back;
  back.LoadFromBytes(icon.SaveToBytes());
  EXPECT_EQ(back.Width(), 16);
  EXPECT_EQ(back.Bitmap().Pixels().Pixel(3, 2), Pattern(16, 16, 3).Pixel(3, 2));
}

TEST(Codecs, DataThatIsNoPictureRaisesTheNamedError) {
  TPicture pic;
  try {
    pic.LoadFromFile(Data("not-a-picture.png"));
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), u"Could not load image. Invalid format");
  }
  TPngImage png;
  EXPECT_THROW(png.LoadFromFile(Data("not-a-picture.png")), EInvalidGraphic);
  TBytes cut = EncodePng(Pattern(8, 8, 3));
  cut.resize(cut.size() / 2);
  EXPECT_THROW(DecodePng(cut), EInvalidGraphic);
  TBytes badJpeg = EncodeJpeg(Pattern(8, 8, 3), 80);
  badJpeg.resize(20);
  EXPECT_THROW(DecodeJpeg(badJpeg), EInvalidGraphic);
  EXPECT_THROW(TGIFImage().LoadFromFile(Data("rgb3x2.bmp")), EInvalidGraphic);
}

// A picture whose header names 60000 x 60000 pixels (over 10 GB).
void PutBigEndian16(TBytes& b, size_t at, unsigned v) {
  b[at] = static_cast<std::uint8_t>(v >> 8);
  b[at + 1] = static_cast<std::uint8_t>(v);
}

std::uint32_t Crc32(const std::uint8_t* p, size_t n) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

TBytes HugePng() {
  TBytes b = EncodePng(Pattern(8, 8, 3));
  // IHDR: width and height (32 bits each) after the signature and the chunk's length and type.
  PutBigEndian16(b, 18, 60000);
  PutBigEndian16(b, 22, 60000);
  const std::uint32_t crc = Crc32(b.data() + 12, 17);
  for (int i = 0; i < 4; ++i) b[29 + static_cast<size_t>(i)] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  return b;
}

TBytes HugeJpeg() {
  TBytes b = EncodeJpeg(Pattern(8, 8, 3), 80);
  for (size_t i = 2; i + 8 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == 0xC0) {  // the frame header: length, precision, height, width
      PutBigEndian16(b, i + 5, 60000);
      PutBigEndian16(b, i + 7, 60000);
      return b;
    }
  ADD_FAILURE() << "no frame header";
  return b;
}

TEST(Codecs, AHeaderNamingAHugePictureIsRefusedBeforeItsPixelsAreMade) {
  for (const TBytes& data : {HugePng(), HugeJpeg()}) {
    TPicture pic;
    TMemoryStream stream;
    stream.WriteBuffer(data.data(), static_cast<int>(data.size()));
    stream.SetPosition(0);
    try {
      pic.LoadFromStream(stream);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), u"Could not load image. Invalid format");
    }
  }
}

// Short files naming many frames of a large picture: a GIF of 1-pixel frames
// on a 5000 x 5000 screen, each read as a whole screen, and an icon whose
// 4096 entries all point at one 256 x 256 image.
void PutLittleEndian(TBytes& b, unsigned v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

TBytes ManyFramesGif() {
  const std::string head = "GIF89a";
  TBytes b(head.begin(), head.end());
  PutLittleEndian(b, 5000, 2);
  PutLittleEndian(b, 5000, 2);
  b.insert(b.end(), {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF});  // a two-colour table
  for (int k = 0; k < 20; ++k) {
    b.insert(b.end(), {0x21, 0xF9, 4, 0, 1, 0, 0, 0});  // frame delay
    b.push_back(0x2C);
    PutLittleEndian(b, 0, 4);
    PutLittleEndian(b, 1, 2);
    PutLittleEndian(b, 1, 2);
    b.insert(b.end(), {0, 2, 2, 0x44, 0x01, 0});  // one pixel of colour 0
  }
  b.push_back(0x3B);
  return b;
}

TBytes ManyEntriesIcon() {
  constexpr unsigned Entries = 4096, Side = 256;
  constexpr unsigned ImageBytes = 40 + Side * Side * 4 + Side * Side / 8;
  TBytes b{0, 0, 1, 0};
  PutLittleEndian(b, Entries, 2);
  for (unsigned k = 0; k < Entries; ++k) {
    b.insert(b.end(), {0, 0, 0, 0, 1, 0, 32, 0});
    PutLittleEndian(b, ImageBytes, 4);
    PutLittleEndian(b, 6 + 16 * Entries, 4);
  }
  PutLittleEndian(b, 40, 4);
  PutLittleEndian(b, Side, 4);
  PutLittleEndian(b, 2 * Side, 4);
  PutLittleEndian(b, 1, 2);
  PutLittleEndian(b, 32, 2);
  b.resize(b.size() + ImageBytes - 16, 0);
  return b;
}

TEST(QtCodecs, FramesTogetherBeyondThePictureLimitAreRefused) {
  for (const TBytes& data : {ManyFramesGif(), ManyEntriesIcon()}) {
    TPicture pic;
    try {
      pic.LoadFromBytes(data);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), u"Could not load image. Invalid format");
    }
  }
}

// A progressive picture whose last scan is repeated: each repeat walks the
// whole picture again, so thousands of them in a short file would hold the
// program for hours.
TEST(JpegCodec, APictureWithThousandsOfScansIsRefused) {
  TMemoryStream file;
  file.LoadFromFile(Data("progressive16.jpg"));
  const std::string bytes(file.Bytes());
  EXPECT_EQ(DecodeJpeg(TBytes(bytes.begin(), bytes.end())).Width, 16);
  const size_t last = bytes.rfind("\xFF\xDA"), end = bytes.size() - 2;  // the last scan, up to the end marker
  std::string repeated = bytes.substr(0, end);
  for (int k = 0; k < 2000; ++k) repeated += bytes.substr(last, end - last);
  repeated += bytes.substr(end);
  EXPECT_THROW(DecodeJpeg(TBytes(repeated.begin(), repeated.end())), EInvalidGraphic);
}

// A short file naming a large picture: the library would decode millions
// of pixels of nothing after the data ran out. The part the data holds is
// shown; past a bound the rest is left black instead of decoded.
TEST(JpegCodec, APictureWhoseDataRunsOutIsDecodedOnlyABoundPastTheEnd) {
  TPixelBuffer white;
  white.Resize(16, 16, 3);
  std::fill(white.Bits.begin(), white.Bits.end(), std::uint8_t{255});
  TBytes b = EncodeJpeg(white, 80);
  for (size_t i = 2; i + 8 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == 0xC0) {
      PutBigEndian16(b, i + 5, 4000);  // height
      PutBigEndian16(b, i + 7, 4000);  // width
      break;
    }
  b.resize(b.size() - 2);  // no end marker: the data runs out
  const TPixelBuffer out = DecodeJpeg(b);
  ASSERT_EQ(out.Width, 4000);
  ASSERT_EQ(out.Height, 4000);
  EXPECT_GT(out.Row(0)[0], 200);  // what the data holds
  EXPECT_EQ(out.Row(3999)[0], 0);  // never decoded
}

}  // namespace
