// The drop-down's look presets, selection colour styles and colour tones,
// read back from the drop-down, its strips' settings and its button colours.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownEditButton.h"

namespace {
// DropDownBorderColor as set before the preset, for the rows that keep it.
constexpr TColor Before = 0x123456;

// Hot, hot to, hot border, down, down to, down border, disabled, disabled
// to, checked, checked to, checked border.
using States = std::array<TColor, 11>;
constexpr States O{0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
                   0x76AFF1, 0x4190F3, 0x45667B};
constexpr States N{0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6,
                   0x45E1FE, clNone, 0x4FA0CE};

struct PresetRow {
  TZEVStyle Style;
  std::array<TColor, 3> PopUp;   // colour, colour to, border
  std::array<TColor, 4> Header;  // colour, colour to, font, border
  std::array<TColor, 4> Footer;
  std::array<TColor, 3> Button;  // colour, colour to, border
  States ButtonStates;
};

const PresetRow Rows[] = {
    {tsOffice2003Blue, {clWhite, clNone, Before}, {0xFCE1CB, 0xE0A57D, 0, 0}, {0xFCE1CB, 0xE0A57D, 0, 0x962D00},
     {0xFCE1CB, 0xE0A57D, clNone}, O},
    {tsOffice2003Silver, {clWhite, clNone, Before}, {0xECE2E1, 0xB39698, 0, 0x947C7C},
     {0xECE2E1, 0xB39698, 0, 0x947C7C}, {0xECE2E1, 0xB39698, clNone}, O},
    {tsOffice2003Olive, {clWhite, clNone, clNone}, {0xCFF0EA, 0x8CC0B1, 0, 0x588060},
     {0xCFF0EA, 0x8CC0B1, 0, 0x588060}, {0xCFF0EA, 0x8CC0B1, clNone}, O},
    {tsOffice2003Classic, {0xF2F2F2, 0xF2F2F2, clNone}, {0x808080, 0x808080, clWhite, 0x808080},
     {0x808080, 0x808080, clWhite, 0x808080}, {clWhite, 0xC9D1D5, clNone},
     {0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4,
      0x808080}},
    {tsOffice2007Luna, {0xF3E5DA, 0xF0DED0, clNone}, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
     {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}, {0xFFEFE3, 0xFFDDC4, clNone}, O},
    {tsOffice2007Obsidian, {clWhite, clNone, clNone}, {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
     {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C}, {0xF2F1F0, 0xC9C2BD, clNone}, O},
    {tsWindowsXP, {clWhite, clNone, Before}, {clWhite, clBtnFace, 0, 0x808080}, {clWhite, clBtnFace, 0, 0x808080},
     {clWhite, clBtnFace, clNone},
     {0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6,
      0xB9D8DC, 0xB9D8DC, 0}},
    {tsWhidbey, {0xF5F9FA, 0xF5F9FA, clNone}, {0xEBEEEF, 0x7E9898, clWhite, 0x962D00},
     {0xEBEEEF, 0x7E9898, clWhite, 0x962D00}, {clWhite, 0xDFEDF0, clNone}, O},
    {tsOffice2007Silver, {0xF8F4F1, 0xF0E8E3, clNone}, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
     {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}, {0xF9F8F8, 0xE4E2DF, clNone}, O},
    {tsWindowsVista, {clWhite, clWhite, 0x979797}, {0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA},
     {0xFFFAF0, 0xFFFDF9, 0, 0xFCF2DA}, {0xFFFDF9, 0xFFFAF0, 0xFCF2DA},
     {0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, clWhite, clWhite, 0xFEF9F0, 0xFDF0D7,
      0xFEDF9A}},
    {tsWindows7, {clWhite, clWhite, 0x979797}, {0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8}, {0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8},
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8},
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, clWhite, clWhite, 0xFEF9F0, 0xFCDBC1,
      0xCEA27D}},
    {tsTerminal, {clWhite, clWhite, 0x808080}, {clBtnFace, clBtnFace, 0, clNone}, {clBtnFace, clBtnFace, 0, clNone},
     {clBtnFace, clBtnFace, clNone},
     {0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace,
      clBtnFace, clHighlight}},
    {tsOffice2010Blue, {clWhite, 0xF1EFED, 0xEDEDEC}, {0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
     {0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F}, {0xFDF6EF, 0xF0DAC7, 0xC7B29F}, N},
    {tsOffice2010Silver, {clWhite, 0xF1EFED, 0xEDEDEC}, {clWhite, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
     {clWhite, 0xEDE5E0, 0x5B391E, 0xD2CDC8}, {clWhite, 0xEDE5E0, 0xD2CDC8}, N},
    {tsOffice2010Black, {clWhite, 0xF1EFED, 0xEDEDEC}, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
     {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D}, {0xBFBFBF, 0x919191, 0xD7D7D6}, N},
};

std::array<TColor, 4> StripColors(const TStripAppearance& A) {
  return {A.Color(), A.ColorTo(), A.Font()->Color(), A.BorderColor()};
}

States StateColors(const TAdvButtonAppearance& A) {
  return {A.ColorHot(),      A.ColorHotTo(),      A.BorderColorHot(), A.ColorDown(),
          A.ColorDownTo(),   A.BorderColorDown(), A.ColorDisabled(),  A.ColorDisabledTo(),
          A.ColorChecked(),  A.ColorCheckedTo(),  A.BorderColorChecked()};
}

// Every colour a preset may write, in one list.
std::vector<TColor> AllColours(const TAdvCustomDropDown& D) {
  std::vector<TColor> all{D.DropDownColor(), D.DropDownColorTo(), D.DropDownBorderColor()};
  for (const TStripAppearance* s : {static_cast<const TStripAppearance*>(D.DropDownHeader()),
                                    static_cast<const TStripAppearance*>(D.DropDownFooter())})
    for (TColor c : StripColors(*s)) all.push_back(c);
  const TAdvButtonAppearance& b = *D.ButtonAppearance();
  all.insert(all.end(), {b.Color(), b.ColorTo(), b.BorderColor()});
  for (TColor c : StateColors(b)) all.push_back(c);
  return all;
}

TEST(DropDownStyles, EveryPresetColoursThePopupItsStripsAndTheirButtons) {
  ASSERT_EQ(std::size(Rows), 15u) << "every preset but tsCustom";
  for (const PresetRow& r : Rows) {
    const String n = EnumName(r.Style);
    const std::string name(n.begin(), n.end());
    TAdvCustomDropDown d(nullptr);
    d.SetDropDownBorderColor(Before);
    d.SetComponentStyle(r.Style);
    EXPECT_EQ(d.ZEVStyle(), r.Style) << name;
    EXPECT_EQ((std::array{d.DropDownColor(), d.DropDownColorTo(), d.DropDownBorderColor()}), r.PopUp) << name;
    EXPECT_EQ(StripColors(*d.DropDownHeader()), r.Header) << name;
    EXPECT_EQ(StripColors(*d.DropDownFooter()), r.Footer) << name;
    const TAdvButtonAppearance& b = *d.ButtonAppearance();
    EXPECT_EQ((std::array{b.Color(), b.ColorTo(), b.BorderColor()}), r.Button) << name;
    EXPECT_EQ(StateColors(b), r.ButtonStates) << name;
  }
}

TEST(DropDownStyles, CustomKeepsEveryColourOfThePresetBefore) {
  TAdvCustomDropDown d(nullptr);
  d.SetComponentStyle(tsWindows7);
  const std::vector<TColor> before = AllColours(d);
  d.SetComponentStyle(tsCustom);
  EXPECT_EQ(d.ZEVStyle(), tsCustom);
  EXPECT_EQ(d.GetComponentStyle(), tsCustom);
  EXPECT_EQ(AllColours(d), before);
}

TEST(DropDownStyles, StripWritesTellNothingButtonColoursTellEachChange) {
  TAdvCustomDropDown d(nullptr);
  int strips = 0, buttons = 0;
  for (TStripAppearance* s : {static_cast<TStripAppearance*>(d.DropDownHeader()),
                              static_cast<TStripAppearance*>(d.DropDownFooter())}) {
    s->OnChange = [&](TObject*) { ++strips; };
    s->OnButtonsChanged = s->OnChange;
  }
  d.ButtonAppearance()->OnChange = [&](TObject*) { ++buttons; };
  const States luna = StateColors(*d.ButtonAppearance());
  const TAdvButtonAppearance& b = *d.ButtonAppearance();
  const std::array lunaFace{b.Color(), b.ColorTo(), b.BorderColor()};
  d.SetComponentStyle(tsOffice2010Blue);
  const States blue = StateColors(b);
  const std::array blueFace{b.Color(), b.ColorTo(), b.BorderColor()};
  int changed = 0;
  for (size_t i = 0; i < luna.size(); ++i) changed += luna[i] != blue[i];
  for (size_t i = 0; i < lunaFace.size(); ++i) changed += lunaFace[i] != blueFace[i];
  EXPECT_EQ(strips, 0);
  EXPECT_GT(changed, 0);
  EXPECT_EQ(buttons, changed) << "once per setter that changed a value";
  buttons = 0;
  d.SetComponentStyle(tsOffice2010Blue);
  EXPECT_EQ(buttons, 0) << "the same preset again changes nothing";
}

TEST(DropDownStyles, SelectionStylesSetTheirPairsCustomKeepsThem) {
  const struct {
    TSelectionColorStyle Style;
    TColor Color, ColorTo;
  } cases[] = {
      {scOffice2007, 0xD7FFFD, 0x58D4FC},
      {scWindowsVista, 0xFDF8F1, 0xFCEFD5},
      {scWindows7, 0xFCEBDC, 0xFCDBC1},
      {scCustom, clRed, clLime},
  };
  for (const auto& c : cases) {
    TAdvCustomDropDown d(nullptr);
    d.SetSelectionColor(clRed);
    d.SetSelectionColorTo(clLime);
    d.SetSelectionColorStyle(c.Style);
    EXPECT_EQ(d.SelectionColorStyle(), c.Style);
    EXPECT_EQ(d.SelectionColor(), c.Color) << static_cast<int>(c.Style);
    EXPECT_EQ(d.SelectionColorTo(), c.ColorTo) << static_cast<int>(c.Style);
  }
}

TEST(DropDownStyles, TonesColourTheDropButtonAndTheBorderAndPresetsLeaveThem) {
  TAdvCustomDropDown d(nullptr);
  TColorTones tones;
  tones.Background = {0x101010, 0x202020, 0x303030};
  tones.Hover = {0x404040, 0x505050, 0x606060};
  tones.Selected = {0x707070, 0x808080, 0x909090};
  d.SetColorTones(tones);
  const TEditorButtonColors& c = d.Button()->Colors();
  const auto seen = [&] { return std::array{c.Color, c.ColorHot, c.ColorDown, c.BorderColor, d.BorderColor()}; };
  const std::array<TColor, 5> expected{0x101010, 0x404040, 0x707070, 0x202020, 0x202020};
  EXPECT_EQ(seen(), expected);
  EXPECT_EQ(c.TextColor, clNone) << "the tones leave the arrow's colours";
  d.SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(seen(), expected);
}

}  // namespace
