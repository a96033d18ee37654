#pragma once
// A list box whose entries carry check boxes the user toggles.
#include "platform/gui/StdCtrls.h"

class TCheckListBox : public TListBox {
 public:
  explicit TCheckListBox(TComponent* AOwner);
  // The mark travels with its entry when entries are inserted or deleted.
  bool Checked(int Index) const;
  void SetChecked(int Index, bool Value);
  // The user toggled an entry's check box (not fired for SetChecked).
  TNotifyEvent OnClickCheck;

 protected:
  virtual void ClickCheck();
};
