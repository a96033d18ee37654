#pragma once
// The enumerations the whole grid family shares. Their names and order are
// part of the streamed column definitions and grid settings: never reorder,
// rename or insert; each has its name table for the stream.
#include "grid/base/EnumNames.h"

// The editor kind of a cell or column.
enum TEditorType {
  edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
  edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat,
  edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit,
  edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone,
  edDateTimeEdit, edValidChars, edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown,
  edTimePickerDropDown, edDetailDropDown, edGridDropDown, edColorPickerDropDown,
  edImagePickerDropDown, edAdvGridDropDown, edPositiveFloat, edNumericUnitEditBtn,
  edFloatUnitEditBtn, edMaskEditBtn
};
template <>
struct TEnumInfo<TEditorType> {
  static constexpr StringView Names[] = {
      u"edNormal", u"edSpinEdit", u"edComboEdit", u"edComboList", u"edEditBtn", u"edCheckBox",
      u"edDateEdit", u"edDateEditUpDown", u"edTimeEdit", u"edButton", u"edDataCheckBox",
      u"edNumeric", u"edPositiveNumeric", u"edFloat", u"edCapital", u"edMixedCase", u"edPassword",
      u"edUnitEditBtn", u"edLowerCase", u"edUpperCase", u"edFloatSpinEdit", u"edTimeSpinEdit",
      u"edDateSpinEdit", u"edNumericEditBtn", u"edFloatEditBtn", u"edCustom", u"edRichEdit",
      u"edNone", u"edDateTimeEdit", u"edValidChars", u"edTrackbarDropDown", u"edMemoDropDown",
      u"edCalculatorDropDown", u"edTimePickerDropDown", u"edDetailDropDown", u"edGridDropDown",
      u"edColorPickerDropDown", u"edImagePickerDropDown", u"edAdvGridDropDown", u"edPositiveFloat",
      u"edNumericUnitEditBtn", u"edFloatUnitEditBtn", u"edMaskEditBtn",
  };
};

// The comparison a column sorts with.
enum TSortStyle {
  ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
  ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
  ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};
template <>
struct TEnumInfo<TSortStyle> {
  static constexpr StringView Names[] = {
      u"ssAutomatic", u"ssAlphabetic", u"ssNumeric", u"ssDate", u"ssAlphaNoCase", u"ssAlphaCase",
      u"ssShortDateEU", u"ssShortDateUS", u"ssCustom", u"ssFinancial", u"ssAnsiAlphaCase",
      u"ssAnsiAlphaNoCase", u"ssRaw", u"ssHTML", u"ssImages", u"ssCheckBox", u"ssDateTime",
      u"ssTime", u"ssAlphaNumeric", u"ssAlphaNumericNoCase",
  };
};

// Vertical text alignment of a cell.
enum TVAlignment {
  vtaTop, vtaCenter, vtaBottom
};
template <>
struct TEnumInfo<TVAlignment> {
  static constexpr StringView Names[] = {
      u"vtaTop", u"vtaCenter", u"vtaBottom",
  };
};

// Direction of a cell's background gradient.
enum TCellGradientDirection {
  GradientVertical, GradientHorizontal
};
template <>
struct TEnumInfo<TCellGradientDirection> {
  static constexpr StringView Names[] = {
      u"GradientVertical", u"GradientHorizontal",
  };
};

// A side of a cell that gets a custom border.
enum TCellBorder {
  cbTop, cbLeft, cbRight, cbBottom
};
template <>
struct TEnumInfo<TCellBorder> {
  static constexpr StringView Names[] = {
      u"cbTop", u"cbLeft", u"cbRight", u"cbBottom",
  };
};
using TCellBorders = TEnumSet<TCellBorder>;

// Footer calculation of a cell or column.
enum TColumnCalcType {
  acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV
};
template <>
struct TEnumInfo<TColumnCalcType> {
  static constexpr StringView Names[] = {
      u"acNONE", u"acSUM", u"acAVG", u"acCOUNT", u"acMIN", u"acMAX", u"acSPREAD", u"acCUSTOM",
      u"acDISTINCT", u"acSTDDEV",
  };
};

