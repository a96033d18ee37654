// Where a drop-down's pop-up goes, and where the drop button and the text
// go in the edit.
#include "grid/dropdown/DropDownPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DropDownPlacement, SideRightEdgeAndUserSize) {
  // The edit at (100, 600), 21 high; the pop-up asks for 150 x 200; a 1000-high screen.
  const TRect work = Rect(0, 0, 1200, 960);
  const struct {
    std::string Name;
    TPoint Edit;
    TDropPosition Position;
    TSize User;
    TRect Expected;
  } cases[] = {
      {"dpAuto below while the edit's top plus the height stays above the bottom", {100, 799}, dpAuto,
       {-1, -1}, {100, 819, 250, 1019}},
      {"dpAuto above once it reaches the bottom", {100, 800}, dpAuto, {-1, -1}, {100, 600, 250, 800}},
      {"dpDown always below, over the edit's last pixel", {100, 900}, dpDown, {-1, -1}, {100, 920, 250, 1120}},
      {"dpUp always above", {100, 10}, dpUp, {-1, -1}, {100, -190, 250, 10}},
      {"past the work area's right edge: moved left to meet it", {1100, 100}, dpAuto, {-1, -1},
       {1050, 120, 1200, 320}},
      {"just inside stays", {1050, 100}, dpAuto, {-1, -1}, {1050, 120, 1200, 320}},
      {"the user's size replaces the asked one", {100, 100}, dpAuto, {300, 90}, {100, 120, 400, 210}},
      {"one side of it only", {100, 100}, dpAuto, {-1, 90}, {100, 120, 250, 210}},
  };
  for (const auto& c : cases) {
    TDropDownPlaceInput in;
    in.EditPos = c.Edit;
    in.EditHeight = 21;
    in.Size = {150, 200};
    in.Position = c.Position;
    in.ScreenHeight = 1000;
    in.WorkArea = work;
    in.UserSize = c.User;
    EXPECT_EQ(PlaceDropDown(in), c.Expected) << c.Name;
  }
}

TEST(DropDownPlacement, NoShiftWhenTheWorkAreaStartsLeftOfZeroOrThePopupStartsOutsideIt) {
  TDropDownPlaceInput in;
  in.EditPos = {1100, 100};
  in.EditHeight = 21;
  in.Size = {150, 200};
  in.ScreenHeight = 1000;
  in.WorkArea = Rect(-1280, 0, 1200, 960);
  EXPECT_EQ(PlaceDropDown(in).Left, 1100);
  in.WorkArea = Rect(0, 0, 1000, 960);
  EXPECT_EQ(PlaceDropDown(in).Left, 1100) << "its left edge already beyond the area";
}

TEST(DropDownPlacement, DropButtonAndTextInTheEdit) {
  EXPECT_EQ(DropButtonBounds(200, 21, 17, false), Rect(179, 0, 196, 17));
  EXPECT_EQ(DropButtonBounds(200, 21, 17, true), Rect(180, 2, 197, 20));
  EXPECT_EQ(DropButtonBounds(120, 30, 25, false), Rect(91, 0, 116, 26));
  EXPECT_EQ(DropDownEditRect(196, 17, 17), Rect(1, 1, 176, 18));
}

}  // namespace
