// The look, the style presets, the metro colour tones, the XP colour
// schemes and the Office theme follow-up: each only writes settings the
// painter reads, then repaints.
#include <array>

#include "grid/base/CellNode.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/OfficeTheme.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/StyleProbes.h"
#include "grid/interact/GridCombo.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/GridStylePresets.h"
#include "platform/gui/Bitmap.h"

namespace {

constexpr TColor LookBorderColor = 0xB99D7F;

// In the order each operation reaches them.
constexpr std::array StyleOrder = {ddeColorPicker, ddeImagePicker, ddeGridPicker, ddeDetailPicker,
                                   ddeTimePicker, ddeCalculator, ddeMemo};
constexpr std::array TonesOrder = {ddeMemo, ddeTrackBar, ddeTimePicker, ddeCalculator,
                                   ddeAdvGridPicker, ddeDetailPicker, ddeGridPicker,
                                   ddeColorPicker, ddeImagePicker};

struct TLookName {
  StringView Identifier;
  StringView Caption;
};
constexpr TLookName LookNames[] = {
    {u"glStandard", u"Standard"}, {u"glSoft", u"Soft"},
    {u"glClassic", u"Classic"},   {u"glZEV", u"ZEV"},
    {u"glXP", u"Windows XP"},     {u"glListView", u"ListView"},
    {u"glVista", u"Windows Vista"}, {u"glWin7", u"Windows 7"},
    {u"glOffice2007", u"Office2007"},
};

bool IsPlainLook(TGridLook Look) { return Look == glStandard || Look == glSoft || Look == glClassic; }

void PutGlyph(TControlLook& Look, void (TControlLook::*Set)(const TBitmap&), const String& Name) {
  TBitmap glyph;
  glyph.LoadFromResourceName(Name);
  (Look.*Set)(glyph);
}

void SetFaces(TControlLook& Look, TFixedGradientPart First, std::array<TColor, 4> Colors) {
  for (int i = 0; i < 4; ++i) Look.SetFixedGradient(static_cast<TFixedGradientPart>(First + i), Colors[static_cast<size_t>(i)]);
}

}  // namespace

void TAdvStringGrid::SetBorderColor(TColor Value) {
  if (!StoreChanged(FBorderColor, Value)) return;
  Invalidate();
}

void TAdvStringGrid::SetLook(TGridLook Value) {
  if (Value == FPaint.Look) return;
  FPaint.Look = Value;
  if (Value != glCustom) ClearLookGradients();
  switch (Value) {
    case glVista: ApplyLookStyle(gsWindowsVista, tsWindowsVista, ssVista); break;
    case glWin7: ApplyLookStyle(gsWindows7, tsWindows7, ssWin7); break;
    case glOffice2007: ApplyLookStyle(gsOffice2007Luna, tsOffice2007Luna, ssOffice2007); break;
    case glCustom: break;
    default: ApplyPlainLook(Value); break;
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(LookBorderColor);
  Invalidate();
  if (!Loading()) UpdateFooter();
}

void TAdvStringGrid::ClearLookGradients() {
  TControlLook& look = *FControlLook;
  for (TFixedGradientPart part : {fgMirrorFrom, fgMirrorTo, fgFrom, fgTo}) {
    look.SetFixedGradient(part, clNone);
    SetFixedGradientColor(part, clNone);
  }
  FSortSettings->SetHeaderColor(clNone);
}

void TAdvStringGrid::ApplyLookStyle(TAdvGridStyle Style, TZEVStyle Stored, TGridSelectionStyle Selection) {
  SetStyle(Style);
  FState->Looks.Style = Stored;
  SetSelectionStyle(Selection);
}

// A look's plain defaults; while loading the stored colours stay.
void TAdvStringGrid::ApplyPlainLook(TGridLook Look) {
  PassStyleToEditors(tsWindowsXP);
  SetSelectionStyle(ssDefault);
  if (Loading()) return;
  TControlLook& look = *FControlLook;
  if (IsPlainLook(Look)) {
    SetFixedColor(clBtnFace);
    look.SetFixedGradientFrom(clBtnFace);
    look.SetFixedGradientTo(clNone);
  } else {
    look.SetFixedGradientFrom(clWhite);
    look.SetFixedGradientTo(clBtnFace);
  }
  look.SetFixedGradientMirrorFrom(clNone);
  look.SetFixedGradientMirrorTo(clNone);
  SetGridFixedLineColor(0x808080);
  SetGridLineColor(0xC0C0C0);
  if (Look != glZEV && Look != glXP) {
    SetActiveCellColor(0x808080);
    SetActiveCellColorTo(clNone);
    SetSelectionColor(clHighlight);
    SetSelectionTextColor(clHighlightText);
    FSearchFooter->SetColor(clBtnFace);
    FSearchFooter->SetColorTo(clBtnFace);
    return;
  }
  SetActiveCellColor(0xEACAB6);
  SetActiveCellColorTo(clNone);
  SetSelectionColor(0xEACAB6);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clBlack);
  FSearchFooter->SetColor(ZEVGradientFrom());
  FSearchFooter->SetColorTo(ZEVGradientTo());
  look.SetFixedGradientFrom(clWhite);
  look.SetFixedGradientTo(Look == glXP ? clBtnFace : TColor(0xC0C0C0));
  SetFaces(look, fgHoverFrom, {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF});
  SetFaces(look, fgDownFrom, {0x868788, 0x737C7E, 0x737C7E, 0x627376});
}

