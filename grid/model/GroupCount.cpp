#include "grid/model/GroupCount.h"

#include "platform/sys/Format.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

String GroupCountText(StringView FormatText, int Count) {
  if (!FormatText.empty()) {
    // A format the user typed must not raise on every read and repaint.
    try {
      return Format(FormatText, {Count});
    } catch (const Exception&) {
    }
  }
  return u" (" + IntToStr(Count) + u")";
}
