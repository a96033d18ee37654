#pragma once
// The base of the drop-down editors: a single-line edit with a drop button
// at its right edge and a top-level pop-up (TDropDownForm) that opens
// below or above it and holds the editor's content control. Keys, clicks
// and the pop-up's deactivation close it, keeping the value or restoring
// the one given last to SetText. Editors override the virtual operations
// to make, fill and read their content.
#include <cstdint>
#include <memory>

#include "grid/base/AttachedLabel.h"
#include "grid/base/DropDownAppearances.h"
#include "grid/base/DropDownTypes.h"
#include "grid/base/OptionProperty.h"
#include "grid/base/StyleTypes.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Mask.h"

class TDropDownForm;
class TDropDownEditButton;
class TImageList;

using TDropDown = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, String& Text)>;
using TClipboardEvent = std::function<void(TObject* Sender, const String& Value, bool& Allow)>;

// The plain settings; Assign copies all but those it names.
struct TDropDownValues {
  TColor BorderColor = clNone;
  bool DisabledBorder = true;
  TColor FocusBorderColor = clNone;
  TColor DropDownBorderColor = clBlack;
  int DropDownBorderWidth = 1;
  bool DropDownShadow = true;
  int DropDownWidth = 0;
  int DropDownHeight = 0;
  TDropPosition DropPosition = dpAuto;
  int DropDownButtonWidth = 17;
  String DropDownButtonHint;
  bool DropDownSizeable = true;
  bool EditorEnabled = true;
  TColor DropDownColor = clWhite;
  TColor DropDownColorTo = clNone;
  TGradientDirection DropDownGradient = gdHorizontal;
  bool DropDownEnabled = false;
  TDropDownEditType EditType = etString;
  String Prefix;
  String Suffix;
  int Precision = 0;
  int LengthLimit = 0;
  bool Signed = false;
  bool AllowNumericNullValue = false;
  bool AutoThousandSeparator = true;
  bool ExcelStyleDecimalSeparator = false;
  String ValidChars;
  bool ReturnIsTab = false;
  bool DefaultHandling = true;
  bool CanUndo = true;
  bool Flat = false;
  bool FocusDraw = true;
  bool ForceShadow = false;
  TSelectionColorStyle SelectionColorStyle = scOffice2007;
  TColor SelectionColor = clHighlight;
  TColor SelectionColorTo = clNone;
  TZEVStyle ZEVStyle = tsOffice2007Luna;
};

class TAdvCustomDropDown : public TMaskEdit, public IZEVStyle, public IZEVTones {
 public:
  explicit TAdvCustomDropDown(TComponent* AOwner);
  ~TAdvCustomDropDown() override;
  String ClassName() const override { return u"TAdvCustomDropDown"; }
  // From another drop-down only.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, DisabledBorder)
  GX_OPTION(TColor, DropDownBorderColor)
  GX_OPTION(int, DropDownBorderWidth)
  GX_OPTION(bool, DropDownShadow)
  GX_OPTION(TDropPosition, DropPosition)
  GX_OPTION(bool, DropDownSizeable)
  GX_OPTION(TColor, DropDownColor)
  GX_OPTION(TColor, DropDownColorTo)
  GX_OPTION(TGradientDirection, DropDownGradient)
  GX_OPTION(bool, DropDownEnabled)
  GX_OPTION(String, Prefix)
  GX_OPTION(String, Suffix)
  GX_OPTION(int, LengthLimit)
  GX_OPTION(bool, Signed)
  GX_OPTION(bool, AllowNumericNullValue)
  GX_OPTION(bool, AutoThousandSeparator)
  GX_OPTION(bool, ExcelStyleDecimalSeparator)
  GX_OPTION(String, ValidChars)
  GX_OPTION(bool, ReturnIsTab)
  GX_OPTION(bool, DefaultHandling)
  GX_OPTION(bool, CanUndo)
  GX_OPTION(bool, FocusDraw)
  GX_OPTION(bool, ForceShadow)
  GX_OPTION(TColor, SelectionColor)
  GX_OPTION(TColor, SelectionColorTo)
  TColor BorderColor() const { return FValues.BorderColor; }
  void SetBorderColor(TColor v);
  TColor FocusBorderColor() const { return FValues.FocusBorderColor; }
  void SetFocusBorderColor(TColor v);
  bool Flat() const { return FValues.Flat; }
  void SetFlat(bool v);
  // A new value forgets the size the user gave the pop-up that way.
  int DropDownWidth() const { return FValues.DropDownWidth; }
  void SetDropDownWidth(int v);
  int DropDownHeight() const { return FValues.DropDownHeight; }
  void SetDropDownHeight(int v);
  int DropDownButtonWidth() const { return FValues.DropDownButtonWidth; }
  void SetDropDownButtonWidth(int v);
  const String& DropDownButtonHint() const { return FValues.DropDownButtonHint; }
  void SetDropDownButtonHint(const String& v);
  bool EditorEnabled() const { return FValues.EditorEnabled; }
  void SetEditorEnabled(bool v);
  TBitmap* DropDownButtonGlyph();
  void SetDropDownButtonGlyph(const TBitmap& v);
  TSelectionColorStyle SelectionColorStyle() const { return FValues.SelectionColorStyle; }
  TZEVStyle ZEVStyle() const { return FValues.ZEVStyle; }
  TZEVStyle GetComponentStyle() const { return FValues.ZEVStyle; }
  // Joins the four bytes of GetVersionNr, highest first.
  String Version() const;
  void SetVersion(const String&) {}

