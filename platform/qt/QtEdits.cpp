// Edits and memos over the native line and text editors.
#include <algorithm>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include "platform/gui/Application.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/WindowStyles.h"
#include "platform/qt/QtEditText.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
QPlainTextEdit* MemoOf(const TControl& c) { return Native<QPlainTextEdit>(c); }
QLineEdit* LineOf(const TControl& c) { return Native<QLineEdit>(c); }

// The limit is for what the user enters: the native limit never falls below
// the text held, so text set by the program is kept whole and a text already
// too long cannot grow. A mask sets its own length. A native limit change
// resets the caret, so it is put back.
void FitNativeLimit(QLineEdit& e, int MaxLength) {
  if (!e.inputMask().isEmpty()) return;
  const int limit = std::max(MaxLength > 0 ? MaxLength : 32767, static_cast<int>(e.text().size()));
  if (limit == e.maxLength()) return;
  const int caret = e.cursorPosition();
  e.setMaxLength(limit);
  e.setCursorPosition(caret);
}
}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetFocusOnClick(true);
  SetCursor(crIBeam);
}

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  MakeNative(WS_BORDER);
  SetBounds(0, 0, 121, 21);
}

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  MakeNative(ES_MULTILINE | WS_BORDER);
  SetBounds(0, 0, 185, 89);
  SetAutoSelect(false);
}

