#pragma once
// One column of the column grid: every per-column setting (header, width,
// editor kind, combo items, edit limit, colours, fonts, alignment, read-only
// and fixed flags, check texts, filter entries, sort format, print looks).
// Item k of the grid's collection describes storage column k.
#include <memory>

#include "grid/base/GridTypes.h"
#include "grid/base/OptionProperty.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/DateTime.h"
#include "platform/sys/Lists.h"
#include "platform/sys/Strings.h"

class TAdvColumnGrid;
class TComponent;
class TGridColumnCollection;
class TPopupMenu;

GX_ENUM(TColumnPopupType,
        cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick,
        cpAllCellsRClick, cpAllCellsLClick);

// The plain settings of a column, copied whole by Assign and AssignVisuals
// (a field added here cannot be left out of the copy). The original
// position, the collection link and the owned fonts, pens and lists stay
// outside: they are not copied, or need deep copies.
struct TColumnItemValues {
  TAlignment Alignment = taLeftJustify;
  TAlignment HeaderAlignment = taLeftJustify;
  TCellBorders Borders;
  String CheckFalse = u"N";
  String CheckTrue = u"Y";
  int EditLength = 0;
  TComponent* EditLink = nullptr;     // not owned
  String EditMask;
  TEditorType Editor = edNormal;
  bool Fixed = false;
  bool Password = false;
  TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  TColor PrintColor = clWhite;
  bool ReadOnly = false;
  String SortPrefix;
  TSortStyle SortStyle = ssAutomatic;
  String SortSuffix;
  int SpinMax = 0;
  int SpinMin = 0;
  int SpinStep = 1;
  TPopupMenu* ColumnPopup = nullptr;  // not owned
  bool ShowBands = false;
  int MinSize = 0;
  int MaxSize = 0;
  int AutoMinSize = 0;
  int AutoMaxSize = 0;
  bool FilterCaseSensitive = false;
  String FloatFormat;
  TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
  bool PrintBorderCustom = true;
  bool PrintFontCustom = true;
};

class TGridColumnItem : public TCollectionItem {
 public:
  // Takes its defaults from Owner's grid (nil: the scratch item, which keeps
  // the fonts' own defaults and colour 0). It joins the collection through
  // the collection's Add or Insert, once it is whole.
  explicit TGridColumnItem(TGridColumnCollection* Owner);
  ~TGridColumnItem() override;
  String ClassName() const override { return u"TGridColumnItem"; }

  // Copies every setting of a column item; other sources are ignored.
  void Assign(const TPersistent& Source) override;
  // The settings a column added after this one inherits.
  void AssignVisuals(const TGridColumnItem& Source);
  String DisplayName() const override;
  // The grid of the collection; nil without one.
  TAdvColumnGrid* Grid() const;

  // The grid's width of this column (0 without a collection).
  int Width() const;
  void SetWidth(int Value);
  int StoredWidth() const { return FWidth; }
  void SetStoredWidth(int Value) { FWidth = Value; }
  TAlignment Alignment() const { return FValues.Alignment; }
  void SetAlignment(TAlignment Value);
  const String& Header() const { return FHeader; }
  void SetHeader(const String& Value);
  void SetHeaderDirect(const String& Value) { FHeader = Value; }
  GX_OPTION(TSortStyle, SortStyle)
  GX_OPTION(const String&, SortPrefix)
  GX_OPTION(const String&, SortSuffix)
  GX_OPTION(const String&, EditMask)
  GX_OPTION(int, EditLength)
  // Not owned; the grid forgets it when the component goes.
  GX_OPTION(TComponent*, EditLink)
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FValues.Editor; }
  void SetEditor(TEditorType Value);
  bool Fixed() const { return FValues.Fixed; }
  void SetFixed(bool Value);
  GX_OPTION(bool, ReadOnly)
  TStringList* ComboItems() const { return FComboItems.get(); }
  void SetComboItems(const TStrings& Value) { FComboItems->Assign(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  GX_OPTION(int, SpinMin)
  GX_OPTION(int, SpinMax)
  GX_OPTION(int, SpinStep)
  bool Password() const { return FValues.Password; }
  void SetPassword(bool Value);
  TFont* PrintFont() const { return FPrintFont.get(); }
  void SetPrintFont(const TFont& Value) { FPrintFont->Assign(Value); }
  GX_OPTION(TColor, PrintColor)
  TCellBorders Borders() const { return FValues.Borders; }
  void SetBorders(TCellBorders Value);
  TPen* BorderPen() const { return FBorderPen.get(); }
  void SetBorderPen(const TPen& Value) { FBorderPen->Assign(Value); }
  GX_OPTION(TCellBorders, PrintBorders)
  TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
  void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen->Assign(Value); }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  int DefIdx() const { return FDefIdx; }
  void SetDefIdx(int Value) { FDefIdx = Value; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  GX_OPTION(const String&, CheckFalse)
  GX_OPTION(const String&, CheckTrue)
  bool ShowBands() const { return FValues.ShowBands; }
  void SetShowBands(bool Value);
  TStringList* Filter() const { return FFilter.get(); }
  void SetFilter(const TStrings& Value) { FFilter->Assign(Value); }
  GX_OPTION(int, MaxSize)
  GX_OPTION(int, MinSize)
  GX_OPTION(int, AutoMinSize)
  GX_OPTION(int, AutoMaxSize)
  GX_OPTION(TColumnPopupType, ColumnPopupType)
  // Not owned; the grid forgets it when the menu goes.
  GX_OPTION(TPopupMenu*, ColumnPopup)
  GX_OPTION(bool, FilterCaseSensitive)
  const String& FloatFormat() const { return FValues.FloatFormat; }
  void SetFloatFormat(const String& Value);
  TAlignment HeaderAlignment() const { return FValues.HeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
  GX_OPTION(bool, PrintBorderCustom)
  GX_OPTION(bool, PrintFontCustom)

  // The cells of this column by display row.
  String Rows(int ARow) const;
  void SetRows(int ARow, const String& Value);
  // The grid's typed values of this column; 0 without a grid.
  int Ints(int ARow) const;
  void SetInts(int ARow, int Value);
  double Floats(int ARow) const;
  void SetFloats(int ARow, double Value);
  TDateTime Dates(int ARow) const;
  void SetDates(int ARow, TDateTime Value);
  TDateTime Times(int ARow) const;
  void SetTimes(int ARow, TDateTime Value);

 private:
  // Tells the collection (and so the grid) that this item's looks changed.
  void LooksChanged() { Changed(false); }
  void Repaint() const;
  void CopyCommon(const TGridColumnItem& Source);
  TGridColumnCollection* Owner() const;

  TColumnItemValues FValues;
  int FWidth = 50;
  String FHeader;
  std::unique_ptr<TFont> FFont;
  TColor FColor = 0;
  std::unique_ptr<TStringList> FComboItems;
  int FDropDownCount = 8;
  std::unique_ptr<TFont> FPrintFont;
  std::unique_ptr<TPen> FBorderPen;
  std::unique_ptr<TPen> FPrintBorderPen;
  int FTag = 0;
  int FDefIdx = 0;
  String FName;
  std::unique_ptr<TStringList> FFilter;
  std::unique_ptr<TFont> FHeaderFont;
  TGridColumnCollection* FOwner = nullptr;
};
