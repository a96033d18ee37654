#pragma once
// Start-up and shutdown of the grid unit and its unit-wide state: the
// window-position hook that keeps a focus glow on its cell, the registered
// class names, the registered clipboard format and window messages, and the
// platform facts the grids read.
#include <cstdint>

#include "platform/gui/ControlTypes.h"
#include "platform/gui/Messages.h"
#include "platform/gui/SystemVersion.h"

// A grid whose focus glow window follows window moves.
class TFocusWindowTracked {
 public:
  virtual void PlaceFocusWindow() = 0;

 protected:
  ~TFocusWindowTracked() = default;
};

extern HHOOK GridWindowPosHookHandle;
extern TFocusWindowTracked* FocusWindowGrid;  // nil when no glow is tracked
extern WORD GridCellsClipboardFormat;         // "TAdvStringGrid Cells"
extern WORD GridEditDoneMessage;              // "GridEditDone"
extern WORD DTPShiftFocusMessage;             // "DTPShiftFocus"
extern bool DateTimePickerSupported;
extern TCursor GridAnchorCursor;              // the cursor over links
extern String GridHintFontName;

// The grid's own timer on its window: blinking text, incremental search.
constexpr std::uintptr_t GridTimerID = 111;
constexpr unsigned GridTimerInterval = 500;

constexpr int GridClassCount = 28;
// In registration order.
extern const StringView GridClassNames[GridClassCount];

// Runs once before the first grid is made (later calls do nothing).
void InitAdvGridUnit();
// Undoes InitAdvGridUnit: hook removed, classes unregistered, state cleared.
void DoneAdvGridUnit();
bool AdvGridUnitInitialized();

// The hook procedure: on a window-position change repositions the tracked
// focus glow; always passes the call on.
LRESULT GridWindowPosHook(int Code, WPARAM WParam, LPARAM LParam);

// The file's major/minor version word; -1 without version information or
// when the block's signature is wrong.
int GetFileVersionMS(const String& FileName);
int FileVersionMS(bool Found, const TFixedFileInfo& Info);

// Platform facts the grid records when it is made.
bool IsWinXPOrLater(const TOSVersion& V);
bool IsVistaOrLater(const TOSVersion& V);
bool IsWin7OrLater(const TOSVersion& V);
// Common controls of version 6 or later.
bool ComCtlThemed();
