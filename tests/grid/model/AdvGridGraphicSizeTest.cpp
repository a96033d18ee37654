#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

// A grid measuring on the fixed-metrics canvas (7 x 13 at 8 points) with
// cells of 100 x 40 and padding (2, 3).
struct SizedGrid {
  TAdvStringGrid g{nullptr};
  TBitmap bitmap{30, 20};
  TImageList images{16, 12};
  TPicture picture;
  TIcon icon;
  SizedGrid() {
    icon.Bitmap().SetSize(24, 18);
    auto canvas = std::make_unique<TRecordingCanvas>();
    canvas->Font()->Assign(*g.Font());
    g.SetMeasureCanvas(std::move(canvas));
    g.SetDefaultColWidth(100);
    g.SetDefaultRowHeight(40);
    g.SetXYOffset({2, 3});
    g.SetGridImages(&images);
    TBitmap pic(50, 50);
    picture.SetGraphic(&pic);
  }
};

}  // namespace

TEST(AdvGridGraphicSize, ScreenSizesPerType) {
  using Setup = std::function<void(SizedGrid&)>;
  struct Case {
    const char* what;
    Setup setup;
    TPoint size;
  };
  const auto text = [](SizedGrid& s) { s.g.SetCells(1, 1, u"text"); };
  const Case cases[] = {
      {"nothing", [](SizedGrid&) {}, {0, 0}},
      {"check box with text", [&](SizedGrid& s) { s.g.AddCheckBox(1, 1, true, false); text(s); }, {15, 15}},
      {"bitmap, no text", [](SizedGrid& s) { s.g.AddBitmap(1, 1, &s.bitmap, false, haLeft, vaTop); }, {30, 20}},
      {"bitmap left of text takes no room", [&](SizedGrid& s) {
         s.g.AddBitmap(1, 1, &s.bitmap, false, haLeft, vaTop);
         text(s);
       }, {0, 0}},
      {"bitmap before the text", [&](SizedGrid& s) {
         s.g.AddBitmap(1, 1, &s.bitmap, false, haBeforeText, vaTop);
         text(s);
       }, {30, 0}},
      {"bitmap above the text", [&](SizedGrid& s) {
         s.g.AddBitmap(1, 1, &s.bitmap, false, haLeft, vaAboveText);
         text(s);
       }, {0, 20}},
      {"icon, no text", [](SizedGrid& s) { s.g.AddIcon(1, 1, &s.icon, haLeft, vaTop); }, {24, 18}},
      {"icon left of text keeps its height", [&](SizedGrid& s) {
         s.g.AddIcon(1, 1, &s.icon, haLeft, vaTop);
         text(s);
       }, {0, 18}},
      {"icon after the text", [&](SizedGrid& s) {
         s.g.AddIcon(1, 1, &s.icon, haAfterText, vaTop);
         text(s);
       }, {24, 18}},
      {"image left of text takes no room", [&](SizedGrid& s) {
         s.g.AddImageIdx(1, 1, 0, haLeft, vaTop);
         text(s);
       }, {0, 0}},
      {"image, no text", [](SizedGrid& s) { s.g.AddImageIdx(1, 1, 0, haLeft, vaTop); }, {16, 12}},
      {"image with vaFull", [](SizedGrid& s) { s.g.AddImageIdx(1, 1, 0, haLeft, vaFull); }, {16, 40}},
      {"image with haFull", [](SizedGrid& s) { s.g.AddImageIdx(1, 1, 0, haFull, vaTop); }, {100, 12}},
      {"rating of scale 5", [](SizedGrid& s) { s.g.AddRating(1, 1, 5, clYellow, clGray); }, {90, 16}},
      {"80 x 20 button, full width, caption, no text", [](SizedGrid& s) {
         s.g.AddButton(1, 1, 80, 20, u"OK", haFull, vaTop);
       }, {2 * 7 + 4, 20}},
      {"button beside text", [&](SizedGrid& s) {
         s.g.AddButton(1, 1, 80, 20, u"OK", haBeforeText, vaTop);
         text(s);
       }, {80, 0}},
      {"button centred over text", [&](SizedGrid& s) {
         s.g.AddButton(1, 1, 80, 20, u"OK", haCenter, vaTop);
         text(s);
       }, {0, 0}},
      {"radio column of three", [](SizedGrid& s) {
         TStrings* options = s.g.CreateRadio(1, 1, 0, -1);
         options->Add(u"a");
         options->Add(u"bb");
         options->Add(u"ccc");
       }, {3 * 7 + 12, 48}},
      {"radio row of three", [](SizedGrid& s) {
         TStrings* options = s.g.CreateRadio(1, 1, 1, -1);
         options->Add(u"a");
         options->Add(u"bb");
         options->Add(u"ccc");
       }, {(7 + 12) + (14 + 12) + (21 + 12), 13}},
      {"radio button", [](SizedGrid& s) { s.g.AddRadioButton(1, 1); }, {10, 10}},
      {"progress pie", [](SizedGrid& s) { s.g.AddProgressPie(1, 1, clRed, 10); }, {20, 20}},
      {"three images in a row", [](SizedGrid& s) {
         s.g.AddMultiImage(1, 1, 0, haLeft, vaTop);
         for (int i = 0; i < 3; ++i) s.g.CellImages(1, 1)->Add(i);
       }, {48, 12}},
      {"stretched picture fills the padded cell", [](SizedGrid& s) {
         s.g.AddPicture(1, 1, &s.picture, false, Stretch, 0, haLeft, vaTop);
       }, {100 - 4 - 1, 40 - 6 - 1}},
      {"stretched picture, padding top-left only", [](SizedGrid& s) {
         s.g.SetXYOffsetTopLeftOnly(true);
         s.g.AddPicture(1, 1, &s.picture, false, Stretch, 0, haLeft, vaTop);
       }, {100 - 2 - 1, 40 - 3 - 1}},
  };
  for (const auto& c : cases) {
    SizedGrid s;
    c.setup(s);
    EXPECT_EQ(s.g.GetCellGraphicSize(1, 1), c.size) << c.what;
  }
}

