// Double clicks made as the window system makes them reach windowed and
// painted controls as one double-click message between the two presses' ups.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Views.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::SystemInputDriver;

// What a control saw, in order: the events its mouse messages raised.
using Trace = std::vector<std::string>;

void TraceInto(TControl& C, Trace& Log) {
  C.OnClick = [&Log](TObject*) { Log.push_back("click"); };
  C.OnDblClick = [&Log](TObject*) { Log.push_back("dblclick"); };
  C.OnMouseDown = [&Log](TObject*, TMouseButton, TShiftState s, int, int) {
    Log.push_back(s.Contains(ssDouble) ? "down double" : "down");
  };
  C.OnMouseUp = [&Log](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("up"); };
}

template <class Base>
class Painted : public Base {
 public:
  explicit Painted(TComponent* Owner) : Base(Owner) { this->SetView(platform::CreatePaintView(*this)); }
};

struct DoubleClickForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TControl* Windowed = new Painted<TCustomControl>(Form.get());
  TControl* Graphic = new Painted<TGraphicControl>(Form.get());
  TControl* Label = new TLabel(Form.get());
  Trace Log;
  SystemInputDriver Input;

  DoubleClickForm() {
    Form->SetBounds(60, 60, 400, 200);
    int left = 10;
    for (TControl* c : {Windowed, Graphic, Label}) {
      c->SetParent(Form.get());
      c->SetBounds(left, 10, 100, 60);
      left += 120;
      TraceInto(*c, Log);
    }
    Form->Show();
    Input.Pump();
  }
};

const Trace kClick{"down", "click", "up"};
const Trace kDoubleClick{"down", "click", "up", "dblclick", "down double", "up"};

TEST(DoubleClick, ReachesWindowedAndPaintedControlsOnceBetweenTheUps) {
  DoubleClickForm f;
  const std::pair<TControl*, const char*> cases[] = {
      {f.Windowed, "windowed"}, {f.Graphic, "painted graphic"}, {f.Label, "label"}};
  for (const auto& [control, name] : cases) {
    f.Log.clear();
    f.Input.DoubleClick(*control, Point(20, 20));
    EXPECT_EQ(f.Log, kDoubleClick) << name;
  }
}

TEST(DoubleClick, ClicksApartInTimeStayClicksAndADoubleClickAfterOneIsNoTriple) {
  DoubleClickForm f;
  f.Input.Click(*f.Graphic, Point(20, 20));
  f.Input.Click(*f.Graphic, Point(20, 20));
  f.Input.DoubleClick(*f.Graphic, Point(20, 20));
  f.Input.Wheel(*f.Graphic, -120);
  f.Input.DoubleClick(*f.Graphic, Point(20, 20));
  Trace expected;
  for (const Trace* t : {&kClick, &kClick, &kDoubleClick, &kDoubleClick})
    expected.insert(expected.end(), t->begin(), t->end());
  EXPECT_EQ(f.Log, expected);
}
}  // namespace
