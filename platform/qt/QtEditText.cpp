// Indexes and points of the native line and text editors.
#include "platform/qt/QtEditText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <algorithm>

#include "platform/qt/QtNative.h"

namespace platform::qt {

EditText::EditText(const TControl& Edit) : FLine(Native<QLineEdit>(Edit)), FMemo(Native<QPlainTextEdit>(Edit)) {}

int EditText::ToIndex(int Pos) const {
  if (!FMemo) return Pos;
  return Pos + FMemo->document()->findBlock(Pos).blockNumber();
}

int EditText::ToPos(int Index) const {
  if (!FMemo) return std::clamp(Index, 0, Length());
  int pos = 0;
  for (QTextBlock b = FMemo->document()->begin(); b.isValid(); b = b.next()) {
    const int start = b.position() + b.blockNumber();
    const int len = b.length() - 1;
    pos = b.position() + std::clamp(Index - start, 0, len);
    if (Index <= start + len + 1) break;  // within the line or its CR LF
  }
  return pos;
}

int EditText::Length() const {
  if (FLine) return static_cast<int>(FLine->text().size());
  if (!FMemo) return 0;
  const QTextDocument* d = FMemo->document();
  return d->characterCount() - 1 + d->blockCount() - 1;
}

void EditText::GetSel(int& Start, int& End) const {
  Start = End = 0;
  if (FLine) {
    Start = FLine->hasSelectedText() ? FLine->selectionStart() : FLine->cursorPosition();
    End = FLine->hasSelectedText() ? FLine->selectionEnd() : Start;
  } else if (FMemo) {
    const QTextCursor c = FMemo->textCursor();
    Start = ToIndex(c.selectionStart());
    End = ToIndex(c.selectionEnd());
  }
}

int EditText::Caret() const {
  if (FLine) return FLine->cursorPosition();
  return FMemo ? ToIndex(FMemo->textCursor().position()) : 0;
}

void EditText::SetSel(int Start, int End) {
  const int a = ToPos(Start), b = ToPos(End);
  if (FLine) FLine->setSelection(a, b - a);
  if (!FMemo) return;
  QTextCursor c = FMemo->textCursor();
  c.setPosition(a);
  c.setPosition(b, QTextCursor::KeepAnchor);
  FMemo->setTextCursor(c);
  FMemo->ensureCursorVisible();
}

int EditText::LineCount() const { return FMemo ? FMemo->document()->blockCount() : 1; }

int EditText::LineFromChar(int Index) const {
  if (!FMemo) return 0;
  if (Index < 0) {
    int end = 0;
    GetSel(Index, end);
  }
  return FMemo->document()->findBlock(ToPos(Index)).blockNumber();
}

bool EditText::PosFromChar(int Index, TPoint& P) const {
  if (Index < 0 || Index >= Length()) return false;
  QRect r;
  if (FLine) {
    // The native edit measures only its caret: move it there and back, unseen.
    const QSignalBlocker block(FLine);
    const int start = FLine->selectionStart(), length = static_cast<int>(FLine->selectedText().size());
    const int caret = FLine->cursorPosition();
    FLine->setCursorPosition(Index);
    r = FLine->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (length > 0) FLine->setSelection(caret == start ? start + length : start, caret == start ? -length : length);
    else FLine->setCursorPosition(caret);
    P = Point(r.x() + r.width() / 2, r.top());  // the caret's box is centred on its line
    return true;
  }
  if (!FMemo) return false;
  QTextCursor c(FMemo->document());
  c.setPosition(ToPos(Index));
  r = FMemo->cursorRect(c).translated(FMemo->viewport()->pos());
  P = Point(r.left(), r.top());
  return true;
}

bool EditText::CharFromPos(TPoint P, int& Index, int& Line) const {
  const QPoint at(P.X, P.Y);
  if (FLine) {
    if (!FLine->rect().contains(at)) return false;
    Index = FLine->cursorPositionAt(at);
    Line = 0;
    return true;
  }
  if (!FMemo || !FMemo->rect().contains(at)) return false;
  const QTextCursor c = FMemo->cursorForPosition(at - FMemo->viewport()->pos());
  Index = ToIndex(c.position());
  Line = c.blockNumber();
  return true;
}

}  // namespace platform::qt
