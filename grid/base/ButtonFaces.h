#pragma once
// Faces of the combo drop-down button, the push button and the spin button
// pair in four looks: 0 themed (visual styles; the classic look while they
// are off), 1 classic frame control, 2 flat frame control, 3 custom colours
// from the tones. States: 0 normal, 1 hot, 2 pressed, 3 disabled.
#include "grid/base/StyleTypes.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

enum TButtonLook { blThemed = 0, blClassic = 1, blFlat = 2, blCustom = 3 };
enum TButtonState { bstNormal = 0, bstHot = 1, bstPressed = 2, bstDisabled = 3 };

// Window gives the visual-style data of the themed look.
void DrawComboButton(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                     const TColorTones& Tones);
void DrawPushButtonFace(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                        const TColorTones& Tones);
void DrawSpinButtons(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                     const TColorTones& Tones);
