#include "platform/gui/Mask.h"

namespace {
bool IsPlaceholder(Char c) {
  for (Char p : String(u"09#LlAaCc"))
    if (c == p) return true;
  return false;
}
}  // namespace

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
  if (!IsMasked() || FFormat.SaveLiterals) return TEdit::SetText(v);
  // The literals go back between the characters of v.
  String full;
  size_t at = 0;
  for (const TMaskSlot& slot : FFormat.Slots) {
    if (slot.Kind == 0) full += slot.Literal;
    else full += at < v.size() ? v[at++] : FFormat.Blank;
  }
  TEdit::SetText(full);
}
