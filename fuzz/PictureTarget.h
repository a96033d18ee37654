#pragma once
// One picture decoder fed the input; what it cannot read it must refuse
// with the invalid-picture error.
#include "fuzz/FuzzSupport.h"
#include "platform/gui/Graphic.h"
#include "platform/gui/codecs/Codecs.h"

namespace fuzz {

template <class Decode>
int DecodePicture(const std::uint8_t* Data, std::size_t Size, Decode decode) {
  StartGui();
  const TBytes bytes(Data, Data + Size);
  SniffImage(bytes);
  try {
    decode(bytes);
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}

}  // namespace fuzz
