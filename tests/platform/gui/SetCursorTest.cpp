// WM_SETCURSOR on every move of the real pointer: the window under it, the
// hit-test code and the move; the parent decides first.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct CursorForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPanel* Panel = new TPanel(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;
  bool ParentClaims = false;

  CursorForm() {
    Form->SetBounds(40, 40, 300, 200);
    Panel->SetParent(Form.get());
    Panel->SetBounds(20, 20, 120, 80);
    Log.reserve(64);
    Watch(*Form, "form", [this] { return ParentClaims; });
    Watch(*Panel, "panel", [] { return false; });
    Form->Show();
    Input.Pump();
  }
  void Watch(TControl& c, std::string name, std::function<bool()> claim) {
    c.WindowProc = [this, &c, name, claim, old = c.WindowProc](TMessage& m) {
      if (m.Msg == WM_MOUSEMOVE) Log.push_back(name + " move");
      if (m.Msg != WM_SETCURSOR) return old(m);
      const bool self = m.WParam == static_cast<TWinControl&>(c).Handle();
      Log.push_back(name + " setcursor " + std::to_string(LoWord(static_cast<WPARAM>(m.LParam))) + " " +
                    std::to_string(HiWord(static_cast<WPARAM>(m.LParam)) == WM_MOUSEMOVE) + (self ? " self" : ""));
      if (claim()) m.Result = 1;
      else old(m);
    };
  }
};

TEST(SetCursor, EachMoveAsksTheWindowUnderThePointerAndItsParents) {
  CursorForm f;
  f.Input.MouseMove(*f.Panel, Point(30, 30));
  ASSERT_GE(f.Log.size(), 3u);
  const std::vector<std::string> last(f.Log.end() - 3, f.Log.end());
  EXPECT_EQ(last, (std::vector<std::string>{"panel setcursor 1 1 self", "form setcursor 1 1", "panel move"}));
  f.Log.clear();
  f.Input.MouseMove(*f.Panel, Point(31, 30));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"panel setcursor 1 1 self", "form setcursor 1 1", "panel move"}));
}

TEST(SetCursor, AParentThatSetsTheCursorEndsTheSearch) {
  CursorForm f;
  f.ParentClaims = true;
  f.Input.MouseMove(*f.Form, Point(250, 150));
  f.Log.clear();
  f.Input.MouseMove(*f.Form, Point(251, 150));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"form setcursor 1 1 self", "form move"}));
}
}  // namespace
