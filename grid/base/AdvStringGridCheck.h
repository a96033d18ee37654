#pragma once
// The base of pluggable cell checkers: the grid asks a checker to correct a
// cell's text and to mark the errors in it. This base returns every text
// unchanged; real checkers derive from it.
#include "platform/sys/Component.h"

class TAdvStringGridCheck : public TComponent {
 public:
  explicit TAdvStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}
  String ClassName() const override { return u"TAdvStringGridCheck"; }

  virtual String MarkError(int ACol, int ARow, const String& s) { return s; }
  virtual String Correct(int ACol, int ARow, const String& s) { return s; }
  // Called once before and once after an explicit check of a range.
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  // During an explicit check the grid visits each cell as its current cell.
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  // Correct / MarkError on the new text when an edit is validated.
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  // Correct / MarkError during an explicit check.
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};
