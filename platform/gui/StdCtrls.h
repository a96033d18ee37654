#pragma once
// The standard controls as thin wrappers of native widgets: label, edit,
// memo, button, check box, radio button, combo box, list box, group box.
#include <functional>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/sys/Strings.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* AOwner);
  void SetText(const String& v) override;
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; Invalidate(); }
  TWinControl* FocusControl() const { return FFocusControl; }
  // Its access key focuses FocusControl.
  void SetFocusControl(TWinControl* v);

 protected:
  void Changed(UINT CMMessage) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void AdjustBounds();
  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  bool FWordWrap = false;
  bool FTransparent = false;
  TWinControl* FFocusControl = nullptr;
};

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  String Text() const override;
  void SetText(const String& v) override;
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  String SelText() const;
  void SetSelText(const String& v);
  void SelectAll();
  void Clear() { SetText(String()); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool v) { FAutoSelect = v; }
  Char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char v);
  bool Modified() const { return FModified; }
  void SetModified(bool v) { FModified = v; }
  // The native edit is the multi-line kind.
  bool MultiLineNative() const { return FMultiLineNative; }

  TNotifyEvent OnChange;

 protected:
  // The native widget's text changed (by the user or by SetText): EN_CHANGE
  // came back from the parent.
  virtual void Change();
  // Tells the parent: EN_UPDATE, then EN_CHANGE.
  void TextChangedByWidget();
  void Dispatch(TMessage& Message) override;
  virtual LRESULT DialogCode() const { return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }
  void CreateParams(TCreateParams& Params) override;
  // A multi-line style makes a multi-line native edit, else a line edit.
  void RecreateView(const TCreateParams& Params) override;
  // The new native edit is made, before the text goes back into it.
  virtual void NativeMade() {}
  // The native edit for Style, in place of the current one.
  void MakeNative(unsigned Style);

 private:
  // The edit control messages (EM_xxx, WM_UNDO); false for any other message.
  bool EditMessage(TMessage& Message);
  void SetFormatRect(const TRect* R);
  TRect FormatRect() const;
  // The native edit takes the formatting rectangle and the margins.
  void ApplyFormat();
  TRect FFormatRect;  // empty: the client area
  int FLeftMargin = 0, FRightMargin = 0;
  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  Char FPasswordChar = 0;
  bool FModified = false;
  bool FMultiLineNative = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool v) { FWantReturns = v; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool v) { FWantTabs = v; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  int LineCount() const;
  String Lines(int Index) const;
  void AddLine(const String& Line);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v);

 protected:
  LRESULT DialogCode() const override;
  void CreateParams(TCreateParams& Params) override;

 private:
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
};

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  // The native button was clicked (mouse or Space): a button clicks, a
  // check box toggles, a radio button checks itself.
  virtual void ClickedByUser() = 0;

 protected:
  void Dispatch(TMessage& Message) override;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; }
  // Sets the form's ModalResult (when this button has one), then OnClick.
  void Click() override;
  void ClickedByUser() override { Click(); }

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  // Enter goes to the focused button, else to the default one.
  bool Active() const;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  // A change clicks the box (OnClick), as a user's click does; not while loading.
  void SetState(TCheckBoxState v);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool v);
  void Toggle();
  void ClickedByUser() override { Toggle(); }

 protected:
  // Its access key focuses and toggles it.
  void Dispatch(TMessage& Message) override;

 private:
  void UpdateNative();
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const { return FChecked; }
  // Checking unchecks the other radio buttons of the same parent and clicks.
  // Taking the focus (an arrow key, its access key, Tab) checks it too.
  void SetChecked(bool v);
  void ClickedByUser() override { SetChecked(true); }

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  void UpdateNative();
  bool FChecked = false;
};

// Items of a combo or list box: a string list whose changes (outside a
// BeginUpdate/EndUpdate bracket, else once at its end) are written to the
// native widget.
class TListControlItems : public TStringList {
 public:
  using TStringList::Assign;
  // Replaces the items by Lines.
  void Assign(const std::vector<String>& Lines);

 protected:
  void Changed() override;
  virtual void ItemsChanged() = 0;
};

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle v);
  TListControlItems& Items() const { return *FItems; }
  int ItemIndex() const;
  void SetItemIndex(int v);
  String Text() const override;
  void SetText(const String& v) override;
  int DropDownCount() const { return FDropDownCount; }
  // The open list shows at most this many items before it scrolls.
  void SetDropDownCount(int v);
  // The open list is at least this wide (0: the combo's width).
  int DroppedWidth() const { return FDroppedWidth; }
  void SetDroppedWidth(int v);
  // Whether the native list is open now; setting opens or closes it.
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  // The height of each entry of the open list.
  int ItemHeight() const;
  void SetItemHeight(int v);
  // The selection in the editable field (csDropDown); 0 in a list.
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  // Typing stops at this many characters (0: no limit).
  int MaxLength() const;
  void SetMaxLength(int v);
  // The character index in the editable field nearest a client point; -1 in a list.
  int CharFromPos(TPoint P) const;
  // Once the selection field's height is set (CB_SETITEMHEIGHT, index -1)
  // the closed combo is that high plus its frame, whatever height is asked.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  virtual void Change();
  virtual void Select();
  void Dispatch(TMessage& Message) override;

 private:
  // The native list's notifications, reflected back by the parent.
  void ComboNotification(WORD Code);
  void ItemHeightMessage(TMessage& Message);
  std::unique_ptr<TListControlItems> FItems;
  int FFieldHeight = 0;  // 0: the height is what the bounds say
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  int FDroppedWidth = 0;
};

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
// How an item is when it is drawn (flags).
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 0x1, odDisabled = 0x4, odFocused = 0x10;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

class TCanvas;

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;
  TListControlItems& Items() const { return *FItems; }
  int ItemIndex() const;
  void SetItemIndex(int v);
  int TopIndex() const;
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle v);
  // The height of an entry in the owner-drawn styles (the first guess of
  // OnMeasureItem with lbOwnerDrawVariable); standard entries follow the font.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int v);
  // The entry at a client point: -1 where there is none, or with Existing
  // false the index after the last entry.
  int ItemAtPos(TPoint Pos, bool Existing) const;
  // An entry's rectangle in client coordinates (empty when it has none).
  TRect ItemRect(int Index) const;
  // The canvas while an entry is drawn (null otherwise).
  TCanvas* Canvas() const { return FCanvas; }
  TNotifyEvent OnSelect;
  // Owner-drawn styles: draws the entry on Canvas in place of its text.
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  // The entry's look: OnDrawItem, or without it the text on the brush
  // colour the state gave the canvas.
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);

 private:
  friend struct TListBoxPainter;
  std::unique_ptr<TListControlItems> FItems;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  TCanvas* FCanvas = nullptr;
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* AOwner);

 protected:
  // Its access key focuses its first control.
  void Dispatch(TMessage& Message) override;
};
