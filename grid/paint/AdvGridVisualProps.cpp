// A cell's brush, gradient colours, font, alignment and word wrap, settled
// in one fixed order: cell properties, grid colours, bands, the fixed area,
// the look, the colour hooks, the selection modes and the disabled look.
#include "grid/base/Bands.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NumberText.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {

bool HasOwnColorKind(TCellType Type) {
  return Type == ctNone || Type == ctRotated || Type == ctEmpty;
}

void ApplyCellFont(const TCellProperties& P, TFont& AFont) {
  if (P.FontColor() != clNone) AFont.SetColor(P.FontColor());
  if (!P.FontStyle().Empty()) AFont.SetStyle(P.FontStyle());
  if (P.FontSize() != 0) AFont.SetSize(P.FontSize());
  if (!P.FontName().empty()) AFont.SetName(P.FontName());
}

bool IsFormulaText(const String& Text) {
  return !Text.empty() && Text[0] == u'=';
}

bool IsPackedFormula(const String& Text) {
  return Text.size() > 3 && Text[0] == u'|' && Text[1] == u'\\' && Text[3] == u'=';
}

}  // namespace

void TAdvStringGrid::ApplySelectionColors(TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                          TColor& AMirrorColorTo, TFont& AFont) {
  ABrush.SetColor(FSelectionColor);
  AColorTo = FLook.SelectionColorTo;
  AMirrorColor = FLook.SelectionMirrorColor;
  AMirrorColorTo = FLook.SelectionMirrorColorTo;
  if (FLook.SelectionTextColor != clNone) AFont.SetColor(FLook.SelectionTextColor);
}

