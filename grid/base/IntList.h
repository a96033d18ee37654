#pragma once
// A list of integers bound to one cell: every change through Add, Delete or
// Items is reported with that cell, so a cell's image list or a column order
// can repaint what it belongs to.
#include <functional>
#include <vector>

#include "platform/sys/Component.h"

using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;

class TIntList : public TPersistent {
 public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  int Items(int Index) const;
  void SetItems(int Index, int Value);
  // As two SetItems, with an OnChange each.
  void Exchange(int Index1, int Index2);
  int Add(int Value);
  void Delete(int Index);
  // Quiet: no OnChange.
  void Insert(int Index, int Value);
  void Clear() { FItems.clear(); }
  // Deletes the first occurrence (with OnChange); nothing when absent.
  void DeleteValue(int Value);
  bool HasValue(int Value) const;

  // "3,-1,12". Writing clears quietly, then adds each comma-text item, so
  // OnChange fires once per item; a non-integer item raises EConvertError
  // with the items before it kept.
  String StrValue() const;
  void SetStrValue(const String& Value);

  TImageChangeEvent OnChange;

 private:
  void CheckIndex(int Index) const;
  void Changed();
  int IndexOf(int Value) const;

  int FCol;
  int FRow;
  std::vector<int> FItems;
};
