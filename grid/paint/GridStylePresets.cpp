#include "grid/paint/GridStylePresets.h"

#include <array>

#include "grid/base/ControlLook.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/SortSettings.h"

// A row names only what its preset sets; every other member keeps its
// default (KeepColor, none), which is what the rows mean.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using P = TGridStylePreset;
using F = TPresetFace;

constexpr TColor Office2003Active = 0x94E6FB, Office2003ActiveTo = 0x1595EE;
constexpr TColor Office2007Active = 0x9DD8F9, Office2007ActiveTo = 0x5EC1F1;
constexpr TColor Office2010Active = 0x5BD5FF, Office2010ActiveTo = 0x71EFFF;
constexpr F Office2010Hover{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr F Office2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
constexpr F Cleared{clNone, clNone, clNone, clNone, clNone};

P Office2003(TColor From, TColor To) {
  return {.Look = glXP, .GradientFrom = From, .GradientTo = To, .MirrorFrom = clNone,
          .MirrorTo = clNone, .ActiveFrom = Office2003Active, .ActiveTo = Office2003ActiveTo,
          .SelectionFrom = Office2003Active, .SelectionTo = Office2003ActiveTo,
          .GridLine = 0xC0C0C0, .FixedLine = 0x808080, .ColourSet = true,
          .LookTakesGradient = true};
}

P Office2010(TColor Face, TColor FixedLine, TColor SortHeader) {
  return {.Look = glOffice2007, .GradientFrom = Face, .GradientTo = Face, .MirrorFrom = Face,
          .MirrorTo = Face, .ActiveFrom = Office2010Active, .ActiveTo = Office2010ActiveTo,
          .SelectionFrom = 0xFFDBB7, .GridLine = 0xC0C0C0, .FixedLine = FixedLine,
          .ColourSet = true, .GridHover = Cleared, .LookHover = Office2010Hover,
          .LookDown = Office2010Down, .SortHeader = SortHeader, .SortHeaderTo = SortHeader,
          .SortMirror = SortHeader, .SortMirrorTo = SortHeader, .Selection = ssDefault};
}

const std::array<P, AdvGridStyleCount>& Presets() {
  static const std::array<P, AdvGridStyleCount> presets = {
      Office2003(0xFCE1CB, 0xE0A57D),  // gsOffice2003Blue
      Office2003(0xECE2E1, 0xB39698),  // gsOffice2003Silver
      Office2003(0xCFF0EA, 0x8CC0B1),  // gsOffice2003Olive
      P{.Look = glXP, .GradientFrom = 0xFFFFFF, .GradientTo = 0xCCD4D8, .MirrorFrom = clNone,
        .MirrorTo = clNone, .ActiveFrom = 0xD8D5D4, .ActiveTo = 0xD8D5D4, .GridLine = 0xC0C0C0,
        .FixedLine = 0x808080, .ColourSet = true, .KeepHighlightText = true},
      P{.Look = glOffice2007, .GradientFrom = 0xFBF9F6, .GradientTo = 0xE8DBD2,
        .MirrorFrom = clNone, .MirrorTo = clNone, .ActiveFrom = Office2007Active,
        .ActiveTo = Office2007ActiveTo, .SelectionFrom = 0x5EC1F1, .GridLine = 0xF1EDEB,
        .FixedLine = 0xD1BBA4, .ColourSet = true, .LookTakesGradient = true,
        .GridHover = {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
        .GridDown = {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
        .Selection = ssOffice2007},  // gsOffice2007Luna
      P{.Look = glOffice2007, .GradientFrom = 0xF7F7F7, .GradientTo = 0xDEDEDE,
        .MirrorFrom = clNone, .MirrorTo = clNone, .ActiveFrom = Office2007Active,
        .ActiveTo = Office2007ActiveTo, .SelectionFrom = 0x5EC1F1, .GridLine = 0xE5D7D0,
        .FixedLine = 0x808080, .ColourSet = true, .LookTakesGradient = true},  // Obsidian
      P{.Look = glXP, .GradientFrom = clBtnFace, .GradientTo = clBtnFace, .MirrorFrom = clNone,
        .MirrorTo = clNone, .ActiveFrom = clBtnFace, .ActiveTo = clBtnFace, .GridLine = 0xC0C0C0,
        .FixedLine = 0x808080, .ColourSet = true, .KeepHighlightText = true},  // gsWindowsXP
      P{.GradientFrom = 0xFFFFFF, .GradientTo = clBtnFace, .MirrorFrom = clNone, .MirrorTo = clNone,
        .ActiveFrom = Office2003Active, .ActiveTo = Office2003ActiveTo, .GridLine = 0xC0C0C0,
        .FixedLine = 0x808080, .ColourSet = true, .KeepHighlightText = true},  // gsWhidbey
      P{},  // gsCustom
      P{.Look = glOffice2007, .GradientFrom = 0xF3F3F1, .GradientTo = 0xCAC9C8,
        .ActiveFrom = 0x99CCFF, .ActiveTo = 0x699CFF, .SelectionFrom = 0x95C7F5,
        .GridLine = 0xE5D7D0, .FixedLine = 0x808080, .ColourSet = true,
        .LookTakesGradient = true},  // gsOffice2007Silver
      P{.Look = glVista, .GradientFrom = 0xFFFFFF, .GradientTo = 0xFFFFFF, .MirrorFrom = 0xFAF8F7,
        .MirrorTo = 0xF4F2F1, .ActiveFrom = 0xFDF8F1, .ActiveTo = 0xFCEFD5,
        .SelectionFrom = 0xEACAB6, .GridLine = 0xECECF0, .FixedLine = 0xD4D2D1, .ColourSet = true,
        .LookTakesGradient = true,
        .GridHover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
        .GridDown = {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, .SortHeader = 0xFCF9F2,
        .SortHeaderTo = 0xFCF9F2, .SortMirror = 0xF9F1E1, .SortMirrorTo = 0xF6ECD8,
        .Selection = ssVista},  // gsWindowsVista
      P{.Look = glWin7, .GradientFrom = 0xFDFCFA, .GradientTo = 0xFAF0E6, .MirrorFrom = 0xF4E6DC,
        .MirrorTo = 0xF7E9DD, .ActiveFrom = 0xFCEBDC, .ActiveTo = 0xFCDBC1,
        .SelectionFrom = 0xEACAB6, .GridLine = 0xECECF0, .FixedLine = 0xD4D2D1, .ColourSet = true,
        .LookTakesGradient = true, .GridHover = {0xFDF8F3, 0xF9F3EF, clNone, clNone, 0xEEE8E3},
        .LookHover = {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1},
        .LookDown = {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, .SortHeader = 0xFCF9F2,
        .SortHeaderTo = 0xFCF9F2, .SortMirror = 0xF9F1E1, .SortMirrorTo = 0xF6ECD8,
        .Selection = ssWin7},  // gsWindows7
      P{.Look = glStandard},  // gsTerminal
      Office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
      Office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
      Office2010(0x6A6A6A, 0x444444, 0xBABABA),
  };
  return presets;
}
#pragma GCC diagnostic pop

template <class Setter>
void Put(TColor Value, Setter Set) {
  if (Value != KeepColor) Set(Value);
}

// Parts in the order hover (or down): from, to, mirror from, mirror to, border.
template <class Setter>
void PutFace(const TPresetFace& Face, TFixedGradientPart First, Setter Set) {
  const TColor colors[] = {Face.From, Face.To, Face.MirrorFrom, Face.MirrorTo, Face.Border};
  for (int i = 0; i < 5; ++i)
    Put(colors[i], [&](TColor c) { Set(static_cast<TFixedGradientPart>(First + i), c); });
}

void PutFaces(TAdvStringGrid& Grid, const TGridStylePreset& P) {
  auto onGrid = [&](TFixedGradientPart Part, TColor C) { Grid.SetFixedGradientColor(Part, C); };
  TControlLook& look = *Grid.ControlLook();
  auto onLook = [&](TFixedGradientPart Part, TColor C) { look.SetFixedGradient(Part, C); };
  PutFace(P.GridHover, fgHoverFrom, onGrid);
  PutFace(P.GridDown, fgDownFrom, onGrid);
  PutFace(P.LookHover, fgHoverFrom, onLook);
  PutFace(P.LookDown, fgDownFrom, onLook);
}

}  // namespace

const TGridStylePreset& StylePreset(TAdvGridStyle Style) {
  return Presets().at(static_cast<size_t>(Style));
}

void ApplyStylePreset(TAdvStringGrid& Grid, const TGridStylePreset& P) {
  TAdvStringGrid& g = Grid;
  Put(P.GradientFrom, [&](TColor c) { g.SetZEVGradientFrom(c); });
  Put(P.GradientTo, [&](TColor c) { g.SetZEVGradientTo(c); });
  Put(P.MirrorFrom, [&](TColor c) { g.SetZEVGradientMirrorFrom(c); });
  Put(P.MirrorTo, [&](TColor c) { g.SetZEVGradientMirrorTo(c); });
  Put(P.ActiveFrom, [&](TColor c) { g.SetActiveCellColor(c); });
  Put(P.ActiveTo, [&](TColor c) { g.SetActiveCellColorTo(c); });
  Put(P.SelectionFrom, [&](TColor c) { g.SetSelectionColor(c); });
  Put(P.SelectionTo, [&](TColor c) { g.SetSelectionColorTo(c); });
  Put(P.GridLine, [&](TColor c) { g.SetGridLineColor(c); });
  Put(P.FixedLine, [&](TColor c) { g.SetGridFixedLineColor(c); });
  PutFaces(g, P);
  TSortSettings& sort = *g.SortSettings();
  Put(P.SortHeader, [&](TColor c) { sort.SetHeaderColor(c); });
  Put(P.SortHeaderTo, [&](TColor c) { sort.SetHeaderColorTo(c); });
  Put(P.SortMirror, [&](TColor c) { sort.SetHeaderMirrorColor(c); });
  Put(P.SortMirrorTo, [&](TColor c) { sort.SetHeaderMirrorColorTo(c); });
  if (P.Selection) g.SetSelectionStyle(*P.Selection);
  if (!P.ColourSet) return;
  if (!P.KeepHighlightText) g.SetSelectionTextColor(clBlack);
  TControlLook& look = *g.ControlLook();
  look.SetFixedGradientFrom(P.LookTakesGradient ? g.ZEVGradientFrom() : clNone);
  look.SetFixedGradientTo(P.LookTakesGradient ? g.ZEVGradientTo() : clNone);
  g.SearchFooter()->SetColor(g.ZEVGradientFrom());
  g.SearchFooter()->SetColorTo(g.ZEVGradientMirrorTo());
}
