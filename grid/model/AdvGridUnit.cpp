#include "grid/model/AdvGridUnit.h"

#include "grid/base/StyleProbes.h"
#include "platform/gui/ClipboardFormats.h"
#include "platform/sys/ClassRegistry.h"

HHOOK GridWindowPosHookHandle = 0;
TFocusWindowTracked* FocusWindowGrid = nullptr;
WORD GridCellsClipboardFormat = 0;
WORD GridEditDoneMessage = 0;
WORD DTPShiftFocusMessage = 0;
bool DateTimePickerSupported = false;
TCursor GridAnchorCursor = crHandPoint;
String GridHintFontName;

const StringView GridClassNames[GridClassCount] = {
    u"TAdvStringGrid", u"TDropList", u"TArrowWindow", u"TGridCombo", u"TGridSpin",
    u"TGridTransEdit", u"TGridTransCombo", u"TGridCheckBox", u"TGridEditBtn",
    u"TGridDateTimePicker", u"TGridUnitEditBtn", u"TGridTrackbarDropDown",
    u"TGridMemoDropDown", u"TGridCalculatorDropDown", u"TGridTimepickerDropDown",
    u"TGridDetailPickerDropDown", u"TGridGridDropDown", u"TGridColorDropDown",
    u"TGridImageDropDown", u"TGridButton", u"TGridDatePicker", u"THeaderDragButton",
    u"TControlEdit", u"TControlCombo", u"TScrollBar", u"TAdvRichEdit", u"TFooterPanel",
    u"TSearchPanel",
};

namespace {

// Common controls 4.70 brought the date and time picker.
constexpr int DateTimePickerMinVersion = 0x00040045;
bool Initialized = false;

void RegisterGridClasses() {
  for (StringView name : GridClassNames) {
    try {
      RegisterClass(String(name));
    } catch (...) {
      // A class that cannot be registered only cannot be named by a layout.
    }
  }
}

}  // namespace

void InitAdvGridUnit() {
  if (Initialized) return;
  Initialized = true;
  // OLE needs no start-up on our platform.
  FocusWindowGrid = nullptr;
  if (!GridWindowPosHookHandle) {
    GridWindowPosHookHandle = SetWindowsHookEx(WH_CALLWNDPROC, GridWindowPosHook);
  }
  RegisterGridClasses();
  DateTimePickerSupported = GetFileVersionMS(u"comctl32.dll") > DateTimePickerMinVersion;
  GridCellsClipboardFormat = static_cast<WORD>(RegisterClipboardFormat(u"TAdvStringGrid Cells"));
  GridEditDoneMessage = static_cast<WORD>(RegisterWindowMessage(u"GridEditDone"));
  DTPShiftFocusMessage = static_cast<WORD>(RegisterWindowMessage(u"DTPShiftFocus"));
}

void DoneAdvGridUnit() {
  if (!Initialized) return;
  Initialized = false;
  if (GridWindowPosHookHandle) UnhookWindowsHookEx(GridWindowPosHookHandle);
  GridWindowPosHookHandle = 0;
  for (StringView name : GridClassNames) UnRegisterClass(String(name));
  FocusWindowGrid = nullptr;
  GridHintFontName.clear();
}

bool AdvGridUnitInitialized() { return Initialized; }

LRESULT GridWindowPosHook(int Code, WPARAM WParam, LPARAM LParam) {
  const auto* msg = reinterpret_cast<const CWPSTRUCT*>(LParam);
  if (msg && (msg->message == WM_WINDOWPOSCHANGING || msg->message == WM_WINDOWPOSCHANGED) &&
      FocusWindowGrid) {
    FocusWindowGrid->PlaceFocusWindow();
  }
  return CallNextHookEx(GridWindowPosHookHandle, Code, WParam, LParam);
}

int FileVersionMS(bool Found, const TFixedFileInfo& Info) {
  if (!Found || Info.dwSignature != VS_FFI_SIGNATURE) return -1;
  return static_cast<int>(Info.dwFileVersionMS);
}

int GetFileVersionMS(const String& FileName) {
  TFixedFileInfo info;
  const bool found = GetFileFixedVersion(FileName, info);
  return FileVersionMS(found, info);
}

bool IsWinXPOrLater(const TOSVersion& V) { return V.Major > 5 || (V.Major == 5 && V.Minor >= 1); }
bool IsVistaOrLater(const TOSVersion& V) { return V.Major >= 6; }
bool IsWin7OrLater(const TOSVersion& V) { return V.Major > 6 || (V.Major == 6 && V.Minor >= 1); }

bool ComCtlThemed() { return IsComCtlV6(); }
