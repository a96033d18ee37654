#pragma once
// A clipboard of the test's own, installed while it lives (the one before
// comes back after it). The test program runs on one from the start, so no
// test reads or changes the clipboard of the display it runs on.
#include "platform/gui/Clipboard.h"

namespace testsupport {

class ClipboardFake : public TClipboardService {
 public:
  ClipboardFake();
  ~ClipboardFake() override;
  ClipboardFake(const ClipboardFake&) = delete;
  ClipboardFake& operator=(const ClipboardFake&) = delete;

  void Write(const TClipboardData& Data) override { FData = Data; }
  bool ReadText(String& Text) const override;
  bool ReadBytes(UINT Format, std::vector<std::uint8_t>& Data) const override;
  bool HasBytes(UINT Format) const override { return FData.Formats.count(Format) != 0; }
  const TClipboardData& Data() const { return FData; }

 private:
  TClipboardData FData;
  TClipboardService* FPrevious;
};

}  // namespace testsupport
