// The SNMP tables window under input made as the window system makes it:
// a press on the partly shown last row, the thumb of a 256-row table, and
// the text editor of a cell.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/button/LbButton.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::SystemInputDriver;

class SNMPTrapAccessInput : public ::testing::Test {
 protected:
  SNMPTrapAccessInput() { P.Open_Project("Plant"); }
  TFSNMP_Trap_Access& W() { return dynamic_cast<TFSNMP_Trap_Access&>(*P.Main->Windows.FSNMP_Trap_Access); }
  TAdvColumnGrid& Read() { return *W().ACG_SNMP_Read; }
  // Runs Action in the shown window, then closes it.
  void Show(const std::function<void()>& Action) {
    P.Input.WhenModal([&] {
      Action();
      W().Close();
    });
    P.Click(u"Btn_SNMP_Trap");
  }
  static TPoint Centre(const TRect& R) { return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

  testsupport::ProgramFixture P;
  SystemInputDriver Sys;
};

// The press scrolls the row into view; the release at the same place, now
// over the row below, must not take the current cell there.
TEST_F(SNMPTrapAccessInput, APressOnThePartlyShownLastRowMakesThatRowCurrent) {
  Show([&] {
    TAdvColumnGrid& G = Read();
    ASSERT_EQ(G.TopRow(), 1);
    const int Last = G.TopRow() + G.VisibleRowCount();
    const TRect Cell = G.CellRect(11, Last);
    ASSERT_GT(Cell.Top + G.RowHeights(Last), G.ClientHeight()) << "the row is partly shown";
    Sys.Click(G, Point((Cell.Left + Cell.Right) / 2, Cell.Top + 2));
    EXPECT_EQ(G.Row(), Last);
    EXPECT_EQ(G.Col(), 11);
    EXPECT_EQ(G.Selection(), (TGridRect{11, Last, 11, Last})) << "one cell selected";
    EXPECT_GT(G.TopRow(), 1) << "the row scrolled into view";
    P.Boxes.Answer(mrNo);
    Sys.Click(*W().Btn_DelRow);
    ASSERT_FALSE(P.Boxes.Boxes().empty());
    EXPECT_EQ(P.Boxes.Boxes().back().Text, P.Text(1975) + IntToStr(Last));
  });
}

// The thumb of the 256-row table, dragged from a place away from the top
// to the end of the track, follows the pointer and shows the last rows.
TEST_F(SNMPTrapAccessInput, TheThumbDraggedToTheBottomShowsTheLastRows) {
  Show([&] {
    TAdvColumnGrid& G = Read();
    G.SetTopRow(100);
    Sys.Pump();
    const int Bar = G.ClientWidth() + TCustomGrid::ScrollBarThickness() / 2;
    const int Length = G.ClientHeight();
    const int Thumb = G.ScrollThumbSize(SB_VERT);
    TScrollInfo Info;
    ASSERT_TRUE(G.GetScrollInfo(SB_VERT, Info));
    const int Track = Length - 2 * TCustomGrid::ScrollBarThickness() - Thumb;
    const int Top = TCustomGrid::ScrollBarThickness() + Track * (Info.nPos - Info.nMin) / (Info.nMax - Info.nMin);
    const TPoint Grab = Point(Bar, Top + Thumb / 2);
    Sys.MouseMove(G, Grab);
    Sys.MouseDown(G, Grab);
    Info.fMask = SIF_ALL;
    ASSERT_TRUE(G.GetScrollInfo(SB_VERT, Info));
    EXPECT_EQ(Info.nTrackPos, Info.nPos) << "the grabbed thumb stays where it stands";
    const TPoint Half = Point(Bar, Grab.Y + (Length - Grab.Y) / 2);
    Sys.MouseMove(G, Half);
    Info.fMask = SIF_TRACKPOS;
    ASSERT_TRUE(G.GetScrollInfo(SB_VERT, Info));
    EXPECT_GT(Info.nTrackPos, Info.nPos) << "the thumb follows the pointer";
    Sys.MouseMove(G, Point(Bar, Length + 40));
    Sys.MouseUp(G, Point(Bar, Length + 40));
    EXPECT_EQ(G.TopRow(), G.MaxTopRow());
    EXPECT_EQ(G.LastVisibleRow(), G.RowCount() - 1);
  });
}
// Quick presses on the track page as often as they come, as on any scroll
// bar: a second press there is no double click on the grid.
TEST_F(SNMPTrapAccessInput, APressRightAfterAnotherOnTheBarPagesAgain) {
  Show([&] {
    TAdvColumnGrid& G = Read();
    const TPoint Track = Point(G.ClientWidth() + TCustomGrid::ScrollBarThickness() / 2, G.ClientHeight() - 25);
    const int Width = G.ColWidths(G.ColCount() - 1);
    Sys.DoubleClick(G, Track);
    EXPECT_EQ(G.TopRow(), 1 + 2 * G.VisibleRowCount());
    EXPECT_EQ(G.ColWidths(G.ColCount() - 1), Width);
  });
}
// Where the dark (text) pixels inside R of a picture lie; (R.Right, R.Bottom)
// for the top-left when there are none.
TRect TextBox(const TPixelBuffer& Px, const TRect& R) {
  TRect Box{R.Right, R.Bottom, R.Left, R.Top};
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) {
      const TColor C = Px.Pixel(X, Y);
      if ((C & 0xFF) + ((C >> 8) & 0xFF) + ((C >> 16) & 0xFF) > 3 * 100) continue;
      Box = TRect{std::min(Box.Left, X), std::min(Box.Top, Y), std::max(Box.Right, X + 1), std::max(Box.Bottom, Y + 1)};
    }
  return Box;
}
TPoint TextCorner(const TPixelBuffer& Px, const TRect& R) {
  const TRect Box = TextBox(Px, R);
  return Point(Box.Left, Box.Top);
}

