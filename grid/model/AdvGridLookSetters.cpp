// Setters of the look and scroll options: a repaint where the look changes,
// the value passed on where another part holds it too.
#include "grid/base/MouseActions.h"
#include "grid/base/HTMLText.h"
#include "grid/base/Navigation.h"
#include "grid/base/ScrollControl.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/ThemeNotifier.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FooterPanel.h"
#include "platform/grids/InplaceEdit.h"

namespace {

// Stores a changed value and repaints.
template <class T>
void StoreAndRepaint(TAdvStringGrid& Grid, T& Field, T Value) {
  if (StoreChanged(Field, Value)) Grid.Invalidate();
}

constexpr int MetroScrollSize = 6;

}  // namespace

void TAdvStringGrid::SetURLColor(TColor Value) {
  if (StoreChanged(FLook.URLColor, Value) && FLook.URLShow) Invalidate();
}

void TAdvStringGrid::SetURLShow(bool Value) { StoreAndRepaint(*this, FLook.URLShow, Value); }

void TAdvStringGrid::SetURLShowInText(bool Value) {
  StoreAndRepaint(*this, FLook.URLShowInText, Value);
}

void TAdvStringGrid::SetURLFull(bool Value) {
  FLook.URLFull = Value;
  if (FLook.URLShow) Invalidate();
}

void TAdvStringGrid::SetShowDesignHelper(bool Value) {
  StoreAndRepaint(*this, FLook.ShowDesignHelper, Value);
}

void TAdvStringGrid::SetActiveCellShow(bool Value) {
  FValues.ActiveCellShow = Value;
  Invalidate();
}

void TAdvStringGrid::SetActiveCellColor(TColor Value) {
  FValues.ActiveCellColor = Value;
  Invalidate();
}

void TAdvStringGrid::SetActiveCellColorTo(TColor Value) {
  FLook.ActiveCellColorTo = Value;
  Invalidate();
}

void TAdvStringGrid::SetHighlightColor(TColor Value) {
  StoreHighlightColors(Value, FLook.HighlightTextColor);
}

void TAdvStringGrid::SetHighlightTextColor(TColor Value) {
  StoreHighlightColors(FLook.HighlightColor, Value);
}

void TAdvStringGrid::StoreHighlightColors(TColor Background, TColor TextColor) {
  if (Background == FLook.HighlightColor && TextColor == FLook.HighlightTextColor) return;
  FLook.HighlightColor = Background;
  FLook.HighlightTextColor = TextColor;
  SetHTMLHighlightColors(Background, TextColor);
  Invalidate();
}

void TAdvStringGrid::SetAutoThemeAdapt(bool Value) {
  if (!StoreChanged(FValues.AutoThemeAdapt, Value)) return;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    FollowOfficeTheme();
    Invalidate();
  }
  if (!Loading() && HandleAllocated()) RegisterThemeWindow(Value);
}

void TAdvStringGrid::RegisterThemeWindow(bool Register) {
  if (!Register && !FState->Window.ThemeRegistered) return;
  FState->Window.ThemeRegistered = Register;
  TThemeNotifier* notifier = GetThemeNotifier(this);
  if (Register) {
    notifier->RegisterWindow(Handle());
  } else {
    notifier->UnRegisterWindow(Handle());
  }
}

void TAdvStringGrid::UpdateFooter() {
  if (FFooterPanel) FFooterPanel->Invalidate();
}

void TAdvStringGrid::SetXYOffset(TPoint Value) {
  FValues.XYOffset = Value;
  Invalidate();
}

void TAdvStringGrid::SetSelectionColor(TColor Value) { StoreAndRepaint(*this, FSelectionColor, Value); }

void TAdvStringGrid::SetSelectionColorTo(TColor Value) {
  StoreAndRepaint(*this, FLook.SelectionColorTo, Value);
}

void TAdvStringGrid::SetSelectionMirrorColor(TColor Value) {
  StoreAndRepaint(*this, FLook.SelectionMirrorColor, Value);
}

void TAdvStringGrid::SetSelectionMirrorColorTo(TColor Value) {
  StoreAndRepaint(*this, FLook.SelectionMirrorColorTo, Value);
}

void TAdvStringGrid::SetSelectionTextColor(TColor Value) {
  StoreAndRepaint(*this, FLook.SelectionTextColor, Value);
}

void TAdvStringGrid::SetSelectionColorMixer(bool Value) {
  StoreAndRepaint(*this, FLook.SelectionColorMixer, Value);
}

void TAdvStringGrid::SetSelectionRectangle(bool Value) {
  StoreAndRepaint(*this, FLook.SelectionRectangle, Value);
}

void TAdvStringGrid::SetSelectionResizer(bool Value) {
  StoreAndRepaint(*this, FLook.SelectionResizer, Value);
}

void TAdvStringGrid::SetSelectionColorMixerFactor(int Value) {
  StoreAndRepaint(*this, FLook.SelectionColorMixerFactor, std::clamp(Value, 0, 100));
}

void TAdvStringGrid::SetMaxEditLength(int Value) {
  FLook.MaxEditLength = Value;
  if (TInplaceEdit* edit = InplaceEditor()) edit->SetMaxLength(Value);
}

void TAdvStringGrid::SetShowSelection(bool Value) {
  if (!StoreChanged(FLook.ShowSelection, Value)) return;
  FShowSel = Value;
  Invalidate();
}

// Only switching it on presets editing; off leaves the settings alone.
void TAdvStringGrid::SetSpreadSheet(bool Value) {
  FLook.SpreadSheet = Value;
  if (!Value) return;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation->SetAllowSmartClipboard(true);
  SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
  FMouseActions->SetRangeSelectAndEdit(true);
}

