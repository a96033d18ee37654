#include "platform/sys/SafeWrite.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <memory>
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
std::string TempName(const std::string& base, pid_t pid, unsigned long count) {
  constexpr std::size_t Name_Max = 255;
  std::string suffix(1, '.');
  suffix.append(std::to_string(pid)).append(1, '.').append(std::to_string(count)).append(".tmp");
  std::size_t keep = std::min(base.size(), Name_Max - 1 - suffix.size());
  while (keep > 0 && keep < base.size() && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
  // Built by appending: gcc 12 warns falsely on "." + string at -O3.
  std::string name(1, '.');
  return name.append(base, 0, keep).append(suffix);
}

constexpr int Name_Attempts = 100;

// A fresh temporary name beside the target on every call.
std::string NextTempPath(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path t(target);
  return (t.parent_path() / TempName(t.filename().string(), getpid(), counter++)).string();
}

bool AllDigits(std::string_view S) { return !S.empty() && S.find_first_not_of("0123456789") == std::string_view::npos; }

// True when Name is one of the writer's temporaries for the file named
// Base; Pid is then the writer's process.
bool IsTempOf(const std::string& Name, const std::string& Base, pid_t& Pid) {
  constexpr std::string_view Ext = ".tmp";
  if (!Name.ends_with(Ext)) return false;
  const std::string_view stem = std::string_view(Name).substr(0, Name.size() - Ext.size());
  const std::size_t dot2 = stem.rfind('.');
  if (dot2 == std::string_view::npos || dot2 == 0) return false;
  const std::size_t dot1 = stem.rfind('.', dot2 - 1);
  if (dot1 == std::string_view::npos) return false;
  const std::string_view pid = stem.substr(dot1 + 1, dot2 - dot1 - 1), count = stem.substr(dot2 + 1);
  if (!AllDigits(pid) || !AllDigits(count) || pid.size() > 9 || count.size() > 19) return false;
  Pid = static_cast<pid_t>(std::stol(std::string(pid)));
  return Pid > 0 && TempName(Base, Pid, std::stoul(std::string(count))) == Name;
}

bool ProcessIsGone(pid_t Pid) { return ::kill(Pid, 0) != 0 && errno == ESRCH; }

// Temporaries of this target left by writers that were killed: a writer
// that still runs (or a name of another pattern) is left alone.
void RemoveStaleTemps(const std::string& target) {
  const std::filesystem::path t(target);
  const std::string base = t.filename().string();
  const std::filesystem::path dir = t.parent_path().empty() ? std::filesystem::path(".") : t.parent_path();
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    pid_t pid = 0;
    if (!IsTempOf(name, base, pid)) continue;
    std::error_code kindEc;
    if (pid != getpid() && it->is_regular_file(kindEc) && !it->is_symlink(kindEc) && ProcessIsGone(pid))
      ::unlink(it->path().c_str());
  }
}

