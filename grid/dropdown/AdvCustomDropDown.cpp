#include "grid/dropdown/AdvCustomDropDown.h"

#include <utility>

#include "grid/base/EditButtonLayout.h"
#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/dropdown/AdvHeaderFooter.h"
#include "grid/dropdown/DropDownBorders.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownKeys.h"
#include "grid/dropdown/DropDownPlacement.h"
#include "grid/dropdown/DropDownStyles.h"
#include "grid/dropdown/DropDownText.h"
#include "platform/gui/Application.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Timers.h"

namespace {
// A click this soon after the pop-up's deactivation closed it does not reopen it.
constexpr std::uint64_t ReopenDelay = 250;
}  // namespace

TAdvCustomDropDown::TAdvCustomDropDown(TComponent* AOwner)
    : TMaskEdit(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FButtonAppearance(std::make_unique<TAdvButtonAppearance>()) {
  SetPaintHooks(true);
  SetBounds(Left(), Top(), 200, 21);
  CreateDropDownForm();
  CreateDropDownButton();
  SetControlStyle(ControlStyle() & ~csSetCaption);
  TMaskEdit::SetText(String());
  FDropDownHeader->OnChange = [this](TObject* Sender) { StripsChanged(Sender); };
  FDropDownHeader->OnButtonsChanged = FDropDownHeader->OnChange;
  FDropDownFooter->OnChange = FDropDownHeader->OnChange;
  FDropDownFooter->OnButtonsChanged = FDropDownHeader->OnChange;
  FIsThemed = IsComCtlV6();
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
  FLabel.OnChange = [this] { UpdateLabel(); };
  // Built in code, so what follows loading follows construction.
  BeginLoading();
  EndLoading();
}

TAdvCustomDropDown::~TAdvCustomDropDown() {
  // The pop-up goes without a word: no handler may see a half-destroyed edit.
  if (FDropDownForm) {
    FDropDownForm->AdvDropDown = nullptr;
    FDropDownForm->OnHide = nullptr;
    FDropDownForm->OnSizing = nullptr;
    FDropDownForm->Hide();
    if (FControl && FControl->Parent() == FDropDownForm.get()) FControl->SetParent(nullptr);
    FDropDownForm.reset();
  }
  if (FButton) FButton->OnClick = nullptr;
}

void TAdvCustomDropDown::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TAdvCustomDropDown*>(&Source);
  if (!src) return;
  // Everything but the edit's own frame colours, the null-value switch and the style preset.
  const TDropDownValues keep = FValues;
  FValues = src->FValues;
  FValues.BorderColor = keep.BorderColor;
  FValues.FocusBorderColor = keep.FocusBorderColor;
  FValues.DisabledBorder = keep.DisabledBorder;
  FValues.AllowNumericNullValue = keep.AllowNumericNullValue;
  FValues.ZEVStyle = keep.ZEVStyle;
  FValues.DropDownButtonWidth = keep.DropDownButtonWidth;
  FValues.DropDownButtonHint = keep.DropDownButtonHint;
  FButtonAppearance->Assign(*src->FButtonAppearance);
  FDropDownHeader->Assign(*src->FDropDownHeader);
  FDropDownFooter->Assign(*src->FDropDownFooter);
  SetDropDownButtonWidth(src->DropDownButtonWidth());
  SetDropDownButtonHint(src->DropDownButtonHint());
  if (FButton && src->FButton) {
    FButton->SetGlyph(*src->FButton->Glyph());
    FButton->SetButtonCaption(src->FButton->ButtonCaption());
  }
  SetImages(src->FImages);
}

void TAdvCustomDropDown::SetBorderColor(TColor v) {
  FValues.BorderColor = v;
  Invalidate();
}

void TAdvCustomDropDown::SetFocusBorderColor(TColor v) {
  FValues.FocusBorderColor = v;
  Invalidate();
}

void TAdvCustomDropDown::SetFlat(bool v) {
  FValues.Flat = v;
  ResizeEdit();
}

void TAdvCustomDropDown::SetDropDownWidth(int v) {
  if (v == FValues.DropDownWidth) return;
  FValues.DropDownWidth = v;
  FUserSize.cx = -1;
}

void TAdvCustomDropDown::SetDropDownHeight(int v) {
  if (v == FValues.DropDownHeight) return;
  FValues.DropDownHeight = v;
  FUserSize.cy = -1;
}

