#include "platform/sys/RegistryTree.h"

#include <algorithm>
#include <optional>

#include "platform/sys/SysUtils.h"

namespace regstore {

namespace {

constexpr std::string_view Format_Line = "GX registry store 1";

template <class T>
T* FindNamed(std::vector<T>& Items, StringView Name) {
  auto it = std::find_if(Items.begin(), Items.end(), [&](const T& i) { return AnsiSameText(i.Name, Name); });
  return it == Items.end() ? nullptr : &*it;
}

bool Escaped(Char C) { return C < 0x20 || C == 0x7F || (C >= 0xD800 && C <= 0xDFFF); }

void AppendHex(std::string& Out, unsigned Value, int Digits) {
  static constexpr char digits[] = "0123456789abcdef";
  for (int shift = (Digits - 1) * 4; shift >= 0; shift -= 4) Out += digits[(Value >> shift) & 0xF];
}

std::string Quote(StringView Text) {
  std::string out = "\"";
  size_t plain = 0;
  auto flush = [&](size_t end) { out += StringToUtf8(Text.substr(plain, end - plain)); };
  for (size_t i = 0; i < Text.size(); ++i) {
    const Char c = Text[i];
    if (!Escaped(c) && c != u'"' && c != u'\\') continue;
    flush(i);
    plain = i + 1;
    if (Escaped(c)) {
      out += "\\u";
      AppendHex(out, c, 4);
    } else {
      out += '\\';
      out += static_cast<char>(c);
    }
  }
  flush(Text.size());
  return out + "\"";
}

std::optional<unsigned> HexDigits(std::string_view Digits) {
  unsigned value = 0;
  for (char d : Digits) {
    const int v = d >= '0' && d <= '9' ? d - '0' : d >= 'a' && d <= 'f' ? d - 'a' + 10 : -1;
    if (v < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(v);
  }
  return value;
}

// Reads a quoted text at the start of Line and cuts it off.
std::optional<String> Unquote(std::string_view& Line) {
  if (Line.empty() || Line.front() != '"') return std::nullopt;
  String text;
  std::string plain;
  auto flush = [&]() -> bool {
    if (FindInvalidUtf8(plain) != std::string::npos) return false;
    text += Utf8ToString(plain);
    plain.clear();
    return true;
  };
  for (size_t i = 1; i < Line.size(); ++i) {
    const char c = Line[i];
    if (c == '"') {
      if (!flush()) return std::nullopt;
      Line.remove_prefix(i + 1);
      return text;
    }
    if (c != '\\') {
      plain += c;
      continue;
    }
    if (!flush() || ++i >= Line.size()) return std::nullopt;
    if (Line[i] == '"' || Line[i] == '\\') {
      text += static_cast<Char>(Line[i]);
    } else if (auto unit = Line[i] == 'u' ? HexDigits(Line.substr(i + 1, 4)) : std::nullopt;
               unit && i + 4 < Line.size()) {
      text += static_cast<Char>(*unit);
      i += 4;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string FormatData(const TData& Data) {
  if (const auto* text = std::get_if<String>(&Data)) return Quote(*text);
  if (const auto* number = std::get_if<std::int32_t>(&Data)) return "dword:" + std::to_string(*number);
  std::string out = "hex:";
  for (unsigned char b : std::get<std::string>(Data)) AppendHex(out, b, 2);
  return out;
}

std::optional<TData> ParseData(std::string_view Text) {
  if (Text.starts_with('"')) {
    auto text = Unquote(Text);
    if (!text || !Text.empty()) return std::nullopt;
    return TData(*text);
  }
  if (Text.starts_with("dword:")) {
    int value = 0;
    if (!TryStrToInt(Utf8ToString(Text.substr(6)), value)) return std::nullopt;
    return TData(std::int32_t{value});
  }
  if (!Text.starts_with("hex:") || Text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 4; i < Text.size(); i += 2) {
    const auto b = HexDigits(Text.substr(i, 2));
    if (!b) return std::nullopt;
    bytes += static_cast<char>(*b);
  }
  return TData(std::move(bytes));
}

void FormatKey(const TKey& Key, const String& Path, std::string& Out) {
  Out += "[" + Quote(Path) + "]\n";
  for (const TValue& v : Key.Values) Out += Quote(v.Name) + "=" + FormatData(v.Data) + "\n";
  for (const TKey& k : Key.Keys) FormatKey(k, Path + u"\\" + k.Name, Out);
}

// One line into the tree; Current is the key of the last key line.
bool ParseLine(std::string_view Line, TKey& Root, TKey*& Current) {
  if (Line.starts_with('[')) {
    Line.remove_prefix(1);
    const auto path = Unquote(Line);
    if (!path || Line != "]") return false;
    const TPath parts = SplitPath(*path);
    size_t existing = 0;
    Current = parts.empty() ? nullptr : &MakeKey(Root, parts, existing);
    return Current != nullptr;
  }
  const auto name = Unquote(Line);
  if (!name || !Current || !Line.starts_with('=')) return false;
  auto data = ParseData(Line.substr(1));
  if (!data) return false;
  if (TValue* v = Current->Value(*name)) {
    v->Data = std::move(*data);
  } else {
    Current->Values.push_back({*name, std::move(*data)});
  }
  return true;
}

}  // namespace

TKey* TKey::Child(StringView Name) { return FindNamed(Keys, Name); }

TValue* TKey::Value(StringView Name) { return FindNamed(Values, Name); }

TPath SplitPath(StringView Path) {
  TPath parts;
  while (!Path.empty()) {
    const size_t cut = std::min(Path.find(u'\\'), Path.size());
    if (cut > 0) parts.emplace_back(Path.substr(0, cut));
    Path.remove_prefix(std::min(cut + 1, Path.size()));
  }
  return parts;
}

TKey* FindKey(TKey& Root, const TPath& Path) {
  TKey* key = &Root;
  for (const String& part : Path) {
    key = key->Child(part);
    if (!key) return nullptr;
  }
  return key;
}

TKey& MakeKey(TKey& Root, const TPath& Path, size_t& Existing) {
  TKey* key = &Root;
  Existing = 0;
  for (const String& part : Path) {
    if (TKey* child = key->Child(part)) {
      key = child;
      ++Existing;
      continue;
    }
    key->Keys.push_back({part, {}, {}});
    key = &key->Keys.back();
  }
  return *key;
}

std::string FormatStore(const TKey& Root) {
  std::string out(Format_Line);
  out += '\n';
  for (const TKey& k : Root.Keys) FormatKey(k, k.Name, out);
  return out;
}

bool ParseStore(std::string_view Text, TKey& Root) {
  Root = TKey{};
  TKey* current = nullptr;
  bool first = true;
  while (!Text.empty()) {
    const size_t end = std::min(Text.find('\n'), Text.size());
    std::string_view line = Text.substr(0, end);
    Text.remove_prefix(std::min(end + 1, Text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool ok = first ? line == Format_Line : line.empty() || ParseLine(line, Root, current);
    first = false;
    if (!ok) {
      Root = TKey{};
      return false;
    }
  }
  return !first;
}

}  // namespace regstore