class TempFile {
 public:
  explicit TempFile(const std::string& target) {
    for (int attempt = 0; attempt < Name_Attempts && fd_ < 0; ++attempt) {
      path_ = NextTempPath(target);
      if (Injected("create")) return;
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) return;
    }
    created_ = fd_ >= 0;
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    // A name that was taken belongs to someone else: only our own file goes.
    if (created_ && !kept_) ::unlink(path_.c_str());
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
  const std::string& Path() const { return path_; }
  // The file is no longer this object's to remove.
  void Release() { kept_ = true; }
  bool RenameOver(const std::string& target) {
    if (Injected("rename") || ::rename(path_.c_str(), target.c_str()) != 0) return false;
    kept_ = true;
    return true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool created_ = false;
  bool kept_ = false;
};

void SyncFolder(const std::string& target) {
  const std::string dir = std::filesystem::path(target).parent_path().string();
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Copies the whole of the file From into the new file To, flushed to disk.
bool CopyFileTo(const std::string& From, TempFile& To) {
  const int in = ::open(From.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (in < 0) return false;
  std::string bytes;
  char buf[64 * 1024];
  ssize_t n = 0;
  while ((n = ::read(in, buf, sizeof buf)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  const int err = errno;
  ::close(in);
  if (n < 0) {
    errno = err;
    return false;
  }
  To.CopyMode(From);
  return To.WriteAll(bytes) && To.SyncAndClose();
}

// Links refused by the file system (FAT, exFAT, some network shares), as
// opposed to a name that is taken or a file that is not there.
bool LinksRefused(int err) { return err == EPERM || err == ENOSYS || err == EOPNOTSUPP || err == EXDEV || err == EMLINK; }

// The old target under a temporary name while its replacement may still
// have to be undone: a second link to it, or a copy where the file system
// has no links.
class Backup {
 public:
  explicit Backup(const std::string& target) : target_(target) {
    for (int attempt = 0; attempt < Name_Attempts && state_ == Failed; ++attempt) {
      path_ = NextTempPath(target);
      if (Injected("backup")) return;
      if (!Injected("link") && ::link(target.c_str(), path_.c_str()) == 0) {
        state_ = Linked;
      } else if (errno == ENOENT) {
        state_ = NoOldFile;
      } else if (LinksRefused(errno)) {
        Copy();
        return;
      } else if (errno != EEXIST) {
        return;
      }
    }
  }
  ~Backup() {
    if (state_ == Linked) ::unlink(path_.c_str());
  }
  bool Ok() const { return state_ != Failed; }
  // Where the old file is, once putting it back has failed.
  String KeptAs() const { return state_ == Kept ? Utf8ToString(path_) : String(); }
  // Puts the old file back, or removes the new one when there was none.
  // On failure the backup stays where it is, so nothing more is lost.
  bool Restore() {
    if (state_ == NoOldFile) return ::unlink(target_.c_str()) == 0;
    const bool done = !Injected("restore") && ::rename(path_.c_str(), target_.c_str()) == 0;
    state_ = done ? Restored : Kept;
    return done;
  }

 private:
  void Copy() {
    copy_ = std::make_unique<TempFile>(target_);
    if (!copy_->Open()) return;
    if (!CopyFileTo(target_, *copy_)) {
      if (errno == ENOENT) state_ = NoOldFile;
      return;
    }
    path_ = copy_->Path();
    copy_->Release();
    state_ = Linked;
  }

  enum State { Failed, Linked, NoOldFile, Restored, Kept };
  std::unique_ptr<TempFile> copy_;
  std::string target_;
  std::string path_;
  State state_ = Failed;
};

[[noreturn]] void FailWrite(const String& FileName, int Err) {
  throw EInOutError(FileErrorText(u"Cannot write file", FileName, Err));
}

// The path to replace; raises for a target that must not be replaced.
std::string WritableTarget(const String& FileName) {
  const std::string target = ResolveTarget(StringToUtf8(FileName));
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) FailWrite(FileName, EISDIR);
    // Renaming over a device or a pipe would put a plain file in its place.
    if (!S_ISREG(st.st_mode))
      throw EInOutError(FileErrorText(u"Cannot write file", FileName, StringView(u"Not a regular file")));
  }
  return target;
}

// The temporary holds all of Bytes on disk, closed, ready to be renamed.
void FillTemp(TempFile& Tmp, const std::string& Target, std::string_view Bytes, const String& FileName) {
  if (!Tmp.Open()) FailWrite(FileName, errno);
  Tmp.CopyMode(Target);
  if (!Tmp.WriteAll(Bytes) || !Tmp.SyncAndClose()) FailWrite(FileName, errno);
}

}  // namespace

void SafeWriteFile(const String& FileName, std::string_view Bytes) {
  const std::string target = WritableTarget(FileName);
  RemoveStaleTemps(target);
  TempFile tmp(target);
  FillTemp(tmp, target, Bytes, FileName);
  if (!tmp.RenameOver(target)) FailWrite(FileName, errno);
  SyncFolder(target);
}

void SafeWriteFilePair(const String& FirstName, std::string_view FirstBytes, const String& SecondName,
                       std::string_view SecondBytes) {
  const std::string first = WritableTarget(FirstName), second = WritableTarget(SecondName);
  RemoveStaleTemps(first);
  RemoveStaleTemps(second);
  TempFile tmp1(first);
  FillTemp(tmp1, first, FirstBytes, FirstName);
  TempFile tmp2(second);
  FillTemp(tmp2, second, SecondBytes, SecondName);
  Backup old(first);
  if (!old.Ok()) FailWrite(FirstName, errno);
  if (!tmp1.RenameOver(first)) FailWrite(FirstName, errno);
  if (!tmp2.RenameOver(second)) {
    const int err = errno;
    if (old.Restore()) FailWrite(SecondName, err);
    String text = FileErrorText(u"Cannot write file", SecondName, err) + u". \"" + FirstName + u"\" could not be put back";
    if (!old.KeptAs().empty()) text += u"; its old content is in \"" + old.KeptAs() + u"\"";
    throw EInOutError(text);
  }
  SyncFolder(first);
  SyncFolder(second);
}

void SafeWriteStream(const String& FileName, const std::function<void(TStream& Out)>& Writer) {
  TMemoryStream buffer;
  Writer(buffer);
  SafeWriteFile(FileName, buffer.Bytes());
}

void SetSafeWriteFaultForTests(std::function<int(std::string_view Step)> Fault) { FaultHook() = std::move(Fault); }
