#include "platform/sys/ClassRegistry.h"

#include <mutex>
#include <set>

namespace {

struct Registry {
  std::mutex Lock;
  std::set<String> Names;
};

Registry& Classes() {
  static Registry r;
  return r;
}

}  // namespace

void RegisterClass(const String& ClassName) {
  std::lock_guard guard(Classes().Lock);
  Classes().Names.insert(ClassName);
}

void UnRegisterClass(const String& ClassName) {
  std::lock_guard guard(Classes().Lock);
  Classes().Names.erase(ClassName);
}

bool IsClassRegistered(const String& ClassName) {
  std::lock_guard guard(Classes().Lock);
  return Classes().Names.count(ClassName) != 0;
}