TEST(AdvGridGraphicSize, PictureInASmallCellTakesNoRoom) {
  SizedGrid s;
  s.g.SetRowHeights(1, 4);
  s.g.AddPicture(1, 1, &s.picture, false, Stretch, 0, haLeft, vaTop);
  EXPECT_EQ(s.g.CalcCellGraphicSize(1, 1, 13), (TPoint{95, 0}));
}

TEST(AdvGridGraphicSize, PrintSizesPerType) {
  using Setup = std::function<void(SizedGrid&)>;
  struct Case {
    const char* what;
    Setup setup;
    TPoint size;
  };
  const Case cases[] = {
      {"bitmap beside nothing", [](SizedGrid& s) {
         s.g.AddBitmap(1, 1, &s.bitmap, false, haLeft, vaTop);
         s.g.SetCells(1, 1, u"t");
       }, {30, 20}},
      {"icon with text", [](SizedGrid& s) {
         s.g.AddIcon(1, 1, &s.icon, haLeft, vaTop);
         s.g.SetCells(1, 1, u"t");
       }, {24, 18}},
      {"image with text", [](SizedGrid& s) {
         s.g.AddImageIdx(1, 1, 0, haLeft, vaTop);
         s.g.SetCells(1, 1, u"t");
       }, {0, 12}},
      {"check box", [](SizedGrid& s) { s.g.AddCheckBox(1, 1, false, false); }, {15, 15}},
      {"progress", [](SizedGrid& s) { s.g.AddProgress(1, 1, clBlue, clWhite); }, {100, 40}},
      {"button", [](SizedGrid& s) { s.g.AddButton(1, 1, 80, 20, u"OK", haFull, vaTop); }, {80, 20}},
      {"radio column", [](SizedGrid& s) {
         TStrings* options = s.g.CreateRadio(1, 1, 0, -1);
         options->Add(u"a");
         options->Add(u"b");
       }, {19, 26}},
      {"stretched picture scaled back", [](SizedGrid& s) {
         s.g.AddPicture(1, 1, &s.picture, false, Stretch, 0, haLeft, vaTop);
       }, {100, 50}},
      {"rating prints nothing", [](SizedGrid& s) { s.g.AddRating(1, 1, 5, clYellow, clGray); }, {0, 0}},
  };
  for (const auto& c : cases) {
    SizedGrid s;
    c.setup(s);
    EXPECT_EQ(s.g.CalcPrintGraphicSize(1, 1, 200, 100, 2.0), c.size) << c.what;
  }
}

TEST(AdvGridGraphicSize, SortIndicatorRow) {
  TAdvStringGrid g{nullptr};
  g.SetRowCount(5);
  g.SetFixedRows(2);
  g.SortSettings()->SetRow(1);
  g.SortSettings()->SetShow(true);
  EXPECT_TRUE(g.IsSortIndicatorRow(1, 1));
  EXPECT_FALSE(g.IsSortIndicatorRow(1, 0));
  g.MergeCells(2, 0, 1, 2);  // rows 0 and 1: the bottom row carries it
  EXPECT_TRUE(g.IsSortIndicatorRow(2, 0));
  g.SortSettings()->SetShow(false);
  EXPECT_FALSE(g.IsSortIndicatorRow(1, 1));
  g.SortSettings()->SetShow(true);
  g.SetRowCount(3);  // one data row
  EXPECT_FALSE(g.IsSortIndicatorRow(1, 1));
}