// Look of selected cells.
enum TGridSelectionStyle {
  ssDefault, ssVista, ssWin7, ssOffice2007
};
template <>
struct TEnumInfo<TGridSelectionStyle> {
  static constexpr StringView Names[] = {
      u"ssDefault", u"ssVista", u"ssWin7", u"ssOffice2007",
  };
};

// Kind of cell the hover row look applies to.
enum THoverRowCell {
  hcNormal, hcFixed, hcSelected
};
template <>
struct TEnumInfo<THoverRowCell> {
  static constexpr StringView Names[] = {
      u"hcNormal", u"hcFixed", u"hcSelected",
  };
};
using THoverRowCells = TEnumSet<THoverRowCell>;

enum TSearchDirection {
  sdTopBottom, sdLeftRight
};
template <>
struct TEnumInfo<TSearchDirection> {
  static constexpr StringView Names[] = {
      u"sdTopBottom", u"sdLeftRight",
  };
};

enum TSortDirection {
  sdAscending, sdDescending
};
template <>
struct TEnumInfo<TSortDirection> {
  static constexpr StringView Names[] = {
      u"sdAscending", u"sdDescending",
  };
};

enum THomeEndAction {
  heFirstLastColumn, heFirstLastRow, heFirstLastCell
};
template <>
struct TEnumInfo<THomeEndAction> {
  static constexpr StringView Names[] = {
      u"heFirstLastColumn", u"heFirstLastRow", u"heFirstLastCell",
  };
};

enum TClipboardPasteAction {
  paReplace, paInsert
};
template <>
struct TEnumInfo<TClipboardPasteAction> {
  static constexpr StringView Names[] = {
      u"paReplace", u"paInsert",
  };
};

enum TAdvanceDirection {
  adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol
};
template <>
struct TEnumInfo<TAdvanceDirection> {
  static constexpr StringView Names[] = {
      u"adLeftRight", u"adTopBottom", u"adLeftRightInRow", u"adTopBottomInCol",
  };
};

enum TInsertPosition {
  pInsertBefore, pInsertAfter
};
template <>
struct TEnumInfo<TInsertPosition> {
  static constexpr StringView Names[] = {
      u"pInsertBefore", u"pInsertAfter",
  };
};

enum TCursorAdvance {
  caDefault, caSnake, caLoop
};
template <>
struct TEnumInfo<TCursorAdvance> {
  static constexpr StringView Names[] = {
      u"caDefault", u"caSnake", u"caLoop",
  };
};

// How a fixed cell is put into editing.
enum TGridFixedCellEdit {
  fceNone, fceDblClick, fceLeftClick, fceRightClick
};
template <>
struct TEnumInfo<TGridFixedCellEdit> {
  static constexpr StringView Names[] = {
      u"fceNone", u"fceDblClick", u"fceLeftClick", u"fceRightClick",
  };
};

// The editor used for a fixed cell.
enum TGridFixedCellEditor {
  fceEdit, fceComboEdit, fceComboList
};
template <>
struct TEnumInfo<TGridFixedCellEditor> {
  static constexpr StringView Names[] = {
      u"fceEdit", u"fceComboEdit", u"fceComboList",
  };
};

enum TWheelAction {
  waMoveSelection, waScroll
};
template <>
struct TEnumInfo<TWheelAction> {
  static constexpr StringView Names[] = {
      u"waMoveSelection", u"waScroll",
  };
};

enum TArrowDirection {
  arrUp, arrDown, arrLeft, arrRight
};
template <>
struct TEnumInfo<TArrowDirection> {
  static constexpr StringView Names[] = {
      u"arrUp", u"arrDown", u"arrLeft", u"arrRight",
  };
};

enum TAdvGridButtonStyle {
  tasButton, tasCheck
};
template <>
struct TEnumInfo<TAdvGridButtonStyle> {
  static constexpr StringView Names[] = {
      u"tasButton", u"tasCheck",
  };
};
// The kinds the grid serves with a drop-down editor, each created on first use.
constexpr bool IsDropDownEditor(TEditorType Value) {
  return Value >= edTrackbarDropDown && Value <= edAdvGridDropDown;
}
