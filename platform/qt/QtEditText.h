#pragma once
// A native edit of either kind as the edit messages count: character indexes
// with each line break as CR LF, lines from 0, points in the control's client
// area.
#include <QPlainTextEdit>

#include "platform/sys/Types.h"

class QLineEdit;
class TControl;

namespace platform::qt {

// The memo's native editor, whose text margins can be set from outside.
class MemoWidget : public QPlainTextEdit {
 public:
  void SetMargins(const QMargins& M) { setViewportMargins(M); }
};

class EditText {
 public:
  explicit EditText(const TControl& Edit);
  int Length() const;
  // Start <= End; the caret is at one of them.
  void GetSel(int& Start, int& End) const;
  int Caret() const;
  // Selects from Start (the anchor) to End (the caret); both clamped to the text.
  void SetSel(int Start, int End);
  int LineCount() const;
  int LineFromChar(int Index) const;
  // The top-left of the character at Index; false past the last character.
  bool PosFromChar(int Index, TPoint& P) const;
  // The character nearest P and its line; false outside the client area.
  bool CharFromPos(TPoint P, int& Index, int& Line) const;

 private:
  int ToIndex(int Pos) const;  // native position -> index
  int ToPos(int Index) const;  // index -> native position
  QLineEdit* FLine;
  QPlainTextEdit* FMemo;
};

}  // namespace platform::qt
