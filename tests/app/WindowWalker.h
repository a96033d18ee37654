#pragma once
// Clicks every control of a window once through the window system's input
// path: each list entry area, each drop-down opened and an item chosen in
// its pop-up, each tab with the controls of its page, each check box, edit
// and button, except the named ones (those that end the window). A control
// out of view is scrolled into it first by the window's scroll bars.
#include <set>

#include "platform/gui/Controls.h"
#include "tests/support/SystemInputDriver.h"

class TComboBox;
class TListBox;
class TPageControl;

namespace testsupport {

class WindowWalker {
 public:
  explicit WindowWalker(SystemInputDriver& Input) : FInput(Input) {}
  void Walk(TWinControl& Root, const std::set<String>& Skip);
  // Opens the drop-down and clicks the entry Index of its pop-up.
  void Choose(TComboBox& Combo, int Index);
  int Clicks() const { return FClicks; }

 private:
  void Visit(TControl& Control);
  void Children(TWinControl& Parent);
  void Entries(TListBox& List);
  void Tabs(TPageControl& Pages);
  void Click(TControl& Control, TPoint At);

  SystemInputDriver& FInput;
  std::set<String> FSkip;
  int FClicks = 0;
};

}  // namespace testsupport
