#pragma once
// Mouse selection and editing behaviour of the grid.
#include "grid/base/GridTypes.h"
#include "grid/base/OptionProperty.h"
#include "platform/sys/Strings.h"

using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

class TMouseActions : public TPersistent {
 public:
  explicit TMouseActions(TComponent* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TMouseActions"; }
  // Copies every option but SizeFixedRow, HotmailRowSelect, EditOnDblClickOnly
  // and FixedComboValues from another TMouseActions; other sources are
  // ignored. No notification.
  void Assign(const TPersistent& Source) override;
  TComponent* Owner() const { return FOwner; }

  GX_OPTION(bool, AllColumnSize)
  GX_OPTION(bool, AllRowSize)
  GX_OPTION(bool, AllSelect)
  GX_OPTION(bool, AutoSizeColOnDblClick)
  GX_OPTION(bool, CaretPositioning)
  GX_OPTION(bool, CheckAllCheck)
  GX_OPTION(bool, ColSelect)
  GX_OPTION(bool, DirectComboClose)
  GX_OPTION(bool, DirectComboDrop)
  GX_OPTION(bool, DirectDateClose)
  GX_OPTION(bool, DirectDateDrop)
  GX_OPTION(bool, DirectEdit)
  // Switching one of the three disjunct selections on at design time
  // switches the other two off.
  bool DisjunctRowSelect() const { return FValues.DisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  GX_OPTION(bool, DisjunctRowSelectNoCtrl)
  bool DisjunctColSelect() const { return FValues.DisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FValues.DisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  // Run-time: DisjunctRowSelect without the setter's rule.
  bool DisjunctRowSelectDirect() const { return FValues.DisjunctRowSelect; }
  void SetDisjunctRowSelectDirect(bool Value) { FValues.DisjunctRowSelect = Value; }
  bool EditOnDblClickOnly() const { return FValues.EditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);  // on: OnDisableEdit
  GX_OPTION(TGridFixedCellEdit, FixedRowsEdit)
  GX_OPTION(TGridFixedCellEdit, FixedColsEdit)
  GX_OPTION(TGridFixedCellEditor, FixedRowsEditor)
  GX_OPTION(TGridFixedCellEditor, FixedColsEditor)
  // On: also DisjunctRowSelect and CheckAllCheck; then OnInvalidate.
  bool HotmailRowSelect() const { return FValues.HotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  GX_OPTION(bool, MoveRowOnNodeClick)
  GX_OPTION(bool, NoAutoRangeScroll)
  GX_OPTION(bool, NodeAllExpandContract)
  GX_OPTION(bool, NoScrollOnPartialRow)
  GX_OPTION(bool, PreciseCheckBoxCheck)
  GX_OPTION(bool, PreciseNodeClick)
  GX_OPTION(bool, RangeSelectAndEdit)
  GX_OPTION(bool, RowSelect)
  GX_OPTION(bool, RowSelectPersistent)
  GX_OPTION(bool, SelectOnRightClick)
  GX_OPTION(bool, SizeFixedCol)
  GX_OPTION(bool, SizeFixedRow)
  GX_OPTION(int, WheelIncrement)
  GX_OPTION_NOTIFY_CHANGE(TWheelAction, WheelAction)

  TStringList* FixedComboValues() { return &FFixedComboValues; }
  const TStringList* FixedComboValues() const { return &FFixedComboValues; }
  void SetFixedComboValues(const TStrings& Value) { FFixedComboValues.Assign(Value); }

  TNotifyEvent OnChange;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnInvalidate;
  TNotifyEvent OnDisableEdit;

 private:
  void Changed();
  bool IsDesigning();

  struct TValues {
    bool AllColumnSize = false, AllRowSize = false, AllSelect = false,
         AutoSizeColOnDblClick = true, CaretPositioning = false, CheckAllCheck = false,
         ColSelect = false, DirectComboClose = false, DirectComboDrop = false,
         DirectDateClose = false, DirectDateDrop = false, DirectEdit = false,
         DisjunctRowSelect = false, DisjunctRowSelectNoCtrl = false, DisjunctColSelect = false,
         DisjunctCellSelect = false, EditOnDblClickOnly = false, HotmailRowSelect = false,
         MoveRowOnNodeClick = false, NoAutoRangeScroll = false, NodeAllExpandContract = false,
         NoScrollOnPartialRow = false, PreciseCheckBoxCheck = false, PreciseNodeClick = true,
         RangeSelectAndEdit = false, RowSelect = false, RowSelectPersistent = false,
         SelectOnRightClick = false, SizeFixedCol = false, SizeFixedRow = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone, FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit, FixedColsEditor = fceEdit;
    int WheelIncrement = 0;
    TWheelAction WheelAction = waMoveSelection;
  };
  // Stores one of the three disjunct switches under their common rule.
  void SetDisjunct(bool TValues::*Field, bool Value);

  TComponent* FOwner;
  TValues FValues;
  TStringList FFixedComboValues;
};
