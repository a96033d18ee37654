#pragma once
// What the appearance settings need of the grid that owns them: a repaint,
// and the grid's own copies of the fixed-cell gradient colours.
#include "platform/sys/Types.h"

enum TFixedGradientPart {
  fgFrom, fgTo, fgMirrorFrom, fgMirrorTo,
  fgHoverFrom, fgHoverTo, fgHoverMirrorFrom, fgHoverMirrorTo, fgHoverBorder,
  fgDownFrom, fgDownTo, fgDownMirrorFrom, fgDownMirrorTo, fgDownBorder,
};
constexpr int FixedGradientPartCount = fgDownBorder + 1;

// The mirror colours reach the grid even when they are clNone (that clears
// the grid's); the others only when they name a colour.
constexpr bool FixedGradientAlwaysPassed(TFixedGradientPart Part) {
  return Part == fgMirrorFrom || Part == fgMirrorTo || Part == fgHoverMirrorFrom ||
         Part == fgHoverMirrorTo || Part == fgDownMirrorFrom || Part == fgDownMirrorTo;
}

class TLookOwner {
 public:
  virtual void LookChanged() = 0;
  virtual void SetFixedGradientColor(TFixedGradientPart Part, TColor Value) = 0;

 protected:
  ~TLookOwner() = default;
};
