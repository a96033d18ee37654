#include "tests/support/KeyChars.h"

namespace testsupport {
char16_t CharOfKey(WORD Vk, TShiftState Shift) {
  if (Shift.Contains(ssAlt) && Shift.Contains(ssCtrl)) return 0;
  if (Vk >= 'A' && Vk <= 'Z') {
    if (Shift.Contains(ssCtrl)) return static_cast<char16_t>(Vk - 'A' + 1);
    return static_cast<char16_t>(Shift.Contains(ssShift) ? Vk : Vk + 32);
  }
  if (Shift.Contains(ssCtrl)) return 0;
  if (Vk >= '0' && Vk <= '9') return Vk;
  switch (Vk) {
    case VK_SPACE: return u' ';
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_TAB: return 9;
    case VK_BACK: return 8;
    case VK_OEM_PERIOD: return u'.';
    case VK_OEM_COMMA: return u',';
    case VK_OEM_MINUS: return u'-';
    case VK_OEM_PLUS: return u'=';
    default: return 0;
  }
}

WORD KeyOfChar(char16_t Ch, TShiftState& Shift) {
  if (Ch >= u'a' && Ch <= u'z') return static_cast<WORD>(Ch - 32);
  if (Ch >= u'A' && Ch <= u'Z') {
    Shift = Shift | TShiftState(ssShift);
    return Ch;
  }
  if (Ch >= u'0' && Ch <= u'9') return Ch;
  switch (Ch) {
    case u' ': return VK_SPACE;
    case u'.': return VK_OEM_PERIOD;
    case u',': return VK_OEM_COMMA;
    case u'-': return VK_OEM_MINUS;
    case u'/': return VK_OEM_2;
    case u'=': return VK_OEM_PLUS;
    case u':':
      Shift = Shift | TShiftState(ssShift);
      return VK_OEM_1;
    case 13: return VK_RETURN;
    case 9: return VK_TAB;
    case 8: return VK_BACK;
    default: return 0;
  }
}
}  // namespace testsupport