  // Not owned; whoever frees it clears it here first.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* v);
  // The editor's content in the pop-up, and what in it takes the focus there.
  TControl* Control() const { return FControl; }
  void SetControl(TControl* v);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v);

  TAdvButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(const TAdvButtonAppearance& v) { FButtonAppearance->Assign(v); }
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(const THeaderAppearance& v) { FDropDownHeader->Assign(v); }
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(const TFooterAppearance& v) { FDropDownFooter->Assign(v); }

  // The attached label: made at the first caption, in the edit's parent.
  TLabel* EditLabel() const { return FLabel.Label(); }
  String LabelCaption() const { return FLabel.Caption(); }
  void SetLabelCaption(const String& v);
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
  int LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int v) { FLabel.SetMargin(v); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool v) { FLabel.SetAlwaysEnabled(v); }
  TFont* LabelFont() { return FLabel.Font(); }

  TDropDownEditButton* Button() const { return FButton; }
  TDropDownForm* DropDownForm() const { return FDropDownForm.get(); }
  bool DroppedDown() const { return FDroppedDown; }
  // -1 for a side the user has not sized.
  TSize UserDropDownSize() const { return FUserSize; }

  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }

  // The value: the edit text without the prefix it begins with and the
  // suffix it ends with.
  String Text() const override;
  // Shows Prefix + Value + Suffix; Value becomes what a cancelled pop-up
  // restores, and the edit is unmodified.
  void SetText(const String& Value) override;
  // Shows Value as it is.
  void SetPlainText(const String& Value);
  bool Modified() const { return FModified; }
  // Not while loading, with the editor disabled or read-only.
  void SetModified(bool v);
  // The value, not the prefix or suffix.
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();

  // Typed entry: the kind decides what may be typed and pasted and how a
  // number is shown. The setters reformat the value.
  TDropDownEditType EditType() const { return FValues.EditType; }
  void SetEditType(TDropDownEditType Value);
  int Precision() const { return FValues.Precision; }
  void SetPrecision(int Value);
  double GetFloatValue() const;
  void SetFloatValue(double Value);
  void SetIntValue(int Value);

  void SetComponentStyle(TZEVStyle AStyle) override;
  void SetColorTones(const TColorTones& ATones) override;
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);

  // Through EM_SETREADONLY, so that an open pop-up closes and the button repaints.
  void SetReadOnly(bool v) { Perform(EM_SETREADONLY, v ? 1 : 0); }
  void SetEnabled(bool v) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;

  TNotifyEvent OnBeforeDropDown;
  TDropDown OnDropDown;
  TNotifyEvent OnBeforeDropUp;
  TDropUp OnDropUp;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  // The pop-up's own steps: the form calls them.
  virtual void DoHideDropDown(bool Cancelled);
  virtual void DoAfterDropUp();
  virtual void DropDownFormDestroyed() {}
  virtual void DoDropDownSizing() {}
  virtual void FormMouseWheelDown() { SelectNextItem(); }
  virtual void FormMouseWheelUp() { SelectPreviousItem(); }
  // Keys sent on from the pop-up (or its content) to the edit.
  virtual void FormKeyPress(Char& Key);
  virtual void FormKeyDown(WORD& Key, TShiftState Shift);
  virtual void FormKeyUp(WORD& Key, TShiftState Shift);
  virtual void ControlKeyDown(WORD& Key, TShiftState Shift) { FormKeyDown(Key, Shift); }
  virtual void ControlKeyUp(WORD& Key, TShiftState Shift) { FormKeyUp(Key, Shift); }
  virtual void ControlKeyPress(Char& Key) { FormKeyPress(Key); }

 protected:
  virtual void DoLabelClick() { FireEvent(OnLabelClick, this); }
  virtual void DoLabelDblClick() { FireEvent(OnLabelDblClick, this); }
  virtual std::uint32_t GetVersionNr() const { return 0x01020104; }
  // Makes the pop-up once: an editor's constructor calls it again and adds its content.
  virtual void CreateDropDownForm();
  // An editor whose pop-up is a form of its own kind hands it in here; the old one goes.
  void AdoptDropDownForm(std::unique_ptr<TDropDownForm> Form);
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void DoBeforeDropDown() { FireEvent(OnBeforeDropDown, this); }
  virtual void AdjustDropDownHeight(int& Height) { (void)Height; }
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void PlaceDropDownControl();
  virtual void UpdateDropDownSize();
  virtual void SelectNextItem() {}
  virtual void SelectPreviousItem() {}
  virtual void PaintEditContent(TCanvas& Canvas);
  virtual void SetEditRect();
  // Where the value's text runs, left of the drop button.
  TRect EditFormattingRect() const;
  virtual void ResizeEdit();
  virtual void DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, int Position);
  virtual void GradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                            TGradientDirection Direction);

  void Dispatch(TMessage& Message) override;
  void NativeMade() override;
  void Loaded() override;
  void Resize() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void VisibleChanging() override;

  // The drop button's click and a click on an edit that takes no typing:
  // opens unless the pop-up closed by deactivation 250 ms ago or less.
  void OpenFromClick();
  // Closes an open pop-up as a deactivation would.
  void CloseLeftBehind();
  bool Designing() const { return (ComponentState() & csDesigning) != 0; }

  TDropDownValues FValues;

 private:
  friend class TDropDownKeys;
  void StripsChanged(TObject* Sender);
  void UpdateLabel();
  void DrawBorders(TCanvas& Canvas);
  void PaintMessage(TMessage& Message);
  void MouseInControlChanged(bool Inside);
  void LeftButtonDown(TMessage& Message);
  void LeftButtonUp(TMessage& Message);
  void FocusMessage(TMessage& Message);
  void ReadOnlyChanged(TMessage& Message);

  // Typed entry (DropDownTypedEntry.cpp, DropDownTypedValue.cpp).
  // What SetText shows for Value: zero for an empty number, the precision, hex in capitals.
  String TypedValueText(const String& Value) const;
  // Prefix + Value + Suffix, written plainly; Modified stays as it is.
  void WriteValue(const String& Value);
  // The value as typed: a typed character after the Return and Escape handling.
  void TypedChar(TMessage& Message);
  // The caret rules around prefix and suffix; true when the key was swallowed.
  bool PrefixSuffixKey(TMessage& Message);
  void AfterKeyDown(WPARAM Key);
  // After a left click: no caret in the prefix or beyond the suffix.
  void LimitSelection();
  // The selected part of the value.
  String SelectedValue() const;
  void CutMessage(TMessage& Message);
  void CopyMessage(TMessage& Message);
  void PasteMessage();
  void FormatOnExit();
  void FormatMoney();
  void ToggleSign();
  // The sign toggle, the separator rules and the precision of etFloat and etMoney.
  void FloatChar(TMessage& Message);
  bool FBlockChange = false;  // swallows the edit's next change notification

  TDropDownEditButton* FButton = nullptr;  // a child, owned as a component
  std::unique_ptr<TDropDownForm> FDropDownForm;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  std::unique_ptr<TAdvButtonAppearance> FButtonAppearance;
  TAttachedLabel FLabel{*this};
  TImageList* FImages = nullptr;
  TControl* FControl = nullptr;
  TWinControl* FFocusControl = nullptr;
  String FOldText;
  bool FModified = false;
  bool FMouseInControl = false;
  bool FIsWinXP = true;
  bool FIsThemed = true;
  bool FSelClick = false;
  bool FSysKeyDown = false;  // inside a WM_SYSKEYDOWN
  bool FDroppedDown = false;
  TSize FUserSize{-1, -1};
};
