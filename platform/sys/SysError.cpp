#include "platform/sys/SysError.h"

#include <cstring>

String SysErrorMessage(int Err) {
  char buf[256] = {};
  // GNU strerror_r may answer a static text instead of filling buf.
  const char* text = strerror_r(Err, buf, sizeof buf);
  return Utf8ToString(text ? text : buf);
}

String FileErrorText(StringView Action, StringView FileName, int Err) {
  return FileErrorText(Action, FileName, StringView(SysErrorMessage(Err)));
}

String FileErrorText(StringView Action, StringView FileName, StringView Reason) {
  String r(Action);
  r += u" \"";
  r += FileName;
  r += u"\". ";
  r += Reason;
  return r;
}
