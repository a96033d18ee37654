#pragma once
// What only the grid's own files need: its private state and its row engine
// and column move step. Code outside the grid includes AdvStringGrid.h alone.
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "grid/base/ControlList.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/ScrollControl.h"
#include "grid/base/SelectedCellList.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/CellGraphics.h"
#include "grid/model/ColumnMoveStep.h"
#include "grid/model/GridFinder.h"
#include "grid/model/GridRowEngine.h"
#include "grid/model/GridSorter.h"
#include "grid/model/OutlineNodes.h"
#include "grid/model/RowGrouping.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/PixelBuffer.h"

#include "grid/model/FormResizeListener.h"

class TArrowWindow;
class TGridFocusWindow;
class TFilterRun;

// The cell being edited and what validating it and moving on leave behind.
struct TCellChangeState {
  int OldCol = 0;  // display column
  int OldRow = 0;
  String OldCellText;  // raw text of the real cell when entered
  bool OldModifiedValue = false;
  String NewCellText;
  bool Validating = false;
  bool LastValidation = true;
  bool NoAutoAdvance = false;
  int AECol = -1;  // where an automatic advance began
  int AERow = -1;
  bool DisableChange = false;
  bool ForceSel = false;  // a forced selection is running
  bool Modified = false;
  // The editing cycle sets these; validation and cell moves read them.
  bool Editing = false;
  String CellCache;
  String EditText;  // text of the cell being selected
  TWinControl* EditCtrl = nullptr;
};

// What the grid timer keeps between ticks.
struct TGridTimerState {
  // The lock switched the window's redrawing off.
  bool RedrawOff = false;
  int SearchTics = 0;
  String SearchInc;
};

// What the grid's window procedure keeps between messages.
struct TGridWindowState {
  int PaintCount = 0;  // 1 once a grid that is no tab stop has painted
  // Set by the pointer over a fixed edge (sizing marks) and by a pop-up from
  // a fixed cell that keeps its hover face; ResetFixedCellHighlight clears them.
  bool SizeFixed = false;
  bool SizeFixedR = false;
  bool NoMouseLeave = false;
  bool ThemeRegistered = false;  // the Office theme watcher knows the window
  TPoint LastHintPos{-1, -1};     // the cell whose hint was asked for last
  // Controls placed in cells whose window procedure the grid wrapped.
  std::vector<TComponent*> HostedControls;
  // Resize feedback lines drawn and not yet erased, from and to.
  std::vector<std::pair<TPoint, TPoint>> SizeLines;
};

// What the looks keep: the component style, the colour tones once set,
// the last Office theme seen, and the drop-down editors that take them.
struct TGridLookState {
  TZEVStyle Style = tsWindowsXP;
  TColorTones Tones;
  bool TonesSet = false;
  TOfficeTheme LastOfficeTheme = otUnknown;  // none seen yet
  std::array<TComponent*, DropDownEditorSlotCount> DropDownEditors{};  // not owned
};

struct TAdvGridState {
  // Children of the grid, owned by it as components: the focus glow's window
  // (none at design time) and the move arrows, up, down, left, right.
  TGridFocusWindow* FocusWindow = nullptr;
  std::array<TArrowWindow*, 4> Arrows{};
  // Controls placed in cells: X storage column, Y real row.
  TControlList ControlList;
  std::vector<int> AllColWidths;  // remembered widths of storage columns
  std::vector<bool> ColSelect;
  TGridRect OldSelection{};
  int OldRowSel = -1;
  bool NilObjects = false;
  bool BlockCellChange = false;
  bool Entered = false;
  // Set by the editing cycle: the next Invalidate only clears it.
  bool EditChange = false;
  TCursor Cursor = crDefault;
  TCursor RestoreCursor = crDefault;
  bool IsVista = false;
  bool IsWin7 = false;
  int FormWidth = 0;
  int FormHeight = 0;
  std::unique_ptr<TFormResizeListener> FormResize;
  TFont CellFont;  // scratch font of Fonts
  // Painted in column 0 of selected rows.
  TBitmap RowIndicator;
  std::unique_ptr<TPixelBuffer> MeasureBuffer;  // under the measuring canvas
  std::unique_ptr<TCanvas> MeasureCanvas;
  // Pictures of mini-HTML texts: loaded by URL, and the linked named ones.
  THTMLPictureCache ImageCache;
  TPictureContainer* Container = nullptr;
  // Filtering: FixedRows when the filter was applied, the column whose
  // drop-down is open, the text of the last NarrowDown, and the run whose
  // conditions ApplyFilter prepared.
  bool FilterActive = false;
  int FilterFixedRows = -1;
  int FilterCol = -1;
  String LastFilter;
  TFilterRun* FilterRun = nullptr;
  TDropList* DropList = nullptr;  // owned as components
  TDropCheckList* DropCheckList = nullptr;
  std::vector<TGridChangeNotifier*> Notifiers;
  TAdvStringGridCheck* CellChecker = nullptr;  // not owned
  TPopupMenu* FixedDropDownMenu = nullptr;     // not owned
  // A footer recalculation asked for inside an update bracket.
  bool FooterDue = false;
  TCellChangeState CellChange;
  TGridLookState Looks;
  TGridTimerState Timer;
  TGridWindowState Window;
  // What the text and combo editors share with the editing cycle: editing
  // begun by a left click and where, the preset combo item (-1 none).
  bool LButFlg = false;
  TPoint LButPoint{};
  int ComboIdx = -1;
  // GroupCalc's ranges: one group's data rows, no node or summary among them.
  bool CalcInsideGroup = false;
};
