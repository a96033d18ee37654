#include "app/ByteImage.h"

#include <algorithm>

#include "platform/sys/SysUtils.h"

void TByteImage::Clear() { std::fill(FBytes.begin(), FBytes.end(), '\0'); }

void TByteImage::Check(std::size_t Offset, std::size_t Width) const {
  if (Offset > FBytes.size() || Width > FBytes.size() - Offset)
    throw ERangeError(Format(u"Field at offset %d (%d bytes) lies outside the %d-byte image",
                             {Offset, Width, FBytes.size()}));
}

void TByteImage::Put(std::size_t Offset, std::size_t Width, std::uint32_t Value) {
  Check(Offset, Width);
  for (std::size_t i = 0; i < Width; ++i) FBytes[Offset + i] = static_cast<char>((Value >> (8 * i)) & 0xFFu);
}

std::uint32_t TByteImage::Get(std::size_t Offset, std::size_t Width) const {
  Check(Offset, Width);
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < Width; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(FBytes[Offset + i])) << (8 * i);
  return value;
}

void TByteImage::SetU8(std::size_t Offset, std::uint8_t Value) { Put(Offset, 1, Value); }
void TByteImage::SetU16(std::size_t Offset, std::uint16_t Value) { Put(Offset, 2, Value); }
void TByteImage::SetU32(std::size_t Offset, std::uint32_t Value) { Put(Offset, 4, Value); }

void TByteImage::SetText(TTextField Field, StringView Value) {
  Check(Field.Offset, Field.Width);
  for (std::size_t i = 0; i < Field.Width; ++i)
    FBytes[Field.Offset + i] = i < Value.size() ? static_cast<char>(Value[i] & 0xFFu) : '\0';
}

std::uint8_t TByteImage::U8(std::size_t Offset) const { return static_cast<std::uint8_t>(Get(Offset, 1)); }
std::uint16_t TByteImage::U16(std::size_t Offset) const { return static_cast<std::uint16_t>(Get(Offset, 2)); }
std::uint32_t TByteImage::U32(std::size_t Offset) const { return Get(Offset, 4); }

std::uint32_t TByteImage::ByteSum(std::size_t Offset, std::size_t Count) const {
  Check(Offset, Count);
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < Count; ++i) sum += static_cast<unsigned char>(FBytes[Offset + i]);
  return sum;
}
