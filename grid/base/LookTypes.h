#pragma once
// Enumerations of the grid's appearance settings, streamed by name like the
// other grid enumerations: never reorder or rename.
#include "grid/base/EnumNames.h"

// How in-cell check boxes, radio buttons and buttons are drawn.
GX_ENUM(TControlStyle, csClassic, csFlat, csWinXP, csBorland, csZEV, csGlyph, csTheme);

// How the background picture or gradient is laid behind the cells.
GX_ENUM(TBackGroundDisplay, bdTile, bdFixed, bdGradientHorz, bdGradientVert);

// Which cells show the background.
GX_ENUM(TBackGroundCells, bcNormal, bcFixed, bcAll);

// Look of progress-bar cells.
GX_ENUM(TProgressStyle, psXP, psClassic);
