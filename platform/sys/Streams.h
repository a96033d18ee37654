#pragma once
// Byte streams: TStream with memory, file and string-backed kinds.
// Read/Write answer the count moved; ReadBuffer/WriteBuffer raise when short.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/Exceptions.h"
#include "platform/sys/String.h"

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// Opening or creating a file failed: the message names the file and the
// system's reason. Caught as EInOutError by callers that do not care which.
class EFOpenError : public EInOutError {
 public:
  using EInOutError::EInOutError;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
  virtual std::int64_t Size() const = 0;
  virtual void SetSize(std::int64_t NewSize) = 0;

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }

  void ReadBuffer(void* Buffer, std::int64_t Count);   // EReadError "Stream read error"
  void WriteBuffer(const void* Buffer, std::int64_t Count);  // EWriteError "Stream write error"
  void WriteBytes(std::string_view Bytes) { WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size())); }
  // Everything from the position to the end.
  std::string ReadRest();
  // Copies Count bytes from Source's position (0: all of Source from its start).
  std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};

class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(FData.size()); }
  void SetSize(std::int64_t NewSize) override;

  void* Memory() { return FData.data(); }
  const void* Memory() const { return FData.data(); }
  std::string_view Bytes() const { return {FData.data(), FData.size()}; }
  void Clear();
  void LoadFromStream(TStream& Stream);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream& Stream) const;
  // Through the safe writer: the old file stays whole on failure.
  void SaveToFile(const String& FileName) const;

 protected:
  std::string FData;
  std::int64_t FPosition = 0;
};

// Bytes held as a std::string (DataString).
class TStringStream : public TMemoryStream {
 public:
  TStringStream() = default;
  explicit TStringStream(std::string_view Bytes) { FData.assign(Bytes); }
  const std::string& DataString() const { return FData; }
};

enum : unsigned {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmCreate = 0xFF00,  // create or truncate, then read and write
};

// The size above which project, settings and language files are refused
// unread: no such file of ours comes near it, and reading one that large
// would hold the program for a long time.
constexpr std::int64_t Document_Size_Limit = 16 * 1024 * 1024;

// The whole of a regular file; refuses a file of more than MaxSize bytes
// (when MaxSize >= 0) before reading any of it: EFOpenError naming the
// file and its size.
std::string ReadWholeFile(const String& FileName, std::int64_t MaxSize = -1);

// Only regular files are opened: a folder, a pipe or a device raises
// EFOpenError naming the file (opening never waits for a pipe's writer).
// Writes in place (no temporary file): writers of whole files use the safe
// writer or TMemoryStream::SaveToFile instead.
class TFileStream : public TStream {
 public:
  TFileStream(const String& FileName, unsigned Mode);
  ~TFileStream() override;

  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() const override;
  void SetSize(std::int64_t NewSize) override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
  int FHandle = -1;
};
