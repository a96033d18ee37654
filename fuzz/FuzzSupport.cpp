#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gui/Platform.h"
#include "platform/sys/FormatSettings.h"

namespace fuzz {

namespace {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gx-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

std::string_view Bytes(const std::uint8_t* Data, std::size_t Size) {
  return {reinterpret_cast<const char*>(Data), Size};
}

String Text(std::string_view Bytes) { return Utf8ToString(Bytes); }

std::vector<std::string_view> Parts(std::string_view Bytes, std::size_t Count) {
  if (Bytes.find('\xFF') == std::string_view::npos) return std::vector<std::string_view>(Count, Bytes);
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < Count) {
    const std::size_t cut = Bytes.find('\xFF');
    parts.push_back(Bytes.substr(0, cut));
    Bytes.remove_prefix(cut == std::string_view::npos ? Bytes.size() : cut + 1);
  }
  parts.push_back(Bytes);
  return parts;
}

String ScratchFile(std::string_view Name) {
  static const ScratchDir dir;
  return Utf8ToString((dir.Path() / Name).string());
}

void WriteScratch(const String& File, std::string_view Bytes) {
  std::ofstream out(StringToUtf8(File), std::ios::binary | std::ios::trunc);
  out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!out) std::abort();
}

void RemoveScratch(const String& File) { std::filesystem::remove(StringToUtf8(File)); }

void UseLocale(std::uint8_t Choice) {
  struct Locale {
    Char decimal, thousand, dateSep;
    const char16_t* shortDate;
  };
  static constexpr Locale locales[] = {{u'.', u',', u'/', u"M/d/yyyy"},
                                       {u',', u'.', u'.', u"dd.MM.yyyy"},
                                       {u',', u'.', u'-', u"yyyy-MM-dd"},
                                       {u'.', u',', u'/', u"dd/mm/yyyy"}};
  const Locale& l = locales[Choice % std::size(locales)];
  FormatSettings.DecimalSeparator = l.decimal;
  FormatSettings.ThousandSeparator = l.thousand;
  FormatSettings.DateSeparator = l.dateSep;
  FormatSettings.ShortDateFormat = l.shortDate;
}

void StartGui() {
  if (platform::GuiPlatformStarted()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  platform::StartGuiPlatform(argc, argv);
  std::atexit(platform::StopGuiPlatform);
}

void Check(bool Holds, const char* What) {
  if (Holds) return;
  std::fprintf(stderr, "fuzz: %s\n", What);
  std::abort();
}

}  // namespace fuzz
