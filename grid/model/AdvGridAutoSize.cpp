// Column and row auto-size and the size hooks.
#include <functional>

#include "grid/base/ColumnSize.h"
#include "grid/base/SizeWhileTyping.h"
#include "grid/base/GridStrings.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Canvas.h"
#include "grid/base/ControlLook.h"

void TAdvStringGrid::UpdateColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TAdvStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TAdvStringGrid::DoAutoSizeCol(int ACol, bool GrowOnly) {
  int first = 0;
  int last = RowCount() - 1;
  if (FColumnSize->Rows() == arNormal) {
    first = FixedRows();
    last = RowCount() - FFixedFooters - 1;
  } else if (FColumnSize->Rows() == arFixed) {
    last = FixedRows() - 1;
  }
  const int storageCol = RealColIndex(ACol);
  int widest = 0;
  for (int r = first; r <= last; ++r) {
    if (IsXMergedCell(ACol, r)) continue;
    int w = GetCellTextSize(storageCol, r).X;
    if (FControlLook->DropDownAlwaysVisible() && DoHasComboBox(storageCol, r)) w += 16;
    widest = std::max(widest, w);
  }
  int width = widest + GetHorzPadding() + 2 * GridLineWidth() + 2;
  if (GrowOnly && ColWidths(ACol) >= width) return;
  UpdateAutoColumnSize(storageCol, width);
  SetColWidths(ACol, ApplySizeLimits(width, FValues.MinColWidth, FValues.MaxColWidth));
}

namespace {

// Grow-only applies to the padded size: a column or row already that large
// stays, so repeated calls do not widen it again and again.
void SizePadded(int Before, bool GrowOnly, int Padding, int Min, int Max,
                const std::function<void()>& Measure, const std::function<int()>& Get,
                const std::function<void(int)>& Set) {
  Measure();
  if (Padding != 0) Set(ApplySizeLimits(Get() + Padding, Min, Max));
  if (GrowOnly && Get() < Before) Set(Before);
}

}  // namespace

void TAdvStringGrid::AutoSizeCol(int ACol, int Padding) {
  SizePadded(
      ColWidths(ACol), FValues.SizeGrowOnly, Padding, FValues.MinColWidth, FValues.MaxColWidth,
      [&] { DoAutoSizeCol(ACol, false); }, [&] { return ColWidths(ACol); },
      [&](int w) { SetColWidths(ACol, w); });
}

void TAdvStringGrid::AutoSizeRow(int ARow, int Padding) { SizeRowPadded(ARow, Padding, Padding); }

void TAdvStringGrid::SizeRowPadded(int ARow, int Padding, int GraphicTextHeight) {
  SizePadded(
      RowHeights(ARow), FValues.SizeGrowOnly, Padding, FValues.MinRowHeight, FValues.MaxRowHeight,
      [&] { DoAutoSizeRow(ARow, false, GraphicTextHeight); }, [&] { return RowHeights(ARow); },
      [&](int h) { SetRowHeights(ARow, h); });
}

void TAdvStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int first = DoFixedCols ? 0 : FixedCols();
  const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

bool TAdvStringGrid::AllRowsShown() const { return VisibleRowCount() + FixedRows() >= RowCount(); }

