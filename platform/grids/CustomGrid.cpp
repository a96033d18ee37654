// The grid window: construction, properties, the model's hooks and painting.
#include "platform/grids/CustomGrid.h"

#include "platform/grids/GridView.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Canvas.h"

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // The grid clicks itself (after a selection, a key move); no click on every release.
  SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks);
  SetView(platform::CreateFramedView(*this, FFramedView));
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
  // The editor goes while the grid can still answer its calls.
  TInplaceEdit* editor = FInplaceEdit;
  FInplaceEdit = nullptr;
  delete editor;
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  FDefaultDrawing = Value;
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  UpdateViewport();
  Invalidate();
}

void TCustomGrid::Click() { TCustomControl::Click(); }

// ---- the model's hooks

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!RepaintCovered()) InvalidateRect(ClientOfView(CellArea(ACol, ARow)));
}

void TCustomGrid::InvalidateCol(int ACol) {
  if (!RepaintCovered()) InvalidateRect(ClientOfView(ColumnArea(ACol)));
}

void TCustomGrid::InvalidateRow(int ARow) {
  if (!RepaintCovered()) InvalidateRect(ClientOfView(RowArea(ARow)));
}

void TCustomGrid::InvalidateGrid() { RequestRepaint(); }

void TCustomGrid::RequestRepaint() {
  if (RepaintCovered()) return;
  FStaleRepaintAsked = ViewportStale();
  Invalidate();
}

// Asked before a part's rectangle is worked out: working it out would
// bring a stale view up to date, which a repaint of the whole grid does later anyway.
bool TCustomGrid::RepaintCovered() const { return RepaintLocked() || (FStaleRepaintAsked && ViewportStale()); }

void TCustomGrid::TopLeftChanged() {
  SyncScrollBars();
  if (FEditorMode && FInplaceEdit && FInplaceCol >= 0) FInplaceEdit->UpdateLoc(ClientOfView(CellRect(Col(), Row())));
}

void TCustomGrid::OptionsChanged() {
  if (FEditorMode) return;
  if (Options().Contains(goAlwaysShowEditor))
    ShowEditor();
  else
    HideEditor();
}

// At once, not when next read: a scroll bar hidden by hand comes back when
// the need for it changes, and each count change may change it.
void TCustomGrid::SizeChanged(int, int) {
  UpdateViewport();
  if (FInplaceCol >= ColCount() || FInplaceRow >= RowCount()) FInplaceCol = FInplaceRow = -1;
  InvalidateEditor();
}

void TCustomGrid::ColWidthsChanged() { CellSizesChanged(); }
void TCustomGrid::RowHeightsChanged() { CellSizesChanged(); }

// Sizes often change by the thousand (rows hidden by a filter): the view is
// worked out once, when next read; a shown editor follows its cell at once.
void TCustomGrid::CellSizesChanged() {
  if (!ViewportStale()) FStaleRepaintAsked = false;
  MarkViewportStale();
  if (FEditorMode) UpdateEdit();
}

// The old and the new selection repaint (the focus frame lies on their corner cells).
void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  if (!RepaintCovered()) {
    InvalidateRect(ClientOfView(GridRectArea(OldSel)));
    InvalidateRect(ClientOfView(GridRectArea(Selection())));
  }
  // An editor still up while it holds no cell (its cell was written while it
  // could not be reloaded, as during a validation) closes as well.
  const bool shown = FInplaceEdit && FInplaceEdit->Visible();
  if ((FInplaceCol < 0 && !shown) || (FInplaceCol == Col() && FInplaceRow == Row())) return;
  // The editor stays with its cell: it closes, or with goAlwaysShowEditor moves along.
  if (Options().Contains(goAlwaysShowEditor))
    UpdateEdit();
  else
    HideEditor();
}

// A moving column or row takes the open editor's text with it: write it first.
void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
  HideEdit();
  TGridModel::ColumnMoved(FromIndex, ToIndex);
  UpdateEdit();
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
  HideEdit();
  TGridModel::RowMoved(FromIndex, ToIndex);
  UpdateEdit();
}

// ---- painting

void TCustomGrid::Resize() {
  UpdateViewport();
  UpdateEdit();
  TCustomControl::Resize();
}

// A right-to-left grid paints on a mirrored layout: the cells are laid out
// left to right and land mirrored, column 0 at the right edge.
void TCustomGrid::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.SetFont(*Font());
  {
    TMirrorLayout layout(canvas, MirroredView() ? ClientWidth() : 0);
    PaintCells(canvas, Color(), Focused(), FDefaultDrawing);
    PaintDragFeedback(canvas);
  }
  PaintScrollBars(canvas);
}

void TCustomGrid::PaintCell(TCanvas& Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (FDefaultDrawing) {
    bool fixed = AState.Contains(gdFixed), selected = AState.Contains(gdSelected);
    Canvas.Brush()->SetColor(fixed ? FFixedColor : selected ? clHighlight : Color());
    Canvas.Font()->SetColor(selected && !fixed ? clHighlightText : Font()->Color());
    Canvas.FillRect(ARect);
  }
  DrawCell(ACol, ARow, ARect, AState);
  if (!FDefaultDrawing || !AState.Contains(gdFixed)) return;
  // The raised edge of a fixed cell: light top and left, dark bottom and right.
  Canvas.Brush()->SetColor(clBtnHighlight);
  Canvas.FillRect(TRect{ARect.Left, ARect.Top, ARect.Right, ARect.Top + 1});
  Canvas.FillRect(TRect{ARect.Left, ARect.Top, ARect.Left + 1, ARect.Bottom});
  Canvas.Brush()->SetColor(clBtnShadow);
  Canvas.FillRect(TRect{ARect.Left, ARect.Bottom - 1, ARect.Right, ARect.Bottom});
  Canvas.FillRect(TRect{ARect.Right - 1, ARect.Top, ARect.Right, ARect.Bottom});
}

// While a border is dragged, a line shows where it will go; while a header
// is dragged, a thick line marks where the column or row will land (unless
// the grid draws its own mark).
void TCustomGrid::PaintDragFeedback(TCanvas& Canvas) {
  Canvas.Brush()->SetColor(clBlack);
  const TGridState state = GridState();
  if (state == gsColSizing) Canvas.FillRect(TRect{SizingPos(), 0, SizingPos() + 1, ViewHeight()});
  if (state == gsRowSizing) Canvas.FillRect(TRect{0, SizingPos(), ViewWidth(), SizingPos() + 1});
  if ((state == gsColMoving || state == gsRowMoving) && FMoveFeedback) PaintMoveLine(Canvas, state == gsColMoving);
}

void TCustomGrid::PaintMoveLine(TCanvas& Canvas, bool Column) {
  const TRect r = Column ? CellRect(MovePos(), 0) : CellRect(0, MovePos());
  if (r.IsEmpty()) return;
  const bool after = MovePos() > MoveIndex();
  if (Column) {
    const int x = after ? r.Right : r.Left;
    Canvas.FillRect(TRect{x - 1, 0, x + 2, ViewHeight()});
  } else {
    const int y = after ? r.Bottom : r.Top;
    Canvas.FillRect(TRect{0, y - 1, ViewWidth(), y + 2});
  }
}
