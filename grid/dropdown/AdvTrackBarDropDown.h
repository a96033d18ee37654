#pragma once
// A drop-down edit that picks an integer between Min and Max: on a track
// bar in its pop-up, with Up and Down on the edit, or by dragging the
// mouse over the edit.
#include "grid/dropdown/AdvCustomDropDown.h"

class TTrackBar;

class TAdvTrackBarDropDown : public TAdvCustomDropDown {
 public:
  explicit TAdvTrackBarDropDown(TComponent* AOwner);
  String ClassName() const override { return u"TAdvTrackBarDropDown"; }

  // The track bar keeps these within its range: what it kept is read back.
  int Min() const { return FMin; }
  void SetMin(int v);
  int Max() const { return FMax; }
  void SetMax(int v);
  int Position() const { return FPosition; }
  void SetPosition(int v);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int v);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  TTrackBar* TrackBar() const { return FTrackBar; }

  // After every change the track bar reports.
  TNotifyEvent OnTrackChange;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  // The text as typed moves the position; a text that is no integer leaves it.
  void Change() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // v passed to the track bar, and what it kept (v without one).
  int Kept(int v, void (TTrackBar::*Set)(int), int (TTrackBar::*Get)() const);
  void TrackChanged();
  void StepKey(WPARAM Key);
  TTrackBar* FTrackBar = nullptr;  // owned as a component
  int FMin = 0;
  int FFrequency = 1;
  int FPageSize = 2;
  int FMax = 10;
  int FPosition = 0;
  bool FDragging = false;
  int FLastX = 0;
};
