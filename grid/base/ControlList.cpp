#include "grid/base/ControlList.h"

#include "platform/sys/Exceptions.h"

void TControlList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

TControlItem* TControlList::Control(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].get();
}

void TControlList::AddControl(int X, int Y, TControl* AObject) {
  FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[static_cast<size_t>(i)]->X() == X && FItems[static_cast<size_t>(i)]->Y() == Y) return i;
  }
  return -1;
}

void TControlList::RemoveControl(int Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
}

bool TControlList::HasHandle(HWND Handle) const {
  for (const auto& item : FItems) {
    auto* win = dynamic_cast<TWinControl*>(item->Control());
    if (win && win->HandleAllocated() && win->Handle() == Handle) return true;
  }
  return false;
}
