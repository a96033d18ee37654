#pragma once
// Registered clipboard formats. As on the reference system they share the
// id space of registered window messages: the same name gives the same id.
#include "platform/gui/Messages.h"

UINT RegisterClipboardFormat(const String& Name);
