#pragma once
// A single-line edit with a spin button pair inside its right edge, for an
// integer, a float, a date or a time of day (SpinType). Typed characters
// are filtered by kind; Up, Down, Page Up, Page Down and the arrows step
// the value (a date or time by the part under the caret); every write
// clamps it to the kind's range (no range while the bounds are equal).
// The text is the state: each getter parses it anew.
#include "grid/base/AsgSpinButton.h"
#include "grid/base/SpinEditRules.h"
#include "platform/gui/Mask.h"

class TAsgSpinEdit : public TMaskEdit {
 public:
  explicit TAsgSpinEdit(TComponent* AOwner);
  ~TAsgSpinEdit() override;

  TAsgSpinButton* Button() const { return FButton; }

  // Empty text reads 0, any other unreadable text MinValue.
  int Value() const;
  void SetValue(int v);
  // Unreadable text reads MinFloatValue.
  double FloatValue() const;
  void SetFloatValue(double v);
  // Empty text or "0" reads now; other unreadable text MinDateValue.
  TDateTime DateValue() const;
  void SetDateValue(TDateTime v);
  // Unreadable text reads 0. Only the time of day is written.
  TDateTime TimeValue() const;
  void SetTimeValue(TDateTime v);

  TAsgSpinType SpinType() const { return FSpinType; }
  // Rewrites the text through the kind's value, also for the same kind.
  void SetSpinType(TAsgSpinType v);
  int Precision() const { return FPrecision; }
  void SetPrecision(int v);
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection v);
  TEditAlign EditAlign() const { return FEditAlign; }
  // A window style: the window is made again.
  void SetEditAlign(TEditAlign v);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool v);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool v);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool v) { FEditorEnabled = v; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v);

  int MinValue() const { return FMinValue; }
  void SetMinValue(int v) { FMinValue = v; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int v) { FMaxValue = v; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double v) { FMinFloatValue = v; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double v) { FMaxFloatValue = v; }
  TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(TDateTime v) { FMinDateValue = v; }
  TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(TDateTime v) { FMaxDateValue = v; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int v) { FIncrement = v; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double v) { FIncrementFloat = v; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double v) { FIncrementFloatPage = v; }
  int IncrementHours() const { return FIncrementHours; }
  void SetIncrementHours(int v) { FIncrementHours = v; }
  int IncrementMinutes() const { return FIncrementMinutes; }
  void SetIncrementMinutes(int v) { FIncrementMinutes = v; }
  int IncrementSeconds() const { return FIncrementSeconds; }
  void SetIncrementSeconds(int v) { FIncrementSeconds = v; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool v) { FReturnIsTab = v; }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool v) { FShowSeconds = v; }
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool v) { FAllowEmptyValue = v; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool v) { FExcelStyleDecimalSeparator = v; }

  // The lowest height the edit takes for its font.
  int GetMinHeight() const;

  // One step up or down (Page: Page Up / Page Down); a read-only edit only beeps.
  virtual void IncrementStep(bool Page);
  virtual void DecrementStep(bool Page);
  virtual bool AcceptsChar(Char Key);
  virtual void SpinUpClick(TObject* Sender);
  virtual void SpinDownClick(TObject* Sender);

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void NativeMade() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;
  void Loaded() override;
  void SetEditRect();

 private:
  void Step(int Sign, bool Page);
  void StepDate(int Sign);
  void StepTime(int Sign);
  // The kind's value, written back when it lies outside the range.
  void ClampText();
  // Keeps the caret where it was across a rewrite of the text.
  void SetTextKeepCaret(const String& Text);
  String TimeText(TDateTime v) const;
  void Relayout();
  int ClampValue(int v) const;
  double ClampFloat(double v) const;
  TDateTime ClampDate(TDateTime v) const;

  int FMinValue = 0;
  int FMaxValue = 100;
  double FMinFloatValue = 0.0;
  double FMaxFloatValue = 100.0;
  TDateTime FMinDateValue = 0;
  TDateTime FMaxDateValue = 0;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
  int FIncrement = 1;
  double FIncrementFloat = 0.1;
  TAsgSpinButton* FButton;  // a child, owned as a component
  bool FEditorEnabled = true;
  TSpinDirection FDirection = spVertical;
  TAsgSpinType FSpinType = sptNormal;
  int FPrecision = 0;
  bool FReturnIsTab = false;
  bool FIsWinXP = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FShowSeconds = true;
  int FIncrementSeconds = 1;
  int FIncrementMinutes = 1;
  int FIncrementHours = 1;
  TEditAlign FEditAlign = eaLeft;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  bool FAllowEmptyValue = false;
  double FIncrementFloatPage = 1.0;
};
