// Attaching, reading and removing cell graphics on the grid, and freeing
// them on every path a cell can go.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/FilePicture.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ControlView.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

constexpr int C = 2, R = 3;

// A 5 x 6 grid with an image list, and objects a caller lends to cells.
struct GraphicsGrid : ::testing::Test {
  TAdvStringGrid G{nullptr};
  TImageList images;
  TBitmap bitmap{4, 4};
  TPicture picture;
  TIcon icon;
  TStringList options;
  GraphicsGrid() {
    G.SetColCount(5);
    G.SetRowCount(6);
    G.SetGridImages(&images);
  }
};

struct Family {
  const char* name;
  TCellType type;
  std::function<void(TAdvStringGrid&, GraphicsGrid&)> add;
  std::function<bool(TAdvStringGrid&)> present;  // the family's own Has/Get/Is
  std::function<void(TAdvStringGrid&)> remove;
  TCellTypes removes;  // the types its Remove takes away
};

std::vector<Family> Families() {
  using G_ = TAdvStringGrid;
  using F_ = GraphicsGrid;
  String s;
  return {
      {"lent bitmap", ctBitmap, [](G_& g, F_& f) { g.AddBitmap(C, R, &f.bitmap, true, haLeft, vaTop); },
       [](G_& g) { return g.HasBitmap(C, R); }, [](G_& g) { g.RemoveBitmap(C, R); }, {ctBitmap}},
      {"created bitmap", ctBitmap, [](G_& g, F_&) { g.CreateBitmap(C, R, false, haLeft, vaTop)->SetSize(3, 3); },
       [](G_& g) { return g.GetBitmap(C, R)->Width() == 3; }, [](G_& g) { g.RemoveBitmap(C, R); }, {ctBitmap}},
      {"lent picture", ctPicture,
       [](G_& g, F_& f) { g.AddPicture(C, R, &f.picture, false, Stretch, 2, haLeft, vaTop); },
       [](G_& g) { return g.HasPicture(C, R); }, [](G_& g) { g.RemovePicture(C, R); }, {ctPicture}},
      {"created picture", ctPicture,
       [](G_& g, F_&) { g.CreatePicture(C, R, false, Shrink, 0, haLeft, vaTop); },
       [](G_& g) { return g.GetPicture(C, R) != nullptr; }, [](G_& g) { g.RemovePicture(C, R); }, {ctPicture}},
      {"file picture", ctFilePicture,
       [](G_& g, F_&) { g.CreateFilePicture(C, R, false, noStretch, 0, haLeft, vaTop); },
       [](G_& g) { return g.GetFilePicture(C, R) != nullptr; }, [](G_& g) { g.RemoveFilePicture(C, R); },
       {ctFilePicture}},
      {"lent icon", ctIcon, [](G_& g, F_& f) { g.AddIcon(C, R, &f.icon, haLeft, vaTop); },
       [](G_& g) { return g.GetGraphicSortKey(C, R) != -1; }, [](G_& g) { g.RemoveIcon(C, R); }, {ctIcon}},
      {"created icon", ctIcon, [](G_& g, F_&) { g.CreateIcon(C, R, haLeft, vaTop); },
       [](G_& g) { return g.GetCellGraphic(C, R)->CellIcon() != nullptr; }, [](G_& g) { g.RemoveIcon(C, R); },
       {ctIcon}},
      {"image index", ctImageList, [](G_& g, F_&) { g.AddImageIdx(C, R, 4, haLeft, vaTop); },
       [](G_& g) { int i = -1; return g.GetImageIdx(C, R, i) && i == 4 && g.GetGraphicSortKey(C, R) == 4; },
       [](G_& g) { g.RemoveImageIdx(C, R); }, {ctImageList}},
      {"data image", ctDataImage, [](G_& g, F_&) { g.AddDataImage(C, R, 2, haLeft, vaTop); },
       [](G_& g) { return g.HasDataImage(C, R) && g.Cells(C, R) == u"2"; },
       [](G_& g) { g.RemoveDataImage(C, R); }, {ctDataImage}},
      {"multi image", ctImages, [](G_& g, F_&) { g.AddMultiImage(C, R, 0, haLeft, vaTop); },
       [](G_& g) { return g.CellImages(C, R) != nullptr; }, [](G_& g) { g.RemoveMultiImage(C, R); }, {ctImages}},
      {"progress", ctProgress, [](G_& g, F_&) { g.AddProgress(C, R, clRed, clWhite); },
       [](G_& g) { return g.HasProgress(C, R) && !g.GetCellGraphic(C, R)->CellBoolean(); },
       [](G_& g) { g.RemoveProgress(C, R); }, {ctProgress}},
      {"themed progress", ctXPProgress, [](G_& g, F_&) { g.AddAdvProgress(C, R, 5, 50); },
       [](G_& g) { return g.GetCellGraphic(C, R)->CellErrLen() == 50; },
       [](G_& g) { g.RemoveAdvProgress(C, R); }, {ctXPProgress}},
      {"progress pie", ctProgressPie, [](G_& g, F_&) { g.AddProgressPie(C, R, clRed, 30); },
       [](G_& g) { g.SetProgressPie(C, R, 40); return g.GetCellGraphic(C, R)->CellAngle() == 40; },
       [](G_& g) { g.RemoveProgressPie(C, R); }, {ctProgressPie}},
      {"range indicator", ctRangeIndicator,
       [](G_& g, F_&) { g.AddRangeIndicator(C, R, 10, clRed, clGreen, true); },
       [](G_& g) { return g.GetCellGraphic(C, R)->IconSlot().Color() == clGreen; },
       [](G_& g) { g.RemoveRangeIndicator(C, R); }, {ctRangeIndicator}},
      {"comment", ctComment, [](G_& g, F_&) { g.AddComment(C, R, u"see"); },
       [](G_& g) { return g.CellComment(C, R) == u"see"; }, [](G_& g) { g.RemoveComment(C, R); }, {ctComment}},
      {"shape", ctShape, [](G_& g, F_&) { g.AddShape(C, R, csStar, clYellow, clBlack, haCenter, vaCenter); },
       [](G_& g) { g.SetShapeColor(C, R, clRed); return g.GetShapeColor(C, R) == clRed; },
       [](G_& g) { g.RemoveShape(C, R); }, {ctShape}},
      {"rating", ctRating, [](G_& g, F_&) { g.AddRating(C, R, 5, clYellow, clGray); },
       [](G_& g) { return g.HasRating(C, R); }, [](G_& g) { g.RemoveRating(C, R); }, {ctRating}},
      {"scroll bar", ctScrollbar, [](G_& g, F_&) { g.AddScrollBar(C, R, false); },
       [](G_& g) { return g.HasScrollBar(C, R) && g.GetScrollProp(C, R) == TScrollProp{0, 100}; },
       [](G_& g) { g.RemoveScrollBar(C, R); }, {ctScrollbar}},
      {"button", ctButton, [](G_& g, F_&) { g.AddButton(C, R, 40, 16, u"Go", haLeft, vaTop); },
       [](G_& g) { return g.HasButton(C, R) && g.GetButtonText(C, R) == u"Go"; },
       [](G_& g) { g.RemoveButton(C, R); }, {ctButton, ctBitButton}},
      {"bit button", ctBitButton, [](G_& g, F_&) { g.CreateBitButton(C, R, 40, 16, u"", haLeft, vaTop); },
       [](G_& g) { return g.HasButton(C, R); }, [](G_& g) { g.RemoveBitButton(C, R); }, {ctBitButton}},
      {"balloon", ctBalloon, [](G_& g, F_&) { g.AddBalloon(C, R, u"T", u"x", biInfo); },
       [](G_& g) { return g.HasBalloon(C, R); }, [](G_& g) { g.RemoveBalloon(C, R); }, {ctBalloon}},
      {"rotated", ctRotated, [](G_& g, F_&) { g.AddRotated(C, R, -90, u"up"); },
       [](G_& g) { int a = 0; return g.IsRotated(C, R, a) && a == 270 && g.Cells(C, R) == u"up"; },
       [](G_& g) { g.RemoveRotated(C, R); }, {ctRotated}},
      {"interfaced", ctInterface, [](G_& g, F_& f) { g.AddInterfacedCell(C, R, &f.picture); },
       [](G_& g) { return g.GetInterfacedCell(C, R) != nullptr; },
       [](G_& g) { g.RemoveInterfacedCell(C, R); }, {ctInterface}},
      {"check box", ctCheckBox, [](G_& g, F_&) { g.AddCheckBox(C, R, true, false); },
       [](G_& g) { return g.HasCheckBox(C, R) && g.IsChecked(C, R); }, [](G_& g) { g.RemoveCheckBox(C, R); },
       {ctCheckBox, ctDataCheckBox, ctTriStateCheckBox}},
      {"tri-state box", ctTriStateCheckBox, [](G_& g, F_&) { g.AddCheckBox(C, R, cbGrayed); },
       [](G_& g) { return g.HasCheckBox(C, R); }, [](G_& g) { g.RemoveCheckBox(C, R); },
       {ctCheckBox, ctDataCheckBox, ctTriStateCheckBox}},
      {"radio button", ctRadioButton, [](G_& g, F_&) { g.AddRadioButton(C, R, true); },
       [](G_& g) { return g.HasRadioButton(C, R) && g.IsRadioButtonChecked(C, R); },
       [](G_& g) { g.RemoveRadioButton(C, R); }, {ctRadioButton}},
      {"lent radio group", ctRadio, [](G_& g, F_& f) { g.AddRadio(C, R, 1, 0, &f.options); },
       [](G_& g) { return g.IsRadio(C, R) && g.GetRadioStrings(C, R) != nullptr; },
       [](G_& g) { g.RemoveRadio(C, R); }, {ctRadio}},
      {"own radio group", ctRadio, [](G_& g, F_&) { g.CreateRadio(C, R, 0, -1)->Add(u"a"); },
       [](G_& g) { return g.GetRadioStrings(C, R)->Count() == 1; }, [](G_& g) { g.RemoveRadio(C, R); }, {ctRadio}},
      {"marker", ctEmpty, [](G_& g, F_&) { g.AddMarker(C, R, 2, 3); },
       [](G_& g) { int p = 0, l = 0; g.GetMarker(C, R, p, l); return p == 2 && l == 3; },
       [](G_& g) { g.RemoveMarker(C, R); }, {ctEmpty}},
  };
}

