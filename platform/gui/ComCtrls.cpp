// What the common controls do in our own code: pages and their tabs,
// ranges and the date/time parts. The native parts are in the backend.
#include "platform/gui/ComCtrls.h"

#include <algorithm>

#include "platform/gui/Views.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clBtnFace);
  SetVisible(false);
  SetControlStyle(ControlStyle() | csAcceptsControls);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* v) {
  if (FPageControl == v) return;
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = v;
  SetParent(v);
  if (v) v->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool v) {
  if (FTabVisible == v) return;
  FTabVisible = v;
  if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& p = FPageControl->FPages;
  return static_cast<int>(std::find(p.begin(), p.end(), this) - p.begin());
}

int TTabSheet::TabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int i = 0;
  for (TTabSheet* p : FPageControl->FPages) {
    if (p == this) return i;
    if (p->FTabVisible) ++i;
  }
  return -1;
}

void TTabSheet::SetText(const String& v) {
  TWinControl::SetText(v);
  if (FPageControl) FPageControl->UpdateTabs();
}

TPageControl::~TPageControl() {
  for (TTabSheet* p : FPages) p->FPageControl = nullptr;
  FPages.clear();
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  PlacePage(Page);
  if (!FActivePage) SetActivePage(Page);
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* Page) {
  FPages.erase(std::remove(FPages.begin(), FPages.end(), Page), FPages.end());
  if (FActivePage == Page) {
    FActivePage = nullptr;
    SetActivePage(FPages.empty() ? nullptr : FPages.front());
  }
  if (!Destroying()) UpdateTabs();
}

TRect TPageControl::DisplayRect() const {
  constexpr int Frame = 4;
  const int top = TabHeight() + 2;
  return Rect(Frame, top, std::max(Frame, Width() - Frame), std::max(top, Height() - Frame));
}

void TPageControl::PlacePage(TTabSheet* Page) const { Page->SetBoundsRect(DisplayRect()); }

void TPageControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  for (TTabSheet* p : FPages) PlacePage(p);
}

void TPageControl::SetActivePage(TTabSheet* v) {
  if (v && v->FPageControl != this) return;
  if (FActivePage == v) return;
  TTabSheet* old = FActivePage;
  FActivePage = v;
  if (v) v->SetVisible(true);
  if (old) old->SetVisible(false);
  UpdateTabs();
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int v) {
  SetActivePage(v >= 0 && v < PageCount() ? Pages(v) : nullptr);
}

void TPageControl::TabChosen(int TabIndex) {
  auto it = std::find_if(FPages.begin(), FPages.end(), [&](TTabSheet* p) { return p->TabIndex() == TabIndex; });
  if (it == FPages.end() || *it == FActivePage) return;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) {
    UpdateTabs();
    return;
  }
  SetActivePage(*it);
  Change();
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TTrackBar::SetRange(int AMin, int AMax) {
  FMin = AMin;
  FMax = AMax;
  ApplyRange();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TWinControl::Dispatch(Message);
}

TRichEdit::TRichEdit(TComponent* AOwner) : TMemo(AOwner) {}
