#include "grid/base/AdvDateTimePicker.h"

#include <cmath>

#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/Bitmap.h"
#include "platform/sys/FormatSettings.h"

namespace {
bool Designing(const TComponent& C) { return (C.ComponentState() & csDesigning) != 0; }

Char Lower(Char c) { return c >= u'A' && c <= u'Z' ? static_cast<Char>(c + 32) : c; }

// The letter of the date's last field: the format's last character, or
// without a format the last of d, m and y in the locale's short date.
Char LastDateField(const String& Format) {
  if (!Format.empty()) return Lower(Format.back());
  const String& locale = FormatSettings.ShortDateFormat;
  for (auto c = locale.rbegin(); c != locale.rend(); ++c)
    if (Lower(*c) == u'd' || Lower(*c) == u'm' || Lower(*c) == u'y') return Lower(*c);
  return u'y';
}

int TextWidth(const TFont& Font, const String& Text) {
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->SetFont(Font);
  return measure.Canvas()->TextWidth(Text);
}

// Where the time part sits inside a picker W x H when it is A wide.
TRect TimePartBounds(int W, int H, int A, bool MetroActive) {
  if (!IsVistaOrLater()) return Rect(W - A - 21, -2, W - 21, H - 2);
  const int b = 0;  // the native picker has no bevels
  TVisualStyleLibrary* styles = ThemeAPI();
  if (!IsComCtlV6() || !styles) return Rect(W - A - 23 - b, -2, W - 23 - b, H - b - 2);
  if (!styles->IsThemeActive()) return Rect(W - A - 21 - b, 2, W - 21 - b, H - b - 2);
  const int right = MetroActive ? W - 21 - b : W - 34 - b;
  return Rect(right - A, 1, right, H - b - 1);
}

TDateTime WithoutMilliseconds(TDateTime v) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(v, h, m, s, ms);
  return std::floor(v) + EncodeTime(h, m, s, 0);
}
}  // namespace

TAdvDateTimePicker::TAdvDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  SetMetroStyle(false);
  FLabel.OnChange = [this] { UpdateLabel(); };
  // Made at run time, it stands as after loading; a loading bracket repeats this.
  AfterLoading();
}

TAdvDateTimePicker::~TAdvDateTimePicker() { delete FTimePicker; }

void TAdvDateTimePicker::AfterLoading() {
  if (FKind == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
  if (!Checked()) {
    SetChecked(false);
    if (FTimePicker) FTimePicker->SetEnabled(false);
  }
  FLabel.FollowEnabled();
  UpdateLabel();
  FParentFnt = ParentFont();
}

void TAdvDateTimePicker::Loaded() {
  TCustomDateTimePicker::Loaded();
  if (!Designing(*this)) AfterLoading();
}

void TAdvDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) {
    FLabel.Forget(AComponent);
    if (AComponent == FTimePicker) FTimePicker = nullptr;
  }
  TCustomDateTimePicker::Notification(AComponent, Operation);
}

void TAdvDateTimePicker::CreateTimePicker() {
  if (FTimePicker || FKind != dkDateTime) return;
  FTimePicker = new TCustomDateTimePicker(this);
  if (!(Loading() && Designing(*this))) FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, 90, 17);
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->SetKind(dtkTime);
  FTimePicker->SetAutoTab(AutoTab());
  FTimePicker->OnChange = [this](TObject*) {
    DoChange();
    FireEvent(OnTimeChange, this);
  };
  FTimePicker->OnClick = [this](TObject*) { DoClick(); };
  FTimePicker->OnKeyPress = [this](TObject* Sender, Char& Key) { TimePickerKeyPress(Sender, Key); };
  FTimePicker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
}

void TAdvDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker) return;
  if (FTimePicker->Parent() != this) FTimePicker->SetParent(this);
  FTimePicker->SetColor(Color());
  CoupleTimePicker();
  FTimePicker->SetVisible(FKind == dkDateTime);
  FTimePicker->SetDateTime(DateTime());
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->SetFont(*Font());
  if (!FTimePicker->Visible() && !(Loading() && !Designing(*this))) {
    delete FTimePicker;
    return;
  }
  PlaceTimePicker();
}

