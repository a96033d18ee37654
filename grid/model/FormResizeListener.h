#pragma once
// Lets any number of grids follow their form's resizing. The form's OnResize
// becomes one relay (the handler the form had is kept and runs after the
// listeners); each listener is an object of its own that stops listening when
// it is destroyed, so grids may go in any order without the form calling
// into a freed one.
#include <memory>

#include "platform/gui/Forms.h"

struct TFormResizeListeners;

class TFormResizeListener {
 public:
  using THandler = std::function<void(TCustomForm& Form)>;
  // Starts listening to Form (installing the relay on first use).
  TFormResizeListener(TCustomForm& Form, THandler Handler);
  ~TFormResizeListener();
  TFormResizeListener(const TFormResizeListener&) = delete;
  TFormResizeListener& operator=(const TFormResizeListener&) = delete;

 private:
  std::shared_ptr<TFormResizeListeners> FListeners;
};
