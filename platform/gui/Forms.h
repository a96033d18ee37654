#pragma once
// Top-level windows: TCustomForm/TForm (modal showing with a modal result,
// border styles, position, client size, the active control with its enter
// and exit messages, default and cancel keys) and the screen.
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/WindowStyles.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// A control's border: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle v);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition v) { FPosition = v; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState v) { FWindowState = v; }
  // The frame: the client area is the window less these.
  int ClientWidth() const override;
  int ClientHeight() const override;
  TPoint ClientOrigin() const override;
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool v) { FKeyPreview = v; }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; }
  bool Modal() const { return FModal; }
  // True while a modal form shown after it runs its loop: like a disabled
  // window it takes no input, so nothing behind the modal form can start.
  bool BlockedByModal() const { return FBlockedByModal; }
  // Shows the form and runs the loop until ModalResult is set (and the
  // close query agrees); answers the modal result.
  virtual TModalResult ShowModal();
  void Show();
  void Hide() { SetVisible(false); }
  // A modal form: ModalResult := mrCancel. Else the close query, OnClose and hiding.
  void Close();
  virtual bool CloseQuery();
  bool Active() const { return FActive; }
  // Shows the form and leaves the activation where it is.
  void ShowNoActivate();
  // The window that owns this one, as CreateParams named it when the form
  // was last shown; GetParent answers it.
  HWND OwnerWindow() const { return FOwnerWnd; }
  // The caption shows as active (the last WM_NCACTIVATE said so).
  bool CaptionActive() const { return FCaptionActive; }
  // A press in the form's window: WM_MOUSEACTIVATE decides whether it
  // activates the form; false when the press is to go no further.
  bool MouseActivate(UINT ButtonMsg);

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);
  // Runs exit up from the old focused control to the common parent and enter
  // down to Control; false when a handler moved the focus elsewhere meanwhile.
  bool SetFocusedControl(TWinControl* Control);
  void ControlRemoved(TWinControl* Control);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  using TWinControl::DoKeyDown;
  using TWinControl::DoKeyPress;
  using TWinControl::DoKeyUp;

 protected:
  void Loaded() override;
  void Dispatch(TMessage& Message) override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  void VisibleChanging() override;
  // A shown form takes its new kind of window and owner at once; a hidden
  // one takes them when shown.
  void RecreateView(const TCreateParams& Params) override;
  // Tab and arrows move the focus; other keys go to the buttons (default, cancel).
  void CMDialogKey(TMessage& Message);

 private:
  friend class TScreen;
  // Moves the activation here: the active form gets WM_NCACTIVATE and
  // WM_ACTIVATE (inactive, naming this one), then this one the same, active.
  void Activate(WPARAM How = WA_ACTIVE, bool Returning = false);
  void BecomeActive();
  void BecomeInactive();
  // Hiding or going: the activation goes back to the form active before, if shown.
  void LoseActivation();
  // Windows it owns are told it goes out of sight (WM_SHOWWINDOW, SW_PARENTCLOSING).
  void HideOwnedWindows();
  void ApplyWindowParams();
  void ApplyWindowParams(const TCreateParams& Params);
  void PlaceOnScreen();
  bool ModalCloseAgreed();
  int FrameWidth() const;
  int CaptionHeight() const;

  bool FBlockedByModal = false;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  bool FActive = false;
  bool FCaptionActive = false;
  bool FNoActivate = false;
  bool FShowingNoActivate = false;
  HWND FOwnerWnd = 0;
  bool FCreated = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TCustomForm* FPreviousActive = nullptr;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The screen: its size, the forms and the active one, the global cursor.
class TScreen {
 public:
  // The primary display's size, so that a centred window fits on a small
  // one; 1920 x 1080 when there is no display or while a test pins a size.
  int Width() const;
  int Height() const;
  // Tests pin the size so that placement does not follow the machine's display.
  void PinSize(int AWidth, int AHeight) { FPinned = {AWidth, AHeight}; }
  bool Pinned() const { return FPinned.X > 0 && FPinned.Y > 0; }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }
  // Shown over all of the program's windows unless crDefault.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v);

 private:
  friend class TCustomForm;
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TCursor FCursor = crDefault;
  TPoint FPinned{0, 0};
};

extern TScreen* Screen;
