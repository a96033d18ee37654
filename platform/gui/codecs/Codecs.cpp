#include "platform/gui/codecs/Codecs.h"

#include <cstring>

void InvalidGraphic() { throw EInvalidGraphic(SInvalidImage); }

namespace {
bool StartsWith(const TBytes& d, const char* sig, size_t n) {
  return d.size() >= n && std::memcmp(d.data(), sig, n) == 0;
}
}  // namespace

TImageKind SniffImage(const TBytes& Data) {
  if (StartsWith(Data, "\x89PNG\r\n\x1a\n", 8)) return TImageKind::Png;
  if (StartsWith(Data, "\xFF\xD8\xFF", 3)) return TImageKind::Jpeg;
  if (StartsWith(Data, "GIF87a", 6) || StartsWith(Data, "GIF89a", 6)) return TImageKind::Gif;
  if (StartsWith(Data, "BM", 2) && Data.size() >= 26) return TImageKind::Bmp;
  if (StartsWith(Data, "\0\0\1\0", 4) && Data.size() >= 22) return TImageKind::Ico;
  return TImageKind::Unknown;
}