void TAdvCustomDropDown::SetDropDownButtonWidth(int v) {
  FValues.DropDownButtonWidth = v;
  if (!FButton) return;
  UpdateDropDownButton();
  ResizeEdit();
}

void TAdvCustomDropDown::SetDropDownButtonHint(const String& v) {
  FValues.DropDownButtonHint = v;
  if (!FButton) return;
  FButton->SetHint(v);
  if (!v.empty()) FButton->SetShowHint(true);
}

void TAdvCustomDropDown::SetEditorEnabled(bool v) {
  FValues.EditorEnabled = v;
  // Without typing a second click is a click again: it opens the pop-up.
  SetControlStyle(v ? ControlStyle() | csDoubleClicks : ControlStyle() & ~csDoubleClicks);
}

TBitmap* TAdvCustomDropDown::DropDownButtonGlyph() { return FButton->Glyph(); }

void TAdvCustomDropDown::SetDropDownButtonGlyph(const TBitmap& v) { FButton->SetGlyph(v); }

String TAdvCustomDropDown::Version() const {
  const std::uint32_t nr = GetVersionNr();
  String s;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!s.empty()) s += u'.';
    s += IntToStr(static_cast<int>((nr >> shift) & 0xFF));
  }
  return s;
}

void TAdvCustomDropDown::SetImages(TImageList* v) {
  FImages = v;
  Invalidate();
}

void TAdvCustomDropDown::SetControl(TControl* v) {
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = v;
  if (FControl) FControl->FreeNotification(this);
}

void TAdvCustomDropDown::SetFocusControl(TWinControl* v) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = v;
  if (FFocusControl) FFocusControl->FreeNotification(this);
}

void TAdvCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) {
    FLabel.Forget(AComponent);
    if (AComponent == FControl) FControl = nullptr;
    if (AComponent == FFocusControl) FFocusControl = nullptr;
  }
  TMaskEdit::Notification(AComponent, Operation);
}

void TAdvCustomDropDown::SetLabelCaption(const String& v) {
  const bool made = !FLabel.Label();
  FLabel.SetCaption(v);
  if (!made) return;
  FLabel.Label()->OnClick = [this](TObject*) { DoLabelClick(); };
  FLabel.Label()->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
}

void TAdvCustomDropDown::UpdateLabel() {
  if (Destroying() || !FLabel.Label()) return;
  // Built in code, the edit is loaded when made: ParentFont as it is now decides.
  FLabel.Update(ParentFont() ? Font() : FLabel.Font());
}

// The value and what it shows.

String TAdvCustomDropDown::Text() const {
  String s = TMaskEdit::Text();
  const String& prefix = FValues.Prefix;
  const String& suffix = FValues.Suffix;
  if (!prefix.empty() && s.starts_with(prefix)) s.erase(0, prefix.size());
  // Only a suffix that is there comes off: a value shown plainly keeps its end.
  if (!suffix.empty() && s.ends_with(suffix)) s.erase(s.size() - suffix.size());
  return s;
}

void TAdvCustomDropDown::SetText(const String& Value) {
  const String v = TypedValueText(Value);
  TMaskEdit::SetText(FValues.Prefix + v + FValues.Suffix);
  FOldText = v;
  SetModified(false);
}

void TAdvCustomDropDown::SetPlainText(const String& Value) { TMaskEdit::SetText(Value); }

void TAdvCustomDropDown::SetModified(bool v) {
  if (Loading() || !FValues.EditorEnabled || ReadOnly()) return;
  FModified = v;
  TMaskEdit::SetModified(v);
}

void TAdvCustomDropDown::SelectAll() {
  SetSelStart(static_cast<int>(FValues.Prefix.size()));
  SetSelLength(static_cast<int>(Text().size()));
}

namespace {
// The caret's place in the edit: the decimal separator's (plus After), else the value's start.
int DecimalCaret(const String& Value, int PrefixLength, bool After) {
  const auto at = Value.find(GetDecimalSeparator());
  if (at == String::npos) return PrefixLength;
  return PrefixLength + static_cast<int>(at) + (After ? 1 : 0);
}
}  // namespace

void TAdvCustomDropDown::SelectBeforeDecimal() {
  SetSelStart(DecimalCaret(Text(), static_cast<int>(FValues.Prefix.size()), false));
  SetSelLength(0);
}

void TAdvCustomDropDown::SelectAfterDecimal() {
  SetSelStart(DecimalCaret(Text(), static_cast<int>(FValues.Prefix.size()), true));
  SetSelLength(0);
}

