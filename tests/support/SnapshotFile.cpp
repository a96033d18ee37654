#include "tests/support/SnapshotFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/support/TempDir.h"

namespace testsupport {
TPixelBuffer RenderSnapshot(TControl& Control, const std::string& FileName) {
  TempDir dir;
  const char* keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path file = (keep ? std::filesystem::path(keep) : dir.Path()) / FileName;
  const String name = Utf8ToString(file.string());
  if (!platform::RenderToPng(Control, name)) {
    ADD_FAILURE() << "could not render " << file;
    return {};
  }
  TPngImage png;
  png.LoadFromFile(name);
  return png.Bitmap().Pixels();
}
}  // namespace testsupport
