#pragma once
// Rows[i] and Cols[i] of the grid: a string list over one row or column of
// cells, reading and writing the grid directly (no copy of the grid). A row
// view has ColCount entries, a column view RowCount. Assigning a list copies
// its texts and objects into the cells; cells past the source's end are emptied.
#include "platform/sys/Strings.h"

class TGridModel;

class TGridStrings : public TStrings {
 public:
  TGridStrings(TGridModel& Grid, bool IsRow, int Index) : FGrid(Grid), FIsRow(IsRow), FIndex(Index) {}
  TGridStrings(const TGridStrings& Other) : TStrings(), FGrid(Other.FGrid), FIsRow(Other.FIsRow), FIndex(Other.FIndex) {}

  int Count() const override;
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  // Fills the first empty cell; -1 when there is none.
  int AddObject(const String& S, TObject* AObject) override;
  // A row or column of a grid has a fixed length: these raise.
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;  // empties every cell of the line
  void Assign(const TPersistent& Source) override;

 private:
  void Check(int Index) const;
  int ColOf(int Index) const { return FIsRow ? Index : FIndex; }
  int RowOf(int Index) const { return FIsRow ? FIndex : Index; }

  TGridModel& FGrid;
  bool FIsRow;
  int FIndex;
};
