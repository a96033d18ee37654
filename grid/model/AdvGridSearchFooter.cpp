// The search footer's actions on the search panel's edit, match-case box
// and highlight button.
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SearchPanel.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/StdCtrls.h"

namespace {
constexpr TColor NotFoundColor = 0x0000FF;
}  // namespace

TFindParams TAdvStringGrid::FooterFindParams(TSearchAction Action) {
  const TSearchFooter& f = *FSearchFooter;
  TFindParams p{fnAutoGoto};
  const auto add = [&p](bool On, TFindParameters Flag) {
    if (On) p.Include(Flag);
  };
  add(FSearchPanel->HiliteButton()->Down(), fnIgnoreHTMLTags);
  add(FSearchPanel->MatchCase()->Checked(), fnMatchCase);
  add(f.SearchActiveColumnOnly(), fnFindInCurrentCol);
  add(f.SearchMatchStart(), fnMatchStart);
  add(Action == saFindPrevious, fnBackward);
  add(Action != saFindPrevious && f.SearchDirection() == sdLeftRight, fnDirectionLeftRight);
  add(Action == saFindFirst && f.SearchFixedCells(), fnIncludeFixed);
  add(Action == saFindFirst && f.SearchHiddenRows(), fnIncludeHiddenRows);
  if (f.SearchColumn() >= 0 && f.SearchColumn() < ColCount()) {
    p.Include(fnFindInPresetCol);
    SetFindCol(f.SearchColumn());
  }
  return p;
}

bool TAdvStringGrid::FooterSearchColumn(int& ACol) const {
  ACol = FSearchFooter->SearchColumn();
  return ACol >= 0 && ACol < ColCount();
}

void TAdvStringGrid::RemoveFooterHighlights() {
  int col = 0;
  if (FooterSearchColumn(col)) UnHilightInCol(false, col);
  else UnHilightInGrid(false);
}

void TAdvStringGrid::HighlightFooterText(const String& Text) {
  const bool doCase = FSearchPanel->MatchCase()->Checked();
  int col = 0;
  if (FooterSearchColumn(col)) HilightInCol(false, doCase, col, Text);
  else HilightInGrid(false, doCase, Text);
}

void TAdvStringGrid::MarkSearchEdit(bool Found) {
  TEdit* edit = FSearchPanel->Edit();
  edit->SetColor(Found ? clWindow : NotFoundColor);
  // Resizing makes the edit repaint in its new colour.
  edit->SetWidth(edit->Width() + 1);
  edit->SetWidth(edit->Width() - 1);
}

void TAdvStringGrid::SearchFooterTextChange() {
  const String text = FSearchPanel->Edit()->Text();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  if (!defaultSearch || !FSearchFooter->AutoSearch()) return;
  const TFindParams params = FooterFindParams(saFindFirst);
  const bool highlight = FSearchPanel->HiliteButton()->Down() || FSearchFooter->AlwaysHighLight();
  if (highlight) RemoveFooterHighlights();
  if (text.empty()) {
    MarkSearchEdit(true);
    if (FSearchPanel->HiliteButton()->Down()) RemoveFooterHighlights();
    return;
  }
  const TPoint hit = Find(Point(-1, -1), text, params);
  SetSearchCell(hit);
  DoSearchFooterAction(text, hit.X, hit.Y, saFindFirst);
  MarkSearchEdit(hit.X >= 0);
  if (hit.X < 0) return;
  ScrollInView(hit.X, hit.Y);
  if (highlight) HighlightFooterText(text);
}

void TAdvStringGrid::FooterStep(TSearchAction Action) {
  const String text = FSearchPanel->Edit()->Text();
  if (!FSearchFooter->AutoSearch() && text != FSearchFooter->LastSearch()) {
    SetSearchCell(Point(-1, -1));
    FSearchFooter->SetLastSearch(text);
  }
  const TPoint hit = Find(SearchCell(), text, FooterFindParams(Action));
  SetSearchCell(hit);
  const bool forward = Action == saFindNext;
  if (forward && hit.X >= 0) ScrollInView(hit.X, hit.Y);
  const int floating = FFloatingFooter->Visible() ? 1 : 0;
  if (Row() > TopRow() + VisibleRowCount() - 3 + (1 - floating) && VisibleRowCount() + FixedRows() + floating < RowCount())
    SetTopRow(TopRow() + 2);
  if (!forward && hit.X >= 0) ScrollInView(hit.X, hit.Y);
  DoSearchFooterAction(text, hit.X, hit.Y, Action);
  FSearchPanel->Invalidate();
}

void TAdvStringGrid::SearchFooterFindPrevious() { FooterStep(saFindPrevious); }
void TAdvStringGrid::SearchFooterFindNext() { FooterStep(saFindNext); }

void TAdvStringGrid::SearchFooterClose() {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

void TAdvStringGrid::SearchFooterHighlight() {
  if (FSearchPanel->HiliteButton()->Down()) HighlightFooterText(FSearchPanel->Edit()->Text());
  else RemoveFooterHighlights();
}
