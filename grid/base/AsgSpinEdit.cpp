#include "grid/base/AsgSpinEdit.h"

#include <algorithm>
#include <climits>

#include "grid/base/EditButtonLayout.h"
#include "grid/base/EditKeys.h"
#include "grid/base/LocaleFormat.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/SysUtils.h"

namespace {
const TEditButtonConstants kSpinEdit{2, true, 3, 0, 2, 0};

bool StepKey(WPARAM Key) { return Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT; }
}  // namespace

TAsgSpinEdit::TAsgSpinEdit(TComponent* AOwner) : TMaskEdit(AOwner), FButton(new TAsgSpinButton(this)) {
  SetText(u"0");
  SetControlStyle(ControlStyle() & ~csSetCaption);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* Sender) { SpinUpClick(Sender); };
  FButton->OnDownClick = [this](TObject* Sender) { SpinDownClick(Sender); };
}

TAsgSpinEdit::~TAsgSpinEdit() {
  FButton->OnUpClick = nullptr;
  FButton->OnDownClick = nullptr;
  FButton = nullptr;
}

int TAsgSpinEdit::ClampValue(int v) const {
  if (FMinValue == FMaxValue) return v;
  return v < FMinValue ? FMinValue : v > FMaxValue ? FMaxValue : v;
}

double TAsgSpinEdit::ClampFloat(double v) const {
  if (FMinFloatValue == FMaxFloatValue) return v;
  return v < FMinFloatValue ? FMinFloatValue : v > FMaxFloatValue ? FMaxFloatValue : v;
}

TDateTime TAsgSpinEdit::ClampDate(TDateTime v) const {
  if (FMinDateValue == FMaxDateValue) return v;
  return v < FMinDateValue ? FMinDateValue : v > FMaxDateValue ? FMaxDateValue : v;
}

int TAsgSpinEdit::Value() const {
  const String s = Trim(Text());
  if (s.empty()) return 0;
  int v = 0;
  return TryStrToInt(s, v) ? v : FMinValue;
}

void TAsgSpinEdit::SetValue(int v) {
  SetText(IntToStr(ClampValue(v)));
  if (!FEditorEnabled) SelectAll();
}

double TAsgSpinEdit::FloatValue() const {
  double v = 0;
  return TryStrToFloat(Text(), v) ? v : FMinFloatValue;
}

void TAsgSpinEdit::SetFloatValue(double v) {
  const double c = ClampFloat(v);
  SetText(FPrecision != 0 ? FloatToStrF(c, ffFixed, 15, FPrecision) : FloatToStr(c));
}

TDateTime TAsgSpinEdit::DateValue() const {
  const String s = Text();
  if (s.empty() || s == u"0") return Now();
  TDateTime v = 0;
  return TryStrToDate(s, v) ? v : FMinDateValue;
}

void TAsgSpinEdit::SetDateValue(TDateTime v) {
  FDateValue = v;
  if (Loading()) return;
  FDateValue = ClampDate(v);
  SetTextKeepCaret(DateToStr(FDateValue));
}

TDateTime TAsgSpinEdit::TimeValue() const {
  TDateTime v = 0;
  return TryStrToTime(Text(), v) ? v : 0;
}

void TAsgSpinEdit::SetTimeValue(TDateTime v) {
  FTimeValue = v;
  if (Loading()) return;
  FTimeValue = ClampDate(TimeOfDay(v));
  SetTextKeepCaret(TimeText(FTimeValue));
}

String TAsgSpinEdit::TimeText(TDateTime v) const {
  return FShowSeconds ? TimeToStr(v) : FormatDateTime(u"h:nn", v);
}

void TAsgSpinEdit::SetTextKeepCaret(const String& Text) {
  const int caret = SelStart();
  SetText(Text);
  SetSelStart(std::min(caret, static_cast<int>(Text.size())));
}