void TAdvStringGrid::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  FVAlign = Value == vtaTop ? DT_TOP : Value == vtaBottom ? DT_BOTTOM : DT_VCENTER;
  if (FUpdateCount == 0) Invalidate();
}

void TAdvStringGrid::SetFlat(bool Value) {
  FLook.Flat = Value;
  if (!Loading()) Invalidate();
}

void TAdvStringGrid::SetCursor(TCursor Value) {
  TBaseGrid::SetCursor(Value);
  FState->Cursor = Value;
}

// ---- scroll bars

void TAdvStringGrid::SetScrollBars(TScrollStyle Value) {
  FScrollBarsOwn = Value;
  TBaseGrid::SetScrollBars(Value);
}

void TAdvStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  FLook.ScrollBarAlways = Value;
  ApplyScrollBarAlways(true);
}

// A bar kept shown while everything fits has nothing to scroll: its arrows
// go off, and come back on once the rows (columns) no longer fit.
void TAdvStringGrid::ApplyScrollBarAlways(bool Force) {
  const TScrollBarAlways always = FLook.ScrollBarAlways;
  // Nothing to do leaves the view unread: rows hidden one by one then work
  // it out once, not at each row.
  if (always == saNone && !Force) return;
  const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
  if (always != saNone) {
    if (rowsFit) ShowScrollBar(SB_VERT, always == saVert || always == saBoth);
    if (colsFit) ShowScrollBar(SB_HORZ, always == saHorz || always == saBoth);
    EnableScrollBar(SB_VERT, rowsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    EnableScrollBar(SB_HORZ, colsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
  } else if (Force) {
    if (rowsFit) ShowScrollBar(SB_VERT, false);
    if (colsFit) ShowScrollBar(SB_HORZ, false);
    // Arrows switched off while the bars were kept shown would stay off.
    EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
    EnableScrollBar(SB_HORZ, ESB_ENABLE_BOTH);
  }
}

void TAdvStringGrid::SetScrollType(TScrollType Value) {
  if (StoreChanged(FLook.ScrollType, Value)) {
    if (Value == ssFlat || Value == ssEncarta) {
      FlatInit();
      UpdateFlatScrollBars();
    } else {
      FlatDone();
    }
    if (HandleAllocated() && Value == ssMetro) {
      CreateMetroScrollControls();
      SetScrollBars(ssNone);
    } else if (HandleAllocated() && FMetroVert) {
      RemoveMetroScrollControls();
      SetScrollBars(ssBoth);
    }
  }
  ApplyFlatScrollStyle();
}

void TAdvStringGrid::SetScrollColor(TColor Value) {
  FLook.ScrollColor = Value;
  ApplyFlatScrollColor();
}

void TAdvStringGrid::SetScrollWidth(int Value) {
  FLook.ScrollWidth = Value;
  ApplyFlatScrollWidth();
}

void TAdvStringGrid::SetScrollProportional(bool Value) {
  FLook.ScrollProportional = Value;
  if (Value) {
    UpdateVertScrollProportional();
    UpdateHorzScrollProportional();
  }
}

// Flat scroll bar properties (WSB_PROP_*), written only while flat bars are active.
namespace {
constexpr int WsbPropCyHScroll = 4, WsbPropCxVScroll = 8, WsbPropVBkgColor = 0x40,
              WsbPropHBkgColor = 0x80, WsbPropVStyle = 0x100, WsbPropHStyle = 0x200;
constexpr int FsbRegularMode = 0, FsbEncartaMode = 1, FsbFlatMode = 2;
}  // namespace

void TAdvStringGrid::ApplyFlatScrollStyle() {
  if (FLook.ScrollType == ssMetro) return;
  const int mode = FLook.ScrollType == ssFlat      ? FsbFlatMode
                   : FLook.ScrollType == ssEncarta ? FsbEncartaMode
                                                   : FsbRegularMode;
  FlatSetScrollProp(WsbPropVStyle, mode, true);
  FlatSetScrollProp(WsbPropHStyle, mode, true);
}

void TAdvStringGrid::ApplyFlatScrollColor() {
  if (FLook.ScrollColor == clNone) return;
  FlatSetScrollProp(WsbPropVBkgColor, static_cast<int>(FLook.ScrollColor), true);
  FlatSetScrollProp(WsbPropHBkgColor, static_cast<int>(FLook.ScrollColor), true);
}

void TAdvStringGrid::ApplyFlatScrollWidth() {
  FlatSetScrollProp(WsbPropCxVScroll, FLook.ScrollWidth, true);
  FlatSetScrollProp(WsbPropCyHScroll, FLook.ScrollWidth, true);
}

// ---- the slim scroll controls of ssMetro

namespace {

// Owned by the grid as a component.
TScrollControl* NewMetroScrollControl(TAdvStringGrid& Grid, int Direction) {
  auto* control = new TScrollControl(&Grid);
  control->SetDirection(Direction);
  if (Direction == 0) {
    control->SetWidth(MetroScrollSize);
    control->SetAlign(alRight);
  } else {
    control->SetHeight(MetroScrollSize);
    control->SetAlign(alBottom);
  }
  control->SetParent(&Grid);
  control->SetVisible(true);
  return control;
}

}  // namespace

void TAdvStringGrid::CreateMetroScrollControls() {
  if (!FMetroVert) FMetroVert = NewMetroScrollControl(*this, 0);
  if (!FMetroHorz) FMetroHorz = NewMetroScrollControl(*this, 1);
}

void TAdvStringGrid::RemoveMetroScrollControls() {
  delete FMetroVert;
  delete FMetroHorz;
  FMetroVert = nullptr;
  FMetroHorz = nullptr;
}
