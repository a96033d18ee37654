#include "platform/sys/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysError.h"

namespace {

std::function<int(std::string_view)>& FaultHook() {
  static std::function<int(std::string_view)> hook;
  return hook;
}

// True (errno set) when the test hook fails this step before it runs.
bool Injected(std::string_view step) {
  if (!FaultHook()) return false;
  const int err = FaultHook()(step);
  if (err) errno = err;
  return err != 0;
}

// A symbolic link is kept: the file it points to is the one replaced.
std::string ResolveTarget(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    auto real = std::filesystem::weakly_canonical(path, ec);
    if (!ec) return real.string();
  }
  return path;
}

// The temporary's name: the target's, cut where needed (on a character
// boundary) so that a target name of the longest length allowed still fits.
std::string TempName(const std::string& base, unsigned count) {
  constexpr std::size_t Name_Max = 255;
  std::string suffix(1, '.');
  suffix.append(std::to_string(getpid())).append(1, '.').append(std::to_string(count)).append(".tmp");
  std::size_t keep = std::min(base.size(), Name_Max - 1 - suffix.size());
  while (keep > 0 && keep < base.size() && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
  // Built by appending: gcc 12 warns falsely on "." + string at -O3.
  std::string name(1, '.');
  return name.append(base, 0, keep).append(suffix);
}

class TempFile {
 public:
  explicit TempFile(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path t(target);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      const std::string name = TempName(t.filename().string(), counter++);
      path_ = (t.parent_path() / name).string();
      if (Injected("create")) return;
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) return;
    }
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  bool Open() const { return fd_ >= 0; }
  bool WriteAll(std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
      if (Injected("write")) return false;
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
    }
    return true;
  }
  // Keeps the old file's permission bits, so replacing does not change them.
  void CopyMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(fd_, st.st_mode & 07777);
  }
  bool SyncAndClose() {
    const bool failed = Injected("sync") || ::fsync(fd_) != 0;
    const int err = errno;
    const bool closeFailed = ::close(fd_) != 0;
    fd_ = -1;
    if (failed) errno = err;
    return !failed && !closeFailed;
  }
  bool RenameOver(const std::string& target) {
    if (Injected("rename") || ::rename(path_.c_str(), target.c_str()) != 0) return false;
    kept_ = true;
    return true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

void SyncFolder(const std::string& target) {
  const std::string dir = std::filesystem::path(target).parent_path().string();
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void SafeWriteFile(const String& FileName, std::string_view Bytes) {
  const std::string target = ResolveTarget(StringToUtf8(FileName));
  auto fail = [&](int err) { throw EInOutError(FileErrorText(u"Cannot write file", FileName, err)); };
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) fail(EISDIR);
    // Renaming over a device or a pipe would put a plain file in its place.
    if (!S_ISREG(st.st_mode))
      throw EInOutError(FileErrorText(u"Cannot write file", FileName, StringView(u"Not a regular file")));
  }
  TempFile tmp(target);
  if (!tmp.Open()) fail(errno);
  tmp.CopyMode(target);
  if (!tmp.WriteAll(Bytes) || !tmp.SyncAndClose() || !tmp.RenameOver(target)) fail(errno);
  SyncFolder(target);
}

void SafeWriteStream(const String& FileName, const std::function<void(TStream& Out)>& Writer) {
  TMemoryStream buffer;
  Writer(buffer);
  SafeWriteFile(FileName, buffer.Bytes());
}

void SetSafeWriteFaultForTests(std::function<int(std::string_view Step)> Fault) { FaultHook() = std::move(Fault); }
