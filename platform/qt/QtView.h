#pragma once
// The toolkit side of a control: one widget per control, owned by the view.
// Input that reaches the widget is turned into our messages (platform/gui/
// Input.h); what our handlers leave to the native control comes back through
// DefaultHandler and is forwarded to the widget.
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/gui/ControlView.h"

class TCanvas;
class TControl;

namespace platform::qt {

// A native widget that draws its look with any painter, so that a paint
// hook can have it drawn into the control's canvas, under its clip.
class PaintsLook {
 public:
  virtual ~PaintsLook() = default;
  virtual void PaintLook(QPainter& Painter) = 0;
};

class QtView : public QObject, public TControlView {
 public:
  QtView(TControl& Control, std::unique_ptr<QWidget> Widget);
  ~QtView() override;

  QWidget* Widget() const { return FWidget.get(); }
  // The surface children sit on and mouse positions count from (the widget
  // itself, or the client area inside a frame).
  virtual QWidget* ClientWidget() const { return FWidget.get(); }
  TControl& Control() const { return FControl; }
  // Widgets made inside the native control later (pop-ups, editors) must be watched too.
  void Watch(QWidget* Child);

  void SetParentView(TControlView* Parent) override;
  void SetBounds(const TRect& Bounds) override;
  void SetVisible(bool Visible) override;
  void SetEnabled(bool Enabled) override;
  void SetCaption(const String& Caption) override;
  void SetColor(TColor Color) override;
  void SetFont(const TFont& Font) override;
  void SetCursor(int Cursor) override;
  void Invalidate() override;
  void InvalidateRect(const TRect& R) override;
  void Update() override;
  void BringToFront() override;
  void SetNativeFocus() override;
  void SetRegion(const TRegion* Region) override;
  void SetLayered(const TLayeredPicture* Picture) override;
  // Layered: the picture shown in place of painting (null: paint) and the window's alpha.
  const QImage* LayeredImage() const { return FLayeredImage.isNull() ? nullptr : &FLayeredImage; }
  qreal LayeredOpacity() const { return FLayeredOpacity; }
  void DefaultHandler(TMessage& Message) override;
  // Only a widget that paints its look anywhere can be hooked.
  void SetPaintHooks(bool On) override { FPaintHooks = On && dynamic_cast<PaintsLook*>(FWidget.get()); }
  void SetCaretVisible(bool Visible) override;
  // Turned on again, the toolkit repaints at once.
  void SetRedraw(bool On) override { FWidget->setUpdatesEnabled(On); }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  // The widget that gets forwarded input: the focus proxy or the child under the pointer.
  QWidget* KeyReceiver() const;
  // W is our surface or a part of it in the same window (not a pop-up of the native control).
  bool Inside(const QWidget* W) const;
  // A press that opened a pop-up of the native control (a drop-down list)
  // hands it the pointer: the release and every click until it closes are
  // the pop-up's, so our capture, which would never see the release, goes.
  void YieldCaptureToPopup();

 private:
  void ForwardKey(TMessage& Message);
  void ForwardMouse(TMessage& Message);
  // The paint event as WM_PAINT and WM_NCPAINT over the native look.
  void PaintHooked();
  void PaintNative(TCanvas& Canvas);
  TControl& FControl;
  std::unique_ptr<QWidget> FWidget;
  QImage FLayeredImage;
  qreal FLayeredOpacity = 1.0;
  bool FPaintHooks = false;
  // The first unit of a character of two, until its second arrives.
  Char FHighSurrogate = 0;
};

// Forwards Event to Receiver without our filters turning it into messages again.
void SendToNative(QWidget* Receiver, QEvent& Event);

// Marks a call into a widget's own code (one of its events or signals) while
// it runs: a handler inside may free the control, and the widget must live on
// until the call is over.
class NativeCall {
 public:
  NativeCall();
  ~NativeCall();
  NativeCall(const NativeCall&) = delete;
  NativeCall& operator=(const NativeCall&) = delete;
  static bool Busy();
};
// Deletes the widgets given up during native calls, once none runs.
void DeleteRetiredWidgets();
// The translation tables of the keyboard.
int VirtualKeyOfQtKey(int QtKey);
int QtKeyOfVirtualKey(int VirtualKey);
// Every key, those that type characters too, as the window system names it.
int QtKeyOfAnyVirtualKey(int VirtualKey);
Qt::KeyboardModifiers QtModifiers(unsigned ShiftBits);
unsigned ShiftBitsOfQt(Qt::KeyboardModifiers Mods, Qt::MouseButtons Buttons);
QString ToQString(const String& s);
String FromQString(const QString& s);
QColor ToQColor(TColor c);

}  // namespace platform::qt
