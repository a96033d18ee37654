// The cell graphic record: its setters, the drawn size of pictures, and
// which objects it frees.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/CellGraphic.h"
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Picture.h"
#include "tests/support/TempDir.h"

namespace {

// Counts its own destruction, so a test sees what a graphic frees.
struct TCountedObject : TPersistent {
  explicit TCountedObject(int& Freed) : freed(Freed) {}
  ~TCountedObject() override { ++freed; }
  int& freed;
};

TEST(CellGraphic, SetAngleBringsTheAngleIntoRange) {
  struct Case {
    short in;
    int out;
  };
  for (const Case c : {Case{-90, 270}, Case{720, 360}, Case{360, 360}, Case{-720, 0},
                       Case{45, 45}, Case{-1, 359}}) {
    TCellGraphic g;
    g.SetAngle(c.in);
    EXPECT_EQ(g.CellType(), ctRotated);
    EXPECT_EQ(g.CellAngle(), c.out) << c.in;
  }
}

TEST(CellGraphic, ButtonPacksHeightAboveWidth) {
  TCellGraphic g;
  g.SetCellBoolean(true);
  g.SetButton(80, 20, u"Go", haCenter, vaFull);
  EXPECT_EQ(g.CellType(), ctButton);
  EXPECT_EQ(g.CellIndex(), 1310800);
  EXPECT_FALSE(g.CellBoolean());
  EXPECT_EQ(g.CellText(), u"Go");
  EXPECT_EQ(g.CellHAlign(), haCenter);
  EXPECT_EQ(g.CellVAlign(), vaFull);
}

TEST(CellGraphic, SettersChangeOnlyTheirOwnFields) {
  TCellGraphic g;
  g.SetCellErrFrom(3);
  g.SetCellErrLen(4);
  g.SetCellText(u"note");
  g.SetCheckBox(true, true, true, haBeforeText, vaCenter);
  EXPECT_EQ(g.CellType(), ctDataCheckBox);
  EXPECT_TRUE(g.CellBoolean());
  EXPECT_TRUE(g.CellTransparent());
  EXPECT_EQ(g.CellErrFrom(), 3);
  EXPECT_EQ(g.CellErrLen(), 4);
  EXPECT_EQ(g.CellText(), u"note");
  g.SetCheckBox(cbGrayed, false, haLeft, vaTop);
  EXPECT_EQ(g.CellType(), ctTriStateCheckBox);
  EXPECT_EQ(g.CellCheckBoxState(), cbGrayed);
  EXPECT_FALSE(g.CellBoolean());
}

struct PictureCase {
  int w, h, area, padding;
  TStretchMode mode;
  TPoint expected;
};

class PictureSize : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureSize, FollowsTheStretchMode) {
  const PictureCase& c = GetParam();
  TBitmap bmp(c.w, c.h);
  TPicture pic;
  pic.SetGraphic(&bmp);
  TCellGraphic g;
  g.SetPicture(&pic, false, c.mode, c.padding, haLeft, vaTop);
  const TPoint size = g.GetPictureSize(c.area, c.area, true);
  EXPECT_EQ(size.X, c.expected.X);
  EXPECT_EQ(size.Y, c.expected.Y);
}

