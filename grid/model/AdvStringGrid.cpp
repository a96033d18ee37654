#include "grid/model/AdvStringGridPrivate.h"

#include "grid/base/ArrowWindow.h"
#include "grid/base/Bands.h"
#include "grid/base/CellNode.h"
#include "grid/base/ColumnSize.h"
#include "grid/base/FocusHelper.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/base/HTMLSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/PrintSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/SizeWhileTyping.h"
#include "grid/base/SortIndexList.h"
#include "grid/base/SyncGrid.h"
#include "grid/base/BalloonSettings.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/model/FormResizeListener.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"
#include "grid/base/BackGround.h"
#include "grid/base/ControlLook.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/base/ShowModified.h"
#include "platform/gui/Timers.h"

TAdvStringGrid::TAdvStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner),
      FState(std::make_unique<TAdvGridState>()),
      FRows(std::make_unique<TGridRowEngine>(*this)),
      FColumnMove(std::make_unique<TColumnMoveStep>(*this)),
      FGraphics(std::make_unique<TCellGraphics>(*this)),
      FSelectedCells(std::make_unique<TSelectedCellList>()),
      FSorter(std::make_unique<TGridSorter>(*this)),
      FNodes(std::make_unique<TOutlineNodes>(*this)),
      FFinder(std::make_unique<TGridFinder>(*this)),
      FGrouper(std::make_unique<TRowGrouping>(*this)) {
  InitAdvGridUnit();
  RecordPlatformFacts();
  // The grid holds its panels, editors and cell controls as children.
  SetControlStyle(ControlStyle() | csAcceptsControls);
  CreateSettings();
  CreatePanels();
  SetDefaults();
  ListenToOwnerForm();
  GridAnchorCursor = crHandPoint;
}

TAdvStringGrid::~TAdvStringGrid() {
  Destroying_();
  // The unit's window hook must not place the glow of a freed grid.
  if (FocusWindowGrid == this) FocusWindowGrid = nullptr;
  // Stop listening first: the form may resize while the grid goes.
  FState->FormResize.reset();
  RemoveMetroScrollControls();
  if (HandleAllocated()) RegisterThemeWindow(false);
  RevokeDropTarget();
  if (HandleAllocated()) KillTimer(Handle(), GridTimerID);
}

TControlList& TAdvStringGrid::ControlList() { return FState->ControlList; }
TBitmap* TAdvStringGrid::RowIndicator() { return &FState->RowIndicator; }

void TAdvStringGrid::RecordPlatformFacts() {
  const TOSVersion os = GetOSVersion();
  FIsWinXP = IsWinXPOrLater(os);
  FState->IsVista = IsVistaOrLater(os);
  FState->IsWin7 = IsWin7OrLater(os);
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
  FSearchFooter->OnChange = [this](TObject*) { UpdateSearchPanel(); };
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](TObject* Sender, bool& IsDesigning) {
    MouseActionsIsDesigning(Sender, IsDesigning);
  };
  FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TObject*) { Invalidate(); };
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FColumnSize = std::make_unique<TColumnSize>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FColumnHeaders = std::make_unique<TStringList>();
  FColumnHeaders->OnChange = [this](TObject*) {
    ColumnHeadersChanged();
    ShowColumnHeaders();
  };
  FRowHeaders = std::make_unique<TStringList>();
  FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
  FLookupItems = std::make_unique<TStringList>();
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetSorted(true);
  FFilterList->SetDuplicates(dupIgnore);
  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName(u"Tahoma");
  FFixedFont->SetStyle({fsBold});
  FFixedFont->OnChange = [this](TPersistent*) { Invalidate(); };
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle({fsBold});
  FActiveCellFont->OnChange = [this](TPersistent*) { Invalidate(); };
  FSortIndexes = std::make_unique<TSortIndexList>();
  FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
  FSortRowXRef = std::make_unique<TIntList>(-1, -1);
  CreateModelSettings();
  CreateInteractSettings();
}

void TAdvStringGrid::SetDefaults() {
  SetBorderStyle(bsSingle);
  // The editor's text goes to the cell when the editor closes.
  SetEditWritesThrough(false);
  TGridModel::SetColCount(5);
  TGridModel::SetFixedRows(1);
  TGridModel::SetFixedCols(1);
  SetRowCount(10);
  SetBounds(Left(), Top(), 400, 250);
  SetDefaultRowHeight(22);
  FFixedRowHeight = DefaultRowHeight();
  TBaseGrid::SetWordWrap(true);
  FBorderColor = FIsWinXP ? TColor(0xB99D7F) : clGray;
  FFixedGradients.fill(clNone);
  FFixedGradients[fgFrom] = clWhite;
  FFixedGradients[fgTo] = ColorToRGB(clBtnFace);
  FLook.ScrollWidth = ScrollBarThickness();
}

void TAdvStringGrid::CreatePanels() {
  FFooterPanel = new TFooterPanel(this);
  FSearchPanel = new TSearchPanel(this);
  // Hidden; it joins the grid's form when it first shows.
  if (!(ComponentState() & csDesigning)) FState->FocusWindow = new TGridFocusWindow(this);
  for (TArrowDirection dir : {arrUp, arrDown, arrLeft, arrRight}) {
    auto* arrow = new TArrowWindow(this);
    arrow->Init(nullptr, dir);
    FState->Arrows[static_cast<size_t>(dir)] = arrow;
  }
}

void TAdvStringGrid::SetControlLook(const TControlLook& Value) { FControlLook->Assign(Value); }

void TAdvStringGrid::SetFixedGradientColor(TFixedGradientPart Part, TColor Value) {
  FFixedGradients[Part] = Value == clNone ? Value : ColorToRGB(Value);
  if (Part <= fgMirrorTo) Invalidate();
}

void TAdvStringGrid::ListenToOwnerForm() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form) return;
  FState->FormWidth = form->Width();
  FState->FormHeight = form->Height();
  FState->FormResize = std::make_unique<TFormResizeListener>(
      *form, [this](TCustomForm& Form) { FormResized(Form); });
}

// With SizeWithForm the grid grows and shrinks by the form's change in
// size, as long as it keeps a size.
void TAdvStringGrid::FormResized(TCustomForm& Form) {
  const int dw = Form.Width() - FState->FormWidth;
  const int dh = Form.Height() - FState->FormHeight;
  FState->FormWidth = Form.Width();
  FState->FormHeight = Form.Height();
  if (!FValues.SizeWithForm || Destroying()) return;
  if (Width() + dw > 0 && Height() + dh > 0) {
    SetBounds(Left(), Top(), Width() + dw, Height() + dh);
  }
  // The stretch column follows here once column stretching exists.
}
