#pragma once
// The event types of the string grid. Sender comes first; the order of the
// column and row arguments differs from event to event and is the order the
// grid's users have always written their handlers in; results come back
// through references.
#include <functional>

#include "grid/base/GridTypes.h"
#include "platform/grids/GridTypes.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/Strings.h"

class TCheckListBox;

// What a search-footer search did.
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// Progress states of exports, searches and calculations.
// The codes the exchange formats pass to ExportNotification and
// ImportNotification: start, a row of a whole-grid transfer, end, failure,
// a row of a selection transfer, a row written by an export.
enum TGridExportState {
  esExportStart, esExportNewRow, esExportDone, esExportFail, esExportSelectionRow, esExportRowWritten
};
using TFileProgressEvent = std::function<void(TObject* Sender, short Progress)>;
// A cell's text on its way out of or into the grid: OnSaveCell, OnLoadCell.
using TCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;

using TFooterCalcEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
// A column or group calculation of the handler's own over FromRow..ToRow.
using TColumnCalcEvent =
    std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TSearchFooterActionEvent = std::function<void(TObject* Sender, const String& Value, int ACol,
                                                    int ARow, TSearchAction SearchAction)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
// Row first: the combo and date-picker notifications.
using TRowColEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TGetCellCursorEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& HintStr)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                           TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent = std::function<void(TObject* Sender, int ARow, int ACol,
                                           TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            String& APrefix, String& ASuffix)>;
using TGetEditorTypeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
// Both editor-property events; AEditLink is the custom editor, or nil.
using TGetEditorPropEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TComponent* AEditLink)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
// Column first: word wrap, combo and spin queries.
using TColRowBoolEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& Value)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStrings* Filter)>;
using TGetEditMaskEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TUnitChangedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const String& NewUnit)>;
using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;

// Row selection, column sizing and number formats.
using TRowDisjunctSelectEvent =
    std::function<void(TObject* Sender, int ARow, bool Value, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TGetFloatFormatEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                                bool& IsFloat, String& FloatFormat)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const String& Str1, const String& Str2, int& Res)>;
using TRawCompareEvent =
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TSelectionChangedEvent =
    std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
class TPopupMenu;
using TFixedDropDownClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                                                    bool& KeepFixedCellHighlighted)>;
using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                            int ScrollPosition, int ScrollMin, int ScrollMax)>;
// The icon of the balloon that explains a refused entry.
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };

using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent = std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow,
                                              int NewCol, bool& Allow)>;
using TAutoAdvanceEvent = std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow,
                                             int& NewCol, bool& Allow)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;

// Mouse clicks on cells, their graphics and anchors.
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor, bool& AutoHandle)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& Anchor)>;
using TControlClickEvent = std::function<void(TObject* Sender, int ARow, int ACol, const String& CtrlID,
                                              const String& CtrlType, const String& CtrlVal)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;

// Filtering.
using TFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(TObject* Sender, short Progress)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const String& FriendlyName, String& FilterCondition)>;
using TFilterCheckEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, const String& FriendlyName,
                       String& FilterCondition, TCheckListBox* CheckList)>;

// Search: the flags of a scan, bit = ordinal.
enum TFindParameters {
  fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
  fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
  fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TEnumSet<TFindParameters>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)>;

// Cell painting.
class TCanvas;
using TGetCellGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TCustomCellDrawEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                       TGridDrawState AState, TRect ARect, bool Printing)>;
using TGetCellBorderPropEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen,
                       TPen* RightPen, TPen* BottomPen)>;

// The text and combo editors.
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const String& ASelection, TObject* AObject)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
