#include "grid/dropdown/AdvMemoDropDown.h"

#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Input.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"

namespace {
// The pop-up's memo has no frame of its own: the pop-up's border is its frame.
class TPopupMemo : public TMemo {
 public:
  explicit TPopupMemo(TComponent* AOwner) : TMemo(AOwner) { RecreateWnd(); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TMemo::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
  }
};

bool PassedOn(WORD Key) { return GetKeyState(VK_MENU) < 0 || Key == VK_ESCAPE || Key == VK_F4; }
}  // namespace

TAdvMemoDropDown::TAdvMemoDropDown(TComponent* AOwner)
    : TAdvCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>()) {
  FMemoText->OnChange = [this](TObject*) { RebuildEditText(); };
  CreateDropDownForm();
}

TAdvMemoDropDown::~TAdvMemoDropDown() { FMemoText->OnChange = nullptr; }

void TAdvMemoDropDown::CreateDropDownForm() {
  TAdvCustomDropDown::CreateDropDownForm();
  if (!FMemo) {
    FMemo = new TPopupMemo(this);
    FMemo->SetParent(DropDownForm());
    FMemo->SetHeight(100);
    FMemo->OnChange = [this](TObject*) { FireEvent(OnMemoChange, this); };
  }
  SetControl(FMemo);
  SetFocusControl(FMemo);
}

void TAdvMemoDropDown::DoBeforeDropDown() {
  TAdvCustomDropDown::DoBeforeDropDown();
  if (!DropDownForm()) return;
  DropDownForm()->CancelOnDeActivate = false;
  if (!FMemo) return;
  const TFreeWatch watch(*this);
  FMemo->SetText(FMemoText->Text());
  if (watch.Freed()) return;
  FMemo->SetPopupMenu(FMemoPopup);
  FMemo->SetMaxLength(MaxLength());
  FMemo->SetScrollBars(FMemoScrollBars);
  FMemo->SetReadOnly(FMemoReadOnly);
}

void TAdvMemoDropDown::DoHideDropDown(bool Cancelled) {
  const bool autoDrop = FAutoDrop;
  FAutoDrop = false;
  if (Cancelled && FMemo && DroppedDown()) FMemo->SetText(FMemoText->Text());
  const TFreeWatch watch(*this);
  FRestoring = Cancelled;
  TAdvCustomDropDown::DoHideDropDown(Cancelled);
  if (watch.Freed()) return;
  FRestoring = false;
  FAutoDrop = autoDrop;
}

void TAdvMemoDropDown::DoAfterDropUp() {
  const TFreeWatch watch(*this);
  TAdvCustomDropDown::DoAfterDropUp();
  if (watch.Freed() || !FMemo) return;
  FMemoText->SetText(FMemo->Text());
  if (watch.Freed()) return;
  SetSelStart(0);
  SetSelLength(0);
}

// The base restores the last value given to SetText when a pop-up closes
// cancelled; here the value is the lines, which the cancel kept.
void TAdvMemoDropDown::SetText(const String& Value) {
  if (FRestoring) return RebuildEditText();
  TAdvCustomDropDown::SetText(Value);
}

void TAdvMemoDropDown::DoEnter() {
  const TFreeWatch watch(*this);
  TAdvCustomDropDown::DoEnter();
  if (!watch.Freed() && FAutoDrop) DoShowDropDown();
}

void TAdvMemoDropDown::Change() {
  if (!FInternalUpdate) {
    const TNotifyEvent rebuild = std::move(FMemoText->OnChange);
    FMemoText->OnChange = nullptr;
    FMemoText->SetText(Text());
    FMemoText->OnChange = rebuild;
  }
  TAdvCustomDropDown::Change();
}

void TAdvMemoDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
  if (Key == u'A' && Shift.Contains(ssCtrl) && FMemo) {
    FMemo->SelectAll();
    return;
  }
  if (PassedOn(Key)) TAdvCustomDropDown::ControlKeyDown(Key, Shift);
}

void TAdvMemoDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
  if (PassedOn(Key)) TAdvCustomDropDown::ControlKeyUp(Key, Shift);
}

void TAdvMemoDropDown::ControlKeyPress(Char& Key) {
  if (GetKeyState(VK_MENU) < 0 || Key == 27) TAdvCustomDropDown::ControlKeyPress(Key);
}

void TAdvMemoDropDown::SetMemoText(const TStrings& v) {
  FMemoText->Assign(v);
  if (FMemo) FMemo->SetText(FMemoText->Text());
}

void TAdvMemoDropDown::SetMemoPopup(TPopupMenu* v) {
  if (FMemoPopup) FMemoPopup->RemoveFreeNotification(this);
  FMemoPopup = v;
  if (v) v->FreeNotification(this);
}

void TAdvMemoDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FMemoPopup) FMemoPopup = nullptr;
  TAdvCustomDropDown::Notification(AComponent, Operation);
}

void TAdvMemoDropDown::SetMemoReadOnly(bool v) {
  FMemoReadOnly = v;
  if (FMemo && DroppedDown()) FMemo->SetReadOnly(v);
}

String TAdvMemoDropDown::ShownText() {
  if (FMemoText->Count() == 0 || EditorEnabled()) return FMemoText->Text();
  const String first = FMemoText->Strings(0);
  TBitmap measure;
  measure.SetSize(1, 1);
  TCanvas& canvas = *measure.Canvas();
  canvas.SetFont(*Font());
  const int available = EditFormattingRect().Width();
  if (GetTextSize(canvas, first).cx < available) return FMemoText->Count() > 1 ? first + u"..." : first;
  String cut;
  TruncateText(canvas, first, available, cut, true);
  return cut;
}

void TAdvMemoDropDown::RebuildEditText() {
  const String shown = ShownText();
  FInternalUpdate = true;
  const TFreeWatch watch(*this);
  SetPlainText(shown);
  if (!watch.Freed()) FInternalUpdate = false;
}
