// WM_SETREDRAW: a control whose redraw is off paints nothing until it is on again.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Views.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

namespace {
class Counted : public TCustomControl {
 public:
  explicit Counted(TComponent* AOwner) : TCustomControl(AOwner) { SetView(platform::CreatePaintView(*this)); }
  int Paints = 0;

 protected:
  void Paint() override { ++Paints; }
};

TEST(Redraw, OffNothingRepaintsOnItPaintsAgain) {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  auto* c = new Counted(form.get());
  c->SetParent(form.get());
  c->SetBounds(10, 10, 100, 50);
  form->Show();
  testsupport::InputDriver input;
  testsupport::TempDir dir;
  // The window's picture, painted as the screen would be.
  auto show = [&] {
    input.Pump();
    EXPECT_TRUE(platform::RenderToPng(*form, Utf8ToString((dir / "form.png").string())));
  };
  show();
  ASSERT_GT(c->Paints, 0);

  c->Perform(WM_SETREDRAW, 0, 0);
  c->Paints = 0;
  c->Invalidate();
  c->Repaint();
  show();
  EXPECT_EQ(c->Paints, 0);

  c->Perform(WM_SETREDRAW, 1, 0);
  c->Repaint();
  show();
  EXPECT_GT(c->Paints, 0);
}
}  // namespace
