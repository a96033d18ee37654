#include "grid/dropdown/DropDownStyles.h"

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownEditButton.h"

namespace {
// The state colours the Office 2003 and 2007 presets share, and those of the 2010 ones.
constexpr TButtonStatePreset OfficeStates{0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                          0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
constexpr TButtonStatePreset Office2010States{0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                                              0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE};

constexpr TStripPresetColors Strip(TColor Color, TColor ColorTo, TColor FontColor, TColor BorderColor) {
  return {Color, ColorTo, FontColor, BorderColor};
}

const std::optional<TColor> Kept;

// Header and footer are alike but in the Office 2003 Blue and Vista rows.
const TDropDownStylePreset Presets[] = {
    {tsOffice2003Blue, 0xFFFFFF, clNone, Kept, Strip(0xFCE1CB, 0xE0A57D, 0x000000, 0x000000),
     Strip(0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00), 0xFCE1CB, 0xE0A57D, clNone, OfficeStates},
    {tsOffice2003Silver, 0xFFFFFF, clNone, Kept, Strip(0xECE2E1, 0xB39698, 0x000000, 0x947C7C),
     Strip(0xECE2E1, 0xB39698, 0x000000, 0x947C7C), 0xECE2E1, 0xB39698, clNone, OfficeStates},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, Strip(0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060),
     Strip(0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060), 0xCFF0EA, 0x8CC0B1, clNone, OfficeStates},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, Strip(0x808080, 0x808080, 0xFFFFFF, 0x808080),
     Strip(0x808080, 0x808080, 0xFFFFFF, 0x808080), 0xFFFFFF, 0xC9D1D5, clNone,
     {0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4,
      0x808080}},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, Strip(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF),
     Strip(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF), 0xFFEFE3, 0xFFDDC4, clNone, OfficeStates},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, Strip(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C),
     Strip(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C), 0xF2F1F0, 0xC9C2BD, clNone, OfficeStates},
    {tsWindowsXP, 0xFFFFFF, clNone, Kept, Strip(0xFFFFFF, clBtnFace, 0x000000, 0x808080),
     Strip(0xFFFFFF, clBtnFace, 0x000000, 0x808080), 0xFFFFFF, clBtnFace, clNone,
     {0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6,
      0xB9D8DC, 0xB9D8DC, 0x000000}},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, Strip(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00),
     Strip(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00), 0xFFFFFF, 0xDFEDF0, clNone, OfficeStates},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, Strip(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F),
     Strip(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F), 0xF9F8F8, 0xE4E2DF, clNone, OfficeStates},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, Strip(0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA),
     Strip(0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA), 0xFFFDF9, 0xFFFAF0, 0xFCF2DA,
     {0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7,
      0xFEDF9A}},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, Strip(0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8),
     Strip(0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8), 0xFDFBFA, 0xFDF3EB, 0xFBD6B8,
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1,
      0xCEA27D}},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, Strip(clBtnFace, clBtnFace, 0x000000, clNone),
     Strip(clBtnFace, clBtnFace, 0x000000, clNone), clBtnFace, clBtnFace, clNone,
     {0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace,
      clBtnFace, clHighlight}},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, Strip(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F),
     Strip(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F), 0xFDF6EF, 0xF0DAC7, 0xC7B29F, Office2010States},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, Strip(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8),
     Strip(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8), 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, Office2010States},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, Strip(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D),
     Strip(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D), 0xBFBFBF, 0x919191, 0xD7D7D6, Office2010States},
};

// Stored as they are: a strip's colours tell nobody.
void SetStripColors(TStripAppearance& A, const TStripPresetColors& C) {
  A.SetColor(C.Color);
  A.SetColorTo(C.ColorTo);
  A.Font()->SetColor(C.FontColor);
  A.SetBorderColor(C.BorderColor);
}

void SetButtonColors(TAdvButtonAppearance& A, const TDropDownStylePreset& P) {
  const TButtonStatePreset& s = P.ButtonStates;
  A.SetColor(P.ButtonColor);
  A.SetColorTo(P.ButtonColorTo);
  A.SetBorderColor(P.ButtonBorderColor);
  A.SetColorHot(s.ColorHot);
  A.SetColorHotTo(s.ColorHotTo);
  A.SetBorderColorHot(s.BorderColorHot);
  A.SetColorDown(s.ColorDown);
  A.SetColorDownTo(s.ColorDownTo);
  A.SetBorderColorDown(s.BorderColorDown);
  A.SetColorDisabled(s.ColorDisabled);
  A.SetColorDisabledTo(s.ColorDisabledTo);
  A.SetColorChecked(s.ColorChecked);
  A.SetColorCheckedTo(s.ColorCheckedTo);
  A.SetBorderColorChecked(s.BorderColorChecked);
}
}  // namespace

const TDropDownStylePreset* DropDownStylePreset(TZEVStyle Style) {
  for (const TDropDownStylePreset& p : Presets)
    if (p.Style == Style) return &p;
  return nullptr;
}

void ApplyDropDownStyle(TAdvCustomDropDown& DropDown, const TDropDownStylePreset& Preset) {
  DropDown.SetDropDownColor(Preset.DropDownColor);
  DropDown.SetDropDownColorTo(Preset.DropDownColorTo);
  if (Preset.DropDownBorderColor) DropDown.SetDropDownBorderColor(*Preset.DropDownBorderColor);
  SetStripColors(*DropDown.DropDownHeader(), Preset.Header);
  SetStripColors(*DropDown.DropDownFooter(), Preset.Footer);
  SetButtonColors(*DropDown.ButtonAppearance(), Preset);
}

bool SelectionStyleColors(TSelectionColorStyle Style, TColor& Color, TColor& ColorTo) {
  static constexpr struct {
    TSelectionColorStyle Style;
    TColor Color, ColorTo;
  } Pairs[] = {
      {scOffice2007, 0xD7FFFD, 0x58D4FC},
      {scWindowsVista, 0xFDF8F1, 0xFCEFD5},
      {scWindows7, 0xFCEBDC, 0xFCDBC1},
  };
  for (const auto& p : Pairs)
    if (p.Style == Style) {
      Color = p.Color;
      ColorTo = p.ColorTo;
      return true;
    }
  return false;
}

void ApplyDropDownTones(TAdvCustomDropDown& DropDown, const TColorTones& Tones) {
  if (TDropDownEditButton* b = DropDown.Button()) {
    TEditorButtonColors& c = b->Colors();
    c.Color = Tones.Background.BrushColor;
    c.ColorHot = Tones.Hover.BrushColor;
    c.ColorDown = Tones.Selected.BrushColor;
    c.BorderColor = Tones.Background.BorderColor;
  }
  if (DropDown.BorderColor() == Tones.Background.BorderColor) return;
  DropDown.SetBorderColor(Tones.Background.BorderColor);
  if (DropDown.Button()) DropDown.Button()->Button()->Invalidate();
}