void TAdvCustomDropDown::SetComponentStyle(TZEVStyle AStyle) {
  FValues.ZEVStyle = AStyle;
  if (const TDropDownStylePreset* preset = DropDownStylePreset(AStyle)) ApplyDropDownStyle(*this, *preset);
}

void TAdvCustomDropDown::SetColorTones(const TColorTones& ATones) { ApplyDropDownTones(*this, ATones); }

void TAdvCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FValues.SelectionColorStyle = Value;
  SelectionStyleColors(Value, FValues.SelectionColor, FValues.SelectionColorTo);
}

void TAdvCustomDropDown::DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, int Position) {
  ::DrawSelection(Canvas, R, BackColor, Position, FValues.SelectionColorStyle, FValues.SelectionColor,
                  FValues.SelectionColorTo);
}

void TAdvCustomDropDown::GradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps,
                                      const TRect& R, TGradientDirection Direction) {
  ::GradientFill(Canvas, FromColor, ToColor, Steps, R, Direction);
}

// The pop-up and the drop button.

void TAdvCustomDropDown::CreateDropDownForm() {
  if (!FDropDownForm) AdoptDropDownForm(std::make_unique<TDropDownForm>(nullptr));
}

void TAdvCustomDropDown::AdoptDropDownForm(std::unique_ptr<TDropDownForm> Form) {
  if (FDropDownForm) FDropDownForm->AdvDropDown = nullptr;
  FDropDownForm = std::move(Form);
  TDropDownForm& f = *FDropDownForm;
  f.AdvDropDown = this;
  f.SetBorderStyle(bsNone);
  f.SetBounds(0, 0, FValues.DropDownWidth, FValues.DropDownHeight);
  f.OnHide = [this](TObject*) { DoAfterDropUp(); };
  f.OnKeyPress = [this](TObject*, Char& Key) { FormKeyPress(Key); };
  f.OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
  f.OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { FormKeyUp(Key, Shift); };
  f.OnMouseWheel = [this](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
    if (Delta < 0) FormMouseWheelDown();
    else FormMouseWheelUp();
    Handled = true;
  };
  f.OnSizing = [this](TObject*) { DoDropDownSizing(); };
}

void TAdvCustomDropDown::CreateDropDownButton() {
  if (!FButton) {
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { OpenFromClick(); };
  }
  UpdateDropDownButton();
}

void TAdvCustomDropDown::UpdateDropDownButton() {
  FButton->SetButtonWidth(FValues.DropDownButtonWidth);
  FButton->SetHeight(17);
  FButton->SetVisible(true);
  FButton->SetFocusControl(this);
}

void TAdvCustomDropDown::OpenFromClick() {
  if (Designing() || !FDropDownForm || FDropDownForm->Visible()) return;
  const std::uint64_t since = FDropDownForm->DeActivate;
  if (since != 0 && GetTickCount64() - since <= ReopenDelay) return;
  DoShowDropDown();
}

void TAdvCustomDropDown::FocusDropDownControl() {
  TWinControl* c = FFocusControl;
  if (c && c->TabStop() && c->CanFocus() && !c->Focused()) c->SetFocus();
}

void TAdvCustomDropDown::UpdateDropDownSize() {
  TDropDownForm& f = *FDropDownForm;
  const bool content = FControl && FControl->Visible();
  int w = FValues.DropDownWidth > 0 ? FValues.DropDownWidth : content ? FControl->Width() : Width();
  int h = FValues.DropDownHeight;
  if (h <= 0) {
    h = 2 * FValues.DropDownBorderWidth;
    if (f.Header() && f.Header()->Visible()) h += f.Header()->Height();
    if (f.Footer() && f.Footer()->Visible()) h += f.Footer()->Height();
    if (content) h += FControl->Height();
  }
  f.SetBounds(f.Left(), f.Top(), w, h);
}

void TAdvCustomDropDown::PlaceDropDownControl() {
  if (!FControl) return;
  TDropDownForm& f = *FDropDownForm;
  FControl->SetParent(&f);
  const bool header = f.Header() && f.Header()->Visible();
  FControl->SetTop(header ? f.Header()->Height() + 2 : FValues.DropDownBorderWidth);
  FControl->SetAlign(alClient);
}

