#pragma once
// Undo and redo of the cell text changes of one grid. Changes are listed
// oldest first; the level splits the list into applied items (before it)
// and undone ones (from it on). A multi-cell operation is bracketed by a
// start and a stop marker, so that one Undo or Redo covers all of it.
#include <functional>
#include <memory>
#include <vector>

#include "platform/sys/Component.h"

class TBaseGrid;

struct TUndoRedoItem {
  int Row = -1;  // storage row; -1 in a marker
  int Col = -1;  // storage column; -1 in a marker
  String Value;      // the text after the change
  String OrigValue;  // the text before it
  bool SequenceStart = false;
  bool SequenceStop = false;
};

// Raised before a cell is changed back or forth: OrigValue is the text the
// cell holds now, NewValue the one it is about to receive.
using TAdvGridUndoRedoEvent =
    std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                       const String& OrigValue, const String& NewValue)>;

class TAdvGridUndoRedo : public TComponent {
 public:
  explicit TAdvGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}
  ~TAdvGridUndoRedo() override;
  String ClassName() const override { return u"TAdvGridUndoRedo"; }

  // Records that the cell's text went from OldValue to NewValue. With
  // MaxLevel items already kept, the oldest is dropped first.
  virtual void RegisterChange(int ACol, int ARow, const String& OldValue, const String& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  void Reset();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < Count(); }

  int MaxLevel() const { return FMaxLevel; }  // 0 or less: no limit
  void SetMaxLevel(int Value) { FMaxLevel = Value; }
  int Level() const { return FLevel; }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TUndoRedoItem& Items(int Index) const;
  TBaseGrid* Grid() const { return FGrid; }
  void SetGrid(TBaseGrid* Value);

  TAdvGridUndoRedoEvent OnUndo;
  TAdvGridUndoRedoEvent OnRedo;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void Append(TUndoRedoItem Item);
  void Apply(const TUndoRedoItem& Item, bool Backwards);
  bool IsStart(int Index) const { return FItems[static_cast<size_t>(Index)].SequenceStart; }
  bool IsStop(int Index) const { return FItems[static_cast<size_t>(Index)].SequenceStop; }

  std::vector<TUndoRedoItem> FItems;
  TBaseGrid* FGrid = nullptr;
  int FLevel = 0;
  int FMaxLevel = 0;
};
