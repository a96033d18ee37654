#include "platform/gui/Mask.h"

#include <algorithm>
#include <cwctype>

#include "platform/gui/SystemMetrics.h"

namespace {
bool IsPlaceholder(Char c) {
  for (Char p : String(u"09#LlAaCc"))
    if (c == p) return true;
  return false;
}

bool Fits(const TMaskSlot& Slot, Char C) {
  const auto c = static_cast<wint_t>(C);
  switch (Slot.Kind) {
    case u'0':
    case u'9': return std::iswdigit(c);
    case u'#': return std::iswdigit(c) || C == u'+' || C == u'-';
    case u'L':
    case u'l': return std::iswalpha(c);
    case u'A':
    case u'a': return std::iswalnum(c);
    default: return C >= u' ';
  }
}

Char Cased(const TMaskSlot& Slot, Char C) {
  const auto c = static_cast<wint_t>(C);
  if (Slot.Case == u'>') return static_cast<Char>(std::towupper(c));
  if (Slot.Case == u'<') return static_cast<Char>(std::towlower(c));
  return C;
}
}  // namespace

String ConformToMask(const TEditMaskFormat& Format, const String& Text) {
  String shown;
  for (size_t i = 0; i < Format.Slots.size(); ++i) {
    const TMaskSlot& slot = Format.Slots[i];
    if (slot.Kind == 0) shown += slot.Literal;
    else if (i < Text.size() && Fits(slot, Text[i])) shown += Cased(slot, Text[i]);
    else shown += Format.Blank;
  }
  return shown;
}

TEditMaskFormat ParseEditMask(const String& EditMask) {
  TEditMaskFormat f;
  String mask = EditMask;
  // The two trailing fields, when present, are the save flag and the blank.
  const size_t last = mask.rfind(u';');
  if (last != String::npos && last > 0) {
    const size_t prev = mask.rfind(u';', last - 1);
    if (prev != String::npos && last - prev == 2) {
      f.SaveLiterals = mask[prev + 1] != u'0';
      if (last + 1 < mask.size()) f.Blank = mask[last + 1];
      mask.resize(prev);
    } else if (last + 2 == mask.size()) {
      f.SaveLiterals = mask[last + 1] != u'0';
      mask.resize(last);
    }
  }
  Char caseMode = 0;
  for (size_t i = 0; i < mask.size(); ++i) {
    const Char c = mask[i];
    if (c == u'>' || c == u'<') {
      const bool pair = c == u'<' && i + 1 < mask.size() && mask[i + 1] == u'>';
      caseMode = pair ? 0 : c;
      if (pair) ++i;
    } else if (c == u'!') {
      continue;
    } else if (c == u'\\' && i + 1 < mask.size()) {
      f.Slots.push_back({0, mask[++i], 0});
    } else if (IsPlaceholder(c)) {
      f.Slots.push_back({c, 0, caseMode});
    } else {
      f.Slots.push_back({0, c == u'_' ? u' ' : c, 0});
    }
  }
  return f;
}

TMaskEdit::TMaskEdit(TComponent* AOwner) : TEdit(AOwner) {}

void TMaskEdit::SetEditMask(const String& v) {
  FEditMask = v;
  FFormat = ParseEditMask(v);
  ApplyMask();
  if (IsMasked() && MultiLineNative()) TEdit::SetText(ConformToMask(FFormat, EditText()));
}

String TMaskEdit::Text() const {
  if (!IsMasked()) return TEdit::Text();
  const String edit = EditText();
  String s;
  for (size_t i = 0; i < FFormat.Slots.size() && i < edit.size(); ++i) {
    const TMaskSlot& slot = FFormat.Slots[i];
    if (slot.Kind == 0 && !FFormat.SaveLiterals) continue;
    s += (slot.Kind != 0 && edit[i] == FFormat.Blank) ? u' ' : edit[i];
  }
  return s;
}

void TMaskEdit::SetText(const String& v) {
  if (!IsMasked()) return TEdit::SetText(v);
  String full = v;
  if (!FFormat.SaveLiterals) {
    // The literals go back between the characters of v.
    full.clear();
    size_t at = 0;
    for (const TMaskSlot& slot : FFormat.Slots) {
      if (slot.Kind == 0) full += slot.Literal;
      else full += at < v.size() ? v[at++] : FFormat.Blank;
    }
  }
  TEdit::SetText(MultiLineNative() ? ConformToMask(FFormat, full) : full);
}

void TMaskEdit::Dispatch(TMessage& Message) {
  if (IsMasked() && MultiLineNative() && !ReadOnly() && MaskedKey(Message)) return;
  TEdit::Dispatch(Message);
}

bool TMaskEdit::MaskedKey(const TMessage& Message) {
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_DELETE) {
    Erase(false);
    return true;
  }
  if (Message.Msg != WM_CHAR) return false;
  const auto ch = static_cast<Char>(Message.WParam);
  if (ch == VK_BACK) Erase(true);
  else if (ch >= u' ') TypeChar(ch);
  return ch == VK_BACK || ch == VK_RETURN || ch >= u' ';  // a mask holds no line break
}

// Typing overwrites the next placeholder; the caret goes past the literals after it.
void TMaskEdit::TypeChar(Char C) {
  const int at = Placeholder(SelStart(), true);
  if (at < 0 || !Fits(FFormat.Slots[static_cast<size_t>(at)], C)) {
    MessageBeep();
    return;
  }
  String shown = Blanked(SelStart(), SelStart() + SelLength());
  shown[static_cast<size_t>(at)] = Cased(FFormat.Slots[static_cast<size_t>(at)], C);
  const int next = Placeholder(at + 1, true);
  PutEditText(shown, next < 0 ? static_cast<int>(shown.size()) : next);
}

void TMaskEdit::Erase(bool Backward) {
  const int start = SelStart(), end = start + SelLength();
  if (start != end) return PutEditText(Blanked(start, end), start);
  const int at = Placeholder(start, !Backward);
  if (at < 0) return;
  PutEditText(Blanked(at, at + 1), Backward ? at : start);
}

String TMaskEdit::Blanked(int Start, int End) const {
  String shown = ConformToMask(FFormat, EditText());
  for (int i = Start; i < End && i < static_cast<int>(shown.size()); ++i)
    if (FFormat.Slots[static_cast<size_t>(i)].Kind != 0) shown[static_cast<size_t>(i)] = FFormat.Blank;
  return shown;
}

void TMaskEdit::PutEditText(const String& Shown, int Caret) {
  if (Shown != EditText()) {
    TEdit::SetText(Shown);
    SetModified(true);
  }
  SetSelStart(Caret);
}

int TMaskEdit::Placeholder(int Pos, bool Forward) const {
  const int count = static_cast<int>(FFormat.Slots.size());
  if (Forward) {
    for (int i = std::max(Pos, 0); i < count; ++i)
      if (FFormat.Slots[static_cast<size_t>(i)].Kind != 0) return i;
    return -1;
  }
  for (int i = std::min(Pos, count) - 1; i >= 0; --i)
    if (FFormat.Slots[static_cast<size_t>(i)].Kind != 0) return i;
  return -1;
}
