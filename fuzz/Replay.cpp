// The plain driver: feeds every file named (or found under a folder named)
// to the target once, in name order, so a known input replays the same way
// on every run. A missing path is skipped; finding no input at all fails.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"

namespace {

std::vector<std::filesystem::path> InputsUnder(const std::filesystem::path& Path) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_regular_file(Path)) files.push_back(Path);
  if (std::filesystem::is_directory(Path))
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Path))
      if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string ReadAll(const std::filesystem::path& File) {
  std::ifstream in(File, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& file : InputsUnder(argv[i])) {
      const std::string bytes = ReadAll(file);
      std::printf("%s\n", file.c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++count;
    }
  }
  std::printf("%zu inputs replayed\n", count);
  return count > 0 ? 0 : 1;
}
