#pragma once
// The system's reason for a failed call, in words, for error messages that
// name the file and say why.
#include "platform/sys/String.h"

// The text of errno value Err (strerror).
String SysErrorMessage(int Err);
// Action + " \"" + file + "\". " + reason, e.g. Cannot open file "x". No such file or directory
String FileErrorText(StringView Action, StringView FileName, int Err);
// The same with a reason of the caller's, for failures that have no errno.
String FileErrorText(StringView Action, StringView FileName, StringView Reason);
