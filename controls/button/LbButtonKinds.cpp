// Stock kinds (caption, glyph and modal result) and the colour presets.
#include "controls/button/LbButton.h"
#include "controls/button/LbGlyphs.h"

namespace {
struct KindEntry {
  TLbButtonKind Kind;
  TModalResult Result;
  const char16_t* Resource;
  const char16_t* Caption;
};

constexpr KindEntry kKinds[] = {
    {bkOK, mrOk, u"LBOK", u"OK"},
    {bkCancel, mrCancel, u"LBCANCEL", u"Abbrechen"},
    {bkHelp, mrNone, u"LBHELP", u"Hilfe"},
    {bkYes, mrYes, u"LBYES", u"Ja"},
    {bkNo, mrNo, u"LBNO", u"Nein"},
    {bkClose, mrNone, u"LBCLOSE", u"Schließen"},
    {bkAbort, mrAbort, u"LBABORT", u"Abbrechen"},
    {bkRetry, mrRetry, u"LBRETRY", u"Wiederholen"},
    {bkIgnore, mrIgnore, u"LBIGNORE", u"Ignorieren"},
    // The stock "All" kind answers 12, not the platform's mrAll.
    {bkAll, 12, u"LBALL", u"Alle"},
};

struct Preset {
  TLbColorStyle Style;
  TColor Color, Light, Shadow, Down, Hot, Font;
  TLbButtonStyle ButtonStyle;
  bool Flat;
};

constexpr Preset kPresets[] = {
    {lcsGold, RGB(192, 192, 0), RGB(255, 255, 0), RGB(128, 128, 0), clNone, RGB(223, 223, 0), clBlack,
     bsModern, false},
    {lcsChrome, RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, clBlack,
     bsModern, false},
    {lcsBlue, RGB(0, 128, 255), RGB(0, 255, 255), RGB(0, 0, 255), clNone, clNone, clBlack, bsModern, false},
    {lcsRed, RGB(255, 0, 0), RGB(255, 192, 192), RGB(192, 0, 0), clNone, clNone, clBlack, bsModern, false},
    {lcsUltraFlat1, clBtnFace, RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(214, 211, 222),
     clBlack, bsNormal, true},
    {lcsUltraFlat2, clBtnFace, RGB(0, 0, 0), RGB(0, 0, 0), RGB(188, 218, 36), RGB(228, 246, 140), clBlack,
     bsNormal, true},
    {lcsUltraFlatXP, RGB(219, 216, 209), RGB(132, 146, 181), RGB(133, 146, 181), RGB(133, 146, 181),
     RGB(182, 189, 210), clBlack, bsNormal, true},
    {lcsAqua, RGB(148, 206, 236), RGB(212, 230, 252), RGB(0, 0, 0), clNone, clNone, clBlack, bsModern, false},
    {lcsDefault, clBtnFace, RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, clBlack, bsNormal, false},
    {lcsQuicken, RGB(0, 48, 96), RGB(192, 192, 192), RGB(192, 192, 192), RGB(41, 101, 173),
     RGB(156, 174, 206), clWhite, bsQuicken, false},
};
}  // namespace

void TLbButton::SetKind(TLbButtonKind Value) {
  for (const KindEntry& k : kKinds) {
    if (k.Kind != Value) continue;
    FNumGlyphs = 2;
    FModalResult = k.Result;
    // Loaded straight into the glyph: the strip has two cells whatever its size.
    if (std::unique_ptr<TBitmap> strip = LoadLbBitmap(k.Resource)) FGlyph = std::move(strip);
    SetCaption(k.Caption);
    Invalidate();
  }
  FKind = Value;
}

void TLbButton::SetColorStyle(TLbColorStyle Value) {
  for (const Preset& p : kPresets) {
    if (p.Style != Value) continue;
    SetColor(p.Color);
    FLightColor = p.Light;
    FShadowColor = p.Shadow;
    FColorWhenDown = p.Down;
    FHotTrackColor = p.Hot;
    FFlat = p.Flat;
    Font()->SetColor(p.Font);
    // The style only: the preset leaves the window's transparency alone.
    FStyle = p.ButtonStyle;
    Repaint();
  }
}
