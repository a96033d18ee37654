#pragma once
// A temporary folder that is removed with the fixture, and a program folder
// laid out as the program expects (MASTER, PROJECTS, LANGUAGE beside it).
#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class TempProgramDir : public TempDir {
 public:
  TempProgramDir();
  std::filesystem::path Master() const { return Path() / "MASTER"; }
  std::filesystem::path Projects() const { return Path() / "PROJECTS"; }
  std::filesystem::path Language() const { return Path() / "LANGUAGE"; }
};

// Whole-file helpers for test data; bytes are written and read as they are.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& file);

// A process id that no process has now: a child that has ended.
int GonePid();

// What may stand where a program expects a file of its own.
enum class OddFile { Fifo, Folder, Oversized };
// Oversized is a sparse file just above the program's size limit.
void MakeOddFile(const std::filesystem::path& file, OddFile kind);
const char* OddFileName(OddFile kind);
inline constexpr OddFile OddFiles[] = {OddFile::Fifo, OddFile::Folder, OddFile::Oversized};

}  // namespace testsupport
