#pragma once
// What a control asks of its on-screen counterpart. The control tree and the
// message dispatch are ours; a view only shows the control and hands input
// back to it. Controls without a view (pure logic in tests) work the same.
#include "platform/gui/Messages.h"
#include "platform/sys/String.h"
#include "platform/sys/Types.h"

class TFont;

class TControlView {
 public:
  virtual ~TControlView() = default;
  virtual void SetParentView(TControlView* Parent) = 0;
  // In the parent's client coordinates (top-level windows: the screen).
  virtual void SetBounds(const TRect& Bounds) = 0;
  virtual void SetVisible(bool Visible) = 0;
  virtual void SetEnabled(bool Enabled) = 0;
  virtual void SetCaption(const String& Caption) = 0;
  virtual void SetColor(TColor Color) = 0;
  virtual void SetFont(const TFont& Font) = 0;
  virtual void SetCursor(int Cursor) = 0;
  virtual void Invalidate() = 0;
  // A part of the client area; a view without partial updates repaints it all.
  virtual void InvalidateRect(const TRect& R) { (void)R; Invalidate(); }
  virtual void Update() = 0;
  virtual void BringToFront() = 0;
  virtual void SetNativeFocus() = 0;
  // The native control's own handling of an input message that no handler
  // of ours consumed (typing into an edit, toggling a check box, ...).
  virtual void DefaultHandler(TMessage& Message) = 0;
  // Paint events of the native control come to the control as WM_PAINT and
  // WM_NCPAINT; the default handling of WM_PAINT draws the native look.
  virtual void SetPaintHooks(bool On) { (void)On; }
  virtual void SetCaretVisible(bool Visible) { (void)Visible; }
  // WM_SETREDRAW: while off, nothing of the control is repainted.
  virtual void SetRedraw(bool On) { (void)On; }
};