TEST_F(GraphicsGrid, EachFamilyAddsReadsAndRemovesOnlyItsOwnKind) {
  const std::vector<Family> families = Families();
  for (const Family& f : families) {
    SCOPED_TRACE(f.name);
    f.add(G, *this);
    ASSERT_NE(G.GetCellGraphic(C, R), nullptr);
    EXPECT_EQ(G.GetCellType(C, R), f.type);
    EXPECT_TRUE(f.present(G));
    for (const Family& other : families) {
      if (other.removes.Contains(f.type)) continue;
      other.remove(G);
      ASSERT_EQ(G.GetCellType(C, R), f.type) << "removed by " << other.name;
    }
    f.remove(G);
    EXPECT_EQ(G.GetCellGraphic(C, R), nullptr);
    EXPECT_EQ(G.GetCellType(C, R), ctEmpty);
    G.SetCells(C, R, String());
  }
  EXPECT_EQ(bitmap.Width(), 4) << "lent objects outlive their cells";
}

TEST_F(GraphicsGrid, RemoveOfAnotherKindAnswersFalse) {
  G.AddPicture(C, R, &picture, false, Stretch, 0, haLeft, vaTop);
  EXPECT_FALSE(G.RemoveBitmap(C, R));
  EXPECT_FALSE(G.RemoveCellGraphic(C + 1, R));
  EXPECT_TRUE(G.RemovePicture(C, R));
  EXPECT_FALSE(G.RemovePicture(C, R));
}

