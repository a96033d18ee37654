#pragma once
// The in-text controls of a cell: "<CONTROL ...>" tags with TYPE, ID,
// VALUE, WIDTH, HEIGHT, PROP and MAXLEN. IDs are compared exactly.
#include "platform/sys/SysUtils.h"

struct THTMLControlTag {
  String Type;  // upper-cased
  String ID;
  String Value;  // unescaped
  String Width;
  String Height;
  String Prop;  // unescaped
  String MaxLen;
};

// Each attribute is the text between the first two double quotes after
// its name in the upper-cased tag; a missing one is empty.
void ParseControlTag(StringView TagText, String& Type, String& ID, String& Value, String& Width, String& Height,
                     String& Prop, String& MaxLen);
THTMLControlTag ParseControlTag(StringView TagText);
bool HasControlTag(StringView Text);
// The first control after CurrentID (after none: the first) that is no
// button, check box or radio button; empty when there is none.
String NextEditControlID(StringView Text, StringView CurrentID);
bool GetControlValue(StringView Text, StringView ID, String& Value);
String GetControlProp(StringView Text, StringView ID);
// 0 also for a MAXLEN beyond 32 bits.
int GetControlMaxLen(StringView Text, StringView ID);
// Rewrites the first control with that ID holding NewValue; the text around
// it stays as it was. False (Text unchanged) when there is none.
bool SetControlValue(String& Text, StringView ID, StringView NewValue);
// Every radio button set to "FALSE".
String ClearRadioControls(StringView Text);