INSTANTIATE_TEST_SUITE_P(
    CellGraphic, PictureSize,
    ::testing::Values(PictureCase{200, 100, 100, 0, StretchWithAspectRatio, {100, 50}},
                      PictureCase{200, 100, 100, 0, ShrinkWithAspectRatio, {100, 50}},
                      PictureCase{200, 100, 100, 0, Shrink, {100, 100}},
                      PictureCase{200, 100, 100, 0, noStretch, {200, 100}},
                      PictureCase{200, 100, 100, 0, Stretch, {100, 100}},
                      PictureCase{50, 40, 100, 0, ShrinkWithAspectRatio, {50, 40}},
                      PictureCase{50, 40, 100, 0, StretchWithAspectRatio, {100, 80}},
                      PictureCase{50, 40, 100, 0, Shrink, {50, 40}},
                      // padding comes off the area once per side
                      PictureCase{50, 40, 110, 10, Stretch, {100, 100}},
                      PictureCase{200, 100, 110, 10, ShrinkWithAspectRatio, {100, 50}},
                      // 30 x 25 in 20: 0.8333 -> 20 x 16.67, rounded
                      PictureCase{30, 25, 20, 0, ShrinkWithAspectRatio, {20, 17}},
                      // 5 x 3 in 10: rx 2, ry 3.33 -> 10 x 6
                      PictureCase{5, 3, 10, 0, StretchWithAspectRatio, {10, 6}}));

TEST(CellGraphic, FilePictureSizeComesFromItsFile) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "pic.bmp").string());
  TBitmap(200, 100).SaveToFile(file);
  TFilePicture pic;
  pic.SetFilename(file);
  TCellGraphic g;
  g.SetFilePicture(&pic, false, ShrinkWithAspectRatio, 4, haLeft, vaTop);
  EXPECT_EQ(g.CellType(), ctFilePicture);
  EXPECT_EQ(g.CellIndex(), 4);
  const TPoint size = g.GetPictureSize(104, 104, false);
  EXPECT_EQ(size.X, 100);
  EXPECT_EQ(size.Y, 50);
}

TEST(CellGraphic, PictureSizeOfAnEmptyPictureAndOfOtherKinds) {
  TPicture empty;
  TCellGraphic g;
  g.SetPicture(&empty, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  // no size: both ratios count as 1
  EXPECT_EQ(g.GetPictureSize(100, 60, false).X, 0);
  EXPECT_EQ(g.GetPictureSize(100, 60, false).Y, 60);
  g.SetCellAngle(9);  // an unknown mode draws the picture as it is
  EXPECT_EQ(g.GetPictureSize(100, 60, false).X, 0);
  TCellGraphic button;
  button.SetButton(10, 10, u"", haLeft, vaTop);
  EXPECT_EQ(button.GetPictureSize(100, 60, false).X, 0);
  EXPECT_EQ(button.GetPictureSize(100, 60, false).Y, 0);
}

TEST(CellGraphic, FreesWhatItOwnsAndKeepsWhatItWasLent) {
  TBitmap callerBitmap(4, 4);
  TIcon callerIcon;
  TPicture callerPicture;
  int freed = 0;
  {
    TCellGraphic bitmap, icon, picture, glyph, iface;
    bitmap.SetBitmap(&callerBitmap, true, haLeft, vaTop);
    icon.SetIcon(&callerIcon, haLeft, vaTop);
    picture.SetPicture(&callerPicture, false, Stretch, 0, haLeft, vaTop);
    glyph.SetBitButton(20, 20, u"", &callerBitmap, haLeft, vaTop);
    iface.SetInterfacedCell(&callerPicture);
    for (TCellGraphic* g : {&bitmap, &icon, &picture, &glyph, &iface}) {
      g->SetCellCreated(true);  // the flag alone never hands the object over
    }
    TCellGraphic created, createdIcon;
    created.OwnCellBitmap(std::make_unique<TCountedObject>(freed));
    createdIcon.OwnCellIcon(std::make_unique<TCountedObject>(freed));
    EXPECT_TRUE(created.CellCreated());
    EXPECT_TRUE(created.BitmapSlot().Owned());
  }
  EXPECT_EQ(freed, 2);
  EXPECT_EQ(callerBitmap.Width(), 4) << "the caller's bitmap is still alive";
}

TEST(CellGraphic, ReplacingAnOwnedObjectFreesIt) {
  int freed = 0;
  TBitmap caller;
  TCellGraphic g;
  g.OwnCellBitmap(std::make_unique<TCountedObject>(freed));
  g.SetBitmap(&caller, false, haLeft, vaTop);
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(g.CellBitmap(), &caller);
  EXPECT_FALSE(g.BitmapSlot().Owned());
}

TEST(CellGraphic, MultiImageListIsOwnedAndReportsItsCell) {
  TCellGraphic g;
  int col = -1, row = -1;
  g.SetMultiImage(3, 4, 0, haLeft, vaTop, [&](TObject*, int c, int r) { col = c, row = r; });
  EXPECT_EQ(g.CellType(), ctImages);
  EXPECT_TRUE(g.CellCreated());
  EXPECT_TRUE(g.CellBoolean());
  auto* list = dynamic_cast<TIntList*>(g.CellBitmap());
  ASSERT_NE(list, nullptr);
  list->Add(7);
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 4);
}

