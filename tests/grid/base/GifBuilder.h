#pragma once
// Builds small GIF files for tests: a two-colour palette (0 red, 1 blue) and
// frames with a graphic control extension, their own rectangle and delay.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace testsupport {

struct GifFrame {
  int Left, Top, Width, Height;
  int Delay;  // hundredths of a second
  int Colour;  // palette index filling the frame
};

inline void PutWord(std::vector<std::uint8_t>& Out, int Value) {
  Out.push_back(static_cast<std::uint8_t>(Value & 0xFF));
  Out.push_back(static_cast<std::uint8_t>((Value >> 8) & 0xFF));
}

// Every pixel as a clear code and the pixel's code, so the code width stays 3 bits.
inline std::vector<std::uint8_t> GifPixels(int Count, int Colour) {
  std::vector<std::uint8_t> bytes;
  unsigned bits = 0, used = 0;
  const auto put = [&](unsigned code) {
    bits |= code << used;
    used += 3;
    while (used >= 8) {
      bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
      bits >>= 8;
      used -= 8;
    }
  };
  for (int i = 0; i < Count; ++i) {
    put(4);
    put(static_cast<unsigned>(Colour));
  }
  put(5);
  if (used > 0) bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
  return bytes;
}

inline std::vector<std::uint8_t> BuildGif(int Width, int Height, const std::vector<GifFrame>& Frames) {
  std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, Width);
  PutWord(out, Height);
  out.insert(out.end(), {0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF});
  for (const GifFrame& f : Frames) {
    out.insert(out.end(), {0x21, 0xF9, 4, 0});
    PutWord(out, f.Delay);
    out.insert(out.end(), {0, 0, 0x2C});
    PutWord(out, f.Left);
    PutWord(out, f.Top);
    PutWord(out, f.Width);
    PutWord(out, f.Height);
    out.insert(out.end(), {0, 2});
    const auto pixels = GifPixels(f.Width * f.Height, f.Colour);
    for (std::size_t at = 0; at < pixels.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, pixels.size() - at);
      out.push_back(static_cast<std::uint8_t>(n));
      out.insert(out.end(), pixels.begin() + static_cast<std::ptrdiff_t>(at),
                 pixels.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}

// Red 8 x 6 first frame (delay 10), then a blue 3 x 2 frame at (4, 2) (delay 30).
inline std::vector<std::uint8_t> TwoFrameGif() {
  return BuildGif(8, 6, {{0, 0, 8, 6, 10, 0}, {4, 2, 3, 2, 30, 1}});
}

}  // namespace testsupport
