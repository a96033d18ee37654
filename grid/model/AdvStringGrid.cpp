#include "grid/model/AdvStringGrid.h"

#include "grid/base/Bands.h"
#include "grid/base/CellNode.h"
#include "grid/base/ColumnSize.h"
#include "grid/base/FocusHelper.h"
#include "grid/base/HTMLSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/PrintSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/SizeWhileTyping.h"
#include "grid/base/SortIndexList.h"
#include "grid/base/SyncGrid.h"
#include "grid/model/FormResizeListener.h"
#include "grid/paint/BackGround.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridProgressAppearance.h"
#include "grid/paint/ShowModified.h"

TAdvStringGrid::TAdvStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
  InitAdvGridUnit();
  RecordPlatformFacts();
  CreateSettings();
  SetDefaults();
  ListenToOwnerForm();
  GridAnchorCursor = crHandPoint;
}

TAdvStringGrid::~TAdvStringGrid() {
  // Stop listening first: the form may resize while the grid goes.
  FFormResize.reset();
}

void TAdvStringGrid::RecordPlatformFacts() {
  const TOSVersion os = GetOSVersion();
  FIsWinXP = IsWinXPOrLater(os);
  FIsVista = IsVistaOrLater(os);
  FIsWin7 = IsWin7OrLater(os);
  FIsThemed = ComCtlThemed();
}

void TAdvStringGrid::CreateSettings() {
  FControlLook = std::make_unique<TControlLook>(this);
  FBackGround = std::make_unique<TBackGround>(this);
  FShowModified = std::make_unique<TShowModified>();
  FShowModified->OnChange = [this](TObject*) { Invalidate(); };  // column 0 holds the marker
  FProgressAppearance = std::make_unique<TGridProgressAppearance>();
  FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSearchFooter = std::make_unique<TSearchFooter>(this, false);
  FNavigation = std::make_unique<TNavigation>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TObject*) { Invalidate(); };
  FSyncGrid = std::make_unique<TSyncGrid>(nullptr);
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FColumnSize = std::make_unique<TColumnSize>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FColumnHeaders = std::make_unique<TStringList>();
  FRowHeaders = std::make_unique<TStringList>();
  FLookupItems = std::make_unique<TStringList>();
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetSorted(true);
  FFilterList->SetDuplicates(dupIgnore);
  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName(u"Tahoma");
  FFixedFont->SetStyle({fsBold});
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle({fsBold});
  FSortIndexes = std::make_unique<TSortIndexList>();
  FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
  FSortRowXRef = std::make_unique<TIntList>(-1, -1);
}

void TAdvStringGrid::SetDefaults() {
  TGridModel::SetColCount(5);
  TGridModel::SetFixedRows(1);
  TGridModel::SetFixedCols(1);
  SetRowCount(10);
  SetDefaultRowHeight(22);
  FFixedRowHeight = DefaultRowHeight();
  TBaseGrid::SetWordWrap(true);
  FBorderColor = FIsWinXP ? TColor(0xB99D7F) : clGray;
  FFixedGradients[fgFrom] = clWhite;
  FFixedGradients[fgTo] = ColorToRGB(clBtnFace);
}

void TAdvStringGrid::SetControlLook(const TControlLook& Value) { FControlLook->Assign(Value); }

void TAdvStringGrid::SetFixedGradientColor(TFixedGradientPart Part, TColor Value) {
  FFixedGradients[Part] = Value == clNone ? Value : ColorToRGB(Value);
  if (Part <= fgMirrorTo) Invalidate();
}

void TAdvStringGrid::ListenToOwnerForm() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form) return;
  FFormWidth = form->Width();
  FFormHeight = form->Height();
  FFormResize = std::make_unique<TFormResizeListener>(
      *form, [this](TCustomForm& Form) { FormResized(Form); });
}

// Follows the form by its change in size when SizeWithForm is on; the grid
// is not a control yet, so only the recorded form size moves.
void TAdvStringGrid::FormResized(TCustomForm& Form) {
  FFormWidth = Form.Width();
  FFormHeight = Form.Height();
}