void TAdvCustomDropDown::DoShowDropDown() {
  if (Designing() || !FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
  const TFreeWatch watch(*this);
  DoBeforeDropDown();
  if (watch.Freed() || !FDropDownForm) return;
  TDropDownForm& f = *FDropDownForm;
  f.Shadow = FValues.DropDownShadow;
  f.InitializeAndUpdate();
  f.SetBounds(Left(), Top(), f.Width(), f.Height());
  UpdateDropDownSize();
  PlaceDropDownControl();
  f.MinSize = {80, 50};
  if (auto* control = dynamic_cast<TWinControl*>(FControl)) {
    control->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    control->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    control->OnKeyPress = [this](TObject*, Char& Key) { ControlKeyPress(Key); };
  }
  TDropDownPlaceInput in;
  in.EditPos = Parent() ? Parent()->ClientToScreen(Point(Left(), Top())) : ClientOrigin();
  in.EditHeight = Height();
  in.Size = {f.Width(), f.Height()};
  in.Position = FValues.DropPosition;
  in.ScreenHeight = Screen->Height();
  in.WorkArea = WorkAreaNear(in.EditPos);
  in.UserSize = FUserSize;
  const TRect side = DropDownSideBounds(in);
  f.SetBoundsRect(side);
  bool accept = true;
  if (OnDropDown) {
    const TDropDown handler = OnDropDown;
    handler(this, accept);
    if (watch.Freed()) return;
  }
  if (!accept || !FDropDownForm || f.Visible()) return;
  const TRect r = DropDownFinalBounds(side, in);
  int h = r.Height();
  AdjustDropDownHeight(h);
  f.SetBounds(r.Left, r.Top, r.Width(), h);
  FDroppedDown = true;
  f.Show();
  if (watch.Freed() || !f.Visible()) return;
  FocusDropDownControl();
}

void TAdvCustomDropDown::DoHideDropDown(bool Cancelled) {
  if (Designing() || !FDropDownForm || !FDropDownForm->Visible()) return;
  const TFreeWatch watch(*this);
  FireEvent(OnBeforeDropUp, this);
  if (watch.Freed() || !FDropDownForm || !FDropDownForm->Visible()) return;
  FUserSize = {FDropDownForm->Width(), FDropDownForm->Height()};
  FDropDownForm->Hide();
  if (watch.Freed()) return;
  if (Application) Application->CancelHint();
  if (Cancelled) SetText(FOldText);
  if (OnDropUp) {
    const TDropUp handler = OnDropUp;
    handler(this, Cancelled);
  }
}

void TAdvCustomDropDown::DoAfterDropUp() {
  FDroppedDown = false;
  if (Destroying() || !TabStop() || !CanFocus() || Focused()) return;
  SetFocus();
}

void TAdvCustomDropDown::CloseLeftBehind() {
  if (FDropDownForm && FDropDownForm->Visible()) DoHideDropDown(FDropDownForm->CancelOnDeActivate);
}

void TAdvCustomDropDown::FormKeyPress(Char& Key) { Perform(WM_CHAR, Key, 0); }

void TAdvCustomDropDown::FormKeyDown(WORD& Key, TShiftState Shift) {
  (void)Shift;
  Perform(WM_KEYDOWN, Key, 0);
}

void TAdvCustomDropDown::FormKeyUp(WORD& Key, TShiftState Shift) {
  (void)Shift;
  Perform(WM_KEYUP, Key, 0);
}

void TAdvCustomDropDown::StripsChanged(TObject*) {
  if (FDropDownForm && FDropDownForm->Visible()) FDropDownForm->InitializeAndUpdate();
}

// The edit's own window.

void TAdvCustomDropDown::NativeMade() {
  TMaskEdit::NativeMade();
  SetEditRect();
}

void TAdvCustomDropDown::Loaded() {
  TMaskEdit::Loaded();
  SetEditRect();
  ResizeEdit();
  if (FButton) FButton->SetEnabled(Enabled());
  FLabel.FollowEnabled();
  UpdateLabel();
  if (FLabel.Label() && ParentFont()) FLabel.Label()->SetFont(*Font());
}

void TAdvCustomDropDown::Resize() {
  TMaskEdit::Resize();
  ResizeEdit();
}

void TAdvCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel.Label() && FLabel.Label()->Parent()) UpdateLabel();
}

void TAdvCustomDropDown::SetEnabled(bool v) {
  if (!v) CloseLeftBehind();
  TMaskEdit::SetEnabled(v);
}

