#pragma once
// The one way the system writes a whole file: the bytes go to a temporary
// file in the target's folder, are flushed to disk and renamed over the
// target. On any failure the temporary is removed, the old file stays
// byte-identical and EInOutError names the file and the system's reason.
// Temporaries of this target left by a writer that was killed (its process
// is gone) are removed before each write.
#include <functional>
#include <string_view>

#include "platform/sys/String.h"

class TStream;

void SafeWriteFile(const String& FileName, std::string_view Bytes);
// Two files that belong together: both are written in full to temporaries
// before either is replaced, and the old first file is kept aside until
// the second has replaced its own (as a second link to it, or as a copy on
// file systems without links); when that fails the old first file is
// put back, so the pair stays old+old or new+new. A crash between the two
// renames leaves new first + old second, with the kept first file and the
// second's temporary as hidden files beside them.
void SafeWriteFilePair(const String& FirstName, std::string_view FirstBytes, const String& SecondName,
                       std::string_view SecondBytes);
// Writer fills a memory stream first; nothing touches the disk if it raises.
void SafeWriteStream(const String& FileName, const std::function<void(TStream& Out)>& Writer);

// Test seam: when set, the writer asks it before each step ("create",
// "write", "sync", "rename", and for a pair "backup", "link", "restore"); a
// non-zero answer fails that step with that errno value. Pass nullptr to
// remove it.
void SetSafeWriteFaultForTests(std::function<int(std::string_view Step)> Fault);
