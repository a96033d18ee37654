#include "platform/sys/RegistryStore.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Files.h"
#include "platform/sys/Registry.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"

namespace regstore {

namespace {

struct TWatch {
  TPath Path;
  bool Subtree;
  unsigned Filter;
  std::function<void()> Signal;
};

// What an edit changed: Kind happened at Path; Gone when Path and all
// below it were deleted.
struct TChange {
  TPath Path;
  unsigned Kind = 0;
  bool Gone = false;
};

struct TStore {
  std::mutex Lock;
  String FileName;
  bool Loaded = false;
  bool Damaged = false;
  TKey Root;
  std::vector<TWatch> Watches;
};

TStore& Store() {
  static TStore store;
  return store;
}

String UserStoreFile() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const String config = xdg && *xdg == '/' ? S(xdg)
                        : home && *home  ? Join(S(home), u".config")
                                         : GetTempDir();
  return Join(config, u"gx-platform", u"registry");
}

void Load(TStore& Store) {
  Store.Loaded = true;
  Store.Damaged = false;
  Store.Root = TKey{};
  if (Store.FileName.empty()) Store.FileName = UserStoreFile();
  if (!FileExists(Store.FileName)) return;
  bool read = false;
  try {
    TFileStream file(Store.FileName, fmOpenRead);
    read = ParseStore(file.ReadRest(), Store.Root);
  } catch (const Exception&) {
  }
  if (read) return;
  Store.Damaged = true;
  std::cerr << "Registry store " << StringToUtf8(Store.FileName)
            << " cannot be read; it reads as empty and is kept as .bad before the next write\n";
}

void KeepDamaged(const String& FileName) {
  if (FileExists(FileName) && KeepAside(FileName).empty())
    throw EInOutError(u"Cannot keep the damaged registry store " + FileName + u" aside");
}

void Save(TStore& Store, const TKey& Root) {
  if (Store.Damaged) {
    KeepDamaged(Store.FileName);
    Store.Damaged = false;
  }
  ForceDirectories(ExtractFileDir(Store.FileName));
  SafeWriteFile(Store.FileName, FormatStore(Root));
}

bool Below(const TPath& Path, const TPath& Top) {
  return Path.size() >= Top.size() &&
         std::equal(Top.begin(), Top.end(), Path.begin(), [](const String& a, const String& b) {
           return AnsiSameText(a, b);
         });
}

bool Matches(const TWatch& W, const TChange& C) {
  if (C.Gone && Below(W.Path, C.Path)) return true;
  if ((W.Filter & C.Kind) == 0 || !Below(C.Path, W.Path)) return false;
  return W.Subtree || C.Path.size() == W.Path.size();
}

void Notify(TStore& Store, const TChange& Change) {
  std::erase_if(Store.Watches, [&](const TWatch& w) {
    if (!Matches(w, Change)) return false;
    w.Signal();
    return true;
  });
}

TStore& Loaded(std::unique_lock<std::mutex>& Hold) {
  TStore& store = Store();
  Hold = std::unique_lock<std::mutex>(store.Lock);
  if (!store.Loaded) Load(store);
  return store;
}

// Edit works on a copy, which replaces the tree only once it is on disk.
// It answers false when it cannot be done and leaves Change.Kind 0 when
// nothing changed.
template <class Edit>
bool Change(Edit&& EditTree) {
  std::unique_lock<std::mutex> hold;
  TStore& store = Loaded(hold);
  TKey copy = store.Root;
  TChange change;
  if (!EditTree(copy, change)) return false;
  if (change.Kind == 0) return true;
  Save(store, copy);
  store.Root = std::move(copy);
  Notify(store, change);
  return true;
}

template <class Read>
auto Inspect(Read&& ReadTree) {
  std::unique_lock<std::mutex> hold;
  return ReadTree(Loaded(hold).Root);
}

}  // namespace

bool KeyExists(StringView Path) {
  return Inspect([&](TKey& root) { return FindKey(root, SplitPath(Path)) != nullptr; });
}

void CreateKey(StringView Path) {
  Change([&](TKey& root, TChange& change) {
    const TPath path = SplitPath(Path);
    size_t existing = 0;
    MakeKey(root, path, existing);
    if (existing < path.size()) change = {TPath(path.begin(), path.begin() + existing), REG_NOTIFY_CHANGE_NAME};
    return true;
  });
}

bool DeleteKey(StringView Path) {
  return Change([&](TKey& root, TChange& change) {
    const TPath path = SplitPath(Path);
    TKey* parent = path.empty() ? nullptr : FindKey(root, TPath(path.begin(), path.end() - 1));
    if (!parent || !parent->Child(path.back())) return false;
    std::erase_if(parent->Keys, [&](const TKey& k) { return AnsiSameText(k.Name, path.back()); });
    change = {path, REG_NOTIFY_CHANGE_NAME, true};
    return true;
  });
}

std::optional<TData> ReadValue(StringView Path, StringView Name) {
  return Inspect([&](TKey& root) -> std::optional<TData> {
    TKey* key = FindKey(root, SplitPath(Path));
    TValue* value = key ? key->Value(Name) : nullptr;
    if (!value) return std::nullopt;
    return value->Data;
  });
}

bool WriteValue(StringView Path, StringView Name, TData Data) {
  return Change([&](TKey& root, TChange& change) {
    const TPath path = SplitPath(Path);
    TKey* key = FindKey(root, path);
    if (!key) return false;
    if (TValue* value = key->Value(Name)) {
      value->Data = std::move(Data);
    } else {
      key->Values.push_back({String(Name), std::move(Data)});
    }
    change = {path, REG_NOTIFY_CHANGE_LAST_SET};
    return true;
  });
}

bool DeleteValue(StringView Path, StringView Name) {
  return Change([&](TKey& root, TChange& change) {
    const TPath path = SplitPath(Path);
    TKey* key = FindKey(root, path);
    if (!key || !key->Value(Name)) return false;
    std::erase_if(key->Values, [&](const TValue& v) { return AnsiSameText(v.Name, Name); });
    change = {path, REG_NOTIFY_CHANGE_LAST_SET};
    return true;
  });
}

bool Watch(StringView Path, bool Subtree, unsigned Filter, std::function<void()> Signal) {
  std::unique_lock<std::mutex> hold;
  TStore& store = Loaded(hold);
  TPath path = SplitPath(Path);
  if (!FindKey(store.Root, path)) return false;
  store.Watches.push_back({std::move(path), Subtree, Filter ? Filter : ~0u, std::move(Signal)});
  return true;
}

void UseFile(const String& FileName) {
  TStore& store = Store();
  std::lock_guard<std::mutex> hold(store.Lock);
  store.FileName = FileName;
  store.Loaded = false;
  store.Watches.clear();
}

}  // namespace regstore
