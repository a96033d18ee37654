#pragma once
// The content painter of one cell, made on the stack by DrawCellContent:
// the face of fixed cells, the row indicator and modified-row bar, editor
// buttons, background and text, borders, tree lines, the drawing events and
// the focus rectangle, in that order, on any canvas. Each routine family is
// defined in a file of its own beside this one.
#include "grid/model/AdvStringGridPrivate.h"

class TCellPainter {
 public:
  TCellPainter(TAdvStringGrid& Grid, TCanvas& Canvas, int ACol, int ARow, const TRect& ARect,
               TGridDrawState AState);
  void Paint();

 private:
  // CellFaces.cpp
  void DrawFixedFace();
  void DrawHoverFace();
  void DrawRestingFace();
  void DrawListViewFace();
  void DrawFixedEdges();
  void DrawFlatRightFixedLines();
  void DrawRowIndicator();
  void DrawModifiedBar();
  void DrawEditorButtons();
  // FixedButtonEdge.cpp; answers whether the cell is drawn as a button.
  bool DrawFixedButtonEdge();
  // CellLines.cpp
  void DrawBorders(const TRect& Rect);
  void DrawTreeLines();
  void DrawFocus();
  // CellTextPaint.cpp
  void PaintCellText();
  void ApplyTextSelectionColors();
  String DisplayText(int& Kind);
  void DrawHTMLText(const String& Text, TRect T);
  void DrawRichText(const String& Text, TRect T);
  void DrawPlainText(String Text, TRect T);
  void FitFixedText(const String& Text, TRect& T, unsigned& Flags);
  TRect TextPlace(const TRect& T) const;
  // CellBackgroundPaint.cpp
  // The picture, then the gradient of BackGround.
  void DrawBackgroundPicture(const TRect& T);
  void DrawPictureTiles(const TRect& T);
  void DrawBackgroundGradient(const TRect& T);
  void DrawSelectionRectangle();
  // HeaderGlyphs.cpp
  void DrawFilterGlyph(const TRect& T);
  bool ShowsSortGlyph();
  void DrawSortGlyph(int TextWidth, const TRect& HTMLRect, bool IsHTML);

  // CellGraphicsPaint.cpp, CellCheckGraphics.cpp, CellButtonsPaint.cpp, CellNodeGlyphs.cpp
  void TakeGraphicInfo();
  bool MakeGraphicRoom(TRect& T) const;
  void DrawCellGraphic(TRect Rect);
  void DrawPlacedGraphic(const TRect& Place);
  void DrawDrawnGraphic(const TRect& Outer, const TRect& Rect);
  void DrawCheckGraphic(const TRect& Place);
  void DrawRadioGroup(const TRect& Rect);
  void DrawRotatedText(TRect Rect);
  void DrawProgress(TRect Rect);
  void DrawXPProgress(TRect Rect);
  void DrawComment(const TRect& Outer);
  void DrawCellButton(const TRect& Place);
  void DrawNodeGlyph(const TRect& Rect);
  TColor NodeBackground();

  bool HasOption(TGridOption Option) const { return G.Options().Contains(Option); }
  bool IsCurrentRow() const { return ARow == G.Row(); }

  TAdvStringGrid& G;
  TCanvas& C;
  const int ACol;
  const int ARow;
  const int RCol;
  const TRect ARect;
  TRect R;
  TGridDrawState AState;
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  TColor KeptBrush = clNone;
  TColor KeptFont = clNone;
  TColor URLColor = clNone;
  bool Fixed = false;      // IsFixed or in the fixed area
  bool FixedLook = false;  // painted with the fixed face
  bool FilterRow = false;
  int IndicatorWidth = 0;
  TCellGraphic* Graphic = nullptr;
  TCellVAlign GraphicVAlign = vaTop;
  TCellHAlign GraphicHAlign = haLeft;
  bool GraphicShowsText = true;
  TPoint GraphicSize;
  int TextWidth = 0;  // of a drawn plain text + 2; 0 when none was drawn
};