void TAdvStringGrid::SetStyle(TAdvGridStyle AStyle) {
  // A value read from a settings file may lie outside the enumeration.
  if (const int style = AStyle; style < 0 || style >= AdvGridStyleCount) return;
  const TGridStylePreset& preset = StylePreset(AStyle);
  if (preset.Look) SetLook(*preset.Look);
  SetSelectionColor(clHighlight);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clHighlightText);
  SetSelectionStyle(ssDefault);
  FSortSettings->SetHeaderColor(clNone);
  FSortSettings->SetHeaderColorTo(clNone);
  FSortSettings->SetHeaderMirrorColor(clNone);
  FSortSettings->SetHeaderMirrorColorTo(clNone);
  FControlLook->Init();
  ApplyStylePreset(*this, preset);
  Invalidate();
}

void TAdvStringGrid::SetComponentStyle(TZEVStyle AStyle) {
  FState->Looks.Style = AStyle;
  SetStyle(static_cast<TAdvGridStyle>(AStyle));
  FState->Looks.Style = AStyle;  // a look the preset brings stores its own
  PassStyleToEditors(AStyle);
  if (AStyle != tsCustom) SetScrollType(ssNormal);
}

TZEVStyle TAdvStringGrid::ComponentStyle() const { return FState->Looks.Style; }
const TColorTones& TAdvStringGrid::ColorTones() const { return FState->Looks.Tones; }
bool TAdvStringGrid::HasColorTones() const { return FState->Looks.TonesSet; }

void TAdvStringGrid::SetDropDownEditor(TDropDownEditorSlot Slot, TComponent* Editor) {
  TComponent*& slot = FState->Looks.DropDownEditors.at(static_cast<size_t>(Slot));
  if (slot == Editor) return;
  if (slot) slot->RemoveFreeNotification(this);
  slot = Editor;
  if (Editor) Editor->FreeNotification(this);
}

TComponent* TAdvStringGrid::DropDownEditor(TDropDownEditorSlot Slot) const {
  return FState->Looks.DropDownEditors.at(static_cast<size_t>(Slot));
}

void TAdvStringGrid::PassStyleToEditors(TZEVStyle AStyle) {
  for (TDropDownEditorSlot slot : StyleOrder)
    if (auto* editor = dynamic_cast<IZEVStyle*>(DropDownEditor(slot))) editor->SetComponentStyle(AStyle);
}

