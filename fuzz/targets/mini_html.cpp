// Mini-HTML text through the tag language and the text utilities, and
// bytes as a cell picture. First byte: case sensitivity and escaping kind;
// then the text, a search text and picture bytes as three parts.
#include <cctype>

#include "fuzz/FuzzSupport.h"
#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLTags.h"
#include "grid/base/HTMLText.h"
#include "grid/base/PictureContainer.h"

namespace {

void ReadTags(const String& Text) {
  for (size_t at = Text.find(u'<'); at != String::npos; at = Text.find(u'<', at + 1)) {
    const auto tag = ScanHTMLTag(Text, at);
    if (!tag) return;
    for (StringView name : {u"HREF", u" COLOR", u"BGCOLOR", u"FACE", u"SIZE", u"SRC", u"ALT"}) {
      const String value = HTMLAttribute(*tag, name, true);
      HTMLColorValue(value);
      HTMLBodyColorValue(value);
      HTMLFontSize(value);
      HTMLPictureSource(value);
    }
    HTMLIndent(*tag);
    HTMLAngle(*tag);
    HTMLParagraphAlign(*tag);
    HTMLImageAlign(*tag);
    at = tag->End - 1;
  }
}

bool PlainID(const String& ID) {
  if (ID.empty()) return false;
  for (Char c : ID)
    if (c > 127 || !std::isalnum(static_cast<int>(c))) return false;
  return true;
}

void EditControls(const String& Text, const String& Value) {
  HasControlTag(Text);
  ClearRadioControls(Text);
  String id = NextEditControlID(Text, u"");
  for (int k = 0; k < 3 && !id.empty(); ++k) {
    GetControlProp(Text, id);
    GetControlMaxLen(Text, id);
    String changed = Text, back;
    if (SetControlValue(changed, id, Value) && PlainID(id)) {
      fuzz::Check(GetControlValue(changed, id, back) && back == Value, "control value does not come back");
    }
    id = NextEditControlID(Text, id);
  }
}

void Picture(std::string_view Bytes) {
  fuzz::StartGui();
  THTMLPicture picture;
  try {
    picture.LoadFromBytes(TBytes(Bytes.begin(), Bytes.end()));
  } catch (const EInvalidGraphic&) {
  }
  picture.FrameCount();
  picture.FrameTime(2);
  for (int tick = 0; tick < 4; ++tick) picture.Step();
  try {
    picture.SetFrame(2);
  } catch (const EInvalidGraphic&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const bool flag = Data[0] & 1;
  const auto parts = fuzz::Parts(fuzz::Bytes(Data + 1, Size - 1), 3);
  const String text = fuzz::Text(parts[0]);
  const String search = fuzz::Text(parts[1]);

  ReadTags(PrepareHTMLText(text));
  StripHashTags(text);
  HTMLToPlainText(text);
  HTMLToPlainTextNoBreaks(text);
  VisibleToRawIndex(text, static_cast<int>(search.size()));
  fuzz::Check(UnescapeHTMLText(EscapeHTMLText(text, flag), flag) == text, "escaping does not round-trip");
  String linked;
  InsertURLLink(text, u"HTTP://", linked);
  String marked;
  HighlightInHTML(text, search, u"hi", flag, marked);
  RemoveHighlightTags(marked, u"hi");
  if (search.empty()) fuzz::Check(marked == text, "an empty search changed the text");
  EditControls(text, search);
  if (parts[2].size() < (1u << 16)) Picture(parts[2]);
  return 0;
}
