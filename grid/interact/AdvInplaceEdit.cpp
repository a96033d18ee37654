#include "grid/interact/AdvInplaceEdit.h"

#include "grid/base/ColumnSize.h"
#include "grid/base/GridStrings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SizeWhileTyping.h"
#include "grid/interact/CursorWalk.h"
#include "grid/interact/EditCharFilter.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/interact/TextCompletion.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WindowStyles.h"
#include "platform/sys/FormatSettings.h"

namespace {
bool IsTextLike(TEditorType Kind) {
  switch (Kind) {
    case edNormal: case edCapital: case edMixedCase: case edLowerCase: case edUpperCase:
    case edValidChars: return true;
    default: return false;
  }
}
}  // namespace

TAdvInplaceEdit::TAdvInplaceEdit(TAdvStringGrid* AGrid) : TInplaceEdit(AGrid), FGrid(AGrid) { RecreateWnd(); }

void TAdvInplaceEdit::SetVAlign(bool Value) {
  if (FValign == Value) return;
  FValign = Value;
  RecreateWnd();
}

void TAdvInplaceEdit::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

// No frame: the editor lies on the cell. A password never wraps; the native
// edit is the multi-line kind only for a wrapping cell that shows more than
// one line.
void TAdvInplaceEdit::CreateParams(TCreateParams& Params) {
  TInplaceEdit::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  if (FValign) Params.Style |= ES_RIGHT;
  if (FGrid->EditControl() == edPassword) Params.Style |= ES_PASSWORD;
  if (MultiLineCell()) Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE;
  Params.Style |= ES_WANTRETURN;
  GotKey = false;
  Workmode = true;
}

void TAdvInplaceEdit::UpdateContents() {
  const int col = FGrid->Col(), row = FGrid->Row();
  TAlignment halign = FGrid->Alignments(FGrid->RealColIndex(col), row);
  TVAlignment valign = FGrid->VAlignment();
  FGrid->DoGetAlignment(col, row, halign, valign);
  bool wrap = FGrid->WordWrap();
  FGrid->DoGetWordWrap(col, row, wrap);
  SetVAlign(halign == taRightJustify);
  SetWordWrap(wrap);
  if (MultiLineNative() != MultiLineCell()) RecreateWnd();
  SetPasswordChar(FGrid->EditControl() == edPassword ? FGrid->PasswordChar() : Char(0));
  TInplaceEdit::UpdateContents();
  FColE = col;
  FRowE = row;
  FLengthLimit = FGrid->GetEditLimit();
  FGrid->DoGetEditorProp(col, row, nullptr);
}

void TAdvInplaceEdit::UpdateLoc(const TRect& Loc) {
  if (Loc.IsEmpty()) return TInplaceEdit::UpdateLoc(Loc);
  TRect r = FGrid->ClientOfView(FGrid->CellRect(FGrid->Col(), FGrid->Row()));
  if (FGrid->UseRightToLeftAlignment()) ++r.Left;
  r.Right -= 1;
  r.Bottom -= 1;
  TInplaceEdit::UpdateLoc(r);
  TRect format = Rect(3, 3, r.Width() - 2, r.Height());
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
}

LRESULT TAdvInplaceEdit::DialogCode() const {
  LRESULT code = TInplaceEdit::DialogCode();
  if (FGrid->WantsTab()) code |= DLGC_WANTTAB;
  return code;
}

void TAdvInplaceEdit::DblClick() {
  TInplaceEdit::DblClick();
  if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TAdvInplaceEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR: return CharMessage(Message);
    case WM_KEYDOWN:
      FGrid->InplaceEditWMKeyDown(Message);  // may change the key
      FOldSelStart = SelStart();
      if (EditKeyDown(static_cast<WORD>(Message.WParam), platform::KeyDataToShiftState(Message.LParam))) return;
      break;
    case WM_SYSKEYDOWN:
      if (Message.WParam == VK_BACK) FAltBack = true;
      break;
    case WM_SYSKEYUP:
      if (Message.WParam == VK_BACK) FAltBack = false;
      break;
    case WM_KEYUP:
      TInplaceEdit::Dispatch(Message);
      return TextChanged();
    case WM_PASTE: return Paste();
    case WM_COPY: return CopyOrCut(false);
    case WM_CUT: return CopyOrCut(true);
    case WM_SETFOCUS:
      TInplaceEdit::Dispatch(Message);
      return FocusGained();
    case WM_KILLFOCUS: return FocusLost(Message);
    default: break;
  }
  TInplaceEdit::Dispatch(Message);
}

