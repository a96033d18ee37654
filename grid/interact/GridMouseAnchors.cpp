// Anchors and controls in cell texts: the press finds the one under the
// pointer. A control of an editable cell changes its value; for an anchor
// the application may handle it, else the grid jumps to a "CELL://" target or
// has the shell open a web or mail address. Nothing else is opened: a cell
// text may come from a file or a paste, and must not start a program.
#include "grid/base/CellText.h"
#include "grid/base/ControlLook.h"
#include "grid/base/GridStrings.h"
#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLRender.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Shell.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr StringView CellJump = u"CELL://";
// More digits than this name no row or column of any grid.
constexpr size_t MaxIndexDigits = 9;

bool IsOpenableScheme(const String& Anchor) {
  const size_t colon = Anchor.find(u':');
  if (colon == String::npos) return false;
  const String scheme = LowerCase(StringView(Anchor).substr(0, colon));
  return scheme == u"http" || scheme == u"https" || scheme == u"ftp" || scheme == u"mailto";
}

// Reads Letter and its digits at Pos; false when they are not there.
bool ReadIndex(StringView Text, size_t& Pos, Char Letter, int& Value) {
  if (Pos >= Text.size() || Text[Pos] != Letter) return false;
  const size_t start = ++Pos;
  Value = 0;
  for (; Pos < Text.size() && Text[Pos] >= u'0' && Text[Pos] <= u'9'; ++Pos) {
    if (Pos - start == MaxIndexDigits) return false;
    Value = Value * 10 + (Text[Pos] - u'0');
  }
  return Pos > start;
}
}  // namespace

bool TGridMouse::AnchorPress(TGridCoord Cell, int X, int Y) {
  const int rcol = G.RealColIndex(Cell.X);
  const String text = G.GetFormattedCell(rcol, Cell.Y);
  const int kind = CellTextKind(text, G.EnableHTML());
  if (kind == ctkPlain && G.URLShow() && IsURLText(text)) return AnchorClick(Cell, text);
  if (kind != ctkHTML) return false;
  THTMLRenderResults hit;
  if (HitTestText(Cell, text, X, Y, hit)) {
    if (!hit.ControlID.empty() && ControlPress(Cell, hit, Point(X, Y))) return true;
    if (hit.ControlID.empty() && !hit.AnchorVal.empty()) return AnchorClick(Cell, hit.AnchorVal);
  }
  if (!HasControlTag(text)) return false;
  // Beside the controls the press only selects the cell.
  ClickCell(Cell);
  G.HideEditor();
  G.FocusCell(Cell.X, Cell.Y, true);
  return true;
}

bool TGridMouse::AnchorClick(TGridCoord Cell, const String& Anchor) {
  bool autoHandle = true;
  if (G.OnAnchorClick) G.OnAnchorClick(&G, Cell.Y, Cell.X, Anchor, autoHandle);
  if (autoHandle) FollowAnchor(Anchor);
  return true;
}

bool TGridMouse::HitTestText(TGridCoord Cell, const String& Text, int X, int Y, THTMLRenderResults& Hit) {
  const int rcol = G.RealColIndex(Cell.X);
  TRect r = G.CellRect(Cell.X, Cell.Y);
  const TPoint xy = G.XYOffset();
  r.Left += xy.X + 1;
  r.Top += xy.Y;
  if (!G.XYOffsetTopLeftOnly()) r.Right -= xy.X;
  if (G.HasCheckBox(rcol, Cell.Y)) r.Left += G.ControlLook()->CheckSize();
  // The text sits upright at the mirrored place of a right-to-left grid.
  r = G.ClientOfView(r);
  TCanvas& canvas = *G.MeasureCanvas();
  canvas.Font()->Assign(*G.Fonts(rcol, Cell.Y));
  THTMLRenderInputs in;
  in.XPos = X;
  in.YPos = Y;
  in.CheckHotSpot = true;
  in.WordWrap = !G.EnhTextSize();
  in.PictureCache = G.ImageCache();
  in.PictureContainer = G.Container();
  return RenderMiniHTML(canvas, Text, r, in, Hit);
}

// A check box flips, a radio button is set and its cell mates cleared; a
// cell that may not be edited takes the press as any other.
bool TGridMouse::ControlPress(TGridCoord Cell, const THTMLRenderResults& Hit, TPoint At) {
  if (!G.IsEditable(G.RealColIndex(Cell.X), Cell.Y)) return false;
  G.HideEditor();
  const String type = UpperCase(Hit.ControlType);
  if (type == u"BUTTON") PressControlButton(Cell, At);
  String text = G.Cells(Cell.X, Cell.Y);
  String value;
  GetControlValue(text, Hit.ControlID, value);
  if (type == u"CHECK") {
    value = UpperCase(value) == u"TRUE" ? u"FALSE" : u"TRUE";
    SetControlValue(text, Hit.ControlID, value);
  } else if (type == u"RADIO") {
    value = u"TRUE";
    text = ClearRadioControls(text);
    SetControlValue(text, Hit.ControlID, value);
  }
  if (text != G.Cells(Cell.X, Cell.Y)) G.SetCells(Cell.X, Cell.Y, text);
  if (G.OnControlClick) G.OnControlClick(&G, Cell.Y, Cell.X, Hit.ControlID, type, value);
  return true;
}

// Drawn down until the release.
void TGridMouse::PressControlButton(TGridCoord Cell, TPoint At) {
  TAdvGridPaintValues& paint = G.PaintState();
  paint.CtrlDown = true;
  paint.CtrlCell = TPoint{Cell.X, Cell.Y};
  paint.CtrlXY = At;
  paint.PointerXY = At;
  G.RepaintCell(Cell.X, Cell.Y);
}

void TGridMouse::ReleaseControlButton() {
  TAdvGridPaintValues& paint = G.PaintState();
  if (!paint.CtrlDown) return;
  paint.CtrlDown = false;
  G.RepaintCell(paint.CtrlCell.X, paint.CtrlCell.Y);
  paint.CtrlCell = TPoint{-1, -1};
}

void TGridMouse::FollowAnchor(const String& Anchor) {
  const String upper = UpperCase(Anchor);
  const size_t jump = upper.find(CellJump);
  if (jump != String::npos) return JumpToCell(upper.substr(jump + CellJump.size()));
  if (IsOpenableScheme(Anchor)) ShellOpen(Anchor);
}

// "R" row "C" column; a target that is no cell the current cell may move
// to changes nothing.
void TGridMouse::JumpToCell(const String& Target) {
  size_t pos = 0;
  int row = 0, col = 0;
  if (!ReadIndex(Target, pos, u'R', row) || !ReadIndex(Target, pos, u'C', col) || pos != Target.size()) return;
  if (row < G.FixedRows() || row >= G.RowCount() || col < G.FixedCols() || col >= G.ColCount()) return;
  G.FocusCell(col, row, true);
  G.ScrollInView(col, row);
}
