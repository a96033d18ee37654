#pragma once
// An editor left sideways with the cursor keys: onto a clickable graphic
// beside the cell, or on to the next cell left or right.
class TAdvStringGrid;

// The displayed column a walk lands on, or -1 when that column is not a
// clickable graphic's and the walk advances instead.
int WalkGraphicColumn(TAdvStringGrid& G, bool Right);
// The advance left or right, editing on there with CursorWalkAlwaysEdit.
void WalkToNextCell(TAdvStringGrid& G, bool Right);