void TAdvDateTimePicker::PlaceTimePicker() {
  const int a = TextWidth(*Font(), FTimePicker->Text().substr(0, 255)) + 31;
  const TRect r = TimePartBounds(Width(), Height(), a, MetroActive());
  FTimePicker->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TAdvDateTimePicker::CoupleTimePicker() {
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
}

void TAdvDateTimePicker::SetKind(TAdvDateTimeKind v) {
  if (v == FKind) return;
  FKind = v;
  TDateTimePicker::SetKind(v == dkTime ? dtkTime : dtkDate);
  if (v == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

TDateTime TAdvDateTimePicker::DateTime() const {
  const TDateTime own = TDateTimePicker::DateTime();
  return FTimePicker ? std::floor(own) + FTimePicker->Time() : own;
}

void TAdvDateTimePicker::SetDateTime(TDateTime v) {
  const TDateTime value = WithoutMilliseconds(v);
  TDateTimePicker::SetDateTime(value);
  if (FKind == dkDateTime) CreateTimePicker();
  if (FTimePicker) FTimePicker->SetDateTime(value);
}

void TAdvDateTimePicker::SetDate(TDateTime v) { SetDateTime(std::floor(v) + (DateTime() - std::floor(DateTime()))); }

TDateTime TAdvDateTimePicker::Time() const {
  return FKind == dkDateTime && FTimePicker ? FTimePicker->Time() : TDateTimePicker::Time();
}

void TAdvDateTimePicker::SetTime(TDateTime v) {
  TDateTimePicker::SetTime(v);
  if (FTimePicker) FTimePicker->SetTime(v);
  UpdateTimePicker();
}

void TAdvDateTimePicker::SetTimeFormat(const String& v) {
  if (FTimePicker) FTimePicker->SetFormat(v);
  if (FKind == dkTime) SetFormat(v);
  FTimeFormat = v;
  UpdateTimePicker();
}

void TAdvDateTimePicker::SetAutoTab(bool v) {
  TCustomDateTimePicker::SetAutoTab(v);
  if (FTimePicker) FTimePicker->SetAutoTab(v);
}

void TAdvDateTimePicker::SetBorderStyle(TBorderStyle v) {
  TCustomDateTimePicker::SetBorderStyle(v);
  UpdateTimePicker();
}

void TAdvDateTimePicker::SetLabelCaption(const String& v) {
  const bool made = !FLabel.Label();
  FLabel.SetCaption(v);
  if (!made) return;
  FLabel.Label()->OnClick = [this](TObject*) { FireEvent(OnLabelClick, this); };
  FLabel.Label()->OnDblClick = [this](TObject*) { FireEvent(OnLabelDblClick, this); };
}

void TAdvDateTimePicker::SetLabelAlwaysEnabled(bool v) {
  FLabel.SetAlwaysEnabled(v);
  if (v && FLabel.Label()) FLabel.Label()->SetEnabled(true);
  Invalidate();
}

void TAdvDateTimePicker::SetLabelFont(const TFont& v) {
  if (!ParentFont()) FLabel.Font()->Assign(v);
  UpdateLabel();
}

void TAdvDateTimePicker::UpdateLabel() {
  if (!Destroying()) FLabel.Update(FParentFnt ? Font() : FLabel.Font());
}

void TAdvDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Destroying()) return;
  if (FLabel.Label() && FLabel.Label()->Parent()) FLabel.Place();
  if (resized) UpdateTimePicker();
}

void TAdvDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (FLabel.Label() && !Destroying()) {
    FLabel.Label()->SetParent(AParent);
    FLabel.Place();
  }
}

void TAdvDateTimePicker::KeyPress(Char& Key) {
  if (AutoTab() && Key >= u'0' && Key <= u'9') DecodeDate(TDateTimePicker::DateTime(), Fy, Fm, Fd);
  TCustomDateTimePicker::KeyPress(Key);
}

void TAdvDateTimePicker::DoAutoTab() {
  if (FKind == dkTime) return TCustomDateTimePicker::DoAutoTab();
  int y = 0, m = 0, d = 0;
  DecodeDate(TDateTimePicker::DateTime(), y, m, d);
  const Char last = LastDateField(Format());
  const bool lastChanged = (d != Fd && last == u'd') || (m != Fm && last == u'm') || (y != Fy && last == u'y');
  if (lastChanged) {
    if (FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
  } else if (d != Fd || m != Fm || y != Fy) {
    PostNextField();
  }
}

// A flag left set would swallow the user's next click on the check box:
// values written here send no notification, so it covers the write only.
void TAdvDateTimePicker::WriteValue(TDateTime Value, bool IsChecked) {
  FIgnoreTimePickerCheck = true;
  TCustomDateTimePicker::WriteValue(Value, IsChecked);
  FIgnoreTimePickerCheck = false;
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
}

void TAdvDateTimePicker::PickerNotification(TMessage& Message) {
  TCustomDateTimePicker::Dispatch(Message);
  const auto& header = *reinterpret_cast<const NMHDR*>(Message.LParam);
  if (header.code == DTN_DATETIMECHANGE && FTimePicker && !FIgnoreTimePickerCheck) {
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    FTimePicker->SetEnabled(Enabled() && Checked() && change.dwFlags != GDT_NONE);
  }
  FIgnoreTimePickerCheck = false;
}

void TAdvDateTimePicker::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: return PickerNotification(Message);
    case WM_PAINT:
      if (FFirstRun) {
        FFirstRun = false;
        UpdateTimePicker();
      }
      return TCustomDateTimePicker::Dispatch(Message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomDateTimePicker::Dispatch(Message);
      if (FFocusLabel && !Loading()) FLabel.SetBold(Message.Msg == WM_SETFOCUS);
      return;
    default: break;
  }
  TCustomDateTimePicker::Dispatch(Message);
  switch (Message.Msg) {
    case DTM_SETSYSTEMTIME:
      if (Message.WParam == GDT_NONE && !Designing(*this)) CoupleTimePicker();
      return;
    case CM_ENABLEDCHANGED:
      CoupleTimePicker();
      FLabel.FollowEnabled();
      return;
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED: return FLabel.FollowVisible();
    case CM_COLORCHANGED: return UpdateTimePicker();
    case CM_PARENTFONTCHANGED:
      if (FLabel.Label() && ParentFont()) FLabel.Label()->SetFont(*Font());
      return;
    default: return;
  }
}
