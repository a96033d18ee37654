#include "platform/sys/Registry.h"

#include <cstring>

#include "platform/sys/RegistryStore.h"
#include "platform/sys/SyncObjs.h"

namespace {

StringView RootName(HKEY Root) {
  switch (Root) {
    case HKEY_CLASSES_ROOT: return u"HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return u"HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return u"HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return u"HKEY_USERS";
    case HKEY_CURRENT_CONFIG: return u"HKEY_CURRENT_CONFIG";
    default: return {};
  }
}

String JoinKeys(const regstore::TPath& Parts) {
  String out;
  for (const String& p : Parts) out += (out.empty() ? u"" : u"\\") + p;
  return out;
}

[[noreturn]] void Fail(const char* What, const String& Name) {
  throw ERegistryException(S(What) + u" '" + Name + u"'");
}

}  // namespace

void TRegistry::SetRootKey(HKEY Value) {
  if (RootName(Value).empty()) throw ERegistryException(u"Invalid registry root key");
  CloseKey();
  FRootKey = Value;
}

String TRegistry::FullPath(const String& Key) const {
  const bool absolute = !FKeyOpen || (!Key.empty() && Key.front() == u'\\');
  return String(RootName(FRootKey)) + u"\\" + (absolute ? String() : FCurrentPath + u"\\") + Key;
}

String TRegistry::OpenPath() const { return String(RootName(FRootKey)) + u"\\" + FCurrentPath; }

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
  const String path = FullPath(Key);
  if (!regstore::KeyExists(path)) {
    if (!CanCreate) return false;
    regstore::CreateKey(path);
  }
  regstore::TPath parts = regstore::SplitPath(path);
  parts.erase(parts.begin());
  FCurrentPath = JoinKeys(parts);
  FKeyOpen = true;
  FReadOnly = false;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key) {
  if (!KeyExists(Key)) return false;
  OpenKey(Key, false);
  FReadOnly = true;
  return true;
}

void TRegistry::CloseKey() {
  FCurrentPath.clear();
  FKeyOpen = false;
  FReadOnly = false;
}

bool TRegistry::KeyExists(const String& Key) const { return regstore::KeyExists(FullPath(Key)); }

bool TRegistry::CreateKey(const String& Key) {
  regstore::CreateKey(FullPath(Key));
  return true;
}

bool TRegistry::DeleteKey(const String& Key) { return regstore::DeleteKey(FullPath(Key)); }

bool TRegistry::ValueExists(const String& Name) const {
  return regstore::ReadValue(OpenPath(), Name).has_value();
}

bool TRegistry::DeleteValue(const String& Name) {
  return !FReadOnly && regstore::DeleteValue(OpenPath(), Name);
}

TRegDataType TRegistry::GetDataType(const String& Name) const {
  const auto data = regstore::ReadValue(OpenPath(), Name);
  if (!data) return rdUnknown;
  static constexpr TRegDataType kinds[] = {rdString, rdInteger, rdBinary};
  return kinds[data->index()];
}

int TRegistry::GetDataSize(const String& Name) const {
  const auto data = regstore::ReadValue(OpenPath(), Name);
  if (!data) return -1;
  if (const auto* text = std::get_if<String>(&*data)) return static_cast<int>(text->size() + 1) * 2;
  if (std::holds_alternative<std::int32_t>(*data)) return 4;
  return static_cast<int>(std::get<std::string>(*data).size());
}

String TRegistry::ReadString(const String& Name) const {
  const auto data = regstore::ReadValue(OpenPath(), Name);
  if (!data) return {};
  if (const auto* text = std::get_if<String>(&*data)) return *text;
  Fail("Invalid data type for", Name);
}

int TRegistry::ReadInteger(const String& Name) const {
  const auto data = regstore::ReadValue(OpenPath(), Name);
  if (!data) Fail("Failed to get data for", Name);
  if (const auto* number = std::get_if<std::int32_t>(&*data)) return *number;
  Fail("Invalid data type for", Name);
}

int TRegistry::ReadBinaryData(const String& Name, void* Buffer, int BufSize) const {
  const auto data = regstore::ReadValue(OpenPath(), Name);
  if (!data) Fail("Failed to get data for", Name);
  const auto* bytes = std::get_if<std::string>(&*data);
  if (!bytes) Fail("Invalid data type for", Name);
  if (static_cast<int>(bytes->size()) > BufSize) Fail("Failed to get data for", Name);
  if (!bytes->empty()) std::memcpy(Buffer, bytes->data(), bytes->size());
  return static_cast<int>(bytes->size());
}

void TRegistry::WriteString(const String& Name, const String& Value) { Put(Name, Value); }

void TRegistry::WriteInteger(const String& Name, int Value) { Put(Name, std::int32_t{Value}); }

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, int BufSize) {
  Put(Name, std::string(static_cast<const char*>(Buffer), BufSize > 0 ? static_cast<size_t>(BufSize) : 0));
}

void TRegistry::Put(const String& Name, regstore::TData Data) {
  if (FReadOnly || !regstore::WriteValue(OpenPath(), Name, std::move(Data))) Fail("Failed to set data for", Name);
}

void TRegistry::NotifyChange(TEvent& Event, bool WatchSubtree, unsigned Filter) const {
  if (!regstore::Watch(OpenPath(), WatchSubtree, Filter, Event.Setter())) {
    throw ERegistryException(u"Unable to watch registry key " + OpenPath());
  }
}

void SetRegistryFileForTests(const String& FileName) { regstore::UseFile(FileName); }
