#include "tests/app/WindowWalker.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/button/LbButton.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"

namespace testsupport {
namespace {
// The height of a list entry area the walk clicks in turn.
constexpr int Entry_Step = 15;

template <class... T>
bool IsOneOf(TControl& C) {
  return ((dynamic_cast<T*>(&C) != nullptr) || ...);
}
}  // namespace

void WindowWalker::Walk(TWinControl& Root, const std::set<String>& Skip) {
  FSkip = Skip;
  Children(Root);
}

void WindowWalker::Children(TWinControl& Parent) {
  // Clicks may show, hide and move controls: the list is taken first, each is checked when its turn comes.
  std::vector<TControl*> Controls;
  for (int i = 0; i < Parent.ControlCount(); ++i) Controls.push_back(Parent.Controls(i));
  for (TControl* C : Controls) Visit(*C);
}

void WindowWalker::Visit(TControl& C) {
  if (!C.Showing() || !C.Enabled() || FSkip.count(C.Name())) return;
  if (auto* Pages = dynamic_cast<TPageControl*>(&C)) return Tabs(*Pages);
  if (auto* List = dynamic_cast<TListBox*>(&C)) return Entries(*List);
  if (auto* Combo = dynamic_cast<TComboBox*>(&C)) return Choose(*Combo, Combo->Items().Count() - 1);
  if (IsOneOf<TCheckBox, TCustomEdit, TButton, TLbButton>(C)) Click(C, Point(C.Width() / 2, C.Height() / 2));
  if (auto* Parent = dynamic_cast<TWinControl*>(&C)) Children(*Parent);
}

void WindowWalker::Entries(TListBox& List) {
  for (int y = Entry_Step / 2; y < List.Height() - 2; y += Entry_Step) Click(List, Point(List.Width() / 2, y));
}

void WindowWalker::Choose(TComboBox& Combo, int Index) {
  // The arrow opens the pop-up of either kind of drop-down.
  Click(Combo, Point(Combo.Width() - 8, Combo.Height() / 2));
  TRect Popup;
  if (!FInput.PopupRect(Popup)) {
    ADD_FAILURE() << "no pop-up list opened for " << StringToUtf8(Combo.Name());
    return;
  }
  const int Count = std::max(1, Combo.Items().Count());
  const int Row = Popup.Height() / Count;
  FInput.ClickAt(Point((Popup.Left + Popup.Right) / 2, Popup.Top + Row * Index + Row / 2));
  ++FClicks;
  if (FInput.PopupRect(Popup)) ADD_FAILURE() << "the pop-up of " << StringToUtf8(Combo.Name()) << " stayed open";
}

void WindowWalker::Tabs(TPageControl& Pages) {
  for (int i = 0; i < Pages.PageCount(); ++i) {
    const TRect Tab = Pages.TabRect(i);
    if (Tab.Width() <= 0) continue;
    Click(Pages, Point((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2));
    if (TTabSheet* Page = Pages.ActivePage()) Children(*Page);
  }
}

void WindowWalker::Click(TControl& Control, TPoint At) {
  // A window larger than the screen is scrolled to the control first, as a user would.
  if (!FInput.ScrollIntoView(Control, At)) ADD_FAILURE() << StringToUtf8(Control.Name()) << " cannot be reached";
  FInput.Click(Control, At);
  ++FClicks;
}

}  // namespace testsupport
