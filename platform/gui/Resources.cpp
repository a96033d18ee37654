#include "platform/gui/Resources.h"

#include <map>
#include <mutex>

#include "platform/sys/SysUtils.h"

namespace platform {
namespace {

struct ResourceTable {
  std::mutex Lock;
  std::map<String, std::string_view> Items;  // key: ASCII upper-case name
};

ResourceTable& Table() {
  static ResourceTable T;
  return T;
}

}  // namespace

std::string_view FindResource(StringView Name) {
  auto& T = Table();
  std::lock_guard Guard(T.Lock);
  auto It = T.Items.find(UpperCase(Name));
  return It == T.Items.end() ? std::string_view{} : It->second;
}

void RegisterResource(StringView Name, std::string_view Bytes) {
  auto& T = Table();
  std::lock_guard Guard(T.Lock);
  T.Items[UpperCase(Name)] = Bytes;
}

}  // namespace platform
