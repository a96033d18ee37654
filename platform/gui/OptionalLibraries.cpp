#include "platform/gui/OptionalLibraries.h"

#include <utility>

namespace {

TOptionalLibrary* Table[] = {nullptr, nullptr};

}  // namespace

TOptionalLibrary* FindOptionalLibrary(TOptionalLibraryKind Kind) { return Table[Kind]; }

TVisualStyleLibrary* FindVisualStyleLibrary() {
  return dynamic_cast<TVisualStyleLibrary*>(FindOptionalLibrary(olVisualStyles));
}

TFlatScrollBarLibrary* FindFlatScrollBarLibrary() {
  return dynamic_cast<TFlatScrollBarLibrary*>(FindOptionalLibrary(olFlatScrollBars));
}

namespace platform {
TOptionalLibrary* InstallOptionalLibrary(TOptionalLibraryKind Kind, TOptionalLibrary* Library) {
  return std::exchange(Table[Kind], Library);
}
}  // namespace platform
