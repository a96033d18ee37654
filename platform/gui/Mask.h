#pragma once
// The masked edit. An edit mask is "mask;save;blank": the mask proper, then
// 0 when Text leaves the literal characters out (1, the default, keeps
// them), then the character shown in empty positions ('_' by default).
// In the mask: 0 digit, 9 optional digit, # optional digit or sign,
// L letter, l optional letter, A letter or digit, a optional one, C any
// character, c optional any; > upper case, < lower case, <> no case
// change, ! ignored; \ takes the next character literally; '_' stands for
// a blank; every other character is a literal.
#include <vector>

#include "platform/gui/StdCtrls.h"

struct TMaskSlot {
  Char Kind = 0;     // the placeholder letter, 0 for a literal
  Char Literal = 0;  // the literal character
  Char Case = 0;     // '>' or '<' in force, else 0
};

struct TEditMaskFormat {
  std::vector<TMaskSlot> Slots;
  bool SaveLiterals = true;
  Char Blank = u'_';
};

TEditMaskFormat ParseEditMask(const String& EditMask);
// Text as shown under the mask: the literals in their places, each
// placeholder holding the character at its position when it fits (in the
// mask's case), else the blank.
String ConformToMask(const TEditMaskFormat& Format, const String& Text);

class TMaskEdit : public TEdit {
 public:
  explicit TMaskEdit(TComponent* AOwner);
  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& v);
  bool IsMasked() const { return !FFormat.Slots.empty(); }
  // The text as shown: literals and blank characters included.
  String EditText() const;
  // With a mask: blanks as spaces, literals only when the mask saves them.
  String Text() const override;
  void SetText(const String& v) override;

 protected:
  void NativeMade() override { ApplyMask(); }
  // The multi-line native edit has no mask of its own: typing, Backspace and
  // Delete go through ours there.
  void Dispatch(TMessage& Message) override;

 private:
  void ApplyMask();  // the native edit takes the mask
  bool MaskedKey(const TMessage& Message);
  void TypeChar(Char C);
  void Erase(bool Backward);
  // Blanks the placeholders in [Start, End) of the shown text.
  String Blanked(int Start, int End) const;
  void PutEditText(const String& Shown, int Caret);
  // The next placeholder at or after Pos (from: forward), or before Pos; -1 when none.
  int Placeholder(int Pos, bool Forward) const;
  String FEditMask;
  TEditMaskFormat FFormat;
};