void TAdvCustomDropDown::SetParent(TWinControl* AParent) {
  if (AParent != Parent()) CloseLeftBehind();
  TMaskEdit::SetParent(AParent);
}

// Runs with Visible() already the new state.
void TAdvCustomDropDown::VisibleChanging() {
  if (!Visible()) CloseLeftBehind();
  TMaskEdit::VisibleChanging();
}

void TAdvCustomDropDown::SetEditRect() {
  if (!FButton || !HandleAllocated()) return;
  TRect r = EditFormattingRect();
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

TRect TAdvCustomDropDown::EditFormattingRect() const {
  const int button = FButton ? FButton->Width() : 0;
  const TEditButtonGeometry g = NativeEditGeometry(*this, button);
  return DropDownEditRect(g.ClientWidth, g.ClientHeight, button);
}

void TAdvCustomDropDown::ResizeEdit() {
  const int fh = FontTextHeight(*Font());
  const int minHeight = fh + std::min(SystemFontTextHeight(), fh) / 4;
  if (Height() < minHeight) {
    SetHeight(minHeight);
    return;
  }
  if (FButton) {
    // Our native edit's frame lies inside the bounds, and children are placed over it.
    const int edge = GetSystemMetrics(SM_CXEDGE);
    TRect r = DropButtonBounds(Width(), Height(), FButton->Width(), FValues.Flat);
    OffsetRect(r, edge, edge);
    FButton->SetBoundsRect(r);
    SetEditRect();
  }
  Invalidate();
}

void TAdvCustomDropDown::PaintEditContent(TCanvas& Canvas) {
  if (FValues.EditorEnabled || !Focused() || Designing() || !FValues.FocusDraw) return;
  TDropDownValueLook l;
  l.Width = Width();
  l.Height = Height();
  l.ButtonWidth = FButton ? FButton->Width() : 0;
  l.Text = Text();
  Canvas.SetFont(*Font());
  DrawDropDownValue(Canvas, l);
}

void TAdvCustomDropDown::DrawBorders(TCanvas& Canvas) {
  TDropDownBorderLook l;
  l.Width = Width();
  l.Height = Height();
  l.Enabled = Enabled();
  l.Flat = FValues.Flat;
  TVisualStyleLibrary* styles = ThemeAPI();
  l.StylesActive = FIsThemed && styles && styles->IsThemeActive();
  l.DisabledBorder = FValues.DisabledBorder;
  l.Focused = Focused();
  l.Hot = FMouseInControl || (Screen && Screen->ActiveControl() == this);
  l.BorderColor = FValues.BorderColor;
  l.FocusBorderColor = FValues.FocusBorderColor;
  l.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
  if (!DropDownBordersWanted(l)) return;
  DrawDropDownBorders(Canvas, l);
  if (FButton) FButton->Button()->SetFocused(l.Hot);
}

void TAdvCustomDropDown::PaintMessage(TMessage& Message) {
  TMaskEdit::Dispatch(Message);
  auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
  if (!canvas) return;
  if (Message.Msg == WM_PAINT) PaintEditContent(*canvas);
  const bool colours = FValues.BorderColor != clNone || FValues.FocusBorderColor != clNone;
  if (colours || (Message.Msg == WM_PAINT && !Enabled() && FValues.DisabledBorder) || FValues.Flat)
    DrawBorders(*canvas);
}

void TAdvCustomDropDown::MouseEnter() {
  TMaskEdit::MouseEnter();
  MouseInControlChanged(true);
}

void TAdvCustomDropDown::MouseLeave() {
  TMaskEdit::MouseLeave();
  MouseInControlChanged(false);
}

void TAdvCustomDropDown::MouseInControlChanged(bool Inside) {
  if (!Enabled() || Inside == FMouseInControl) return;
  FMouseInControl = Inside;
  Invalidate();
}

bool TAdvCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  const TFreeWatch watch(*this);
  const bool handled = TMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
  if (watch.Freed()) return true;
  if (WheelDelta < 0) SelectNextItem();
  else SelectPreviousItem();
  return handled;
}

void TAdvCustomDropDown::LeftButtonDown(TMessage& Message) {
  if (!FValues.EditorEnabled) {
    const TFreeWatch watch(*this);
    TMaskEdit::Dispatch(Message);
    if (!watch.Freed()) OpenFromClick();
    return;
  }
  const int start = SelStart(), length = SelLength();
  if (length > 0 && Focused()) {
    const LRESULT at = Perform(EM_CHARFROMPOS, 0, Message.LParam);
    const int ch = at < 0 ? -1 : LoWord(static_cast<WPARAM>(at));
    if (ch >= start && ch <= start + length) {
      FSelClick = true;
      return;
    }
  }
  TMaskEdit::Dispatch(Message);
}

