#include "grid/base/GIFFrames.h"

namespace {

std::uint8_t ByteAt(const TBytes& Data, std::size_t Index) { return Index < Data.size() ? Data[Index] : 0; }

std::uint16_t WordAt(const TBytes& Data, std::size_t Index) {
  return static_cast<std::uint16_t>(ByteAt(Data, Index) | (ByteAt(Data, Index + 1) << 8));
}

// 0x21 0xF9 0x04 <packed> <delay lo> <delay hi> <transparent> 0x00 0x2C <descriptor>
bool FrameStartsAt(const TBytes& Data, std::size_t P) {
  return Data[P] == 0x21 && P + 9 < Data.size() && Data[P + 1] == 0xF9 && Data[P + 2] == 4 && Data[P + 8] == 0x2C;
}

}  // namespace

bool IsGIFData(const TBytes& Data) {
  return Data.size() >= 5 && Data[0] == 'G' && Data[1] == 'I' && Data[2] == 'F' && Data[3] == '8';
}

std::vector<TGIFFrameInfo> ScanGIFFrames(const TBytes& Data) {
  std::vector<TGIFFrameInfo> frames;
  if (!IsGIFData(Data)) return frames;
  for (std::size_t p = 0; p < Data.size(); ++p) {
    if (!FrameStartsAt(Data, p)) continue;
    frames.push_back({p, WordAt(Data, p + 4), WordAt(Data, p + 9), WordAt(Data, p + 11), WordAt(Data, p + 13),
                      WordAt(Data, p + 15)});
  }
  return frames;
}

std::uint16_t GIFScreenWidth(const TBytes& Data) { return WordAt(Data, 6); }
std::uint16_t GIFScreenHeight(const TBytes& Data) { return WordAt(Data, 8); }

TBytes SpliceGIFFrame(const TBytes& Data, const std::vector<TGIFFrameInfo>& Frames, int Frame) {
  if (Frames.empty()) return Data;
  TBytes out(Data.begin(), Data.begin() + static_cast<std::ptrdiff_t>(Frames.front().Start));
  if (Frame >= 1 && static_cast<std::size_t>(Frame) <= Frames.size())
    out.insert(out.end(), Data.begin() + static_cast<std::ptrdiff_t>(Frames[Frame - 1].Start), Data.end());
  return out;
}
