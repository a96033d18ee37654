#pragma once
// A fixed-size image of little-endian fields, the same bytes on every host.
// Every write is checked against the image's end, so nothing is ever
// written past it; a field that would not fit raises ERangeError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/sys/Exceptions.h"
#include "platform/sys/String.h"

class ERangeError : public Exception {
 public:
  using Exception::Exception;
};

// A text field of a bank: Width bytes at Offset.
struct TTextField {
  std::size_t Offset;
  std::size_t Width;
};

class TByteImage {
 public:
  explicit TByteImage(std::size_t Size) : FBytes(Size, '\0') {}

  std::size_t Size() const { return FBytes.size(); }
  const std::string& Bytes() const { return FBytes; }
  void Clear();

  void SetU8(std::size_t Offset, std::uint8_t Value);
  void SetU16(std::size_t Offset, std::uint16_t Value);
  void SetU32(std::size_t Offset, std::uint32_t Value);
  // The low byte of each UTF-16 unit, the rest of the field zero; a longer
  // value is cut to the field, so a full field has no terminating zero.
  void SetText(TTextField Field, StringView Value);

  std::uint8_t U8(std::size_t Offset) const;
  std::uint16_t U16(std::size_t Offset) const;
  std::uint32_t U32(std::size_t Offset) const;
  // The bytes of [Offset, Offset + Count) added as unsigned values.
  std::uint32_t ByteSum(std::size_t Offset, std::size_t Count) const;

 private:
  void Check(std::size_t Offset, std::size_t Width) const;
  std::uint32_t Get(std::size_t Offset, std::size_t Width) const;
  void Put(std::size_t Offset, std::size_t Width, std::uint32_t Value);

  std::string FBytes;
};