// The editor stays where the user types: when the grown row pushes rows out
// of view, the editor is shown again with the caret at the end.
void TAdvStringGrid::DoAutoSizeRow(int ARow, bool GrowOnly, int GraphicTextHeight) {
  int tallest = 0;
  for (int c = 0; c < ColCount(); ++c) {
    const int storageCol = RealColIndex(c);
    if (IsYMergedCell(c, ARow) || IsIgnoredColumn(storageCol)) continue;
    if (IsMergedCell(c, ARow) && !IsBaseCell(c, ARow)) continue;
    const int t = GetCellTextSize(storageCol, ARow, false, WordWrap()).Y;
    const int g = CalcCellGraphicSize(storageCol, ARow, GraphicTextHeight).Y;
    tallest = std::max(tallest, t + g);
  }
  const int height = GetVertPadding() + tallest + 2 * GridLineWidth() + (FValues.XYOffsetTopLeftOnly ? 2 : 0);
  const bool typing = AllRowsShown() && EditorMode() && FSizeWhileTyping->Height();
  if (!GrowOnly || RowHeights(ARow) < height) {
    SetRowHeights(ARow, ApplySizeLimits(height, FValues.MinRowHeight, FValues.MaxRowHeight));
  }
  if (typing && !AllRowsShown()) {
    ShowEditor();
    if (TInplaceEdit* editor = InplaceEditor()) editor->SetSelStart(static_cast<int>(editor->Text().size()));
  }
}

void TAdvStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
  const int first = DoFixedRows ? 0 : FixedRows();
  ExportNotification(esExportStart, first);
  for (int r = first; r < RowCount(); ++r) {
    ExportNotification(esExportNewRow, r);
    if (WordWrap()) {
      SizeRowPadded(r, Padding, 0);
    } else {
      SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
    }
  }
  ExportNotification(esExportDone, -1);
}

// Measured in the grid's font as the row's colour hook leaves it.
void TAdvStringGrid::SetRowHeightForLines(int ARow, int Lines, int Extra) {
  TCanvas& canvas = *MeasureCanvas();
  canvas.Font()->Assign(*Font());
  TBrush brush;
  DoGetCellColor(FixedCols(), ARow, canvas.Font(), &brush, TGridDrawState());
  const int h = canvas.TextHeight(u"gh");
  SetRowHeights(ARow, ApplySizeLimits(Extra + Lines * (h + h / 8), FValues.MinRowHeight, FValues.MaxRowHeight));
}

int TAdvStringGrid::MaxLinesInRow(int ARow) {
  if (!FValues.Multilinecells) return 1;
  int lines = 1;
  for (int c = 0; c < ColCount(); ++c) lines = std::max(lines, LineCount(Cells(RealColIndex(c), ARow), true));
  return lines;
}

void TAdvStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  const int firstCol = DoFixedCells ? 0 : FixedCols();
  const int firstRow = DoFixedCells ? 0 : FixedRows();
  BeginUpdate();
  try {
    for (int c = firstCol; c < ColCount(); ++c) {
      int w0 = FValues.SizeGrowOnly ? ColWidths(c) : 0;
      for (int r = firstRow; r < RowCount(); ++r) {
        const TPoint t = GetCellTextSize(RealColIndex(c), r);
        const TPoint g = GetCellGraphicSize(RealColIndex(c), r);
        const int needW = t.X + g.X + PaddingX + FValues.XYOffset.X;
        const int needH = t.Y + g.Y + PaddingY + FValues.XYOffset.Y;
        if (!IsXMergedCell(c, r) && w0 < needW) {
          const int d = ApplySizeLimits(needW, FValues.MinColWidth, FValues.MaxColWidth);
          if (w0 < d) {
            SetColWidths(c, d);
            w0 = d;
          }
        }
        if (!IsYMergedCell(c, r) && RowHeights(r) < needH) {
          const int d = ApplySizeLimits(needH, FValues.MinRowHeight, FValues.MaxRowHeight);
          if (RowHeights(r) < d) SetRowHeights(r, d);
        }
      }
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TAdvStringGrid::SetAutoSize(bool Value) {
  FAutoSize = Value;
  if (Value && !Loading()) AutoSizeColumns(false, 10);
}

int TAdvStringGrid::MaxColumnTextLength(int ACol) {
  int longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    String text;
    GetSaveCellText(ACol, r, text);
    for (String line; !text.empty();) {
      ExtractFirstLine(text, FValues.Multilinecells, line);
      longest = std::max(longest, static_cast<int>(line.size()));
    }
  }
  return longest;
}
