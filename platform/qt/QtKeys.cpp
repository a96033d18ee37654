// Qt key codes <-> Windows virtual-key codes, and modifier sets.
#include <utility>

#include "platform/gui/ControlTypes.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {
// Keys whose codes differ between the two tables (letters and digits match).
constexpr std::pair<int, int> kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Menu, VK_APPS}, {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2}, {Qt::Key_Semicolon, VK_OEM_1},
};
}  // namespace

int VirtualKeyOfQtKey(int QtKey) {
  if ((QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) || (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)) return QtKey;
  if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F12) return VK_F1 + (QtKey - Qt::Key_F1);
  for (const auto& [q, vk] : kKeys)
    if (q == QtKey) return vk;
  return 0;
}

// Only the keys that type no character: the others go with WM_CHAR.
int QtKeyOfVirtualKey(int VirtualKey) {
  if (VirtualKey >= VK_F1 && VirtualKey <= VK_F12) return Qt::Key_F1 + (VirtualKey - VK_F1);
  switch (VirtualKey) {
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    default: return 0;
  }
}

int QtKeyOfAnyVirtualKey(int VirtualKey) {
  if ((VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9')) return VirtualKey;
  if (const int k = QtKeyOfVirtualKey(VirtualKey)) return k;
  for (const auto& [q, vk] : kKeys)
    if (vk == VirtualKey) return q;
  return 0;
}

Qt::KeyboardModifiers QtModifiers(unsigned ShiftBits) {
  Qt::KeyboardModifiers m;
  if (ShiftBits & ssShift) m |= Qt::ShiftModifier;
  if (ShiftBits & ssCtrl) m |= Qt::ControlModifier;
  if (ShiftBits & ssAlt) m |= Qt::AltModifier;
  return m;
}

unsigned ShiftBitsOfQt(Qt::KeyboardModifiers Mods, Qt::MouseButtons Buttons) {
  unsigned b = 0;
  if (Mods & Qt::ShiftModifier) b |= ssShift;
  if (Mods & Qt::ControlModifier) b |= ssCtrl;
  if (Mods & Qt::AltModifier) b |= ssAlt;
  if (Buttons & Qt::LeftButton) b |= ssLeft;
  if (Buttons & Qt::RightButton) b |= ssRight;
  if (Buttons & Qt::MiddleButton) b |= ssMiddle;
  return b;
}
}  // namespace platform::qt
