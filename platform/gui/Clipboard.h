#pragma once
// The system clipboard: text, and bytes under registered format names. It
// sits behind a service that tests replace, so no test touches the
// clipboard of the display it runs on.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/gui/ClipboardFormats.h"

constexpr UINT CF_TEXT = 1, CF_UNICODETEXT = 13;

// Everything one copy puts on the clipboard.
struct TClipboardData {
  bool HasText = false;
  String Text;
  std::map<UINT, std::vector<std::uint8_t>> Formats;  // registered formats only
};

class TClipboardService {
 public:
  virtual ~TClipboardService() = default;
  // Replaces everything on the clipboard.
  virtual void Write(const TClipboardData& Data) = 0;
  // False when no text is on the clipboard.
  virtual bool ReadText(String& Text) const = 0;
  // Format is a registered one; false when it is not on the clipboard.
  virtual bool ReadBytes(UINT Format, std::vector<std::uint8_t>& Data) const = 0;
  virtual bool HasBytes(UINT Format) const = 0;
};

// The service in use; null restores the desktop's.
void SetClipboardService(TClipboardService* Service);
TClipboardService& ClipboardService();

// Text answers both CF_TEXT and CF_UNICODETEXT.
bool ClipboardHasFormat(UINT Format);
// "" when no text is on the clipboard.
String ClipboardAsText();
// Replaces everything on the clipboard with Text.
void ClipboardSetAsText(const String& Text);
bool ClipboardGetBytes(UINT Format, std::vector<std::uint8_t>& Data);
// Refused (false, the clipboard unchanged) when a format was never registered.
bool ClipboardWrite(const TClipboardData& Data);
void ClipboardClear();
