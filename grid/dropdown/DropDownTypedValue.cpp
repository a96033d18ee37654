// The typed drop-down edit's value as a number: what SetText makes of a
// value, the numeric accessors, the kind and precision setters, the money
// grouping and the formatting when the edit is left.
#include <cmath>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownNumbers.h"
#include "grid/dropdown/DropDownText.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/SysUtils.h"

namespace {
bool IsNumberKind(TDropDownEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney; }

bool IsFloatKind(TDropDownEditType Kind) { return Kind == etFloat || Kind == etMoney; }

String HexText(std::int64_t Value) { return UIntToHex(static_cast<std::uint32_t>(Value), 1); }
}  // namespace

String TAdvCustomDropDown::TypedValueText(const String& Value) const {
  const TDropDownEditType kind = FValues.EditType;
  String v = Value;
  if (v.empty() && (IsNumberKind(kind) || kind == etHex)) v = u"0";
  if (FValues.Precision > 0 && !v.empty() && v != u"Error") {
    if (kind == etMoney) v = NumberFloatText(TextToFloat(v), FValues.Precision);
    if (kind == etFloat) v = FixedFloatText(TextToFloat(v), FValues.Precision);
  }
  return kind == etHex ? AnsiUpperCase(v) : v;
}

void TAdvCustomDropDown::WriteValue(const String& Value) {
  const bool modified = FModified;
  SetPlainText(FValues.Prefix + Value + FValues.Suffix);
  // The platform edit counts any write as unmodified.
  TMaskEdit::SetModified(modified);
}

double TAdvCustomDropDown::GetFloatValue() const {
  const String v = Text();
  switch (FValues.EditType) {
    case etString: return PointTextToFloat(v);
    case etNumeric: case etFloat:
      return v.empty() || v == u"Error" || v == u"-" ? 0 : TextToFloat(v);
    case etMoney: return MoneyValue(v);
    case etHex: return HexToInt(v);
    default: return 0;
  }
}

void TAdvCustomDropDown::SetFloatValue(double Value) {
  const int precision = FValues.Precision;
  switch (FValues.EditType) {
    case etString: case etFloat: case etMoney:
      SetText(precision < 0 ? GeneralFloatText(Value) : FixedFloatText(Value, precision));
      if (FValues.EditType == etMoney) FormatMoney();
      break;
    case etNumeric: SetText(precision < 0 ? GeneralFloatText(Value) : NumberFloatText(Value, precision)); break;
    case etHex: SetText(HexText(static_cast<std::int64_t>(std::trunc(Value)))); break;
    default: return;
  }
  SetModified(true);
}

void TAdvCustomDropDown::SetIntValue(int Value) {
  switch (FValues.EditType) {
    case etNumeric: case etFloat: case etMoney:
      SetText(IntToStr(Value));
      if (FValues.EditType == etMoney) FormatMoney();
      break;
    case etHex: SetText(HexText(Value)); break;
    default: break;
  }
  SetModified(true);
}

void TAdvCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (Value == FValues.EditType) return;
  FValues.EditType = Value;
  if (Value == etPassword) FValues.CanUndo = false;
  SetPasswordChar(Value == etPassword ? u'*' : 0);
  const int kind = ClassifyValueText(Text());
  if (Value == etNumeric && kind != vkInteger) SetIntValue(0);
  if (IsFloatKind(Value) && kind >= vkOther) SetFloatValue(0);
  if (Value == etHex && kind != vkInteger && kind != vkHex) SetIntValue(0);
  if (Designing() && Value == etFloat && FValues.Precision == 0) SetPrecision(2);
}

void TAdvCustomDropDown::SetPrecision(int Value) {
  const TDropDownEditType kind = FValues.EditType;
  if (Value == FValues.Precision || (kind != etString && !IsFloatKind(kind))) return;
  FValues.Precision = Value;
  if (ClassifyValueText(Text()) >= vkOther) SetFloatValue(0);
  else SetFloatValue(GetFloatValue());
}

void TAdvCustomDropDown::FormatMoney() {
  const String value = Text();
  if (value.empty()) return;
  const int caret = SelStart();
  const String money = MoneyText(value, FValues.AutoThousandSeparator);
  const String shown = FValues.Prefix + money + FValues.Suffix;
  // Only the grouping's own change notification is swallowed.
  if (shown != TMaskEdit::Text()) FBlockChange = true;
  WriteValue(money);
  FBlockChange = false;
  SetSelStart(caret + static_cast<int>(money.size()) - static_cast<int>(value.size()));
  SetSelLength(0);
}

void TAdvCustomDropDown::FormatOnExit() {
  const TDropDownEditType kind = FValues.EditType;
  const bool empty = Text().empty(), keepEmpty = FValues.AllowNumericNullValue;
  if (FValues.Precision > 0 && IsFloatKind(kind) && (!empty || !keepEmpty)) {
    const bool modified = FModified;
    SetFloatValue(GetFloatValue());
    SetModified(modified);
    return;
  }
  if (!empty || keepEmpty) return;
  if (kind == etNumeric) SetText(u"0");
  if (IsFloatKind(kind)) SetFloatValue(0);
}
