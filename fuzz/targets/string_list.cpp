// String-list comma and delimited text, read, written and read again.
// First byte: delimiter, quote character and strictness.
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Strings.h"

namespace {

std::vector<String> Items(const TStrings& List) {
  std::vector<String> items;
  for (int i = 0; i < List.Count(); ++i) items.push_back(List.Strings(i));
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const String text = fuzz::Text(fuzz::Bytes(Data + 1, Size - 1));
  TStringList comma, again;
  comma.SetCommaText(text);
  again.SetCommaText(comma.CommaText());
  fuzz::Check(Items(again) == Items(comma), "comma text does not read back");

  static constexpr Char delimiters[] = {u',', u';', u'|'};
  static constexpr Char quotes[] = {u'"', u'\''};
  TStringList delimited;
  delimited.SetDelimiter(delimiters[Data[0] % 3]);
  delimited.SetQuoteChar(quotes[(Data[0] / 3) % 2]);
  delimited.SetStrictDelimiter(Data[0] & 0x80);
  delimited.SetDelimitedText(text);
  again.Clear();
  again.Assign(delimited);
  again.SetDelimitedText(delimited.DelimitedText());
  fuzz::Check(Items(again) == Items(delimited), "delimited text does not read back");
  return 0;
}
