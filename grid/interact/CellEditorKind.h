#pragma once
// One special editor kind of the grid's editing cycle (TGridEditCycle): the
// part of opening and closing an editor that only the kind knows. A kind is
// registered once per TEditorType value with TGridEditCycle::RegisterKind;
// a kind with nothing registered (the text kinds, edNone, edDataCheckBox and
// the kinds whose controls are still to come) places nothing, so the grid
// stays in edit mode without a visible control until the next write-back.
//
// Opening: the cycle sets FEditing, FSpecialEditor, FEditActive and EditMode,
// settles the place below, calls Show, takes its answer as EditCtrl and then
// clears the start character. Closing: the cycle resolves the real column,
// calls WriteBack (only while EditMode is set when the kind is Guarded) and
// leaves EditMode false afterwards; then it announces the end of editing.
#include "platform/gui/Graphics.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;
class TWinControl;

// Where and with what a special editor opens.
struct TCellEditorPlace {
  int Col;      // real column
  int DisplCol;
  int Row;
  TRect Rect;   // the cell rectangle; moved right by 1 with right-to-left alignment
  int Width;    // Rect's width and height less one, so the grid lines stay visible
  int Height;
  TColor Color; // the cell's colour and font as GetVisualProperties settles them
  const TFont* Font;  // valid during Show only
  String Text;  // the grid's GetEditText of the displayed cell
};

class TCellEditorKind {
 public:
  virtual ~TCellEditorKind() = default;
  // Places, fills, shows and focuses the kind's control; calls
  // Grid.DoGetEditorProp where the kind lets the application adjust it, and
  // TGridEditCycle::SendStartChar when the kind takes the typed character.
  // Answers the control shown (nil when none is).
  virtual TWinControl* Show(TAdvStringGrid& Grid, const TCellEditorPlace& Place) = 0;
  // Stores the control's value through Grid.StoreEditorValue (ACol is the
  // real column), then disables and hides the control.
  virtual void WriteBack(TAdvStringGrid& Grid, int ACol, int ARow) = 0;
  // A guarded kind writes back only while the grid is in edit mode, so a
  // second write-back of the same edit does nothing.
  virtual bool Guarded() const { return false; }
};