// The hooks learn where the character before the caret shows and whether
// a formula is being typed.
void TAdvInplaceEdit::TextChanged() {
  const String text = Text();
  if (const int caret = SelStart(); caret > 0) {
    const LRESULT at = Perform(EM_POSFROMCHAR, static_cast<WPARAM>(caret - 1), 0);
    TPoint before = at == -1 ? Point(-1, -1) : Point(GetXLParam(at), GetYLParam(at));
    FGrid->InplaceEditTextChanged(text, before, caret);
  }
  FGrid->InplaceEditFormula(text.rfind(u"=", 0) == 0);
}

// ---- characters

void TAdvInplaceEdit::CharMessage(TMessage& Message) {
  auto key = static_cast<Char>(Message.WParam);
  // The edit's own clipboard keys go through the filtered messages.
  if (key == 22 || key == 3 || key == 24) {
    Perform(key == 22 ? WM_PASTE : key == 3 ? WM_COPY : WM_CUT, 0, 0);
    return;
  }
  if (!FilterChar(key, Message.LParam)) return;
  const int caret = SelStart();
  Message.WParam = key;
  TInplaceEdit::Dispatch(Message);
  if (FGrid->EditControl() == edMixedCase && key >= 32) {
    SetText(ToMixedCase(Text()));
    SetSelStart(caret + 1);
    SetSelLength(0);
  }
  AdvanceWhenFull();
}

// False when the character is dropped.
bool TAdvInplaceEdit::FilterChar(Char& Key, LPARAM KeyData) {
  const TNavigation& nav = *FGrid->Navigation();
  if (FGrid->ExcelStyleDecimalSeparator() && Key == u'.' && (KeyData & KF_NUMPAD))
    Key = FormatSettings.DecimalSeparator;
  const bool ctrl = platform::KeyboardShiftState().Contains(ssCtrl);
  if (Key == 1 && ctrl) return false;
  if (Key == 10 && !(nav.AllowCtrlEnter() && WrapsOrMultiline())) return false;
  const String text = Text();
  if (FLengthLimit > 0 && static_cast<int>(text.size()) >= FLengthLimit && SelLength() == 0 &&
      Key != 8 && Key != 27 && Key != 13)
    return false;
  const TEditorType kind = FGrid->EditControl();
  if (Key == 13 && nav.LineFeedOnEnter() && IsTextLike(kind)) return true;
  TEditCharContext edit{text, SelStart(), SelLength(), ctrl, FGrid->ValidChars(),
                        FGrid->ValidCharSet().data()};
  const TCharVerdict verdict = FilterEditChar(kind, Key, edit);
  if (verdict.Beep) MessageBeep(0);
  Key = verdict.Key;
  return Key != 0;
}

// The cell is full: on to the next, as Enter would.
void TAdvInplaceEdit::AdvanceWhenFull() {
  const TNavigation& nav = *FGrid->Navigation();
  const int max = FGrid->MaxEditLength();
  const int length = static_cast<int>(Text().size());
  if (!nav.AdvanceAuto() || !nav.AdvanceOnEnter() || max <= 0) return;
  if (length != max || SelLength() != 0 || SelStart() != length) return;
  Char enter = 13;
  FGrid->KeyPress(enter);
}

// ---- keys that leave the cell

bool TAdvInplaceEdit::ValidateOrRestore(const String& T) {
  if (FGrid->ValidateCell(T)) return true;
  RestoreAfterFailure(static_cast<int>(FGrid->NewCellText().size()));
  return false;
}

// The validated text back in the editor, selected or with the caret at CaretAt.
void TAdvInplaceEdit::RestoreAfterFailure(int CaretAt) {
  SetText(FGrid->NewCellText());
  if (FGrid->Navigation()->EditSelectAll()) {
    SelectAll();
  } else {
    SetSelStart(CaretAt);
    SetSelLength(0);
  }
  Invalidate();
}

