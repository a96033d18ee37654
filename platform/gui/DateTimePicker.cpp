// The date/time picker's own logic: its parts of the value, the check box
// as "no date", and the notifications the native picker sends its parent.
#include <cmath>

#include "platform/gui/ComCtrls.h"
#include "platform/sys/FormatSettings.h"

namespace {
constexpr double MsPerDay = 86400000.0;

bool TrySystemTimeToDateTime(const SYSTEMTIME& s, TDateTime& Value) {
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(s.wYear, s.wMonth, s.wDay, date) ||
      !TryEncodeTime(s.wHour, s.wMinute, s.wSecond, s.wMilliseconds, time))
    return false;
  Value = CombineDateTime(date, time);
  return true;
}
}  // namespace

SYSTEMTIME DateTimeToSystemTime(TDateTime Value) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDateTime(Value, y, mo, d, h, mi, s, ms);
  SYSTEMTIME t;
  t.wYear = static_cast<WORD>(y);
  t.wMonth = static_cast<WORD>(mo);
  t.wDayOfWeek = static_cast<WORD>(DayOfWeek(Value) - 1);
  t.wDay = static_cast<WORD>(d);
  t.wHour = static_cast<WORD>(h);
  t.wMinute = static_cast<WORD>(mi);
  t.wSecond = static_cast<WORD>(s);
  t.wMilliseconds = static_cast<WORD>(ms);
  return t;
}

String PickerShortDateFormat() {
  String out;
  bool quoted = false;
  for (const Char c : FormatSettings.ShortDateFormat) {
    if (c == u'\'' || c == u'"') {
      quoted = !quoted;
      out += u'\'';
    } else if (quoted) {
      out += c;
    } else if (c == u'/') {
      out += FormatSettings.DateSeparator;
    } else {
      const Char lower = c >= u'A' && c <= u'Z' ? static_cast<Char>(c + 32) : c;
      out += lower == u'm' ? u'M' : lower == u'd' || lower == u'y' ? lower : c;
    }
  }
  return out;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& Value) {
  TDateTime v = 0;
  return TrySystemTimeToDateTime(Value, v) ? v : 0;
}

TDateTime TDateTimePicker::Date() const { return std::floor(DateTime()); }
TDateTime TDateTimePicker::Time() const { return DateTime() - Date(); }
void TDateTimePicker::SetDate(TDateTime v) { SetDateTime(std::floor(v) + Time()); }
void TDateTimePicker::SetTime(TDateTime v) {
  const double frac = v - std::floor(v);
  SetDateTime(Date() + std::round(frac * MsPerDay) / MsPerDay);
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
  FKind = v;
  ApplyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
  FDateMode = v;
  ApplyFormat();
}

void TDateTimePicker::SetFormat(const String& v) {
  FFormat = v;
  ApplyFormat();
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::NotifyDateTimeChange() {
  if (FSetting) return;
  NMDATETIMECHANGE change;
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = FShowCheckbox && !Checked() ? GDT_NONE : GDT_VALID;
  change.st = DateTimeToSystemTime(DateTime());
  NotifyParent(change.nmhdr);
}

void TDateTimePicker::PickerNotification(const NMHDR& Header) {
  switch (Header.code) {
    case DTN_DATETIMECHANGE: return Change();
    case DTN_DROPDOWN: if (OnDropDown) OnDropDown(this); return;
    case DTN_CLOSEUP: if (OnCloseUp) OnCloseUp(this); return;
    default: return;
  }
}

void TDateTimePicker::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case CN_NOTIFY: return PickerNotification(*reinterpret_cast<const NMHDR*>(Message.LParam));
    case DTM_GETSYSTEMTIME:
      if (Message.LParam) *reinterpret_cast<SYSTEMTIME*>(Message.LParam) = DateTimeToSystemTime(DateTime());
      Message.Result = FShowCheckbox && !Checked() ? GDT_NONE : GDT_VALID;
      return;
    case DTM_SETSYSTEMTIME: {
      Message.Result = 0;
      TDateTime v = 0;
      if (Message.WParam == GDT_NONE) {
        if (!FShowCheckbox) return;
        SetChecked(false);
      } else if (Message.WParam != GDT_VALID || !Message.LParam ||
                 !TrySystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(Message.LParam), v)) {
        return;
      } else {
        WriteValue(v, true);
      }
      Message.Result = 1;
      return;
    }
    default: TWinControl::Dispatch(Message);
  }
}
