#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
struct HoverForm {
  std::vector<std::string> Log;
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPanel* A = new TPanel(Form.get());
  TPanel* B = new TPanel(Form.get());
  testsupport::InputDriver Input;

  HoverForm() {
    for (auto [p, name] : {std::pair{A, std::string("a")}, std::pair{B, std::string("b")}}) {
      p->SetParent(Form.get());
      p->OnMouseEnter = [this, name = name](TObject*) { Log.push_back(name + " enter"); };
      p->OnMouseLeave = [this, name = name](TObject*) { Log.push_back(name + " leave"); };
    }
    B->SetLeft(200);
  }
  ~HoverForm() { testsupport::InputDriver().MouseOut(*B); }
};

TEST(MouseEnterLeave, MovingOntoAnotherControlLeavesThePreviousOneFirst) {
  HoverForm f;
  f.Input.MouseMove(*f.A);
  f.Input.MouseMove(*f.A, Point(3, 3));
  f.Input.MouseMove(*f.B);
  f.Input.MouseOut(*f.B);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "a leave", "b enter", "b leave"}));
  EXPECT_FALSE(f.B->MouseInClient());
}

TEST(MouseEnterLeave, TheControlUnderThePointerCountsWhileAnotherHasTheCapture) {
  HoverForm f;
  f.Input.MouseDown(*f.A, Point(5, 5));
  ASSERT_TRUE(f.A->MouseCapture());
  f.Input.MouseMove(*f.B);
  EXPECT_TRUE(f.B->MouseInClient());
  f.Input.MouseUp(*f.B, Point(5, 5));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "a leave", "b enter"}));
}

TEST(MouseEnterLeave, AFreedControlUnderThePointerIsForgotten) {
  HoverForm f;
  f.Input.MouseMove(*f.A);
  delete f.A;
  f.Input.MouseMove(*f.B);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "b enter"}));
}

TEST(MouseEnterLeave, LeavingAControlThePointerIsNotOnSendsNothing) {
  HoverForm f;
  f.Input.MouseMove(*f.B);
  f.Input.MouseOut(*f.A);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"b enter"}));
  EXPECT_TRUE(f.B->MouseInClient());
}
}  // namespace