bool TAdvInplaceEdit::TabKey(TShiftState Shift, const String& T) {
  if (!ValidateOrRestore(T)) return true;
  SetText(FGrid->NewCellText());
  FGrid->HideInplaceEdit();
  if (FGrid->Options().Contains(goTabs)) {
    FGrid->TabAdvance(Shift.Contains(ssShift));
    return true;
  }
  PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return true;
}

bool TAdvInplaceEdit::EditKeyDown(WORD Key, TShiftState Shift) {
  const TNavigation& nav = *FGrid->Navigation();
  const String T = Text();
  const int length = static_cast<int>(T.size());
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  FEnterValidated = FEnterRefused = false;
  if (Key == VK_ESCAPE) {
    SetText(FGrid->CellCache());
    FGrid->HideInplaceEdit();
    return false;
  }
  if (Key == 'A' && ctrl && !Shift.Contains(ssAlt)) {
    SelectAll();
    return true;
  }
  if (Key == VK_RETURN && ctrl && !(nav.AllowCtrlEnter() && WrapsOrMultiline())) return true;
  if (Key == VK_TAB && FGrid->WantsTab()) return TabKey(Shift, T);
  const bool walkOut = nav.CursorWalkEditor() && shift &&
                       ((Key == VK_LEFT && SelStart() == 0) || (Key == VK_RIGHT && SelStart() == length));
  if (walkOut) {
    FGrid->SetCurrentCell(T);
    if (!ValidateOrRestore(T)) return true;
    SetText(FGrid->NewCellText());
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    return true;
  }
  if ((Key == VK_UP && CaretOnFirstLine()) || (Key == VK_DOWN && CaretOnLastLine())) {
    FGrid->SetCurrentCell(T);
    if (!ValidateOrRestore(T)) return true;
    SetText(FGrid->NewCellText());
    return false;
  }
  if (Key == VK_RETURN && !nav.LineFeedOnEnter() && !ctrl) {
    FEnterValidated = true;
    if (!ValidateOrRestore(T)) {
      FEnterRefused = true;
      return true;
    }
    SetText(FGrid->NewCellText());
    return false;
  }
  if ((Key == VK_HOME || Key == VK_END) && !ctrl && !shift) {
    SetSelStart(Key == VK_HOME ? 0 : length);
    SetSelLength(0);
    return true;
  }
  return false;
}

bool TAdvInplaceEdit::CaretOnFirstLine() {
  return Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()), 0) == 0;
}

bool TAdvInplaceEdit::CaretOnLastLine() {
  const LRESULT lines = Perform(EM_GETLINECOUNT, 0, 0);
  return Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()), 0) >= lines - 1;
}

bool TAdvInplaceEdit::WrapsOrMultiline() const { return FWordWrap || FGrid->Multilinecells(); }

// A one-line cell edits on one line, scrolled to the caret. A cell keeps
// the multi-line editor when it is two lines high, holds a line break, or
// may get one or grow while typing.
bool TAdvInplaceEdit::MultiLineCell() const {
  if (!FWordWrap || FGrid->EditControl() == edPassword) return false;
  if (FGrid->Multilinecells() || FGrid->Navigation()->LineFeedOnEnter() || FGrid->SizeWhileTyping()->Height())
    return true;
  const int row = FGrid->Row();
  const String& text = FGrid->Cells(FGrid->RealColIndex(FGrid->Col()), row);
  if (text.find_first_of(u"\r\n") != String::npos) return true;
  TCanvas& canvas = *FGrid->MeasureCanvas();
  canvas.Font()->Assign(*FGrid->Font());
  return FGrid->RowHeights(row) >= 2 * canvas.TextHeight(u"gh") + FGrid->GetVertPadding();
}

// ---- the dynamic key steps

void TAdvInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  FSelKeyDown = SelStart();
  FAtStartOnKeyDown = SelLength() == 0 && SelStart() == 0;
  FAtEndOnKeyDown = SelLength() == 0 && SelStart() == static_cast<int>(Text().size());
  Workmode = Key != VK_BACK && Key != VK_DELETE;
  if (Key == VK_RETURN && (Shift.Contains(ssShift) || Shift.Contains(ssCtrl)) &&
      FGrid->SizeWhileTyping()->Height() && FGrid->Multilinecells()) {
    const int row = FGrid->Row();
    const int lines = LineCount(Text() + u"\r\n ", true);
    const bool synch = FGrid->ColumnSize()->SynchWithGrid();
    FGrid->ColumnSize()->SetSynchWithGrid(false);
    if (lines < FGrid->MaxLinesInRow(row)) FGrid->AutoSizeRow(row, 0);
    else FGrid->SetRowHeightForLines(row, lines, FGrid->GetVertPadding());
    FGrid->ColumnSize()->SetSynchWithGrid(synch);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
  }
  if ((Key == VK_UP && !CaretOnFirstLine()) || (Key == VK_DOWN && !CaretOnLastLine())) return;
  FGrid->InplaceEditKeyDown(Key, Shift);
  TInplaceEdit::KeyDown(Key, Shift);
}

void TAdvInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_LEFT || Key == VK_RIGHT) {
    if (FGrid->Navigation()->CursorWalkEditor() && !Shift.Contains(ssShift)) WalkOut(Key, Key == VK_RIGHT);
    return;
  }
  TInplaceEdit::KeyUp(Key, Shift);
  DoChange();
  SizeWhileTyping();
}

// A refused value keeps the editor on its cell.
void TAdvInplaceEdit::WalkOut(WORD& Key, bool Right) {
  const bool ready = Right ? FAtEndOnKeyDown : FAtStartOnKeyDown && SelStart() == 0;
  if (!ready || SelLength() != 0) return;
  Key = 0;
  const int graphic = WalkGraphicColumn(*FGrid, Right);
  if (!FGrid->ValidateCell(Text())) return;
  FGrid->HideInplaceEdit();
  if (graphic >= 0) return FGrid->SetCol(graphic);
  WalkToNextCell(*FGrid, Right);
}

void TAdvInplaceEdit::SizeWhileTyping() {
  if (FGrid->SizeWhileTyping()->Width()) FGrid->DoAutoSizeCol(FGrid->Col(), true);
  if (!FGrid->SizeWhileTyping()->Height() || !FWordWrap) return;
  const bool synch = FGrid->ColumnSize()->SynchWithGrid();
  FGrid->ColumnSize()->SetSynchWithGrid(false);
  FGrid->AutoSizeRow(FGrid->Row(), 0);
  FGrid->ColumnSize()->SetSynchWithGrid(synch);
  if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->Row());
}

void TAdvInplaceEdit::KeyPress(Char& Key) {
  const bool validated = std::exchange(FEnterValidated, false);
  if (std::exchange(FEnterRefused, false) && Key == 13) {
    Key = 0;
    return;
  }
  if (Key == 13 && !FGrid->Navigation()->LineFeedOnEnter() && !validated) {
    if (!FGrid->ValidateCell(Text())) {
      SetText(FGrid->GetCurrentCell());
      Key = 0;
      return;
    }
  }
  TInplaceEdit::KeyPress(Key);
  const String text = Text();
  if (FGrid->Navigation()->AdvanceAuto() && IsMasked() && text.find(u' ') == String::npos &&
      SelStart() == static_cast<int>(text.size())) {
    Char enter = 13;
    FGrid->KeyPress(enter);
  }
}

