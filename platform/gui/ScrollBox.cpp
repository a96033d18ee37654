#include "platform/gui/ScrollBox.h"

#include <algorithm>

#include "platform/gui/SystemMetrics.h"

void TControlScrollBar::SetRange(int v) {
  FRange = std::max(v, 0);
  FBox.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int v) { FBox.MoveTo(*this, v); }

void TControlScrollBar::SetIncrement(int v) {
  FIncrement = std::max(v, 1);
  FBox.ApplyBars();
}

void TControlScrollBar::SetVisible(bool v) {
  FVisible = v;
  FBox.UpdateScrollBars();
}

void TScrollBox::SetAutoScroll(bool v) {
  FAutoScroll = v;
  UpdateScrollBars();
}

int TScrollBox::ClientWidth() const {
  return std::max(0, Width() - (FVert.FShown ? GetSystemMetrics(SM_CXVSCROLL) : 0));
}

int TScrollBox::ClientHeight() const {
  return std::max(0, Height() - (FHorz.FShown ? GetSystemMetrics(SM_CYHSCROLL) : 0));
}

void TScrollBox::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Align() == alNone) c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
  }
}

void TScrollBox::MoveTo(TControlScrollBar& Bar, int Position) {
  const int client = Bar.FVertical ? ClientHeight() : ClientWidth();
  const int v = std::clamp(Position, 0, std::max(0, Bar.FRange - client));
  const int delta = Bar.FPosition - v;
  Bar.FPosition = v;
  ScrollBy(Bar.FVertical ? 0 : delta, Bar.FVertical ? delta : 0);
  ApplyBars();
}

void TScrollBox::AlignControls() {
  TWinControl::AlignControls();
  UpdateScrollBars();
}

// Each bar that shows narrows the room of the other, so the test runs twice.
void TScrollBox::UpdateScrollBars() {
  if (FUpdating) return;
  FUpdating = true;
  if (FAutoScroll) {
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
      const TControl* c = Controls(i);
      if (c->Align() != alNone || !c->Visible()) continue;
      right = std::max(right, c->Left() + c->Width() + FHorz.FPosition);
      bottom = std::max(bottom, c->Top() + c->Height() + FVert.FPosition);
    }
    FHorz.FRange = right;
    FVert.FRange = bottom;
  }
  for (int pass = 0; pass < 2; ++pass) {
    FHorz.FShown = FHorz.FVisible && FHorz.FRange > ClientWidth();
    FVert.FShown = FVert.FVisible && FVert.FRange > ClientHeight();
  }
  TWinControl::AlignControls();
  MoveTo(FHorz, FHorz.FShown ? FHorz.FPosition : 0);
  MoveTo(FVert, FVert.FShown ? FVert.FPosition : 0);
  FUpdating = false;
}
