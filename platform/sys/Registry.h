#pragma once
// The registry stand-in: keys under fixed root keys, each holding named
// values (strings, 32-bit integers, binary data). It never touches a system
// registry: the whole tree lives in one file in the user's configuration
// folder, written through the safe writer after every change. Writers in one
// program take turns; a store file that cannot be read reads as empty (one
// line on standard error) and is kept beside itself with the suffix ".bad"
// before the next write. Names of keys and values ignore case.
#include <cstdint>

#include "platform/sys/Exceptions.h"
#include "platform/sys/RegistryTree.h"
#include "platform/sys/String.h"

class TEvent;

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

// Change kinds a notification watches.
enum : unsigned {
  REG_NOTIFY_CHANGE_NAME = 0x1,        // a subkey added or deleted
  REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2,  // never reported by the stand-in
  REG_NOTIFY_CHANGE_LAST_SET = 0x4,    // a value set or deleted
  REG_NOTIFY_CHANGE_SECURITY = 0x8,    // never reported by the stand-in
};

enum TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class TRegistry {
 public:
  TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key. A root other than the constants above raises.
  void SetRootKey(HKEY Value);
  // The open key's path below the root ("" for the root itself).
  const String& CurrentPath() const { return FCurrentPath; }

  // Key is relative to the open key unless it starts with '\'. Answers false
  // when the key is missing and may not be created.
  bool OpenKey(const String& Key, bool CanCreate);
  // Writes through a key opened read-only raise.
  bool OpenKeyReadOnly(const String& Key);
  void CloseKey();
  bool KeyExists(const String& Key) const;
  bool CreateKey(const String& Key);
  // Deletes the key with everything below it; false when it is missing.
  bool DeleteKey(const String& Key);

  // Values of the open key (of the root when none is open).
  bool ValueExists(const String& Name) const;
  bool DeleteValue(const String& Name);
  TRegDataType GetDataType(const String& Name) const;  // rdUnknown when missing
  int GetDataSize(const String& Name) const;           // in bytes; -1 when missing

  // A missing string reads as ""; a value of another kind raises.
  String ReadString(const String& Name) const;
  // A missing value or one of another kind raises.
  int ReadInteger(const String& Name) const;
  bool ReadBool(const String& Name) const { return ReadInteger(Name) != 0; }
  // Copies the data and answers its size; raises when missing, of another
  // kind or larger than BufSize.
  int ReadBinaryData(const String& Name, void* Buffer, int BufSize) const;

  void WriteString(const String& Name, const String& Value);
  void WriteInteger(const String& Name, int Value);
  void WriteBool(const String& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  void WriteBinaryData(const String& Name, const void* Buffer, int BufSize);

  // One-shot: Event is set at the next change of the open key (or of a key
  // below it when WatchSubtree) of a kind in Filter (0: every kind). Ask
  // again after each change. Raises when the open key no longer exists.
  void NotifyChange(TEvent& Event, bool WatchSubtree, unsigned Filter) const;

 private:
  String FullPath(const String& Key) const;
  String OpenPath() const;
  void Put(const String& Name, regstore::TData Data);

  HKEY FRootKey = HKEY_CURRENT_USER;
  String FCurrentPath;
  bool FKeyOpen = false;
  bool FReadOnly = false;
};

// Tests keep the store in a file of their own; the store is read afresh
// from it on next use (as by a new run of the program). An empty name
// restores the user's store.
void SetRegistryFileForTests(const String& FileName);
