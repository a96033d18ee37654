#pragma once
// A value-with-unit edit: the value is typed, the unit is shown right of
// it, and the button offers the allowed units in a pop-up menu.
#include <functional>
#include <memory>

#include "grid/base/AsgEditBtn.h"

class TUnitPane;
using TUnitChangeEvent = std::function<void(TObject* Sender, const String& NewUnit)>;

class TAsgUnitEditBtn : public TAsgEditBtn {
 public:
  explicit TAsgUnitEditBtn(TComponent* AOwner);
  ~TAsgUnitEditBtn() override;

  const TStringList& Units() const { return FUnits; }
  // Copies the list; null is ignored.
  void SetUnits(const TStrings* v);
  const String& UnitID() const { return FUnitID; }
  void SetUnitID(const String& v);
  int UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int v);
  // The text followed by the unit.
  String TextAndUnit() const { return Text() + FUnitID; }
  // The first unit of the list that ends S splits it; else nothing changes.
  void SetTextAndUnit(const String& S);
  // Where the unit is drawn, in the edit's coordinates.
  TRect UnitRect() const;

  TUnitChangeEvent OnUnitChanged;

  void ButtonClicked(TObject* Sender) override;

 protected:
  void Dispatch(TMessage& Message) override;
  void Resize() override;

 private:
  void ChooseUnit(int Index);
  TStringList FUnits;
  String FUnitID;
  TUnitPane* FPane;  // a child, owned as a component
};
