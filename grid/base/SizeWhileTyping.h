#pragma once
// Whether a cell grows in height or width while the user types in it.
#include "platform/sys/Component.h"

class TSizeWhileTyping : public TPersistent {
 public:
  String ClassName() const override { return u"TSizeWhileTyping"; }
  bool Height() const { return FHeight; }
  void SetHeight(bool Value) { FHeight = Value; }
  bool Width() const { return FWidth; }
  void SetWidth(bool Value) { FWidth = Value; }

 private:
  bool FHeight = false;
  bool FWidth = false;
};