// Without WS_BORDER the edit has no frame. The text starts at the
// formatting rectangle, so the native editors' own margins are taken out;
// no scroll bars, as a window made without scroll bar styles has none.
void TCustomEdit::MakeNative(unsigned Style) {
  FMultiLineNative = Style & ES_MULTILINE;
  const bool frame = Style & WS_BORDER;
  const Qt::Alignment align = (Style & ES_RIGHT) ? Qt::AlignRight : (Style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  if (Style & ES_MULTILINE) {
    auto w = std::make_unique<MemoWidget>();
    w->document()->setDocumentMargin(0);
    ConnectTrapped(w.get(), &QPlainTextEdit::textChanged, [this] { TextChangedByWidget(); });
    w->setLineWrapMode((Style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    QTextOption option = w->document()->defaultTextOption();
    option.setAlignment(align);
    w->document()->setDefaultTextOption(option);
    w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!frame) w->setFrameShape(QFrame::NoFrame);
    w->setReadOnly(Style & ES_READONLY);
    return ReplaceView(ViewOf(*this, std::move(w)));
  }
  auto w = std::make_unique<QLineEdit>();
  w->setFrame(frame);
  ConnectTrapped(w.get(), &QLineEdit::textChanged, [this, e = w.get()] {
    FitNativeLimit(*e, MaxLength());
    TextChangedByWidget();
  });
  w->setAlignment(align | Qt::AlignVCenter);
  w->setEchoMode((Style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
  w->setReadOnly(Style & ES_READONLY);
  ReplaceView(ViewOf(*this, std::move(w)));
}

// Made again without notifications: the text is the same text.
void TCustomEdit::RecreateView(const TCreateParams& Params) {
  const String text = Text();
  int start = 0, end = 0;
  EditText(*this).GetSel(start, end);
  const bool caretAtStart = EditText(*this).Caret() == start && start != end;
  MakeNative(Params.Style);
  FReadOnly = Params.Style & ES_READONLY;
  NativeMade();
  if (QLineEdit* e = LineOf(*this)) {
    const QSignalBlocker block(e);
    e->setText(ToQString(text));
    FitNativeLimit(*e, FMaxLength);
  } else if (QPlainTextEdit* m = MemoOf(*this)) {
    const QSignalBlocker block(m);
    m->setPlainText(ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }
  ApplyFormat();
  if (caretAtStart) EditText(*this).SetSel(end, start);
  else EditText(*this).SetSel(start, end);
}

String TCustomEdit::Text() const {
  if (QLineEdit* e = LineOf(*this)) return FromQString(e->text());
  if (QPlainTextEdit* m = MemoOf(*this)) return FromQString(m->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
  return TWinControl::Text();
}

void TCustomEdit::SetText(const String& v) {
  if (v == Text()) return;
  const TFreeWatch watch(*this);  // OnChange may free the edit
  if (QLineEdit* e = LineOf(*this)) {
    const QString t = ToQString(v);
    e->setMaxLength(std::max(e->maxLength(), static_cast<int>(t.size())));
    e->setText(t);
  } else if (QPlainTextEdit* m = MemoOf(*this)) m->setPlainText(ToQString(v).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  else TWinControl::SetText(v);
  if (!watch.Freed()) FModified = false;
}

void TCustomEdit::SetMaxLength(int v) {
  FMaxLength = v;
  if (QLineEdit* e = LineOf(*this)) FitNativeLimit(*e, v);
}

void TCustomEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (QLineEdit* e = LineOf(*this)) e->setReadOnly(v);
  if (QPlainTextEdit* m = MemoOf(*this)) m->setReadOnly(v);
}

void TCustomEdit::SetPasswordChar(Char v) {
  FPasswordChar = v;
  if (QLineEdit* e = LineOf(*this)) e->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
}

int TCustomEdit::SelStart() const {
  int start = 0, end = 0;
  EditText(*this).GetSel(start, end);
  return start;
}

int TCustomEdit::SelLength() const {
  int start = 0, end = 0;
  EditText(*this).GetSel(start, end);
  return end - start;
}

void TCustomEdit::SetSelStart(int v) { EditText(*this).SetSel(v, v); }

void TCustomEdit::SetSelLength(int v) {
  const int start = SelStart();
  EditText(*this).SetSel(start, start + v);
}

String TCustomEdit::SelText() const {
  if (QLineEdit* e = LineOf(*this)) return FromQString(e->selectedText());
  if (QPlainTextEdit* m = MemoOf(*this)) return FromQString(m->textCursor().selectedText());
  return String();
}

void TCustomEdit::SetSelText(const String& v) {
  if (QLineEdit* e = LineOf(*this)) e->insert(ToQString(v));
  if (QPlainTextEdit* m = MemoOf(*this)) m->insertPlainText(ToQString(v));
}

void TCustomEdit::SelectAll() {
  if (QLineEdit* e = LineOf(*this)) e->selectAll();
  if (QPlainTextEdit* m = MemoOf(*this)) m->selectAll();
}

void TMemo::SetWordWrap(bool v) {
  FWordWrap = v;
  MemoOf(*this)->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle v) {
  FScrollBars = v;
  QPlainTextEdit* m = MemoOf(*this);
  const bool across = v == ssHorizontal || v == ssBoth, down = v == ssVertical || v == ssBoth;
  m->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  m->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

int TMemo::LineCount() const { return MemoOf(*this)->document()->blockCount(); }

String TMemo::Lines(int Index) const {
  return FromQString(MemoOf(*this)->document()->findBlockByNumber(Index).text());
}

void TMemo::AddLine(const String& Line) { MemoOf(*this)->appendPlainText(ToQString(Line)); }

namespace {
// Our placeholders in the native mask syntax (the optional and required
// digits are the other way round there).
QChar NativePlaceholder(Char Kind) {
  switch (Kind) {
    case u'0': return u'9';
    case u'9': return u'0';
    case u'L': return u'A';
    case u'l': return u'a';
    case u'A': return u'N';
    case u'a': return u'n';
    case u'C': return u'X';
    case u'c': return u'x';
    default: return u'#';
  }
}

QString NativeMask(const TEditMaskFormat& f) {
  if (f.Slots.empty()) return QString();
  QString m;
  Char mode = 0;
  for (const TMaskSlot& s : f.Slots) {
    if (s.Kind != 0 && s.Case != mode) {
      m += s.Case ? QChar(s.Case) : QChar(u'!');
      mode = s.Case;
    }
    if (s.Kind != 0) {
      m += NativePlaceholder(s.Kind);
      continue;
    }
    const QChar c(s.Literal);
    if (c.isLetterOrNumber() || QStringLiteral("#><!\\;[]{}").contains(c)) m += u'\\';
    m += c;
  }
  return m + u';' + QChar(f.Blank);
}
}  // namespace

// A multi-line native edit has no mask of its own: TMaskEdit keeps the mask there.
void TMaskEdit::ApplyMask() {
  QLineEdit* e = LineOf(*this);
  if (!e) return;
  e->setInputMask(NativeMask(FFormat));
  FitNativeLimit(*e, MaxLength());  // dropping a mask drops the native limit
}

String TMaskEdit::EditText() const {
  const QLineEdit* e = LineOf(*this);
  return e ? FromQString(e->displayText()) : TCustomEdit::Text();
}
