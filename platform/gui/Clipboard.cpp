#include "platform/gui/Clipboard.h"

namespace {
bool IsText(UINT Format) { return Format == CF_TEXT || Format == CF_UNICODETEXT; }

bool IsRegistered(UINT Format) {
  String name;
  return RegisteredMessageName(Format, name);
}
}  // namespace

bool ClipboardHasFormat(UINT Format) {
  String text;
  if (IsText(Format)) return ClipboardService().ReadText(text);
  return IsRegistered(Format) && ClipboardService().HasBytes(Format);
}

String ClipboardAsText() {
  String text;
  return ClipboardService().ReadText(text) ? text : String();
}

void ClipboardSetAsText(const String& Text) {
  TClipboardData data;
  data.HasText = true;
  data.Text = Text;
  ClipboardService().Write(data);
}

bool ClipboardGetBytes(UINT Format, std::vector<std::uint8_t>& Data) {
  return IsRegistered(Format) && ClipboardService().ReadBytes(Format, Data);
}

bool ClipboardWrite(const TClipboardData& Data) {
  for (const auto& entry : Data.Formats)
    if (!IsRegistered(entry.first)) return false;
  ClipboardService().Write(Data);
  return true;
}

void ClipboardClear() { ClipboardService().Write({}); }