TEST(CellGraphic, SlotsKeepColoursApartFromObjects) {
  TCellGraphic g;
  g.BitmapSlot().SetColor(clRed);
  EXPECT_EQ(g.CellBitmap(), nullptr);
  EXPECT_EQ(g.BitmapSlot().Color(), clRed);
  EXPECT_EQ(g.IconSlot().Color(), TColor(0));
}

TEST(CellGraphic, AssignCopiesTheStoredFieldsButNoObject) {
  TCellGraphic src;
  src.OwnCellBitmap(std::make_unique<TBitmap>(8, 8));
  src.SetCellType(ctBitmap);
  src.SetCellIndex(5);
  src.SetCellValue(65536.0 * 3 + 2);
  src.SetCellAngle(7);
  src.SetCellBoolean(true);
  src.SetCellTransparent(true);
  src.SetCellErrFrom(1);
  src.SetCellErrLen(2);
  src.SetCellText(u"t");
  src.SetCellVar(9);
  src.SetCellCheckBoxState(cbChecked);
  src.SetCellHAlign(haAfterText);
  src.SetCellVAlign(vaBottom);
  auto copy = std::make_unique<TCellGraphic>();
  copy->Assign(src);
  EXPECT_EQ(copy->CellType(), ctBitmap);
  EXPECT_TRUE(copy->CellCreated());
  EXPECT_EQ(copy->CellBitmap(), nullptr);
  EXPECT_EQ(copy->CellIndex(), 5);
  EXPECT_EQ(copy->CellValue(), 65536.0 * 3 + 2);
  EXPECT_EQ(copy->CellAngle(), 7);
  EXPECT_TRUE(copy->CellBoolean());
  EXPECT_TRUE(copy->CellTransparent());
  EXPECT_EQ(copy->CellErrFrom(), 1);
  EXPECT_EQ(copy->CellErrLen(), 2);
  EXPECT_EQ(copy->CellText(), u"t");
  EXPECT_EQ(copy->CellHAlign(), haAfterText);
  EXPECT_EQ(copy->CellVAlign(), vaBottom);
  EXPECT_EQ(copy->CellVar(), 0);
  EXPECT_EQ(copy->CellCheckBoxState(), cbUnchecked);

  // The copied CellCreated must not make the copy free a caller's bitmap.
  TBitmap caller(3, 3);
  copy->SetBitmap(&caller, false, haLeft, vaTop);
  copy.reset();
  EXPECT_EQ(caller.Width(), 3);
}

TEST(CellGraphic, EnumerationsKeepTheirStreamedOrder) {
  EXPECT_EQ(EnumCount<TCellType>(), 33);
  EXPECT_EQ(EnumName(ctExpand), u"ctExpand");
  EXPECT_EQ(static_cast<int>(ctRowCheckBox), 20);
  EXPECT_EQ(EnumCount<TCellHAlign>(), 6);
  EXPECT_EQ(EnumCount<TCellVAlign>(), 6);
  EXPECT_EQ(EnumCount<TStretchMode>(), 5);
  EXPECT_EQ(EnumCount<TBalloonIcon>(), 4);
}

}  // namespace