TEST_F(GraphicsGrid, BitmapsLookAtTheCellOthersAtTheMergedAreasBase) {
  G.MergeCells(1, 1, 2, 2);
  G.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
  EXPECT_TRUE(G.HasBitmap(1, 1));
  EXPECT_FALSE(G.HasBitmap(2, 2));
  G.AddProgress(1, 1, clRed, clWhite);
  EXPECT_TRUE(G.HasProgress(2, 2));
  EXPECT_TRUE(G.HasClickableGraphic(1, 1) == false);
  G.AddComment(1, 1, u"base");
  EXPECT_EQ(G.CellComment(2, 2), u"base");
  G.AddScrollBar(1, 1, false);
  G.SetScrollPosition(2, 2, 7);
  EXPECT_EQ(G.GetScrollPosition(1, 1), 7);
  EXPECT_FALSE(G.HasGraphicType(-1, 2, {ctScrollbar}));
}

TEST_F(GraphicsGrid, CommentWrittenThroughCellComment) {
  G.SetCellComment(1, 1, u"new");
  EXPECT_EQ(G.GetCellType(1, 1), ctComment);
  G.SetCellComment(1, 1, u"again");
  EXPECT_EQ(G.CellComment(1, 1), u"again");
  G.AddButton(C, R, 20, 10, u"B", haLeft, vaTop);
  G.SetCellComment(C, R, u"lost");
  EXPECT_EQ(G.GetCellType(C, R), ctButton);
  EXPECT_EQ(G.CellComment(C, R), u"");
  EXPECT_EQ(G.GetButtonText(C, R), u"B");
  G.RemoveAllComments();
  EXPECT_EQ(G.GetCellType(1, 1), ctEmpty);
  EXPECT_EQ(G.GetCellType(C, R), ctButton);
}

