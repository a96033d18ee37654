#pragma once
// The colours of the rounded selection looks of the grid's cells.
#include "grid/base/GradientFill.h"
#include "grid/base/GridTypes.h"

// The face of a selected cell in Style (not ssDefault), with the grid's
// colour Background in the outer corner pixels; the grey set when not Focused.
TRoundedFaceColors SelectionFaceColors(TGridSelectionStyle Style, bool Focused, TColor Background);

// Which ends of a face are rounded for column ACol of a selection spanning
// columns Left..Right (either order): 0 both, 1 left, 2 right, 3 neither.
int SelectionFaceKind(int ACol, int Left, int Right);
