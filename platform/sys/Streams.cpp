#include "platform/sys/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysError.h"

// ---- TStream ----

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(u"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError(u"Stream write error");
}

std::string TStream::ReadRest() {
  const std::int64_t n = std::max<std::int64_t>(0, Size() - Position());
  std::string r(static_cast<size_t>(n), '\0');
  ReadBuffer(r.data(), n);
  return r;
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  char buf[64 * 1024];
  std::int64_t left = Count;
  while (left > 0) {
    const std::int64_t n = std::min<std::int64_t>(left, sizeof buf);
    Source.ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    left -= n;
  }
  return Count;
}

// ---- TMemoryStream ----

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t n = std::clamp<std::int64_t>(Size() - FPosition, 0, std::max<std::int64_t>(Count, 0));
  if (n > 0) std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  if (FPosition + Count > Size()) FData.resize(static_cast<size_t>(FPosition + Count));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition += Count;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  const std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
  FPosition = std::max<std::int64_t>(0, base + Offset);
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  FData.resize(static_cast<size_t>(std::max<std::int64_t>(0, NewSize)));
  FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  FData = Stream.ReadRest();
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream f(FileName, fmOpenRead);
  LoadFromStream(f);
}

void TMemoryStream::SaveToStream(TStream& Stream) const { Stream.WriteBytes(FData); }

void TMemoryStream::SaveToFile(const String& FileName) const { SafeWriteFile(FileName, FData); }

// ---- TFileStream ----

namespace {

String SizeRefusal(const String& FileName, std::int64_t Size, std::int64_t MaxSize) {
  const auto mib = [](std::int64_t Bytes) {
    const std::int64_t tenths = (Bytes * 10 + 1024 * 1024 / 2) / (1024 * 1024);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MiB";
  };
  const std::string reason = "The file is too large (" + std::to_string(Size) + " bytes, " + mib(Size) +
                             "; the limit is " + mib(MaxSize) + ")";
  return FileErrorText(u"Cannot open file", FileName, StringView(Utf8ToString(reason)));
}


// Why an open file is refused: a folder, a pipe or a device (a pipe could
// block the program for good and a device never ends); "" for a plain file.
String RefusedKind(int Handle) {
  struct stat st {};
  if (::fstat(Handle, &st) != 0) return SysErrorMessage(errno);
  if (S_ISDIR(st.st_mode)) return SysErrorMessage(EISDIR);
  if (!S_ISREG(st.st_mode)) return u"Not a regular file";
  return String();
}

}  // namespace

std::string ReadWholeFile(const String& FileName, std::int64_t MaxSize) {
  TFileStream f(FileName, fmOpenRead);
  if (MaxSize >= 0 && f.Size() > MaxSize) throw EFOpenError(SizeRefusal(FileName, f.Size(), MaxSize));
  return f.ReadRest();
}

TFileStream::TFileStream(const String& FileName, unsigned Mode) : FFileName(FileName) {
  const std::string path = StringToUtf8(FileName);
  int flags = O_CLOEXEC | O_NONBLOCK;
  if (Mode == fmCreate)
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  else if ((Mode & 3) == fmOpenWrite)
    flags |= O_WRONLY;
  else if ((Mode & 3) == fmOpenReadWrite)
    flags |= O_RDWR;
  const String action = Mode == fmCreate ? u"Cannot create file" : u"Cannot open file";
  FHandle = ::open(path.c_str(), flags, 0666);
  if (FHandle < 0) throw EFOpenError(FileErrorText(action, FileName, errno));
  if (const String refused = RefusedKind(FHandle); !refused.empty()) {
    ::close(FHandle);
    FHandle = -1;
    throw EFOpenError(FileErrorText(action, FileName, StringView(refused)));
  }
  ::fcntl(FHandle, F_SETFL, ::fcntl(FHandle, F_GETFL) & ~O_NONBLOCK);
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  while (done < Count) {
    const ssize_t n = ::read(FHandle, static_cast<char*>(Buffer) + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  while (done < Count) {
    const ssize_t n = ::write(FHandle, static_cast<const char*>(Buffer) + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  return ::lseek(FHandle, Offset, whence);
}

std::int64_t TFileStream::Size() const {
  struct stat st {};
  return ::fstat(FHandle, &st) == 0 ? st.st_size : 0;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (::ftruncate(FHandle, NewSize) != 0)
    throw EWriteError(FileErrorText(u"Cannot resize file", FFileName, errno));
}
