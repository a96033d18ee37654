#pragma once
// What the spin edit lets through and how it steps: the characters each
// kind accepts, and the date and time part under the caret with its step.
// Separators and the short date format are the locale's at the moment of
// the call.
#include "grid/base/GridDates.h"
#include "platform/sys/String.h"

enum TAsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// The edit as a typed character finds it.
struct TSpinTyping {
  TAsgSpinType Kind = sptNormal;
  String Text;
  int SelStart = 0;  // 0-based caret
  String SelText;
  int Precision = 0;
  bool EditorEnabled = true;
};

bool SpinAcceptsChar(const TSpinTyping& T, Char Key);

// The date part the caret is in: before the first date separator the
// format's first part, before the second its second, else its last.
DatePart SpinDatePartAt(StringView Text, int SelStart);
// Days add; months and years step the calendar, the day clamped to the
// target month.
TDateTime StepDatePart(TDateTime Value, DatePart Part, int Delta);

enum TSpinTimePart { tpHours, tpMinutes, tpSeconds };
// Before the first time separator the hours; with seconds shown, at or
// after the second separator (anywhere after the first when there is no
// second) the seconds; else the minutes.
TSpinTimePart SpinTimePartAt(StringView Text, int SelStart, bool ShowSeconds);
// The step as a part of a day in [0, 1): a duration of any size, taken
// round the clock, so that a negative one steps the other way.
double SpinTimeStep(int Hours, int Minutes, int Seconds);
// The time of day in [0, 1), to the millisecond.
TDateTime TimeOfDay(TDateTime Value);