void TAdvStringGrid::SetColorTones(const TColorTones& ATones) {
  FState->Looks.Tones = ATones;
  FState->Looks.TonesSet = true;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  const String uiFont = GetDefaultUIFontName();
  SetFixedColor(ATones.Foreground.BrushColor);
  FFixedFont->SetColor(ATones.Foreground.TextColor);
  FFixedFont->SetName(uiFont);
  SetColor(ATones.Background.BrushColor);
  Font()->SetName(uiFont);
  Font()->SetColor(ATones.Background.TextColor);
  SetSelectionColor(ATones.Selected.BrushColor);
  SetSelectionTextColor(ATones.Selected.TextColor);
  SetSelectionColorTo(clNone);
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(ChangeColorBrightness(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  TControlLook& look = *FControlLook;
  look.SetControlStyle(csGlyph);
  PutGlyph(look, &TControlLook::SetCheckedGlyph, u"metrocheckon");
  PutGlyph(look, &TControlLook::SetUnCheckedGlyph, u"metrocheckoff");
  PutGlyph(look, &TControlLook::SetRadioOnGlyph, u"metroradioon");
  PutGlyph(look, &TControlLook::SetRadioOffGlyph, u"metroradiooff");
  ApplyColorTonesToCombo();
  for (TDropDownEditorSlot slot : TonesOrder)
    if (auto* editor = dynamic_cast<IZEVTones*>(DropDownEditor(slot))) editor->SetColorTones(FState->Looks.Tones);
  look.SetFlatButton(true);
  FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  FCellNode->SetNodeType(cnFlat);
}

// Also when the combo is made after the tones were set.
void TAdvStringGrid::ApplyColorTonesToCombo() {
  if (!FCombobox || !FState->Looks.TonesSet) return;
  const TColorTones& t = FState->Looks.Tones;
  TEditorButtonColors buttons = FCombobox->ButtonColors();
  buttons.Color = t.Background.BrushColor;
  buttons.ColorHot = t.Hover.BrushColor;
  buttons.ColorDown = t.Selected.BrushColor;
  buttons.BorderColor = t.Background.BorderColor;
  FCombobox->SetButtonColors(buttons);
  FCombobox->SetBorderColor(Color());
  FCombobox->SetFlat(true);
}

void TAdvStringGrid::SetTheme(TXPColorScheme Scheme) {
  TControlLook& look = *FControlLook;
  if (Scheme == xpNone) {
    SetActiveCellColor(clWhite);
    SetActiveCellColorTo(0xFFD9B3);
    SetZEVGradientFrom(clWhite);
    SetZEVGradientTo(clBtnFace);
    SetZEVGradientMirrorFrom(clNone);
    SetZEVGradientMirrorTo(clNone);
    look.SetFixedGradientFrom(clNone);
    look.SetFixedGradientTo(clNone);
    FSearchFooter->SetColor(clWhite);
    FSearchFooter->SetColorTo(0xFFD9B3);
    return Invalidate();
  }
  struct TScheme {
    TColor From, To, MirrorFrom, MirrorTo, FooterFrom, FooterTo;
  };
  static constexpr TScheme schemes[] = {
      {},
      {0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D},  // xpBlue
      {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1},  // xpGreen
      {0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698},  // xpGray
      {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698},  // vistaAero
  };
  if (Scheme < xpBlue || Scheme > vistaAero) return;
  const TScheme& s = schemes[Scheme];
  SetZEVGradientFrom(s.From);
  SetZEVGradientTo(s.To);
  SetZEVGradientMirrorFrom(s.MirrorFrom);
  SetZEVGradientMirrorTo(s.MirrorTo);
  SetActiveCellColor(0x94E6FB);
  SetActiveCellColorTo(0x1595EE);
  look.SetFixedGradientFrom(s.From);
  look.SetFixedGradientTo(s.To);
  FSearchFooter->SetColor(s.FooterFrom);
  FSearchFooter->SetColorTo(s.FooterTo);
  Invalidate();
}

void TAdvStringGrid::FollowOfficeTheme() {
  static constexpr TZEVStyle styles[] = {
      tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
      tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,
      tsOffice2010Silver, tsOffice2010Black};
  const TOfficeTheme theme = GetOfficeTheme();
  TOfficeTheme& last = FState->Looks.LastOfficeTheme;
  if (theme == last) return;
  last = theme;
  if (theme >= ot2003Blue && theme < otUnknown) SetComponentStyle(styles[theme]);
}

String TAdvStringGrid::LookIdentifier(TGridLook Look) {
  if (Look == glCustom) return u"glCustom";
  if (Look < glStandard || Look > glOffice2007) return String();
  return String(LookNames[Look].Identifier);
}

void TAdvStringGrid::LookCaption(TGridLook Look, String& S) {
  if (Look >= glStandard && Look <= glOffice2007) S = String(LookNames[Look].Caption);
}
