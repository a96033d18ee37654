#include "platform/gui/ClipboardFormats.h"

UINT RegisterClipboardFormat(const String& Name) { return RegisterWindowMessage(Name); }
