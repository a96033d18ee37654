#pragma once
// The in-place editing cycle of one TAdvStringGrid, behind the grid's
// CanEditShow, ShowEditControl, HideEditControl, ShowInplaceEdit,
// HideInplaceEdit and DoneInplaceEdit: whether an editor may open on the
// current cell, which kind, placing and writing back a special editor
// (through the kind registered for it, CellEditorKind.h) and the end of an
// edit. Its fields are the editing state the grid's editors read and set;
// what the cell change shares (Editing, CellCache, EditCtrl, LastValidation)
// the grid keeps.
#include <map>
#include <memory>

#include "grid/base/GridTypes.h"
#include "grid/interact/CellEditorKind.h"
#include "platform/gui/Controls.h"

class TGridEditCycle {
 public:
  explicit TGridEditCycle(TAdvStringGrid& Grid);
  ~TGridEditCycle();
  TGridEditCycle(const TGridEditCycle&) = delete;
  TGridEditCycle& operator=(const TGridEditCycle&) = delete;

  // Replaces what Kind did before; nil makes it place nothing again.
  void RegisterKind(TEditorType Kind, std::unique_ptr<TCellEditorKind> Editor);
  TCellEditorKind* RegisteredKind(TEditorType Kind) const;

  // FrameworkAnswer is the platform grid's own decision.
  bool CanEditShow(bool FrameworkAnswer);
  // ACol is a displayed column.
  void ShowEditControl(int ACol, int ARow);
  void HideEditControl(int ACol, int ARow);
  // Writes the grid's CellCache into the current cell (Escape).
  void RestoreCachedCell();
  // Sends the start character (when one was typed) to Target as if typed there.
  void SendStartChar(TWinControl* Target) const;

  // The text kinds open the grid's text editor; edNone opens nothing.
  static bool IsTextKind(TEditorType Kind);

  TEditorType EditControl = edNormal;  // kind of the cell being edited
  bool EditMode = false;       // a cell is in edit mode (text or special editor)
  bool SpecialEditor = false;  // the open editor is a special editor control
  bool EditActive = false;     // a special editor is active: its write-back ends the edit
  bool Entered = false;        // the user entered the cell for editing
  bool ShowEditProcess = false;  // the text editor is about to open
  bool BlockKill = false;      // a value is being written back; focus losses are ignored
  bool BlockFocus = false;     // an editor hands the focus back to the grid
  Char StartEditChar = 0;      // the character typed to start editing, 0 when none

 private:
  TCellEditorPlace PlaceFor(int ACol, int ARow, TFont& Font);
  // Edit mode ends and the grid announces it.
  void EndOfEditing(int ACol, int ARow);
  // The platform text editor takes the cell's colour, font and limit.
  void StyleTextEditor();
  // With FocusHelper enabled the glow surrounds the edited cell.
  void ShowFocusGlow();

  TAdvStringGrid& FGrid;
  std::map<TEditorType, std::unique_ptr<TCellEditorKind>> FKinds;
};