void TAdvInplaceEdit::Change() {
  TInplaceEdit::Change();
  if (!FGrid->NoEditChange() && FGrid->OnEditChange)
    FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TAdvInplaceEdit::DoChange() {
  if (!Workmode || SelLength() != 0 || !FGrid->Lookup() || FGrid->LookupItems()->Count() == 0) return;
  const String prefix = Text().substr(0, static_cast<size_t>(SelStart()));
  const TCompletion c = CompletePrefix(*FGrid->LookupItems(), prefix, FGrid->LookupCaseSensitive());
  if (c.Index < 0) return;
  SetText(c.Text);
  Perform(EM_SETSEL, prefix.size(), static_cast<LPARAM>(c.Text.size()));
  GotKey = false;
}

// ---- focus

void TAdvInplaceEdit::FocusGained() {
  FGotFocus = true;
  FGrid->SetNoEditChange(false);
  FLengthLimit = FGrid->GetEditLimit();
  SetMaxLength(std::max(FLengthLimit, 0));
  const TNavigation& nav = *FGrid->Navigation();
  if (IsMasked() && !FGrid->LButFlg() && nav.ImproveMaskSel()) {
    SetSelStart(0);
    SetSelLength(1);
    return;
  }
  if (!nav.EditSelectAll()) {
    SetSelStart(static_cast<int>(Text().size()));
    SetSelLength(0);
  }
  CaretToPress();
}

// Only the opening of the editor takes the press point.
void TAdvInplaceEdit::CaretToPress() {
  if (!FGrid->LButFlg()) return;
  const TPoint at = ScreenToClient(FGrid->ClientToScreen(FGrid->LButPoint()));
  FGrid->SetLButFlg(false);
  if (!ClientRect().Contains(at)) return;
  const LRESULT pos = Perform(EM_CHARFROMPOS, 0, MakeLParam(at.X, at.Y));
  if (pos < 0) return;
  SetSelStart(LoWord(pos));
  SetSelLength(0);
}

// The platform reloads its editor by hiding and showing it again, which
// hands the grid the focus for a moment while its editor mode stays on;
// that is no end of editing, nor is a loss while a value is written back.
void TAdvInplaceEdit::FocusLost(TMessage& Message) {
  TGridEditCycle& cycle = FGrid->EditCycle();
  cycle.StartEditChar = 0;
  if (FGrid->LookupHistory() && FGrid->LookupItems()->IndexOf(Text()) < 0)
    FGrid->LookupItems()->Add(Text());
  FGrid->InplaceEditFormula(false);
  TInplaceEdit::Dispatch(Message);
  const auto to = reinterpret_cast<HWND>(Message.WParam);
  const bool toGrid = to == FGrid->Handle();
  if (FAltBack || cycle.BlockKill || (toGrid && FGrid->EditorMode())) return;
  if (!toGrid && cycle.EditMode) {
    FGrid->ValidateCell(Text());
    SetText(FGrid->GetCurrentCell());
    FGrid->HideInplaceEdit();
  }
  if (FGrid->NoEditChange()) {
    SetText(FGrid->GetCurrentCell());
    TPoint none{-1, -1};
    FGrid->InplaceEditTextChanged(Text(), none, -1);
  }
  if (std::exchange(FGotFocus, false)) {
    cycle.EditMode = false;
    FGrid->EditingDoneNotify(FGrid->RealColIndex(FColE), FRowE);
  }
}

// ---- clipboard

void TAdvInplaceEdit::CopyOrCut(bool Cut) {
  bool allow = true;
  TClipboardEvent& event = Cut ? FGrid->OnClipboardCut : FGrid->OnClipboardCopy;
  if (event) event(this, allow);
  if (!allow || SelLength() == 0) return;
  ClipboardSetAsText(SelText());
  if (Cut) SetSelText(String());
}

void TAdvInplaceEdit::Paste() {
  bool allow = ClipboardHasFormat(CF_TEXT);
  String v = allow ? ClipboardAsText() : String();
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
  const int col = FGrid->Col(), row = FGrid->Row();
  if (allow && FGrid->OnClipboardBeforePasteCell) FGrid->OnClipboardBeforePasteCell(this, col, row, v, allow);
  if (!allow || (FLengthLimit >= 1 && FLengthLimit < static_cast<int>(v.size()))) return;
  if (v.size() >= 2 && v.compare(v.size() - 2, 2, u"\r\n") == 0 && v.find(u"\r\n") == v.size() - 2)
    v.resize(v.size() - 2);
  const String text = Text();
  const int start = SelStart(), selLength = SelLength();
  String n = text.substr(0, static_cast<size_t>(start)) + v + text.substr(static_cast<size_t>(start + selLength));
  if (FLengthLimit >= 1 && static_cast<int>(n.size()) > FLengthLimit) return;
  if (!FilterPastedText(FGrid->EditControl(), n, FGrid->ValidChars())) return;
  SetText(n);
  FGrid->SetCurrentCellText(Text());
  SetSelStart(start + (selLength > 0 ? 0 : static_cast<int>(v.size())));
  SetSelLength(selLength > 0 ? static_cast<int>(v.size()) : 0);
  if (FGrid->OnClipboardAfterPasteCell) FGrid->OnClipboardAfterPasteCell(this, col, row, Text());
}