void TAsgSpinEdit::SetSpinType(TAsgSpinType v) {
  FSpinType = v;
  switch (v) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TAsgSpinEdit::SetPrecision(int v) {
  FPrecision = v;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TAsgSpinEdit::SetDirection(TSpinDirection v) {
  FDirection = v;
  FButton->SetDirection(v);
  Relayout();
}

// The layout follows a size change only.
void TAsgSpinEdit::Relayout() {
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TAsgSpinEdit::SetEditAlign(TEditAlign v) {
  FEditAlign = v;
  RecreateWnd();
}

void TAsgSpinEdit::SetSpinFlat(bool v) {
  FButton->UpButton()->SetFlat(v);
  FButton->DownButton()->SetFlat(v);
  FSpinFlat = v;
}

void TAsgSpinEdit::SetSpinTransparent(bool v) {
  FSpinTransparent = v;
  Relayout();
}

void TAsgSpinEdit::SetIsWinXP(bool v) {
  FIsWinXP = v;
  FButton->SetIsWinXP(v);
}

int TAsgSpinEdit::GetMinHeight() const {
  return EditMinHeight(kSpinEdit, FontTextHeight(*Font()), SystemFontTextHeight(), true);
}

void TAsgSpinEdit::Resize() {
  TMaskEdit::Resize();
  if (FButton) LayoutEditButton(*this, *FButton, kSpinEdit, GetMinHeight());
}

void TAsgSpinEdit::SetEditRect() {
  if (FButton) SetEditButtonRect(*this, kSpinEdit, NativeEditGeometry(*this, FButton->Width()));
}

void TAsgSpinEdit::NativeMade() {
  TMaskEdit::NativeMade();
  SetEditRect();
}

void TAsgSpinEdit::CreateParams(TCreateParams& Params) {
  TMaskEdit::CreateParams(Params);
  if (FEditAlign == eaRight) Params.Style = (Params.Style | ES_RIGHT) & ~ES_CENTER;
  if (FEditAlign == eaCenter) Params.Style = (Params.Style | ES_CENTER) & ~ES_RIGHT;
}

void TAsgSpinEdit::Loaded() {
  TMaskEdit::Loaded();
  if (FSpinType == sptDate) SetText(DateToStr(FDateValue));
  if (FSpinType == sptTime) SetText(TimeText(FTimeValue));
  SetSpinType(FSpinType);
}

void TAsgSpinEdit::IncrementStep(bool Page) { Step(1, Page); }
void TAsgSpinEdit::DecrementStep(bool Page) { Step(-1, Page); }
void TAsgSpinEdit::SpinUpClick(TObject*) { IncrementStep(false); }
void TAsgSpinEdit::SpinDownClick(TObject*) { DecrementStep(false); }

void TAsgSpinEdit::Step(int Sign, bool Page) {
  if (ReadOnly()) {
    MessageBeep();
    return;
  }
  switch (FSpinType) {
    case sptNormal: {
      const long long v = static_cast<long long>(Value()) + static_cast<long long>(Sign) * FIncrement;
      SetValue(static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)));
      break;
    }
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(Sign); break;
    case sptTime: StepTime(Sign); break;
  }
}

void TAsgSpinEdit::StepDate(int Sign) {
  SetDateValue(StepDatePart(DateValue(), SpinDatePartAt(Text(), SelStart()), Sign));
}

void TAsgSpinEdit::StepTime(int Sign) {
  const TSpinTimePart part = SpinTimePartAt(Text(), SelStart(), FShowSeconds);
  const double step = SpinTimeStep(part == tpHours ? FIncrementHours : 0, part == tpMinutes ? FIncrementMinutes : 0,
                                   part == tpSeconds ? FIncrementSeconds : 0);
  if (Sign > 0) return SetTimeValue(TimeValue() + step);
  TDateTime t = TimeValue() + 1 - step;
  if (t > 1) t -= 1;
  SetTimeValue(t);
}

bool TAsgSpinEdit::AcceptsChar(Char Key) {
  return SpinAcceptsChar({FSpinType, Text(), SelStart(), SelText(), FPrecision, FEditorEnabled}, Key);
}

void TAsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
  if (CutOrPasteKey(Key, Shift) && (!FEditorEnabled || ReadOnly())) Key = 0;
  TMaskEdit::KeyDown(Key, Shift);
}

void TAsgSpinEdit::KeyPress(Char& Key) {
  if (!AcceptsChar(Key)) {
    Key = 0;
    MessageBeep();
  }
  if (Key != 0) TMaskEdit::KeyPress(Key);
}

void TAsgSpinEdit::DoEnter() {
  if (AutoSelect() && (GetAsyncKeyState(VK_LBUTTON) >= 0 || !FEditorEnabled)) SelectAll();
  TMaskEdit::DoEnter();
}

void TAsgSpinEdit::DoExit() {
  const TFreeWatch watch(*this);
  TMaskEdit::DoExit();
  if (!watch.Freed()) ClampText();
}

void TAsgSpinEdit::ClampText() {
  switch (FSpinType) {
    case sptNormal:
      if (const int v = Value(); v != ClampValue(v)) SetValue(v);
      break;
    case sptFloat:
      if (const double v = FloatValue(); v != ClampFloat(v)) SetFloatValue(v);
      break;
    case sptDate:
      if (const TDateTime v = DateValue(); v != ClampDate(v)) SetDateValue(v);
      break;
    case sptTime:
      if (const TDateTime v = TimeValue(); v != ClampDate(v)) SetTimeValue(v);
      break;
  }
}

void TAsgSpinEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (!StepKey(Message.WParam)) break;
      if (Message.WParam == VK_UP || Message.WParam == VK_PRIOR) IncrementStep(Message.WParam == VK_PRIOR);
      else DecrementStep(Message.WParam == VK_NEXT);
      Message.Result = 0;
      return;
    case WM_CHAR:
      if (CutOrPasteChar(static_cast<Char>(Message.WParam)) && (!FEditorEnabled || ReadOnly())) return;
      // The keypad's decimal key types the locale's separator.
      if (FExcelStyleDecimalSeparator && Message.WParam == u'.' && (Message.LParam & KF_NUMPAD))
        Message.WParam = GetDecimalSeparator();
      break;
    case WM_CUT: case WM_PASTE:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    default: break;
  }
  TMaskEdit::Dispatch(Message);
}
