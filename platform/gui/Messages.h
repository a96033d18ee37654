#pragma once
// Window messages with the Windows numbering: handles, the message record,
// synchronous sends, the posted-message queue, registered message ids and
// the call-window-procedure hook list of the GUI thread.
#include <cstdint>
#include <functional>

#include "platform/sys/String.h"

using HWND = std::uintptr_t;  // 0 is "no window"
using UINT = unsigned;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HHOOK = std::uintptr_t;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;

constexpr WORD LoWord(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HiWord(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MakeWParam(int lo, int hi) {
  return static_cast<WPARAM>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr LPARAM MakeLParam(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
// Signed coordinates of a mouse message's LParam.
constexpr int GetXLParam(LPARAM l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int GetYLParam(LPARAM l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

// Windows messages.
constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
               WM_SIZE = 0x0005, WM_WINDOWPOSCHANGING = 0x0046, WM_WINDOWPOSCHANGED = 0x0047, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008,
               WM_ENABLE = 0x000A, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_PAINT = 0x000F,
               WM_SETREDRAW = 0x000B, WM_CLOSE = 0x0010, WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018,
               WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021, WM_NOTIFY = 0x004E,
               WM_NCACTIVATE = 0x0086, WM_NCLBUTTONDOWN = 0x00A1, WM_SIZING = 0x0214,
               WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085, WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100,
               WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105,
               WM_SYSCHAR = 0x0106, WM_COMMAND = 0x0111, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114,
               WM_VSCROLL = 0x0115, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
               WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
               WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207,
               WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
               WM_CAPTURECHANGED = 0x0215, WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302,
               WM_CLEAR = 0x0303, WM_UNDO = 0x0304, WM_USER = 0x0400, WM_APP = 0x8000;

// Control messages of the class library (our own numbering above WM_APP).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_CANCELMODE = CM_BASE + 4,
               CM_DIALOGKEY = CM_BASE + 5,
               CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
               CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
               CM_VISIBLECHANGED = CM_BASE + 11, CM_ENABLEDCHANGED = CM_BASE + 12,
               CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
               CM_CURSORCHANGED = CM_BASE + 15, CM_TEXTCHANGED = CM_BASE + 18,
               CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
               CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25,
               CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27, CM_HINTSHOW = CM_BASE + 48,
               CM_WANTSPECIALKEY = CM_BASE + 62, CM_GETMINREQRECT = CM_BASE + 63,
               CM_MOUSEWHEEL = CM_BASE + 67, CM_STYLECHANGED = CM_BASE + 81;
// Notifications reflected back to the control (CN_KEYDOWN = CN_BASE + WM_KEYDOWN).
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN, CN_KEYUP = CN_BASE + WM_KEYUP,
               CN_CHAR = CN_BASE + WM_CHAR, CN_SYSCHAR = CN_BASE + WM_SYSCHAR, CN_COMMAND = CN_BASE + WM_COMMAND,
               CN_NOTIFY = CN_BASE + WM_NOTIFY;

// The head of every WM_NOTIFY record (LParam): who sends it and what it says.
struct NMHDR {
  HWND hwndFrom = 0;
  std::uintptr_t idFrom = 0;
  UINT code = 0;
};

// Notification codes a control sends its parent in WM_COMMAND (high word of
// WParam; the low word is the control id, LParam the control's handle).
constexpr WORD CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4,
               CBN_EDITCHANGE = 5, CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8,
               CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10;
constexpr WORD EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400,
               EN_MAXTEXT = 0x0501;

// Edit control messages.
constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3,
               EM_SETRECTNP = 0x00B4, EM_GETLINECOUNT = 0x00BA, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7,
               EM_LINEFROMCHAR = 0x00C9, EM_SETREADONLY = 0x00CF, EM_SETMARGINS = 0x00D3,
               EM_GETMARGINS = 0x00D4, EM_POSFROMCHAR = 0x00D6, EM_CHARFROMPOS = 0x00D7;
// Combo box messages; index -1 of the item height is the selection field.
constexpr UINT CB_SETITEMHEIGHT = 0x0153, CB_GETITEMHEIGHT = 0x0154;
constexpr LRESULT CB_ERR = -1;

// EM_SETMARGINS: which margins WParam sets.
constexpr WPARAM EC_LEFTMARGIN = 0x0001, EC_RIGHTMARGIN = 0x0002, EC_USEFONTINFO = 0xFFFF;

// Window style bits a control is made with (TCreateParams).
constexpr unsigned ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004,
                   ES_PASSWORD = 0x0020, ES_AUTOVSCROLL = 0x0040, ES_AUTOHSCROLL = 0x0080,
                   ES_READONLY = 0x0800, ES_WANTRETURN = 0x1000;
constexpr unsigned WS_EX_TOPMOST = 0x0008;

// Virtual-key codes.
constexpr WORD VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
               VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10,
               VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
               VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
               VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
               VK_EXECUTE = 0x2B, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_LWIN = 0x5B, VK_APPS = 0x5D,
               VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C,
               VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F2 = 0x71,
               VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74, VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77,
               VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A, VK_F12 = 0x7B, VK_NUMLOCK = 0x90,
               VK_SCROLL = 0x91, VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC,
               VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0;

// Scroll codes (WM_HSCROLL and WM_VSCROLL, low word of WParam).
constexpr int SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
              SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8;

// Dialog codes (WM_GETDLGCODE answers).
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
                  DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040,
                  DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000;

// Hit-test codes (WM_NCHITTEST answers; the low word of WM_SETCURSOR's LParam).
constexpr LRESULT HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2, HTHSCROLL = 6, HTVSCROLL = 7,
                  HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15,
                  HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18;

// Mouse key flags in WParam of mouse messages.
constexpr WPARAM MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08,
                 MK_MBUTTON = 0x10;

constexpr int WHEEL_DELTA = 120;

// Hooks: only the call-window-procedure hook exists. It sees every message
// sent to a window of the GUI thread (SendMessage, and the focus messages the
// system sends), before the window procedure.
constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;
struct CWPSTRUCT {
  LPARAM lParam;
  WPARAM wParam;
  UINT message;
  HWND hwnd;
};
// nCode, wParam (nonzero when sent by the current thread), lParam (CWPSTRUCT*).
using HOOKPROC = std::function<LRESULT(int nCode, WPARAM wParam, LPARAM lParam)>;

HHOOK SetWindowsHookEx(int idHook, HOOKPROC lpfn);
bool UnhookWindowsHookEx(HHOOK hhk);
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);

// A window handle bound to a method; what controls use, and what non-visual
// objects use for a notifier window.
HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);
bool IsWindow(HWND Wnd);

// Synchronous: runs the window procedure before returning. From a worker
// thread the call blocks until the GUI thread has run it.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Queues the message (FIFO); it runs after the current handler has returned,
// when the message loop (or Pump/ProcessMessages) next drains the queue.
// A key-down goes as CN_KEYDOWN first, as a typed one does: a dialog key
// (Tab) moves the focus there. False for an unknown window.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// The same name gives the same id for the life of the program; ids from 0xC000.
UINT RegisterWindowMessage(const String& Name);
// The name Id was registered under; false for an id nobody registered.
bool RegisteredMessageName(UINT Id, String& Name);

namespace platform {
// Delivers every message queued so far (and those queued meanwhile), each in
// the application's trap. Answers whether any was delivered.
bool DeliverPostedMessages();
bool HasPostedMessages();
// Runs the window procedure as the message loop does for a queued message
// (no hooks); answers its result, 0 for an unknown window.
LRESULT DispatchToWindow(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// The backend's way to wake its event loop when a message is posted from any thread.
void SetPostedMessageWaker(std::function<void()> Waker);
}  // namespace platform
