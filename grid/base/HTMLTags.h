#pragma once
// The mini-HTML tag language as the renderer reads it: preparing a text for
// layout, recognising one tag (its family, opening or closing, its extent)
// and reading its attributes, colours, font sizes and picture sources.
// What a tag does to fonts and colours is the renderer's business.
// Every routine here runs in time linear in the text.
#include <cstddef>
#include <optional>

#include "grid/base/HTMLHelpers.h"

// Step 1 of the preparation: the entities "&amp;" (to "&&"), "&quot;",
// "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;" and "&euro;",
// any case, replaced left to right; the second "&" of a replaced "&amp;" may
// begin the next entity.
String ReplaceHTMLEntities(StringView Text);
// Every "<#" and the first ">" after it go; what lies between stays. A "<#"
// without a ">" after it goes alone.
String StripHashTags(StringView Text);
// CR becomes "<BR>" (with Flag off it is dropped); LF is dropped.
String LineBreaksToBRTags(StringView Text, bool Flag);
// The three steps in their order: entities (only when the text holds "&"),
// "<#" wrappers, line breaks.
String PrepareHTMLText(StringView Text);

enum class THTMLTagKind {
  Unknown,
  A, B, BR, Blink, Body, Control, E, Font, HI, HR, I, Ind, Img, LI, P, R, S, Shad, Sub, Sup, U, UL, Z,
  // closing only: "</B" then anything but ">" (BODY, BLINK); "</SU" (SUB, SUP)
  BodyBlink, SubSup,
};

struct THTMLTag {
  THTMLTagKind Kind = THTMLTagKind::Unknown;
  bool Closing = false;
  size_t Start = 0;  // index of the "<"
  size_t End = 0;    // index just after the ">"
  StringView Text;   // "<" ... ">"
  String Upper;      // Text upper-cased (same length)
};

// Reads the tag whose "<" is at Text[Start]. Nothing when the text ends
// there: a remaining text of at most two characters, or no ">" after it.
std::optional<THTMLTag> ScanHTMLTag(StringView Text, size_t Start);

// The value in double quotes after the first occurrence of Name in the
// upper-cased tag (Name given in upper case); the tag's own case is kept
// unless Upper. Empty when the name or the opening quote is missing; an
// unclosed quote runs to the tag's end.
String HTMLAttribute(const THTMLTag& Tag, StringView Name, bool Upper = false);
bool HasHTMLAttribute(const THTMLTag& Tag, StringView Name);

// A colour value: "#RRGGBB", or a name looked up lower-cased (0 when unknown).
TColor HTMLColorValue(StringView Value);
// BODY's BGCOLOR: by name when the value holds "CL", hexadecimal when it
// holds "#"; clNone otherwise.
TColor HTMLBodyColorValue(StringView Value);
// FONT SIZE: 1-5 give 8, 10, 12, 14, 16 points; any other number itself.
int HTMLFontSize(StringView Value);

// IND's indent: the integer in quotes after the tag's first "X".
std::optional<int> HTMLIndent(const THTMLTag& Tag);
// R's angle in degrees: the integer in quotes after the first "A" past the tag's letter.
std::optional<int> HTMLAngle(const THTMLTag& Tag);
// P's ALIGN: 0 left, 1 right, 2 centre.
int HTMLParagraphAlign(const THTMLTag& Tag);
enum class THTMLImageAlign { Bottom, Top, Middle };
THTMLImageAlign HTMLImageAlign(const THTMLTag& Tag);

enum class THTMLPictureKind { None, ImageList, SmallSystemIcon, LargeSystemIcon, Container, Cache };
struct THTMLPictureSource {
  THTMLPictureKind Kind = THTMLPictureKind::None;
  int Index = 0;  // ImageList
  String Name;    // the system icon's file or index, the container name, the URL
};
// Src as IMG SRC or BODY BACKGROUND hold it (upper-cased).
THTMLPictureSource HTMLPictureSource(StringView Src);
