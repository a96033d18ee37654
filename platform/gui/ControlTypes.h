#pragma once
// Small types shared by the control classes: shift states, mouse buttons,
// cursors, alignment, control styles and the event signatures.
#include <functional>

#include "platform/gui/Messages.h"
#include "platform/sys/Component.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/Types.h"

// Repeats the component unit's aliases (same types, so both may be seen).
using TObject = TPersistent;
using TNotifyEvent = std::function<void(TObject* Sender)>;

// An operation the control cannot do in its state (focusing a hidden control, ...).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

enum TShiftStateFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};

// A set of TShiftStateFlag.
class TShiftState {
 public:
  constexpr TShiftState() = default;
  constexpr TShiftState(TShiftStateFlag f) : FBits(f) {}
  constexpr bool Contains(TShiftStateFlag f) const { return (FBits & f) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr unsigned Bits() const { return FBits; }
  constexpr TShiftState operator|(TShiftState o) const { return FromBits(FBits | o.FBits); }
  constexpr TShiftState Without(TShiftState o) const { return FromBits(FBits & ~o.FBits); }
  friend constexpr bool operator==(TShiftState, TShiftState) = default;
  static constexpr TShiftState FromBits(unsigned b) {
    TShiftState s;
    s.FBits = b;
    return s;
  }

 private:
  unsigned FBits = 0;
};
constexpr TShiftState operator|(TShiftStateFlag a, TShiftStateFlag b) {
  return TShiftState(a) | TShiftState(b);
}

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1u << 0,
  csCaptureMouse = 1u << 1,
  csClickEvents = 1u << 2,
  csDoubleClicks = 1u << 3,
  csOpaque = 1u << 4,
  csSetCaption = 1u << 5,
  csNoStdEvents = 1u << 6,
};

enum TControlStateFlag : unsigned {
  csLButtonDown = 1u << 0,
  csClicked = 1u << 1,
  csFocusing = 1u << 2,
  csCreating = 1u << 3,
};

class TControl;
class TWinControl;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, Char& Key)>;

// Shift state of a mouse message's WParam (MK_ flags).
TShiftState MouseShiftState(WPARAM Keys);
WPARAM MouseKeys(TShiftState Shift);

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11;
