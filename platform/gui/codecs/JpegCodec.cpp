#include <csetjmp>
#include <cstdio>
// jpeglib.h needs stdio's FILE first.
#include <jpeglib.h>

#include "platform/gui/codecs/Codecs.h"

// The system reads and writes JPEG through the 6b interface; another
// library version would differ in its structures.
static_assert(JPEG_LIB_VERSION == 62, "libjpeg with library version 62 is required");

// libjpeg reports errors by calling error_exit, which must not return: we
// jump back to the codec function, which then raises our error. Only
// libjpeg's own C frames are jumped over.
namespace {

struct TJpegError {
  jpeg_error_mgr Mgr;
  std::jmp_buf Jump;
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<TJpegError*>(info->err);
  std::longjmp(err->Jump, 1);
}

// Each scan of a progressive picture walks all of it again, and the library
// only warns about a scan that repeats another: a few bytes repeated
// thousands of times would hold the program for hours. Real pictures have
// about ten scans, rarely a few dozen.
constexpr int MaxScans = 100;

void OnJpegProgress(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans) OnJpegError(info);
}

void OnJpegMessage(j_common_ptr) {}

// Data that ran out or is corrupt makes the library warn and go on with
// empty blocks to the end: a few bytes naming a huge picture would decode
// tens of millions of pixels of nothing. After a warning only this many
// more pixels are decoded; the rest stays black. Whole pictures never warn.
constexpr std::uint64_t MaxPixelsAfterWarning = std::uint64_t{1} << 22;

void SwapRedBlue(std::uint8_t* row, int width) {
  for (int x = 0; x < width; ++x, row += 3) std::swap(row[0], row[2]);
}

bool DecodeInto(const TBytes& data, TPixelBuffer& out) {
  jpeg_decompress_struct info{};
  TJpegError err{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&err.Mgr);
  err.Mgr.error_exit = OnJpegError;
  err.Mgr.output_message = OnJpegMessage;
  progress.progress_monitor = OnJpegProgress;
  if (setjmp(err.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.progress = &progress;  // after the create, which clears the structure
  jpeg_mem_src(&info, const_cast<unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  if (!PictureFits(info.image_width, info.image_height, 3)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height), 3);
  std::uint64_t budget = MaxPixelsAfterWarning;
  bool cut = false;
  while (info.output_scanline < info.output_height && !cut) {
    JSAMPROW row = out.Row(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
    if (err.Mgr.num_warnings == 0) continue;
    cut = budget < info.output_width;
    budget -= cut ? 0 : info.output_width;
  }
  if (!cut) jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  for (int y = 0; y < out.Height; ++y) SwapRedBlue(out.Row(y), out.Width);
  return true;
}

bool EncodeInto(const TPixelBuffer& rgb, int quality, TBytes& out) {
  jpeg_compress_struct info{};
  TJpegError err{};
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  info.err = jpeg_std_error(&err.Mgr);
  err.Mgr.error_exit = OnJpegError;
  err.Mgr.output_message = OnJpegMessage;
  if (setjmp(err.Jump)) {
    jpeg_destroy_compress(&info);
    std::free(mem);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &mem, &size);
  info.image_width = static_cast<JDIMENSION>(rgb.Width);
  info.image_height = static_cast<JDIMENSION>(rgb.Height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(rgb.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  out.assign(mem, mem + size);
  std::free(mem);
  return true;
}

}  // namespace

TPixelBuffer DecodeJpeg(const TBytes& Data) {
  if (SniffImage(Data) != TImageKind::Jpeg) InvalidGraphic();
  TPixelBuffer out;
  if (!DecodeInto(Data, out)) InvalidGraphic();
  return out;
}

TBytes EncodeJpeg(const TPixelBuffer& Pixels, int Quality) {
  if (Pixels.Empty()) throw EInvalidGraphic(u"Could not save image");
  TPixelBuffer rgb = Pixels.Converted(3);
  for (int y = 0; y < rgb.Height; ++y) SwapRedBlue(rgb.Row(y), rgb.Width);
  TBytes out;
  if (!EncodeInto(rgb, Quality, out)) throw EInvalidGraphic(u"Could not save image");
  return out;
}
