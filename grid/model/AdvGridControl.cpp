// The grid as a control: its window, bounds, size changes and loading.
#include "grid/base/ArrowWindow.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/base/Navigation.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/BalloonSettings.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/AdvStringGridPrivate.h"

#include "grid/base/ArrowWindow.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/base/BackGround.h"
#include "grid/base/ControlLook.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemVersion.h"
#include "platform/gui/Timers.h"

namespace {
// The thickness of the platform grid's scroll bars.
constexpr int ScrollBarSize = 17;
constexpr int LoadedMinColWidth = 10;
constexpr int LoadedAutoSizePadding = 4;
constexpr int SearchPanelHeight = 32;
}  // namespace

void TAdvStringGrid::Invalidate() {
  if (FState->EditChange) {
    FState->EditChange = false;
    return;
  }
  TBaseGrid::Invalidate();
  if (!Loading() && FFooterPanel && FFooterPanel->Visible() && FFooterPanel->Parent()) {
    FFooterPanel->Invalidate();
  }
}

void TAdvStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int height = AHeight;
  const int rowHeight = DefaultRowHeight();
  if (FIntegralHeight && FUpdateCount == 0 && rowHeight > 0) {
    const int bar = VisibleColCount() + FixedCols() < ColCount() ? ScrollBarSize : 0;
    const int border = BorderStyle() == bsSingle ? 2 : 0;
    height = AHeight + border - ((AHeight - bar - border) % rowHeight);
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, height);
}

void TAdvStringGrid::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TAdvStringGrid::Resize() {
  TBaseGrid::Resize();
  if (FBackGround->IsGradient() && FBackGround->ColorTo() != clNone) Invalidate();
  ApplyScrollBarAlways(false);
  CellControlsUpdate(false);
  UpdateScrollProportional();
}

void TAdvStringGrid::CreateWnd() {
  if (Destroying()) return;
  TBaseGrid::CreateWnd();
  if (!Parent()) return;
  if (FLook.ScrollType == ssMetro) CreateMetroScrollControls();
  if (FBalloon->Enable()) BalloonInit();
  ParentPanels();
  SetTimer(Handle(), GridTimerID, GridTimerInterval);
  FIsWinXP = FIsWinXP && IsThemeActive();
  FWheelScrollLines = ::WheelScrollLines();
}

void TAdvStringGrid::ParentPanels() {
  FFooterPanel->SetParent(this);
  FFooterPanel->SetVisible(FFloatingFooter->Visible());
  FSearchPanel->SetParent(this);
  ShowSearchPanel();
}

void TAdvStringGrid::ShowSearchPanel() {
  const bool searching = FSearchFooter->Visible();
  FSearchPanel->SetVisible(searching);
  FSearchPanel->SetHeight(searching ? SearchPanelHeight : 0);
  for (TArrowWindow* arrow : FState->Arrows) arrow->SetParent(this);
}

void TAdvStringGrid::UpdateSearchPanel() {
  ShowSearchPanel();
  FSearchPanel->SetColor(FSearchFooter->Color());
  FSearchPanel->SetColorTo(FSearchFooter->ColorTo());
}

void TAdvStringGrid::Loaded() {
  TBaseGrid::Loaded();
  FState->RestoreCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();
  if (FAutoSize) AutoSizeColumns(false, LoadedAutoSizePadding);
  FFixedRowsMin = FixedRows();
  FFixedColsMin = FixedCols();
  FValues.MinRowHeight = DefaultRowHeight();
  FValues.MinColWidth = LoadedMinColWidth;
  FMaxRowCount = RowCount();
  FGridLoaded = true;
  if (Options().Contains(goAlwaysShowEditor)) {
    FNavigation->SetAlwaysEdit(true);
    SetOptions(Options() - TGridOptions{goAlwaysShowEditor});
  }
  // Theme painting needs visual styles, which a classic desktop lacks.
  if (!(FIsWinXP && IsThemeActive()) && FControlLook->ControlStyle() == csTheme) {
    FControlLook->SetControlStyle(csClassic);
  }
  FSearchFooter->SetAutoThemeAdapt(FValues.AutoThemeAdapt);
  UpdateSearchPanel();
  ApplyScrollBarAlways(false);
  SetColumnOrder();
  if (AutoThemeAdapt()) FollowOfficeTheme();
}
