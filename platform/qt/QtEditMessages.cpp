// The edit control messages over the native line and text editors.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdint>

#include "platform/gui/Clipboard.h"
#include "platform/gui/StdCtrls.h"
#include "platform/qt/QtEditText.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
// An index answered in a 16-bit half of a result.
int Word(int v) { return std::clamp(v, 0, 0xFFFF); }

void Store(std::uintptr_t Where, int Value) {
  if (Where) *reinterpret_cast<std::uint32_t*>(Where) = static_cast<std::uint32_t>(Value);
}

// EM_SETSEL: a start of -1 keeps the caret and drops the selection; an end
// of -1 (or any past the text) is the end of the text.
void SetSelFromMessage(EditText& Text, const TMessage& Message) {
  const auto start = static_cast<int>(static_cast<std::intptr_t>(Message.WParam));
  const auto end = static_cast<int>(Message.LParam);
  const int length = Text.Length();
  if (start < 0) return Text.SetSel(Text.Caret(), Text.Caret());
  Text.SetSel(std::min(start, length), end < 0 ? length : std::min(end, length));
}

bool CanUndo(const TControl& Edit) {
  if (QLineEdit* e = Native<QLineEdit>(Edit)) return e->isUndoAvailable();
  if (QPlainTextEdit* m = Native<QPlainTextEdit>(Edit)) return m->document()->isUndoAvailable();
  return false;
}

void Undo(const TControl& Edit) {
  if (QLineEdit* e = Native<QLineEdit>(Edit)) e->undo();
  if (QPlainTextEdit* m = Native<QPlainTextEdit>(Edit)) m->undo();
}
}  // namespace

bool TCustomEdit::EditMessage(TMessage& Message) {
  EditText text(*this);
  int a = 0, b = 0;
  TPoint p;
  switch (Message.Msg) {
    case EM_GETSEL:
      text.GetSel(a, b);
      Store(Message.WParam, a);
      Store(static_cast<std::uintptr_t>(Message.LParam), b);
      Message.Result = MakeLParam(Word(a), Word(b));
      return true;
    case EM_SETSEL: SetSelFromMessage(text, Message); return true;
    case EM_GETLINECOUNT: Message.Result = text.LineCount(); return true;
    case EM_LINEFROMCHAR:
      Message.Result = text.LineFromChar(static_cast<int>(static_cast<std::intptr_t>(Message.WParam)));
      return true;
    case EM_POSFROMCHAR:
      Message.Result = text.PosFromChar(static_cast<int>(Message.WParam), p) ? MakeLParam(p.X, p.Y) : -1;
      return true;
    case EM_CHARFROMPOS:
      p = Point(GetXLParam(Message.LParam), GetYLParam(Message.LParam));
      Message.Result = text.CharFromPos(p, a, b) ? MakeLParam(Word(a), Word(b)) : -1;
      return true;
    case EM_SETREADONLY: SetReadOnly(Message.WParam != 0); Message.Result = 1; return true;
    case EM_CANUNDO: Message.Result = CanUndo(*this) ? 1 : 0; return true;
    case EM_UNDO: case WM_UNDO: Undo(*this); Message.Result = 1; return true;
    case EM_SETMARGINS:
      // The font's own margins are none in the native edits.
      if (Message.WParam & EC_LEFTMARGIN) FLeftMargin = Message.WParam == EC_USEFONTINFO ? 0 : LoWord(Message.LParam);
      if (Message.WParam & EC_RIGHTMARGIN) FRightMargin = Message.WParam == EC_USEFONTINFO ? 0 : HiWord(Message.LParam);
      ApplyFormat();
      return true;
    // The clipboard keys: a password is never copied, a read-only edit never changed.
    case WM_COPY: case WM_CUT:
      if (FPasswordChar || SelLength() == 0) return true;
      ClipboardSetAsText(SelText());
      if (Message.Msg == WM_CUT && !FReadOnly) SetSelText(String());
      return true;
    case WM_PASTE:
      if (!FReadOnly && ClipboardHasFormat(CF_UNICODETEXT)) SetSelText(ClipboardAsText());
      return true;
    case EM_GETMARGINS: Message.Result = MakeLParam(FLeftMargin, FRightMargin); return true;
    case EM_SETRECT: case EM_SETRECTNP:
      SetFormatRect(reinterpret_cast<const TRect*>(Message.LParam));
      return true;
    case EM_GETRECT:
      if (Message.LParam) *reinterpret_cast<TRect*>(Message.LParam) = FormatRect();
      return true;
    default: return false;
  }
}

void TCustomEdit::SetFormatRect(const TRect* R) {
  FFormatRect = R ? *R : TRect();
  ApplyFormat();
}

TRect TCustomEdit::FormatRect() const {
  if (!FFormatRect.IsEmpty()) return FFormatRect;
  return Rect(FLeftMargin, 0, ClientWidth() - FRightMargin, ClientHeight());
}

// A frameless line edit lies over text it stands for (a grid cell): its
// text starts at the formatting rectangle itself, without the small margin
// the native line edit keeps inside.
void TCustomEdit::ApplyFormat() {
  const TRect r = FFormatRect.IsEmpty() ? ClientRect() : FFormatRect;
  const QMargins m(r.Left + FLeftMargin, r.Top, ClientWidth() - r.Right + FRightMargin, ClientHeight() - r.Bottom);
  constexpr int kLineEditInset = 2;
  if (QLineEdit* e = Native<QLineEdit>(*this)) {
    const int inset = e->hasFrame() ? 0 : std::min(kLineEditInset, m.left());
    e->setTextMargins(m - QMargins(inset, 0, 0, 0));
  }
  if (auto* memo = dynamic_cast<MemoWidget*>(NativeWidget(*this))) memo->SetMargins(m);
}
