#pragma once
// The registry stand-in's tree and its text form in the store file: a first
// line naming the format, then per key a line ["ROOT\\Path"] followed by its
// values, one a line: "Name"="text", "Name"=dword:-5 or "Name"=hex:00ff.
// Names and texts are quoted with \\, \" and \uXXXX (controls and every
// UTF-16 surrogate unit), so any UTF-16 text comes back unit for unit.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/sys/String.h"

namespace regstore {

// A string, an integer or binary bytes.
using TData = std::variant<String, std::int32_t, std::string>;

struct TValue {
  String Name;
  TData Data;
};

struct TKey {
  String Name;
  std::vector<TValue> Values;
  std::vector<TKey> Keys;

  TKey* Child(StringView Name);
  TValue* Value(StringView Name);
};

using TPath = std::vector<String>;

// Splits at '\'; empty parts are dropped.
TPath SplitPath(StringView Path);
// The key at Path below Root, or nullptr.
TKey* FindKey(TKey& Root, const TPath& Path);
// Creates what is missing of Path; Existing gets how many parts were there.
TKey& MakeKey(TKey& Root, const TPath& Path, size_t& Existing);

std::string FormatStore(const TKey& Root);
// False (Root left empty) when the text is not a well-formed store.
bool ParseStore(std::string_view Text, TKey& Root);

}  // namespace regstore
