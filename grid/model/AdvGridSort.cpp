// The grid's sorting methods; the work is done by its sorter.
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/SortSettings.h"

void TAdvStringGrid::QSort() { FSorter->QSort(); }
void TAdvStringGrid::QSortIndexed() { FSorter->QSortIndexed(); }
void TAdvStringGrid::QSortGroup() { FSorter->SortGroupRows(false); }
void TAdvStringGrid::QSortGroupIndexed() { FSorter->SortGroupRows(true); }
void TAdvStringGrid::QUnSort() { FSorter->QUnSort(); }
void TAdvStringGrid::InitSortXRef() { FSorter->InitSortXRef(); }

void TAdvStringGrid::Sort(int Column, TSortDirection Direction) {
  FSortSettings->SetColumn(Column);
  FSortSettings->SetDirection(Direction);
  QSort();
}

void TAdvStringGrid::SortByColumn(int Col) {
  if (RowCount() <= 1) return;
  FSortSettings->SetColumn(Col);
  QSort();
}

void TAdvStringGrid::QuickSort(int Col, int Left, int Right) { FSorter->QuickSort(Col, Left, Right); }
void TAdvStringGrid::QuickSortIndexed(int Left, int Right) { FSorter->QuickSortIndexed(Left, Right); }
bool TAdvStringGrid::SortLine(int Col, int ARow1, int ARow2) { return FSorter->SortLine(Col, ARow1, ARow2); }

int TAdvStringGrid::CompareCells(int ACol, int ARow1, bool Descending, int ARow2) {
  return FSorter->CompareCells(ACol, ARow1, Descending, ARow2);
}

int TAdvStringGrid::CompareLine(int ACol, int ARow1, int ARow2) {
  return FSorter->CompareLine(ACol, ARow1, ARow2);
}

int TAdvStringGrid::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  return FSorter->CompareLineIndexed(Index, ARow1, ARow2);
}

int TAdvStringGrid::Compares() const { return FSorter->Compares(); }
void TAdvStringGrid::SetCompares(int Value) { FSorter->SetCompares(Value); }
