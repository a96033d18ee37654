#include "grid/base/HTMLControls.h"

#include <climits>
#include <functional>
#include <optional>

#include "grid/base/HTMLHelpers.h"
#include "grid/base/HTMLText.h"

namespace {

struct TControlSpan {
  size_t Start;
  size_t End;  // just after the ">"
  THTMLControlTag Tag;
};

// Calls Visit for each control of Text in order until it answers false.
void ForEachControl(StringView Text, const std::function<bool(const TControlSpan&)>& Visit) {
  const String upper = UpperCase(Text);
  for (size_t at = upper.find(u"<CONTROL "); at != String::npos; at = upper.find(u"<CONTROL ", at + 1)) {
    const size_t close = upper.find(u'>', at);
    if (close == String::npos) return;
    if (!Visit({at, close + 1, ParseControlTag(Text.substr(at, close + 1 - at))})) return;
    at = close;
  }
}

std::optional<TControlSpan> FindControl(StringView Text, StringView ID) {
  std::optional<TControlSpan> found;
  ForEachControl(Text, [&](const TControlSpan& span) {
    if (span.Tag.ID == ID) found = span;
    return !found;
  });
  return found;
}

String Quoted(StringView Name, StringView Value) { return String(Name) + u"=\"" + String(Value) + u"\""; }

String ControlTagText(const THTMLControlTag& Tag, StringView NewValue) {
  String text = u"<CONTROL " + Quoted(u"ID", Tag.ID) + u" " + Quoted(u"VALUE", EscapeHTMLText(NewValue, true)) +
                u" " + Quoted(u"WIDTH", Tag.Width);
  if (!Tag.Height.empty()) text += u" " + Quoted(u"HEIGHT", Tag.Height);
  text += u" " + Quoted(u"TYPE", Tag.Type);
  if (!Tag.Prop.empty()) text += u" " + Quoted(u"PROP", EscapeHTMLText(Tag.Prop, true));
  if (!Tag.MaxLen.empty()) text += u" " + Quoted(u"MAXLEN", Tag.MaxLen);
  return text + u">";
}

bool IsEditType(StringView Type) { return Type != u"BUTTON" && Type != u"CHECK" && Type != u"RADIO"; }

}  // namespace

THTMLControlTag ParseControlTag(StringView TagText) {
  const String upper = UpperCase(TagText);
  THTMLControlTag tag;
  tag.Type = UpperCase(QuotedValueAfter(TagText, upper, u"TYPE="));
  tag.ID = QuotedValueAfter(TagText, upper, u"ID=");
  tag.Value = UnescapeHTMLText(QuotedValueAfter(TagText, upper, u"VALUE="), true);
  tag.Width = QuotedValueAfter(TagText, upper, u"WIDTH=");
  tag.Height = QuotedValueAfter(TagText, upper, u"HEIGHT=");
  tag.Prop = UnescapeHTMLText(QuotedValueAfter(TagText, upper, u"PROP="), true);
  tag.MaxLen = QuotedValueAfter(TagText, upper, u"MAXLEN=");
  return tag;
}

void ParseControlTag(StringView TagText, String& Type, String& ID, String& Value, String& Width, String& Height,
                     String& Prop, String& MaxLen) {
  THTMLControlTag tag = ParseControlTag(TagText);
  Type = std::move(tag.Type);
  ID = std::move(tag.ID);
  Value = std::move(tag.Value);
  Width = std::move(tag.Width);
  Height = std::move(tag.Height);
  Prop = std::move(tag.Prop);
  MaxLen = std::move(tag.MaxLen);
}

bool HasControlTag(StringView Text) { return UpperCase(Text).find(u"<CONTROL") != String::npos; }

String NextEditControlID(StringView Text, StringView CurrentID) {
  bool passed = CurrentID.empty();
  String next;
  ForEachControl(Text, [&](const TControlSpan& span) {
    if (passed && IsEditType(span.Tag.Type)) next = span.Tag.ID;
    passed = passed || span.Tag.ID == CurrentID;
    return next.empty();
  });
  return next;
}

bool GetControlValue(StringView Text, StringView ID, String& Value) {
  const auto control = FindControl(Text, ID);
  if (control) Value = control->Tag.Value;
  return control.has_value();
}

String GetControlProp(StringView Text, StringView ID) {
  const auto control = FindControl(Text, ID);
  return control ? control->Tag.Prop : String();
}

int GetControlMaxLen(StringView Text, StringView ID) {
  const auto control = FindControl(Text, ID);
  if (!control) return 0;
  int value = 0;
  TryStrToIntPartial(control->Tag.MaxLen, value);
  return value == INT_MAX ? 0 : value;
}

bool SetControlValue(String& Text, StringView ID, StringView NewValue) {
  const auto control = FindControl(Text, ID);
  if (!control) return false;
  Text.replace(control->Start, control->End - control->Start, ControlTagText(control->Tag, NewValue));
  return true;
}

String ClearRadioControls(StringView Text) {
  String out;
  size_t from = 0;
  ForEachControl(Text, [&](const TControlSpan& span) {
    if (span.Tag.Type != u"RADIO") return true;
    out.append(Text.substr(from, span.Start - from)).append(ControlTagText(span.Tag, u"FALSE"));
    from = span.End;
    return true;
  });
  return out.append(Text.substr(from));
}