TEST_F(GraphicsGrid, MarkerOnAnEmptyCellAndOnAButton) {
  G.AddMarker(1, 1, 1, 2);
  EXPECT_EQ(G.GetCellType(1, 1), ctEmpty);
  EXPECT_NE(G.GetCellGraphic(1, 1), nullptr);
  G.RemoveMarker(1, 1);
  EXPECT_EQ(G.GetCellGraphic(1, 1), nullptr);

  G.AddButton(C, R, 20, 10, u"B", haLeft, vaTop);
  G.AddMarker(C, R, 4, 5);
  EXPECT_EQ(G.GetCellType(C, R), ctButton);
  G.RemoveAllMarkers();
  int pos = -1, len = -1;
  G.GetMarker(C, R, pos, len);
  EXPECT_EQ(G.GetCellType(C, R), ctButton);
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(len, 0);
}

TEST_F(GraphicsGrid, BalloonsRideOnCheckBoxesAndRadioButtonsOnly) {
  struct Case {
    const char* what;
    std::function<void()> add;
    TCellType type;
    bool takes;
  };
  const Case cases[] = {
      {"check box", [&] { G.AddCheckBox(C, R, false, false); }, ctCheckBox, true},
      {"radio button", [&] { G.AddRadioButton(C, R, false); }, ctRadioButton, true},
      {"picture", [&] { G.CreatePicture(C, R, false, Stretch, 0, haLeft, vaTop); }, ctPicture, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.add();
    G.AddBalloon(C, R, u"Title", u"Text", biWarning);
    G.AddBalloon(C, R, u"Title 2", u"Text 2", biError);  // the first list is freed
    EXPECT_EQ(G.GetCellType(C, R), c.type);
    EXPECT_FALSE(G.HasBalloon(C, R));
    String title, text;
    TBalloonIcon icon = biNone;
    EXPECT_EQ(G.IsBalloon(C, R, title, text, icon), c.takes);
    if (c.takes) {
      EXPECT_EQ(title, u"Title 2");
      EXPECT_EQ(text, u"Text 2");
      EXPECT_EQ(icon, biError);
      G.RemoveBalloon(C, R);
      EXPECT_EQ(G.GetCellType(C, R), c.type);
      EXPECT_FALSE(G.IsBalloon(C, R, title, text, icon));
      G.AddBalloon(C, R, u"kept", u"till the cell goes", biInfo);
    }
  }
  G.RemoveCellGraphic(C, R);
  G.AddCheckBox(C, R, false, false);
  G.AddBalloon(C, R, u"freed", u"with the box", biInfo);
  G.RemoveCheckBox(C, R);
  EXPECT_EQ(G.GetCellGraphic(C, R), nullptr);
}

TEST_F(GraphicsGrid, ButtonRectangleFollowsThePaintedOffset) {
  G.SetViewSize(1000, 1000);
  G.SetDefaultColWidth(50);
  G.SetDefaultRowHeight(20);
  EXPECT_EQ(G.GetCellButtonRect(C, R), (TRect{0, 0, 0, 0}));
  G.AddButton(C, R, 30, 12, u"B", haLeft, vaTop);
  G.GetCellGraphic(C, R)->SetCellValue(4 * 65536.0 + 5);
  const TRect cell = G.CellRect(C, R);
  EXPECT_EQ(G.GetCellButtonRect(C, R), (TRect{cell.Left + 5, cell.Top + 4, cell.Left + 35, cell.Top + 16}));
  G.GetCellGraphic(C, R)->SetCellVAlign(vaFull);
  EXPECT_EQ(G.GetCellButtonRect(C, R), (TRect{cell.Left + 5, cell.Top, cell.Left + 35, cell.Bottom}));
  G.GetCellGraphic(C, R)->SetCellHAlign(haFull);
  EXPECT_EQ(G.GetCellButtonRect(C, R), cell);

  // A hidden column in front: the button's displayed column is one less.
  G.HideColumn(1);
  EXPECT_EQ(G.GetCellButtonRect(C - 1, R), G.CellRect(C - 1, R));

  EXPECT_EQ(G.GetExpandButtonRect(3, 1), (TRect{0, 0, 0, 0}));
  G.CreateCellGraphic(3, 1)->SetCellType(ctExpand);
  const TRect e = G.CellRect(G.DisplColIndex(3), 1);
  EXPECT_EQ(G.GetExpandButtonRect(3, 1), (TRect{e.Right - 13, e.Top + 2, e.Right - 2, e.Top + 13}));
}

TEST_F(GraphicsGrid, ImageKindsNeedTheImageList) {
  G.SetGridImages(nullptr);
  G.AddImageIdx(C, R, 1, haLeft, vaTop);
  G.AddDataImage(C, R, 1, haLeft, vaTop);
  G.AddMultiImage(C, R, 0, haLeft, vaTop);
  EXPECT_EQ(G.GetCellGraphic(C, R), nullptr);
  EXPECT_EQ(G.Cells(C, R), u"");
}

TEST_F(GraphicsGrid, DataImageKeepsAnExistingTextAndRemovalEmptiesIt) {
  G.SetCells(C, R, u"7");
  G.AddDataImage(C, R, 1, haLeft, vaTop);
  EXPECT_EQ(G.Cells(C, R), u"7");
  G.RemoveCellGraphic(C, R);
  G.RemoveDataImage(C, R);  // no data image: the text still goes
  EXPECT_EQ(G.Cells(C, R), u"");
}

TEST_F(GraphicsGrid, ShapeColourOfACellWithoutShapeIsNone) {
  EXPECT_EQ(G.GetShapeColor(1, 1), clNone);
  G.AddButton(1, 1, 10, 10, u"", haLeft, vaTop);
  EXPECT_EQ(G.GetShapeColor(1, 1), clNone);
  G.SetShapeColor(1, 1, clRed);
  EXPECT_EQ(G.GetCellGraphic(1, 1)->CellIndex(), 10 * 65536 + 10);
}

TEST_F(GraphicsGrid, PushAndCaptionGoToAnyGraphicButANode) {
  G.AddCheckBox(C, R, false, false);
  G.SetButtonText(C, R, u"cap");
  G.PushButton(C, R, true);
  EXPECT_EQ(G.GetButtonText(C, R), u"cap");
  EXPECT_TRUE(G.GetCellGraphic(C, R)->CellBoolean());
  G.CreateCellGraphic(0, 2)->SetCellType(ctNode);
  G.PushButton(0, 2, true);
  EXPECT_FALSE(G.GetCellGraphic(0, 2)->CellBoolean());
  EXPECT_EQ(G.GetButtonText(1, 1), u"");
}

TEST_F(GraphicsGrid, ControlsKeepTheirBackgroundPlainKindsTakeTheCellColour) {
  struct Case {
    const char* what;
    std::function<void()> add;
    bool takesBrush;
  };
  const Case cases[] = {
      {"check box", [&] { G.AddCheckBox(C, R, false, false); }, false},
      {"button", [&] { G.AddButton(C, R, 10, 10, u"", haLeft, vaTop); }, false},
      {"comment", [&] { G.AddComment(C, R, u"c"); }, true},
      {"marker only", [&] { G.AddMarker(C, R, 1, 1); }, true},
      {"no graphic", [] {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.RemoveCellGraphic(C, R);
    c.add();
    G.SetColors(C, R, clLime);
    G.SetFontColors(C, R, clRed);
    TFont font;
    TBrush brush;
    brush.SetColor(clWhite);
    G.DoGetCellColor(C, R, &font, &brush, {});
    EXPECT_EQ(brush.Color(), c.takesBrush ? clLime : clWhite);
    EXPECT_EQ(font.Color(), clRed);
  }
}

TEST(CellGraphicsScrollBar, AutoRangeFollowsTheTextAndTheRowHeight) {
  TAdvStringGrid g{nullptr};
  auto canvas = std::make_unique<TRecordingCanvas>();
  canvas->Font()->Assign(*g.Font());
  const int line = canvas->LineHeight();
  g.SetMeasureCanvas(std::move(canvas));
  g.SetRowHeights(2, 30);
  g.SetCells(1, 2, u"one");
  g.AddScrollBar(1, 2, true);
  EXPECT_TRUE(g.HasAutoRangeScrollBar(1, 2));
  EXPECT_EQ(g.GetScrollProp(1, 2), (TScrollProp{30, line}));
  g.SetCells(1, 2, u"one\r\ntwo\r\nthree");
  EXPECT_EQ(g.GetScrollProp(1, 2), (TScrollProp{30, 3 * line}));
  g.AddScrollBar(1, 3, false);
  g.SetScrollProp(1, 3, {5, 6});
  g.SetCells(1, 3, u"one\r\ntwo");
  EXPECT_EQ(g.GetScrollProp(1, 3), (TScrollProp{5, 6}));
  EXPECT_EQ(g.GetScrollProp(1, 4), (TScrollProp{-1, -1}));
  EXPECT_EQ(g.GetScrollPosition(1, 4), -1);
}

// Records the parts of the client area the grid asks to repaint.
class TRepaintView : public TControlView {
 public:
  explicit TRepaintView(std::vector<TRect>& Rects) : FRects(Rects) {}
  void SetParentView(TControlView*) override {}
  void SetBounds(const TRect&) override {}
  void SetVisible(bool) override {}
  void SetEnabled(bool) override {}
  void SetCaption(const String&) override {}
  void SetColor(TColor) override {}
  void SetFont(const TFont&) override {}
  void SetCursor(int) override {}
  void Invalidate() override {}
  void InvalidateRect(const TRect& R) override { FRects.push_back(R); }
  void Update() override {}
  void BringToFront() override {}
  void SetNativeFocus() override {}
  void DefaultHandler(TMessage&) override {}

 private:
  std::vector<TRect>& FRects;
};

struct TViewedGrid : TAdvStringGrid {
  using TAdvStringGrid::TAdvStringGrid;
  using TAdvStringGrid::SetView;
};

TEST(CellGraphicsRepaint, MultiImageListChangeRepaintsItsCell) {
  TViewedGrid g{nullptr};
  TImageList images;
  std::vector<TRect> repainted;
  g.SetGridImages(&images);
  g.SetViewSize(1000, 1000);
  g.HandleNeeded();
  g.SetView(std::make_unique<TRepaintView>(repainted));
  g.AddMultiImage(C, R, 1, haLeft, vaTop);
  repainted.clear();
  g.CellImages(C, R)->Add(3);
  g.CellImages(C, R)->Add(5);
  ASSERT_EQ(repainted.size(), 2u);
  EXPECT_EQ(repainted[0], g.CellRect(C, R));
  EXPECT_FALSE(g.GetCellGraphic(C, R)->CellBoolean()) << "Dir 1 lays the images out vertically";
}

TEST_F(GraphicsGrid, HotmailRowSelectAnswersTheSharedRowCheckBox) {
  G.MouseActions()->SetHotmailRowSelect(true);
  EXPECT_EQ(G.GetCellType(0, 3), ctRowCheckBox);
  EXPECT_EQ(G.GetCellType(0, 0), ctRowCheckBox);
  EXPECT_EQ(G.GetCellType(1, 3), ctEmpty);
  TCellGraphic* shared = G.GetCellGraphic(0, 2);
  EXPECT_FALSE(shared->CellBoolean());
  G.SetRowSelect(2, true);
  EXPECT_TRUE(G.GetCellGraphic(0, 2)->CellBoolean());
  EXPECT_EQ(G.GetCellGraphic(0, 0)->CellAngle(), 1) << "some rows selected";
  EXPECT_FALSE(G.GetCellGraphic(0, 0)->CellBoolean());
  for (int r = 1; r < G.RowCount(); ++r) G.SetRowSelect(r, true);
  EXPECT_EQ(G.GetCellGraphic(0, 0)->CellAngle(), 0);
  EXPECT_TRUE(G.GetCellGraphic(0, 0)->CellBoolean()) << "all rows selected";
  EXPECT_TRUE(G.RemoveCellGraphic(0, 2));
  EXPECT_EQ(G.GetCellGraphic(0, 2), shared) << "the shared graphic is never freed";
  EXPECT_TRUE(G.HasCheckBox(0, 4));
}

// Each kind with an object it owns, freed along every path a cell can go;
// the leak sanitizer checks what is left.
void FillEveryKind(TAdvStringGrid& g, int Row) {
  g.CreateBitmap(0, Row, false, haLeft, vaTop);
  g.CreatePicture(1, Row, false, Stretch, 0, haLeft, vaTop);
  g.CreateIcon(2, Row, haLeft, vaTop);
  g.CreateBitButton(3, Row, 10, 10, u"", haLeft, vaTop);
  g.CreateRadio(4, Row, 0, 0)->Add(u"x");
}

void FillMoreKinds(TAdvStringGrid& g, int Row) {
  g.AddMultiImage(0, Row, 0, haLeft, vaTop);
  g.AddBalloon(1, Row, u"t", u"x", biInfo);
  g.AddCheckBox(2, Row, true, false);
  g.AddBalloon(2, Row, u"t", u"x", biInfo);
  g.CreateFilePicture(3, Row, false, Stretch, 0, haLeft, vaTop);
  g.AddRadioButton(4, Row, true);
  g.AddBalloon(4, Row, u"t", u"x", biInfo);
}

TEST(CellGraphicsLifetime, EveryKindIsFreedOnEveryPath) {
  TImageList images;
  const std::vector<std::pair<const char*, std::function<void(TAdvStringGrid&)>>> paths = {
      {"remove", [](TAdvStringGrid& g) { for (int c = 0; c < 5; ++c) g.RemoveCellGraphic(c, 2), g.RemoveCellGraphic(c, 3); }},
      {"replace", [](TAdvStringGrid& g) { for (int c = 0; c < 5; ++c) g.AddComment(c, 2, u""), g.AddComment(c, 3, u""); }},
      {"clear", [](TAdvStringGrid& g) { g.Clear(); }},
      {"row removal", [](TAdvStringGrid& g) { g.RemoveRows(2, 2); }},
      {"column removal", [](TAdvStringGrid& g) { g.RemoveCols(0, 5); }},
      {"row parked then freed", [](TAdvStringGrid& g) { g.HideRows(2, 3); g.SetRowCount(2); }},
      {"grid destruction", [](TAdvStringGrid&) {}},
  };
  for (const auto& [what, path] : paths) {
    SCOPED_TRACE(what);
    auto g = std::make_unique<TAdvStringGrid>(nullptr);
    g->SetColCount(5);
    g->SetGridImages(&images);
    FillEveryKind(*g, 2);
    FillMoreKinds(*g, 3);
    path(*g);
    g.reset();
  }
}

}  // namespace
