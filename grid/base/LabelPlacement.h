#pragma once
// Where an editor's attached label goes around it, for every position the
// flat combo, the date/time pickers and the drop-down edits offer.
#include "platform/sys/Types.h"

enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom,
  lpTopRight,
  lpBottomRight
};

struct TLabelPlacement {
  TRect Control;        // the editor's bounds in its parent
  int TextWidth = 0;    // the caption as measured
  int LabelWidth = 0;   // the label's own width
  int LabelHeight = 0;
  int Margin = 4;
};

// The label's top-left corner in the editor's parent.
TPoint PlaceLabel(TLabelPosition Position, const TLabelPlacement& P);
