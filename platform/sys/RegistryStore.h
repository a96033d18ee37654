#pragma once
// The process's one registry store: the tree in memory, read from its file
// on first use and written back after every change, and the change
// notifications waiting on it. Every call is atomic against the others, on
// any thread. Paths are full ("HKEY_CURRENT_USER\Software\...").
#include <functional>
#include <optional>

#include "platform/sys/RegistryTree.h"

namespace regstore {

bool KeyExists(StringView Path);
void CreateKey(StringView Path);
// Deletes the key and everything below; false when it is missing.
bool DeleteKey(StringView Path);
std::optional<TData> ReadValue(StringView Path, StringView Name);
// False when the key is missing.
bool WriteValue(StringView Path, StringView Name, TData Data);
bool DeleteValue(StringView Path, StringView Name);
// Signal is called once, at the next matching change; false when the key is missing.
bool Watch(StringView Path, bool Subtree, unsigned Filter, std::function<void()> Signal);

void UseFile(const String& FileName);

}  // namespace regstore
