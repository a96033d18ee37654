#pragma once
// A pop-up window that never takes the activation from the form it serves:
// shown or clicked, the form behind keeps its active caption and focus.
#include "platform/gui/Forms.h"

class TNoActiveForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return u"TNoActiveForm"; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
};
