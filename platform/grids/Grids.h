#pragma once
// The platform string grid in one include: the window, the draw and string
// grids and the in-place editor.
#include "platform/grids/CustomGrid.h"
#include "platform/grids/DrawGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/grids/StringGrid.h"
