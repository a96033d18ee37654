#pragma once
// Top-level window services with the Windows names and values: the style
// bits a form is made with (TCreateParams), activation, showing and placing
// by handle, and the owner chain.
#include "platform/gui/Messages.h"

// Window styles (TCreateParams::Style) and extended styles (ExStyle).
constexpr unsigned WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u, WS_DISABLED = 0x08000000u, WS_BORDER = 0x00800000u;
constexpr unsigned WS_EX_TOOLWINDOW = 0x0080, WS_EX_LAYERED = 0x00080000, WS_EX_NOACTIVATE = 0x08000000;
// Window-class styles (TCreateParams::WindowClassStyle).
constexpr unsigned CS_SAVEBITS = 0x0800, CS_DROPSHADOW = 0x00020000;

// WM_ACTIVATE: low word of WParam; LParam is the window on the other side.
constexpr WPARAM WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2;
// Answers to WM_MOUSEACTIVATE.
constexpr LRESULT MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4;
// WM_SIZING: the edge being dragged (WParam); LParam points at the proposed TRect.
constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5,
                 WMSZ_BOTTOM = 6, WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8;

constexpr int SW_HIDE = 0, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_SHOWNA = 8;
// WM_SHOWWINDOW's LParam to a window whose owner is going out of sight.
constexpr LPARAM SW_PARENTCLOSING = 1;
constexpr unsigned SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004,
                   SWP_NOACTIVATE = 0x0010, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080;
constexpr HWND HWND_TOP = 0;
const HWND HWND_TOPMOST = static_cast<HWND>(-1);

// A child's parent window; for a top-level window its owner (0 when none).
HWND GetParent(HWND Wnd);
// The active top-level window of the program (0 when none).
HWND GetActiveWindow();
bool ShowWindow(HWND Wnd, int CmdShow);
// Places, sizes, shows or hides as Flags say; HWND_TOPMOST puts the window above the others.
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int CX, int CY, unsigned Flags);