// The disjunct row selection flags are kept by displayed row unless they
// persist, so the row they are read with follows SelectionRow; the enabled
// flags are kept by displayed row and read with ARow itself.
void TAdvStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                         bool Select, bool Remap, TBrush& ABrush,
                                         TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  const int RCol = Remap ? RealColIndex(ACol) : ACol;
  const bool area = InFixedArea(ACol, ARow);
  const bool printFonts = Print && !FPrintSettings->UseDisplayFont();
  if (area) {
    AFont.Assign(printFonts ? *FPrintSettings->FixedFont() : *FFixedFont);
  } else {
    AFont.Assign(printFonts ? *FPrintSettings->Font() : *Font());
  }
  ABrush.SetColor(clNone);
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  bool ownColor = false;

  if (const TCellProperties* p = PropsOrNil(RCol, ARow)) {
    if (!HasOwnColorKind(GetCellType(RCol, ARow))) {
      ABrush.SetColor(p->BrushColor());
    } else if (p->BrushColor() != clNone) {
      ABrush.SetColor(p->BrushColor());
      ownColor = true;
    }
    ApplyCellFont(*p, AFont);
    WW = p->WordWrap();
    AColorTo = p->BrushColorTo();
    GD = p->GradientDirection();
  }
  if (AState.Contains(gdSelected)) GD = GradientVertical;

  if (ABrush.Color() == clNone) {
    ABrush.SetColor(Color());
    const int footerTop = RowCount() - FFixedFooters;
    if (FBands->Active() && (FBands->Print() == Print || !Print) && ACol >= FixedCols() &&
        ACol < AllColCount() - FFixedRightCols && ARow >= FixedRows() && ARow < footerTop &&
        FBands->TotalLength() > 0) {
      const bool primary = (ARow - FixedRows()) % FBands->TotalLength() < FBands->PrimaryLength();
      ABrush.SetColor(primary ? FBands->PrimaryColor() : FBands->SecondaryColor());
    }
    if (area || ACol >= ColCount() - FFixedRightCols || ARow >= footerTop) {
      ABrush.SetColor(FixedColor());
    }
  }

  const bool fixed = area || IsFixed(ACol, ARow);
  if (fixed && !ownColor && !Print) {
    ABrush.SetColor(FixedColor());
    AFont.Assign(*FFixedFont);
    AState.Include(gdFixed);
  }
  if (fixed && !ownColor && FPaint.Look >= glZEV) {
    ABrush.SetColor(ZEVGradient(fgFrom));
    AColorTo = ZEVGradient(fgTo);
    AMirrorColor = ZEVGradient(fgMirrorFrom);
    AMirrorColorTo = ZEVGradient(fgMirrorTo);
  }

  if (Print) {
    DoGetCellPrintColor(RCol, ARow, &AFont, &ABrush, AState);
  } else {
    DoGetCellColor(RCol, ARow, &AFont, &ABrush, AState);
  }
  if (OnGetCellGradient) {
    TColor c = ABrush.Color();
    OnGetCellGradient(this, ARow, RCol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush.SetColor(c);
  }
  const TColor keptBrush = ABrush.Color();
  const TColor keptFont = AFont.Color();

  const bool showSel = FLook.ShowSelection && !Print;
  const bool mouseDown = FPaint.MouseDown;
  auto select = [&] {
    AState = TGridDrawState{gdSelected};
    ApplySelectionColors(ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  };
  if (!fixed && Select && showSel && FMouseActions->DisjunctRowSelect()) {
    const bool flag = RowSelect(SelectionRow(ARow));
    const bool mouseOnRow = mouseDown && ARow == Row();
    if ((!mouseOnRow && flag) || (mouseDown && !flag && AState.Contains(gdSelected))) {
      select();
    } else {
      AState.Exclude(gdSelected);
    }
  }
  if (!fixed && Select && showSel && FMouseActions->DisjunctColSelect()) {
    const bool flag = ColSelect(ACol);
    if (((!mouseDown || Col() != ACol) && flag) ||
        (mouseDown && !flag && AState.Contains(gdSelected))) {
      select();
    }
  }

  const bool disjunctLines = FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect();
  if ((Select && showSel && !fixed && !disjunctLines && IsSelected(ACol, ARow)) ||
      (AState.Contains(gdSelected) && mouseDown && showSel)) {
    const TColor own = ABrush.Color();
    ApplySelectionColors(ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
    if (own != Color()) {
      ABrush.SetColor(BlendSelectionColor(FSelectionColor, own, FLook.SelectionColorMixer,
                                          FLook.SelectionColorMixerFactor));
    }
    AState.Include(gdSelected);
  }

  if (FMouseActions->DisjunctCellSelect() && showSel) {
    if (FSelectedCells->Has(ACol, ARow)) {
      ApplySelectionColors(ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
      AState.Include(gdSelected);
    } else if (ACol == Col() && ARow == Row()) {
      AState.Exclude(gdSelected);
      ABrush.SetColor(keptBrush);
      AFont.SetColor(keptFont);
    }
  }

  if (FPaint.UseDisabledFont &&
      ((FValues.UseEnabledRows && !RowEnabled(ARow)) || !Enabled())) {
    AFont.SetColor(FPaint.DisabledFontColor);
  }
  if (!Print && FMouseActions->DisjunctRowSelect() && ARow != Row() &&
      FLook.SelectionColorTo == clNone && IsSelected(ACol, ARow)) {
    ABrush.SetColor(ChangeColorBrightness(ABrush.Color(), 7));
  }
  DoGetWordWrap(RCol, ARow, WW);
  GetCellAlignment(RCol, ARow, HA, VA);
}

void TAdvStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState,
                                       TFont& AFont, TBrush& ABrush, bool) {
  AFont.Assign(InFixedArea(ACol, ARow) || IsFixed(ACol, ARow) ? *FFixedFont : *Font());
  if (const TCellProperties* p = PropsOrNil(RCol, ARow)) ApplyCellFont(*p, AFont);
  DoGetCellColor(RCol, ARow, &AFont, &ABrush, AState);
}

void TAdvStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FDefaultAlignment;
  VA = FVAlignment;
  bool formula = false;
  if (FValues.AutoNumAlign) {
    String text = GetGridCell(ACol, ARow);
    formula = IsFormulaText(text);
    if (formula || IsPackedFormula(text)) GetNormalCellText(ACol, ARow, text);
    const int kind = ClassifyNumberText(Trim(text));
    if (kind == ntInteger || kind == ntSeparated || kind == ntScientific) HA = taRightJustify;
  }
  if (const TCellProperties* p = PropsOrNil(ACol, ARow); p && !formula) HA = p->Alignment();
  DoGetAlignment(ACol, ARow, HA, VA);
}

bool TAdvStringGrid::IsFixed(int ACol, int ARow) {
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  const int dcol = DisplColIndex(base.X);
  if (base.Y >= RowCount() - FFixedFooters || dcol >= ColCount() - FFixedRightCols) return true;
  bool fixed = false;
  DoIsFixedCell(base.X, base.Y, fixed);
  return fixed;
}

bool TAdvStringGrid::IsHoverFixedCell(int ACol, int ARow) {
  switch (FPaint.HoverFixedCells) {
    case hfAll: return InFixedArea(ACol, ARow);
    case hfFixedRows: return ARow < FixedRows();
    case hfFixedColumns: return ACol < FixedCols();
    default: return false;
  }
}

