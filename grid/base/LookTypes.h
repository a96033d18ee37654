#pragma once
// Enumerations of the grid's appearance settings, streamed by name like the
// other grid enumerations: never reorder or rename.
#include "grid/base/EnumNames.h"

// How in-cell check boxes, radio buttons and buttons are drawn.
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csZEV, csGlyph, csTheme };
template <>
struct TEnumInfo<TControlStyle> {
  static constexpr StringView Names[] = {
      u"csClassic", u"csFlat", u"csWinXP", u"csBorland", u"csZEV", u"csGlyph", u"csTheme",
  };
};

// How the background picture or gradient is laid behind the cells.
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
template <>
struct TEnumInfo<TBackGroundDisplay> {
  static constexpr StringView Names[] = {
      u"bdTile", u"bdFixed", u"bdGradientHorz", u"bdGradientVert",
  };
};

// Which cells show the background.
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
template <>
struct TEnumInfo<TBackGroundCells> {
  static constexpr StringView Names[] = {
      u"bcNormal", u"bcFixed", u"bcAll",
  };
};

// Look of progress-bar cells.
enum TProgressStyle { psXP, psClassic };
template <>
struct TEnumInfo<TProgressStyle> {
  static constexpr StringView Names[] = {
      u"psXP", u"psClassic",
  };
};
