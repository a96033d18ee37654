#include "grid/base/AsgUnitEditBtn.h"

#include "platform/gui/Menus.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Views.h"

// The unit, drawn in the edit's font beside the text (the native edit
// draws only its own text).
class TUnitPane : public TCustomControl {
 public:
  explicit TUnitPane(TAsgUnitEditBtn* Edit) : TCustomControl(Edit), FEdit(Edit) {
    SetView(platform::CreatePaintView(*this));
    SetControlStyle(ControlStyle() & ~csSetCaption);
  }

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(FEdit->Color());
    c.FillRect(ClientRect());
    c.SetFont(*FEdit->Font());
    c.Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    c.DrawText(FEdit->UnitID(), r, DT_EDITCONTROL);
  }

 private:
  TAsgUnitEditBtn* FEdit;
};

TAsgUnitEditBtn::TAsgUnitEditBtn(TComponent* AOwner) : TAsgEditBtn(AOwner), FPane(new TUnitPane(this)) {
  FUnitSize = 20;
  SetRightAlign(true);
  FPane->SetParent(this);
  Resize();
}

TAsgUnitEditBtn::~TAsgUnitEditBtn() = default;

void TAsgUnitEditBtn::SetUnits(const TStrings* v) {
  if (v) FUnits.Assign(*v);
}

void TAsgUnitEditBtn::SetUnitID(const String& v) {
  FUnitID = v;
  FPane->Invalidate();
}

void TAsgUnitEditBtn::SetUnitSpace(int v) {
  FUnitSize = v;
  Resize();
}

void TAsgUnitEditBtn::SetTextAndUnit(const String& S) {
  for (int i = 0; i < FUnits.Count(); ++i) {
    const String u = FUnits.Strings(i);
    if (u.empty() || u.size() > S.size() || S.find(u) != S.size() - u.size()) continue;
    SetText(S.substr(0, S.size() - u.size()));
    SetUnitID(u);
    return;
  }
}

TRect TAsgUnitEditBtn::UnitRect() const {
  const int edge = GetSystemMetrics(SM_CXEDGE);
  const int right = edge + Geometry().ClientWidth - Button()->Width() - 3;
  return Rect(right - FUnitSize, edge + 2, right, Height() - edge);
}

void TAsgUnitEditBtn::Resize() {
  TAsgEditBtn::Resize();
  if (!FPane) return;
  FPane->SetBoundsRect(UnitRect());
  FPane->SetVisible(FUnitSize > 0);
}

void TAsgUnitEditBtn::ButtonClicked(TObject* Sender) {
  FireEvent(OnClickBtn, this);
  TPopupMenu menu(nullptr);
  for (int i = 0; i < FUnits.Count(); ++i) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(FUnits.Strings(i));
    const WORD id = static_cast<WORD>(i + 1);
    item->OnClick = [this, id](TObject*) { Perform(WM_COMMAND, MakeWParam(id, 0), 0); };
    menu.Items()->Add(item);
  }
  const TPoint at = ClientToScreen(Point(ClientWidth() - 15, ClientHeight()));
  menu.Popup(at.X, at.Y);
}

void TAsgUnitEditBtn::ChooseUnit(int Index) {
  const String previous = FUnitID;
  SetUnitID(FUnits.Strings(Index));
  if (FUnitID != previous && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TAsgUnitEditBtn::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_COMMAND && HiWord(Message.WParam) != EN_CHANGE) {
    const int id = LoWord(Message.WParam);
    if (id >= 1 && id <= FUnits.Count()) return ChooseUnit(id - 1);
  }
  TAsgEditBtn::Dispatch(Message);
}
