#pragma once
// The registry stand-in in a temporary file. The test program keeps its
// whole run in one (InstallTestRegistry), so no test touches the user's
// store; a TempRegistry gives a test a fresh, empty store of its own.
#include <filesystem>

#include "tests/support/TempDir.h"

namespace testsupport {

void InstallTestRegistry();

class TempRegistry {
 public:
  TempRegistry();
  ~TempRegistry();  // back to the program's test store
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;

  std::filesystem::path File() const { return dir_ / "registry"; }
  // Reads the store afresh from its file, as a new run of the program would.
  void Reload() const;

 private:
  TempDir dir_;
};

}  // namespace testsupport
