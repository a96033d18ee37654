// The rest of the grid's window procedure: paints, the frame, cancel mode,
// theme changes, the component notifications, and the controls placed in
// cells.
#include <algorithm>
#include <cstdint>

#include "grid/base/FocusHelper.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/base/RegMonitorThread.h"
#include "grid/model/AdvGridUnit.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "platform/gui/Timers.h"

namespace {
constexpr UINT WM_THEMECHANGED = 0x031A;
constexpr std::uintptr_t FrameworkScrollTimer = 1;  // the platform grid's drag-scroll timer
}  // namespace

bool TAdvStringGrid::WindowMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: PaintMessage(Message); return true;
    case WM_NCPAINT: NonClientPaint(Message); return true;
    case CM_HINTSHOW: CMHintShow(Message); return true;
    case WM_CANCELMODE: CancelMode(); return false;
    case CM_VISIBLECHANGED:
      if (!Message.WParam) HideFocusWindow();
      return false;
    case WM_THEMECHANGED: case OfficeThemeChangeMessage:
      if (AutoThemeAdapt() && !(ComponentState() & csDesigning)) FollowOfficeTheme();
      return false;
    case CM_ENABLEDCHANGED: case CM_COLORCHANGED: case CM_CURSORCHANGED: case CM_STYLECHANGED:
      ComponentMessage(Message);
      return true;
    default: return false;
  }
}

void TAdvStringGrid::ComponentMessage(TMessage& Message) {
  if (Message.Msg == CM_STYLECHANGED) return ApplyActiveStyleColors();
  TBaseGrid::Dispatch(Message);
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED: Invalidate(); break;
    case CM_COLORCHANGED:
      if (FFooterPanel && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
      break;
    case CM_CURSORCHANGED: CursorChanged(); break;
    default: break;
  }
}

// A paint while locked draws no cells (Paint); the proportional scroll
// ranges follow the first paint.
void TAdvStringGrid::PaintMessage(TMessage& Message) {
  TGridWindowState& w = FState->Window;
  if (w.PaintCount == 0 && ScrollProportional() && !(ComponentState() & csDesigning))
    UpdateScrollProportional();
  TBaseGrid::Dispatch(Message);
  if (FUpdateCount > 0 || TabStop() || w.PaintCount != 0) return;
  w.PaintCount = 1;
  UpdateVertScrollProportional();
}

void TAdvStringGrid::NonClientPaint(TMessage& Message) {
  TBaseGrid::Dispatch(Message);
  auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
  if (canvas && FUpdateCount <= 0) PaintLookBorder(*canvas);
  Message.Result = 0;
}

void TAdvStringGrid::CancelMode() {
  const TGridState state = GridState();
  const bool moving = state == gsColMoving || state == gsRowMoving;
  if (!EnhRowColMove() || !moving || Cursor() != crDrag) return;
  TBaseGrid::SetCursor(FState->Cursor);
  HideHeaderDragButton();
  if (HandleAllocated()) KillTimer(Handle(), FrameworkScrollTimer);
  CancelGridState();
}

void TAdvStringGrid::UpdateScrollProportional() {
  UpdateVertScrollProportional();
  UpdateHorzScrollProportional();
}

void TAdvStringGrid::ResetFixedCellHighlight() {
  TGridWindowState& w = FState->Window;
  w.SizeFixed = w.SizeFixedR = w.NoMouseLeave = false;
  if (FPaint.HoverFixedCells == hfNone) return;
  const TPoint hover = FPaint.HoverFixedCell;
  FPaint.HoverFixedCell = TPoint{-1, -1};
  if (hover.X >= 0 && hover.Y >= 0) RepaintCell(hover.X, hover.Y);
}

TCanvas* TAdvStringGrid::GetFooterCanvas() const {
  return FFooterPanel ? FFooterPanel->Canvas() : nullptr;
}

// The procedure asks the control's parent at each message, so it never
// outlives the grid it reads.
void TAdvStringGrid::HostCellControl(TWinControl& Control) {
  std::vector<TComponent*>& hosted = FState->Window.HostedControls;
  if (std::find(hosted.begin(), hosted.end(), &Control) != hosted.end()) return;
  hosted.push_back(&Control);
  Control.FreeNotification(this);
  TWinControl* control = &Control;
  Control.WindowProc = [control, previous = Control.WindowProc](TMessage& Message) {
    previous(Message);
    if (Message.Msg != WM_GETDLGCODE) return;
    const auto* grid = dynamic_cast<const TAdvStringGrid*>(control->Parent());
    if (grid && grid->Options().Contains(goTabs))
      Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
  };
}

// ---- row indicator and custom borders follow the current cell

void TAdvStringGrid::RepaintRowIndicators(int ARow) {
  if (FState->RowIndicator.Empty() || FixedCols() <= 0) return;
  RepaintCell(0, Row());
  if (ARow != Row()) RepaintCell(0, ARow);
}

void TAdvStringGrid::RepaintCustomBorders(int ARow) {
  if (!HasCustomCellBorders()) return;
  RepaintRow(Row());
  if (ARow != Row()) RepaintRow(ARow);
}
