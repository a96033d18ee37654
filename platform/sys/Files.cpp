#include "platform/sys/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/sys/SysUtils.h"

namespace fs = std::filesystem;

namespace {

fs::path P(const String& s) { return fs::path(StringToUtf8(s)); }

bool StatOf(const String& name, struct stat& st) { return ::stat(StringToUtf8(name).c_str(), &st) == 0; }

String& ProgramDirOverride() {
  static String dir;
  return dir;
}

// Position of the last separator, or npos.
size_t LastDelim(StringView s) { return s.rfind(PathDelim); }

}  // namespace

bool FileExists(const String& FileName) {
  struct stat st {};
  return StatOf(FileName, st) && !S_ISDIR(st.st_mode);
}

bool PathExists(const String& Name) {
  struct stat st {};
  return StatOf(Name, st);
}

bool DirectoryExists(const String& Dir) {
  struct stat st {};
  return StatOf(Dir, st) && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const String& Dir) {
  if (Dir.empty()) return false;
  std::error_code ec;
  fs::create_directories(P(Dir), ec);
  return DirectoryExists(Dir);
}

bool CreateDir(const String& Dir) { return ::mkdir(StringToUtf8(Dir).c_str(), 0777) == 0; }
bool DeleteFile(const String& FileName) { return FileExists(FileName) && ::unlink(StringToUtf8(FileName).c_str()) == 0; }
bool RemoveDir(const String& Dir) { return ::rmdir(StringToUtf8(Dir).c_str()) == 0; }

bool RenameFile(const String& OldName, const String& NewName) {
  // Like the platform's rename: an existing target is not replaced.
  struct stat st {};
  if (StatOf(NewName, st)) return false;
  return ::rename(StringToUtf8(OldName).c_str(), StringToUtf8(NewName).c_str()) == 0;
}

String KeepAside(const String& FileName) {
  String aside = FileName + u".bad";
  for (int n = 1; PathExists(aside); ++n) aside = FileName + u"." + IntToStr(n) + u".bad";
  return RenameFile(FileName, aside) ? aside : String();
}

bool MatchesMask(StringView Name, StringView Mask) {
  // Iterative wildcard match with one backtrack point for the last '*'.
  size_t n = 0, m = 0, starM = StringView::npos, starN = 0;
  while (n < Name.size()) {
    if (m < Mask.size() && (Mask[m] == u'?' || UpCase(Mask[m]) == UpCase(Name[n]))) {
      ++n;
      ++m;
    } else if (m < Mask.size() && Mask[m] == u'*') {
      starM = m++;
      starN = n;
    } else if (starM != StringView::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < Mask.size() && Mask[m] == u'*') ++m;
  return m == Mask.size();
}

std::vector<String> FindFiles(const String& Dir, const String& Pattern, TFindKind Kind) {
  std::vector<String> names;
  std::error_code ec;
  for (fs::directory_iterator it(P(Dir), ec), end; !ec && it != end; it.increment(ec)) {
    const bool isDir = it->is_directory(ec);
    if (isDir != (Kind == fkFolders)) continue;
    String name = Utf8ToString(it->path().filename().string());
    if (MatchesMask(name, Pattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const String& a, const String& b) { return CompareText(a, b) < 0; });
  return names;
}

String ExtractFileName(const String& FileName) {
  const size_t p = LastDelim(FileName);
  return p == String::npos ? FileName : FileName.substr(p + 1);
}

String ExtractFilePath(const String& FileName) {
  const size_t p = LastDelim(FileName);
  return p == String::npos ? String() : FileName.substr(0, p + 1);
}

String ExtractFileDir(const String& FileName) {
  const size_t p = LastDelim(FileName);
  if (p == String::npos) return String();
  return FileName.substr(0, p == 0 ? 1 : p);  // the root keeps its separator
}

String ExtractFileExt(const String& FileName) {
  const size_t p = FileName.find_last_of(u"./");
  return (p == String::npos || FileName[p] != u'.') ? String() : FileName.substr(p);
}

String ChangeFileExt(const String& FileName, const String& Extension) {
  const String ext = ExtractFileExt(FileName);
  return FileName.substr(0, FileName.size() - ext.size()) + Extension;
}

String IncludeTrailingPathDelimiter(const String& S) {
  return (!S.empty() && S.back() == PathDelim) ? S : S + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& S) {
  return (S.size() > 1 && S.back() == PathDelim) ? S.substr(0, S.size() - 1) : S;
}

String JoinPath(std::initializer_list<StringView> Parts) {
  String r;
  for (StringView part : Parts) {
    if (part.empty()) continue;
    if (!r.empty() && r.back() != PathDelim && part.front() != PathDelim) r.push_back(PathDelim);
    if (!r.empty() && r.back() == PathDelim && part.front() == PathDelim) part.remove_prefix(1);
    r += part;
  }
  return r;
}

String ProgramDir() {
  if (!ProgramDirOverride().empty()) return ProgramDirOverride();
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? Utf8ToString(fs::current_path(ec).string()) : Utf8ToString(exe.parent_path().string());
}

void SetProgramDirForTests(const String& Dir) { ProgramDirOverride() = ExcludeTrailingPathDelimiter(Dir); }

String GetTempDir() {
  std::error_code ec;
  const fs::path t = fs::temp_directory_path(ec);
  return ec ? String(u"/tmp") : ExcludeTrailingPathDelimiter(Utf8ToString(t.string()));
}

int FileGetAttr(const String& FileName) {
  struct stat st {};
  if (!StatOf(FileName, st)) return -1;
  int attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
  if ((st.st_mode & S_IWUSR) == 0) attr |= faReadOnly;
  return attr;
}

bool FileIsReadOnly(const String& FileName) {
  const int attr = FileGetAttr(FileName);
  return attr >= 0 && (attr & faReadOnly) != 0;
}

bool FileSetReadOnly(const String& FileName, bool ReadOnly) {
  struct stat st {};
  if (!StatOf(FileName, st)) return false;
  const mode_t write = S_IWUSR | S_IWGRP | S_IWOTH;
  // Making writable again gives write to the owner only (the umask is unknown).
  const mode_t mode = ReadOnly ? (st.st_mode & ~write) : (st.st_mode | S_IWUSR);
  return ::chmod(StringToUtf8(FileName).c_str(), mode & 07777) == 0;
}