// Header texts wider than their column stay on the one line the 22-pixel
// header row shows, whole. Set GX_SNAPSHOT_DIR to keep the picture.
TEST_F(SNMPTrapAccessInput, LongHeaderTextsStayOnTheLineTheHeaderRowShows) {
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File = (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "SNMPHeaders.png";
  Show([&] {
    TAdvColumnGrid& G = Read();
    ASSERT_TRUE(platform::RenderToPng(G, S(File.string())));
    TPngImage Png;
    Png.LoadFromFile(S(File.string()));
    for (const int Col : {5, 6, 7, 10}) {
      SCOPED_TRACE(Col);
      const TRect Head = G.CellRect(Col, 0);
      ASSERT_EQ(Head.Height(), 22);
      const TRect Box = TextBox(Png.Bitmap().Pixels(), TRect{Head.Left + 1, Head.Top, Head.Right - 1, Head.Bottom - 1});
      EXPECT_LT(Box.Bottom, Head.Bottom - 3) << "no line cut by the row's end";
      EXPECT_GT(Box.Width(), Head.Width() * 4 / 5) << "the whole text on one line";
    }
  });
}

// The text editor of a one-line cell is a one-line edit without a frame or
// arrows, with its text where the cell shows it, and it keeps the caret of
// a long text in view. Set GX_SNAPSHOT_DIR to keep the pictures.
TEST_F(SNMPTrapAccessInput, TheCellEditorIsOneLineAtTheCellsTextAndShowsTheCaret) {
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path Dir = Keep ? std::filesystem::path(Keep) : P.Dir.Path();
  Show([&] {
    TAdvColumnGrid& G = Read();
    const TRect Cell = G.CellRect(11, 2);
    const String Shown = G.Cells(11, 2);
    ASSERT_TRUE(platform::RenderToPng(G, S((Dir / "SNMPCellShown.png").string())));
    Sys.Click(G, Centre(Cell));
    Sys.Key(VK_F2);
    ASSERT_TRUE(G.EditorMode());
    TInplaceEdit& Edit = *G.InplaceEditor();
    EXPECT_FALSE(Edit.MultiLineNative());
    ASSERT_TRUE(platform::RenderToPng(G, S((Dir / "SNMPCellEdited.png").string())));
    TPngImage Before, After;
    Before.LoadFromFile(S((Dir / "SNMPCellShown.png").string()));
    After.LoadFromFile(S((Dir / "SNMPCellEdited.png").string()));
    const TRect Inside{Cell.Left + 1, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1};
    const TPoint Was = TextCorner(Before.Bitmap().Pixels(), Inside), Is = TextCorner(After.Bitmap().Pixels(), Inside);
    EXPECT_LE(std::abs(Is.X - Was.X), 1) << "the text keeps its place";
    EXPECT_LE(std::abs(Is.Y - Was.Y), 1) << "the text keeps its line";
    // No arrows at the editor's right end.
    EXPECT_EQ(TextCorner(After.Bitmap().Pixels(), TRect{Cell.Right - 18, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1}).X,
              Cell.Right - 1);
    // A long text: the caret at its end is in view.
    const TRect Long = G.CellRect(14, 2);
    Sys.Key(VK_RETURN);
    Sys.Click(G, Centre(Long));
    Sys.Type(u"thisisaverylongmnemonictextforthecell");
    ASSERT_TRUE(G.EditorMode());
    const int Last = static_cast<int>(G.InplaceEditor()->Text().size()) - 1;
    const LRESULT At = G.InplaceEditor()->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(Last), 0);
    ASSERT_NE(At, -1);
    EXPECT_LT(GetXLParam(At), G.InplaceEditor()->Width());
    EXPECT_GT(GetXLParam(At), G.InplaceEditor()->Width() / 2);
    Sys.Key(VK_ESCAPE);
    ASSERT_TRUE(platform::RenderToPng(W(), S((Dir / "SNMPWindow.png").string())));
  });
}
}  // namespace
