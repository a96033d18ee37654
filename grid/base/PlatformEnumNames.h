#pragma once
// Name tables of the platform enumerations that grid records stream by name.
#include "grid/base/EnumNames.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"

GX_ENUM_NAMES(TAlignment, taLeftJustify, taRightJustify, taCenter);
GX_ENUM_NAMES(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
              bsCross, bsDiagCross);
GX_ENUM_NAMES(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed);
GX_ENUM_NAMES(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut);

// The platform's enumerations end where their tables do.
static_assert(EnumCount<TAlignment>() == taCenter + 1);
static_assert(EnumCount<TBrushStyle>() == bsDiagCross + 1);
static_assert(EnumCount<TCheckBoxState>() == cbGrayed + 1);
static_assert(EnumCount<TFontStyle>() == fsStrikeOut + 1);
