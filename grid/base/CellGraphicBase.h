#pragma once
// What a cell's record owns as its graphic (check box, button, picture...):
// the grid model's cell graphic derives from this, so the cell store can free
// any graphic without knowing its kind.
#include "platform/sys/Component.h"

class TCellGraphicBase : public TPersistent {};
