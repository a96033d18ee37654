#include "fuzz/PictureTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  return fuzz::DecodePicture(Data, Size, DecodePng);
}
