#pragma once
// One column of the column grid: every per-column setting (header, width,
// editor kind, combo items, edit limit, colours, fonts, alignment, read-only
// and fixed flags, check texts, filter entries, sort format, print looks).
// Item k of the grid's collection describes storage column k.
#include <memory>

#include "grid/base/GridTypes.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/Lists.h"
#include "platform/sys/Strings.h"

class TAdvColumnGrid;
class TComponent;
class TGridColumnCollection;
class TPopupMenu;

GX_ENUM(TColumnPopupType,
        cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick,
        cpAllCellsRClick, cpAllCellsLClick);

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
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  const String& Header() const { return FHeader; }
  void SetHeader(const String& Value);
  void SetHeaderDirect(const String& Value) { FHeader = Value; }
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
  const String& SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const String& Value) { FSortPrefix = Value; }
  const String& SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const String& Value) { FSortSuffix = Value; }
  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }
  int EditLength() const { return FEditLength; }
  void SetEditLength(int Value) { FEditLength = Value; }
  // Not owned; the grid forgets it when the component goes.
  TComponent* EditLink() const { return FEditLink; }
  void SetEditLink(TComponent* Value) { FEditLink = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TStringList* ComboItems() const { return FComboItems.get(); }
  void SetComboItems(const TStrings& Value) { FComboItems->Assign(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int SpinMin() const { return FSpinMin; }
  void SetSpinMin(int Value) { FSpinMin = Value; }
  int SpinMax() const { return FSpinMax; }
  void SetSpinMax(int Value) { FSpinMax = Value; }
  int SpinStep() const { return FSpinStep; }
  void SetSpinStep(int Value) { FSpinStep = Value; }
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  TFont* PrintFont() const { return FPrintFont.get(); }
  void SetPrintFont(const TFont& Value) { FPrintFont->Assign(Value); }
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor Value) { FPrintColor = Value; }
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  TPen* BorderPen() const { return FBorderPen.get(); }
  void SetBorderPen(const TPen& Value) { FBorderPen->Assign(Value); }
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
  TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
  void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen->Assign(Value); }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  int DefIdx() const { return FDefIdx; }
  void SetDefIdx(int Value) { FDefIdx = Value; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  const String& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const String& Value) { FCheckFalse = Value; }
  const String& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const String& Value) { FCheckTrue = Value; }
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  TStringList* Filter() const { return FFilter.get(); }
  void SetFilter(const TStrings& Value) { FFilter->Assign(Value); }
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int Value) { FMaxSize = Value; }
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value; }
  int AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
  int AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
  // Not owned; the grid forgets it when the menu goes.
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TPopupMenu* Value) { FColumnPopup = Value; }
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
  const String& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const String& Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }

  // The cells of this column by display row.
  String Rows(int ARow) const;
  void SetRows(int ARow, const String& Value);

 private:
  // Tells the collection (and so the grid) that this item's looks changed.
  void LooksChanged() { Changed(false); }
  void Repaint() const;
  void CopyCommon(const TGridColumnItem& Source);
  TGridColumnCollection* Owner() const;

  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  String FHeader;
  TSortStyle FSortStyle = ssAutomatic;
  String FSortPrefix;
  String FSortSuffix;
  String FEditMask;
  int FEditLength = 0;
  TComponent* FEditLink = nullptr;
  std::unique_ptr<TFont> FFont;
  TColor FColor = 0;
  TEditorType FEditor = edNormal;
  bool FFixed = false;
  bool FReadOnly = false;
  std::unique_ptr<TStringList> FComboItems;
  int FDropDownCount = 8;
  int FSpinMin = 0;
  int FSpinMax = 0;
  int FSpinStep = 1;
  bool FPassword = false;
  std::unique_ptr<TFont> FPrintFont;
  TColor FPrintColor = clWhite;
  TCellBorders FBorders;
  std::unique_ptr<TPen> FBorderPen;
  TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  std::unique_ptr<TPen> FPrintBorderPen;
  int FTag = 0;
  int FDefIdx = 0;
  String FName;
  String FCheckFalse = u"N";
  String FCheckTrue = u"Y";
  bool FShowBands = false;
  std::unique_ptr<TStringList> FFilter;
  int FMaxSize = 0;
  int FMinSize = 0;
  int FAutoMinSize = 0;
  int FAutoMaxSize = 0;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  TPopupMenu* FColumnPopup = nullptr;
  bool FFilterCaseSensitive = false;
  String FFloatFormat;
  TAlignment FHeaderAlignment = taLeftJustify;
  std::unique_ptr<TFont> FHeaderFont;
  bool FPrintBorderCustom = true;
  bool FPrintFontCustom = true;
  TGridColumnCollection* FOwner = nullptr;
};
