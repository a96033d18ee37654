#pragma once
// The string grid's plain settings: a value each, read and written with no
// side effect. They live in one struct so that copying a grid's settings is
// one statement, and a new one is a field here plus a GX_OPTION line in the
// grid.
#include <array>

#include "grid/base/GridTypes.h"
#include "grid/model/AdvGridEvents.h"
#include "platform/gui/Forms.h"
#include "platform/sys/Types.h"

// Which columns show the filter drop-down glyph.
enum TFilterDropDownColumns { fdNormal, fdAll };

struct TAdvGridValues {
  // the control
  bool SizeWithForm = false;
  bool AutoThemeAdapt = false;
  bool FitCellsInGrid = false;  // the outer border then leaves room for a second line
  // dimensions
  bool FixedRowAlways = false;
  bool FixedColAlways = false;
  int MinRowHeight = 0;  // 0: no bound
  int MaxRowHeight = 0;
  // what the hooks read
  bool ActiveCellShow = false;
  TColor ActiveCellColor = clGray;
  TEditorType DefaultEditor = edNormal;
  String CheckTrue = u"Y";
  String CheckFalse = u"N";
  String FloatFormat = u"%.2f";
  String EditMask;
  bool EditWithTags = false;
  bool FilterDropDownAuto = false;
  // cell hints
  bool HintShowCells = false;
  bool HTMLHint = false;  // off: a cell's text is hinted without its tags
  TColor HintColor = clInfoBk;
  bool UseInternalHintClass = true;  // mini-HTML hints show in the grid's own hint window
  String FilterDropDownClear = u"(All)";
  bool FilterIncremental = false;
  bool FilterNormalCellsOnly = true;
  bool AutoFilterUpdate = true;
  bool FilterDropDownCheck = false;
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  int FilterDropDownRow = 0;
  // numbers (and progress bars) right-justified
  bool AutoNumAlign = false;
  // moves, clearing and row flags
  bool EnhRowColMove = true;
  bool SaveHiddenCells = false;
  bool ClearTextOnly = false;
  bool UseEnabledRows = false;
  // auto-size and zoom
  bool SizeGrowOnly = false;
  int MinColWidth = 0;
  int MaxColWidth = 0;
  TPoint XYOffset{2, 2};
  bool XYOffsetTopLeftOnly = false;
  int ZoomFactor = 0;
  bool Multilinecells = false;
  // numbering
  int AutoNumberStart = 0;
  int AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  // the range files and the clipboard cover
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveVirtCells = true;
  bool SaveWithHTML = true;
  bool SaveWithRTF = false;
  // validation and the grid timer
  bool AlwaysValidate = false;
  String InvalidEntryTitle;
  String InvalidEntryText;
  TInvalidEntryIcon InvalidEntryIcon = ieWarning;
  bool EnableBlink = false;
  // the text and combo editors
  bool Lookup = false;
  bool LookupCaseSensitive = false;
  bool LookupHistory = false;
  String ValidChars;
  std::array<bool, 256> ValidCharSet{};
  int MaxComboLength = 0;
  bool ExcelStyleDecimalSeparator = false;
};
