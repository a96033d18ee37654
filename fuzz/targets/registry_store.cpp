// The registry store's file text: what parses writes back to a text that
// parses to the same tree.
#include "fuzz/FuzzSupport.h"
#include "platform/sys/RegistryTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  regstore::TKey root;
  if (!regstore::ParseStore(fuzz::Bytes(Data, Size), root)) return 0;
  const std::string text = regstore::FormatStore(root);
  regstore::TKey again;
  fuzz::Check(regstore::ParseStore(text, again), "a written store does not parse");
  fuzz::Check(regstore::FormatStore(again) == text, "a store changed on rewriting");
  return 0;
}
