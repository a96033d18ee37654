// Anchors in cell texts: the press finds the anchor under the pointer, the
// application may handle it, else the grid jumps to a "CELL://" target or
// has the shell open a web or mail address. Nothing else is opened: a cell
// text may come from a file or a paste, and must not start a program.
#include "grid/base/CellText.h"
#include "grid/base/ControlLook.h"
#include "grid/base/GridStrings.h"
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
  const String anchor = AnchorAt(Cell, X, Y);
  if (anchor.empty()) return false;
  bool autoHandle = true;
  if (G.OnAnchorClick) G.OnAnchorClick(&G, Cell.Y, Cell.X, anchor, autoHandle);
  if (autoHandle) FollowAnchor(anchor);
  return true;
}

String TGridMouse::AnchorAt(TGridCoord Cell, int X, int Y) {
  const int rcol = G.RealColIndex(Cell.X);
  const String text = G.GetFormattedCell(rcol, Cell.Y);
  const int kind = CellTextKind(text, G.EnableHTML());
  if (kind == ctkPlain) return G.URLShow() && IsURLText(text) ? text : String();
  if (kind != ctkHTML) return String();
  TRect r = G.CellRect(Cell.X, Cell.Y);
  const TPoint xy = G.XYOffset();
  r.Left += xy.X + 1;
  r.Top += xy.Y;
  if (G.HasCheckBox(rcol, Cell.Y)) r.Left += G.ControlLook()->CheckSize();
  TCanvas& canvas = *G.MeasureCanvas();
  canvas.Font()->Assign(*G.Fonts(rcol, Cell.Y));
  THTMLRenderInputs in;
  in.XPos = X;
  in.YPos = Y;
  in.CheckHotSpot = true;
  in.WordWrap = !G.EnhTextSize();
  in.PictureCache = G.ImageCache();
  in.PictureContainer = G.Container();
  THTMLRenderResults out;
  if (!RenderMiniHTML(canvas, text, r, in, out)) return String();
  return out.AnchorVal;
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
