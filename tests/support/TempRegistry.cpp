#include "tests/support/TempRegistry.h"

#include "platform/sys/Registry.h"

namespace testsupport {

namespace {

const TempDir& ProgramStoreDir() {
  static TempDir dir;
  return dir;
}

void Use(const std::filesystem::path& file) { SetRegistryFileForTests(Utf8ToString(file.string())); }

}  // namespace

void InstallTestRegistry() { Use(ProgramStoreDir() / "registry"); }

TempRegistry::TempRegistry() { Reload(); }

TempRegistry::~TempRegistry() { InstallTestRegistry(); }

void TempRegistry::Reload() const { Use(File()); }

}  // namespace testsupport
