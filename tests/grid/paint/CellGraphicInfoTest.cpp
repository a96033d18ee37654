#include <gtest/gtest.h>

#include <functional>

#include "grid/base/ControlLook.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"

namespace {

// Cells of 100 x 30, images of 16 x 12, text offsets (2, 3).
struct InfoGrid {
  TAdvStringGrid g{nullptr};
  TBitmap bitmap{30, 20};
  TImageList images{16, 12};
  TPicture picture;
  InfoGrid() {
    g.SetDefaultColWidth(100);
    g.SetDefaultRowHeight(30);
    g.SetXYOffset({2, 3});
    g.SetGridImages(&images);
    TBitmap pic(50, 10);
    picture.SetGraphic(&pic);
  }
};

struct Info {
  TCellVAlign VAlign = vaTop;
  TCellHAlign HAlign = haLeft;
  bool ShowText = true;
  int Width = 0;
  int Height = 0;
  bool operator==(const Info&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Info& i) {
  return os << i.VAlign << "/" << i.HAlign << " text " << i.ShowText << " " << i.Width << "x" << i.Height;
}

Info InfoOf(TAdvStringGrid& g) {
  Info i{vaFull, haFull, false, -1, -1};
  g.GetCellGraphicInfo(1, 1, i.VAlign, i.HAlign, i.ShowText, i.Height, i.Width);
  return i;
}

}  // namespace

// The painter's own table: sizes differ from the measuring ones where the
// painter needs room the measure leaves out (radio button, shape) and text
// is left out where the graphic stands for it.
TEST(CellGraphicInfo, PerCellType) {
  struct Case {
    const char* what;
    std::function<void(InfoGrid&)> setup;
    Info info;
  };
  const Case cases[] = {
      {"no graphic", [](InfoGrid&) {}, {}},
      {"bitmap keeps its alignment", [](InfoGrid& s) { s.g.AddBitmap(1, 1, &s.bitmap, false, haRight, vaBottom); },
       {vaBottom, haRight, true, 30, 20}},
      {"image list", [](InfoGrid& s) { s.g.AddImageIdx(1, 1, 0, haLeft, vaTop); }, {vaTop, haLeft, true, 16, 12}},
      {"data image stands for the text", [](InfoGrid& s) { s.g.AddDataImage(1, 1, 0, haLeft, vaTop); },
       {vaTop, haLeft, false, 16, 12}},
      {"check box", [](InfoGrid& s) { s.g.AddCheckBox(1, 1, true, false); }, {vaTop, haBeforeText, true, 15, 15}},
      {"tri-state check box", [](InfoGrid& s) { s.g.AddCheckBox(1, 1, cbGrayed); },
       {vaTop, haBeforeText, true, 15, 15}},
      {"data check box", [](InfoGrid& s) { s.g.AddCheckBox(1, 1, true, true); }, {vaTop, haBeforeText, false, 15, 15}},
      {"radio group", [](InfoGrid& s) { s.g.CreateRadio(1, 1, 0, 0)->Add(u"a"); }, {vaTop, haLeft, false, 0, 0}},
      {"progress", [](InfoGrid& s) { s.g.AddProgress(1, 1, clRed, clWhite); }, {vaTop, haLeft, false, 0, 0}},
      {"multi-level progress", [](InfoGrid& s) { s.g.AddAdvProgress(1, 1, 0, 100); }, {vaTop, haLeft, false, 0, 0}},
      {"range indicator", [](InfoGrid& s) { s.g.AddRangeIndicator(1, 1, 10, clRed, clGreen, true); },
       {vaTop, haLeft, false, 0, 0}},
      {"rotated text", [](InfoGrid& s) { s.g.AddRotated(1, 1, 90, u"x"); }, {vaTop, haLeft, false, 0, 0}},
      {"three images in a row", [](InfoGrid& s) {
         s.g.AddMultiImage(1, 1, 0, haLeft, vaTop);
         for (int i = 0; i < 3; ++i) s.g.CellImages(1, 1)->Add(i);
       }, {vaTop, haLeft, true, 48, 12}},
      {"three images in a column", [](InfoGrid& s) {
         s.g.AddMultiImage(1, 1, 1, haLeft, vaTop);
         for (int i = 0; i < 3; ++i) s.g.CellImages(1, 1)->Add(i);
       }, {vaTop, haLeft, true, 16, 36}},
      {"picture in its own size", [](InfoGrid& s) {
         s.g.AddPicture(1, 1, &s.picture, false, noStretch, 0, haLeft, vaTop);
       }, {vaTop, haLeft, true, 50, 10}},
      {"stretched picture fits the cell", [](InfoGrid& s) {
         s.g.AddPicture(1, 1, &s.picture, false, Stretch, 0, haLeft, vaTop);
       }, {vaTop, haLeft, true, 100, 30}},
      {"button", [](InfoGrid& s) { s.g.AddButton(1, 1, 40, 18, u"Go", haRight, vaCenter); },
       {vaCenter, haRight, true, 40, 18}},
      {"progress pie", [](InfoGrid& s) { s.g.AddProgressPie(1, 1, clRed, 10); }, {vaTop, haBeforeText, true, 20, 20}},
      {"radio button with its margin", [](InfoGrid& s) { s.g.AddRadioButton(1, 1); },
       {vaTop, haBeforeText, true, 14, 14}},
      {"shape fills the row less the offsets", [](InfoGrid& s) {
         s.g.AddShape(1, 1, csCircle, clRed, clBlack, haLeft, vaTop);
       }, {vaTop, haLeft, true, 24, 24}},
      {"rating of five", [](InfoGrid& s) { s.g.AddRating(1, 1, 5, clYellow, clGray); }, {vaTop, haFull, false, 90, 16}},
      {"comment", [](InfoGrid& s) { s.g.AddComment(1, 1, u"note"); }, {vaTop, haLeft, true, 0, 0}},
  };
  for (const auto& c : cases) {
    InfoGrid s;
    c.setup(s);
    EXPECT_EQ(InfoOf(s.g), c.info) << c.what;
  }
}

TEST(CellGraphicInfo, CheckSizeFollowsTheLook) {
  InfoGrid s;
  s.g.ControlLook()->SetCheckSize(21);
  s.g.AddCheckBox(1, 1, false, false);
  EXPECT_EQ(InfoOf(s.g).Width, 21);
  EXPECT_EQ(InfoOf(s.g).Height, 21);
}
