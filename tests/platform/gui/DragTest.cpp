// The framework's in-program drag, driven by the pointer through the toolkit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"
#include "tests/support/SystemInputDriver.h"

namespace {
class TSurface : public TCustomControl {
 public:
  explicit TSurface(TComponent* AOwner) : TCustomControl(AOwner) { SetView(platform::CreatePaintView(*this)); }
};

struct DragFixture {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TSurface* Source = new TSurface(Form.get());
  TSurface* Target = new TSurface(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;
  int Clicks = 0;

  DragFixture() {
    Form->SetBounds(40, 40, 400, 300);
    for (TSurface* s : {Source, Target}) s->SetParent(Form.get());
    Source->SetBounds(10, 10, 100, 100);
    Target->SetBounds(200, 10, 100, 100);
    Source->OnClick = [this](TObject*) { ++Clicks; };
    Source->OnStartDrag = [this](TObject*, TDragObject*&) { Log.push_back("start"); };
    Source->OnEndDrag = [this](TObject*, TObject* To, int X, int Y) {
      Log.push_back(std::string("end ") + (!To ? "none " : To == Target ? "target " : "other ") + std::to_string(X) + "," +
                    std::to_string(Y));
    };
    // Only the right half of the target takes the drop.
    Target->OnDragOver = [this](TObject*, TObject* From, int X, int, TDragState State, bool& Accept) {
      EXPECT_EQ(From, Source);
      Accept = X >= 50;
      Log.push_back(State == dsDragEnter ? "enter" : State == dsDragLeave ? "leave" : "move");
    };
    Target->OnDragDrop = [this](TObject*, TObject* From, int X, int Y) {
      EXPECT_EQ(From, Source);
      Log.push_back("drop " + std::to_string(X) + "," + std::to_string(Y));
    };
    Form->Show();
    Input.Pump();
  }
  // A point of the target in the source's client coordinates (the pointer stays with the pressed window).
  TPoint OnTarget(int X, int Y) { return Source->ScreenToClient(Target->ClientToScreen(Point(X, Y))); }
};

TEST(Drag, AnAutomaticDragStartsPastTheThresholdAndDropsWhereAccepted) {
  DragFixture f;
  f.Source->SetDragMode(dmAutomatic);
  f.Input.MouseDown(*f.Source, Point(50, 50));
  f.Input.MouseMove(*f.Source, Point(52, 52));
  EXPECT_TRUE(f.Source->Dragging());
  EXPECT_TRUE(f.Log.empty()) << "not past the threshold yet";
  f.Input.MouseMove(*f.Source, f.OnTarget(20, 30));
  f.Input.MouseMove(*f.Source, f.OnTarget(70, 30));
  f.Input.MouseUp(*f.Source, f.OnTarget(70, 30));
  EXPECT_FALSE(f.Source->Dragging());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"start", "enter", "move", "drop 70,30", "end target 70,30"}));
  EXPECT_EQ(f.Clicks, 0);
}

TEST(Drag, ARefusedSpotEndsTheDragWithoutADrop) {
  DragFixture f;
  f.Source->SetDragMode(dmAutomatic);
  f.Input.MouseDown(*f.Source, Point(50, 50));
  f.Input.MouseMove(*f.Source, f.OnTarget(20, 30));
  f.Input.MouseUp(*f.Source, f.OnTarget(20, 30));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"start", "enter", "leave", "end none 0,0"}));
}

TEST(Drag, LeavingTheTargetTellsItAndAReleaseBeforeTheThresholdDragsNothing) {
  DragFixture f;
  f.Source->SetDragMode(dmAutomatic);
  f.Input.Click(*f.Source, Point(50, 50));
  EXPECT_FALSE(f.Source->Dragging());
  EXPECT_TRUE(f.Log.empty());
  f.Source->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { f.Source->BeginDrag(true); };
  f.Source->SetDragMode(dmManual);
  f.Input.MouseDown(*f.Source, Point(50, 50));
  f.Input.MouseMove(*f.Source, f.OnTarget(70, 30));
  f.Input.MouseMove(*f.Source, Point(50, 50));
  f.Input.MouseUp(*f.Source, Point(50, 50));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"start", "enter", "leave", "end none 0,0"}));
}

TEST(Drag, ATargetFreedDuringTheDragIsForgotten) {
  DragFixture f;
  f.Source->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { f.Source->BeginDrag(true); };
  f.Input.MouseDown(*f.Source, Point(50, 50));
  f.Input.MouseMove(*f.Source, f.OnTarget(70, 30));
  const TPoint there = f.OnTarget(70, 30);
  delete f.Target;
  f.Target = nullptr;
  f.Input.MouseUp(*f.Source, there);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"start", "enter", "end none 0,0"}));
}
}  // namespace
