#pragma once
// The enumerations the whole grid family shares. Their names and order are
// part of the streamed column definitions and grid settings: never reorder,
// rename or insert. GX_ENUM gives each its name table for the stream.
#include "grid/base/EnumNames.h"

// The editor kind of a cell or column.
GX_ENUM(TEditorType,
        edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
        edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat,
        edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit,
        edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone,
        edDateTimeEdit, edValidChars, edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown,
        edTimePickerDropDown, edDetailDropDown, edGridDropDown, edColorPickerDropDown,
        edImagePickerDropDown, edAdvGridDropDown, edPositiveFloat, edNumericUnitEditBtn,
        edFloatUnitEditBtn, edMaskEditBtn);

// The comparison a column sorts with.
GX_ENUM(TSortStyle,
        ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
        ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
        ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase);

// Vertical text alignment of a cell.
GX_ENUM(TVAlignment, vtaTop, vtaCenter, vtaBottom);

// Direction of a cell's background gradient.
GX_ENUM(TCellGradientDirection, GradientVertical, GradientHorizontal);

// A side of a cell that gets a custom border.
GX_ENUM(TCellBorder, cbTop, cbLeft, cbRight, cbBottom);
using TCellBorders = TEnumSet<TCellBorder>;

// Footer calculation of a cell or column.
GX_ENUM(TColumnCalcType,
        acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV);

// Look of selected cells.
GX_ENUM(TGridSelectionStyle, ssDefault, ssVista, ssWin7, ssOffice2007);

// Kind of cell the hover row look applies to.
GX_ENUM(THoverRowCell, hcNormal, hcFixed, hcSelected);
using THoverRowCells = TEnumSet<THoverRowCell>;

GX_ENUM(TSearchDirection, sdTopBottom, sdLeftRight);

GX_ENUM(TSortDirection, sdAscending, sdDescending);

GX_ENUM(THomeEndAction, heFirstLastColumn, heFirstLastRow, heFirstLastCell);

GX_ENUM(TClipboardPasteAction, paReplace, paInsert);

GX_ENUM(TAdvanceDirection, adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol);

GX_ENUM(TInsertPosition, pInsertBefore, pInsertAfter);

GX_ENUM(TCursorAdvance, caDefault, caSnake, caLoop);

// How a fixed cell is put into editing.
GX_ENUM(TGridFixedCellEdit, fceNone, fceDblClick, fceLeftClick, fceRightClick);

// The editor used for a fixed cell.
GX_ENUM(TGridFixedCellEditor, fceEdit, fceComboEdit, fceComboList);

GX_ENUM(TWheelAction, waMoveSelection, waScroll);

GX_ENUM(TArrowDirection, arrUp, arrDown, arrLeft, arrRight);

GX_ENUM(TAdvGridButtonStyle, tasButton, tasCheck);
// The kinds the grid serves with a drop-down editor, each created on first use.
constexpr bool IsDropDownEditor(TEditorType Value) {
  return Value >= edTrackbarDropDown && Value <= edAdvGridDropDown;
}