void TAdvCustomDropDown::LeftButtonUp(TMessage& Message) {
  if (!FValues.EditorEnabled || ReadOnly()) Invalidate();
  if (FSelClick) {
    const LRESULT at = Perform(EM_CHARFROMPOS, 0, Message.LParam);
    if (at >= 0) {
      SetSelStart(LoWord(static_cast<WPARAM>(at)));
      SetSelLength(0);
    }
  }
  FSelClick = false;
  const TFreeWatch watch(*this);
  TMaskEdit::Dispatch(Message);
  if (!watch.Freed()) LimitSelection();
}

void TAdvCustomDropDown::FocusMessage(TMessage& Message) {
  if (Loading()) return TMaskEdit::Dispatch(Message);
  const TFreeWatch watch(*this);
  if (Message.Msg == WM_KILLFOCUS) FormatOnExit();
  if (watch.Freed()) return;
  TMaskEdit::Dispatch(Message);
  if (watch.Freed()) return;
  if (Message.Msg == WM_KILLFOCUS) {
    if (!FValues.EditorEnabled) Invalidate();
    return;
  }
  if (!FValues.EditorEnabled) {
    HideCaret(Handle());
    Invalidate();
  } else if (AutoSelect()) {
    SelectAll();
  } else if (FValues.EditType == etFloat || FValues.EditType == etMoney) {
    SelectBeforeDecimal();
  }
}

void TAdvCustomDropDown::ReadOnlyChanged(TMessage& Message) {
  TMaskEdit::Dispatch(Message);
  if (Message.WParam) CloseLeftBehind();
  if (FButton) FButton->Button()->Invalidate();
}

void TAdvCustomDropDown::KeyDown(WORD& Key, TShiftState Shift) { TDropDownKeys(*this).KeyDownOverride(Key, Shift); }

void TAdvCustomDropDown::KeyPress(Char& Key) {
  TMaskEdit::KeyPress(Key);
  if (Key == VK_RETURN) Key = 0;
}

void TAdvCustomDropDown::Dispatch(TMessage& Message) {
  TDropDownKeys keys(*this);
  switch (Message.Msg) {
    case WM_PAINT: case WM_NCPAINT: return PaintMessage(Message);
    case WM_KEYDOWN: return keys.KeyDownMessage(Message);
    case WM_SYSKEYDOWN: return keys.SysKeyDownMessage(Message);
    case WM_CHAR: return keys.CharMessage(Message);
    case CM_WANTSPECIALKEY: return keys.WantSpecialKey(Message);
    case WM_LBUTTONDOWN: return LeftButtonDown(Message);
    case WM_LBUTTONUP: return LeftButtonUp(Message);
    case WM_SETFOCUS: case WM_KILLFOCUS: return FocusMessage(Message);
    case EM_SETREADONLY: return ReadOnlyChanged(Message);
    case WM_CUT: return CutMessage(Message);
    case WM_COPY: return CopyMessage(Message);
    case WM_PASTE: return PasteMessage();
    case CN_COMMAND:
      if (HiWord(Message.WParam) == EN_CHANGE && std::exchange(FBlockChange, false)) return;
      return TMaskEdit::Dispatch(Message);
    case CM_ENTER: case CM_EXIT:
      TMaskEdit::Dispatch(Message);
      return Invalidate();
    case CM_ENABLEDCHANGED:
      TMaskEdit::Dispatch(Message);
      if (FButton) FButton->SetEnabled(Enabled());
      return;
    case CM_VISIBLECHANGED:
      TMaskEdit::Dispatch(Message);
      if (!LabelCaption().empty()) FLabel.FollowVisible();
      return;
    case CM_FONTCHANGED:
      TMaskEdit::Dispatch(Message);
      if (HandleAllocated()) SetEditRect();
      return;
    case CM_PARENTFONTCHANGED:
      TMaskEdit::Dispatch(Message);
      if (FLabel.Label() && ParentFont()) {
        FLabel.Label()->SetFont(*Font());
        UpdateLabel();
      }
      return;
    default: return TMaskEdit::Dispatch(Message);
  }
}
