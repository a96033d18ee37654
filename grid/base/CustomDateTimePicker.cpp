#include "grid/base/CustomDateTimePicker.h"

#include "platform/sys/DateTime.h"

UINT DTPShiftFocus() {
  static const UINT message = RegisterWindowMessage(u"DTPShiftFocus");
  return message;
}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TStyledDateTimePicker(AOwner, false, clBlack) {}

void TCustomDateTimePicker::KeyPress(Char& Key) {
  if (!FAutoTab || Key < u'0' || Key > u'9') return TStyledDateTimePicker::KeyPress(Key);
  if (Kind() == dtkTime) DecodeTime(DateTime(), Fh, Fm, Fs, Fms);
  TStyledDateTimePicker::KeyPress(Key);
  PostMessage(Handle(), DTPShiftFocus(), 0, 0);
}

void TCustomDateTimePicker::Dispatch(TMessage& Message) {
  if (Message.Msg == DTPShiftFocus()) DoAutoTab();
  TStyledDateTimePicker::Dispatch(Message);
}

void TCustomDateTimePicker::DoAutoTab() {
  if (Kind() != dtkTime) return;
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(DateTime(), h, m, s, ms);
  if (h != Fh || m != Fm || s != Fs) PostNextField();
}

void TCustomDateTimePicker::PostNextField() { PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0); }
