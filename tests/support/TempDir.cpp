#include "tests/support/TempDir.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "gxtest-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

TempProgramDir::TempProgramDir() {
  std::filesystem::create_directories(Master());
  std::filesystem::create_directories(Projects());
  std::filesystem::create_directories(Language());
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

void MakeOddFile(const std::filesystem::path& file, OddFile kind) {
  std::filesystem::create_directories(file.parent_path());
  std::error_code ec;
  std::filesystem::remove_all(file, ec);
  switch (kind) {
    case OddFile::Fifo:
      if (::mkfifo(file.c_str(), 0666) != 0) throw std::runtime_error("cannot make fifo " + file.string());
      break;
    case OddFile::Folder:
      std::filesystem::create_directories(file / "inside");
      break;
    case OddFile::Oversized:
      WriteFile(file, "<r>");
      std::filesystem::resize_file(file, 16 * 1024 * 1024 + 1);
      break;
  }
}

const char* OddFileName(OddFile kind) {
  switch (kind) {
    case OddFile::Fifo: return "a named pipe";
    case OddFile::Folder: return "a folder";
    case OddFile::Oversized: return "a file above 16 MiB";
  }
  return "";
}

}  // namespace testsupport
