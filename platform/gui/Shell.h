#pragma once
// Opening a URL or a file with the desktop's default program, behind a
// service that tests replace to record what was opened.
#include "platform/sys/String.h"

class TShellService {
 public:
  virtual ~TShellService() = default;
  virtual bool Open(const String& Target) = 0;
};

// The service in use; null restores the desktop's.
void SetShellService(TShellService* Service);
TShellService& ShellService();
// A URL ("http://...") or a local file path; false when nothing could open it.
bool ShellOpen(const String& Target);
