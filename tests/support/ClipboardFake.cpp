#include "tests/support/ClipboardFake.h"

namespace testsupport {

ClipboardFake::ClipboardFake() : FPrevious(&ClipboardService()) { SetClipboardService(this); }
ClipboardFake::~ClipboardFake() { SetClipboardService(FPrevious); }

bool ClipboardFake::ReadText(String& Text) const {
  if (!FData.HasText) return false;
  Text = FData.Text;
  return true;
}

bool ClipboardFake::ReadBytes(UINT Format, std::vector<std::uint8_t>& Data) const {
  auto it = FData.Formats.find(Format);
  if (it == FData.Formats.end()) return false;
  Data = it->second;
  return true;
}

}  // namespace testsupport
