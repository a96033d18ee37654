#include "grid/model/FormResizeListener.h"

#include <algorithm>
#include <vector>

struct TFormResizeListeners {
  struct Entry {
    const TFormResizeListener* Owner;
    TFormResizeListener::THandler Handler;
  };
  std::vector<Entry> Entries;
  TNotifyEvent Previous;  // the form's handler before the first grid came
};

namespace {

// The form's OnResize: every listener, then the form's own handler, whose
// failures do not concern the grids.
struct TResizeRelay {
  std::shared_ptr<TFormResizeListeners> Listeners;
  TCustomForm* Form;

  void operator()(TObject* Sender) const {
    const auto keep = Listeners;  // a handler may remove listeners meanwhile
    const auto entries = keep->Entries;
    for (const auto& e : entries) {
      const bool stillThere =
          std::any_of(keep->Entries.begin(), keep->Entries.end(),
                      [&](const auto& x) { return x.Owner == e.Owner; });
      if (stillThere) e.Handler(*Form);
    }
    if (!keep->Previous) return;
    try {
      keep->Previous(Sender);
    } catch (...) {
    }
  }
};

std::shared_ptr<TFormResizeListeners> RelayOf(TCustomForm& Form) {
  if (const auto* relay = Form.OnResize.target<TResizeRelay>()) return relay->Listeners;
  auto listeners = std::make_shared<TFormResizeListeners>();
  listeners->Previous = std::move(Form.OnResize);
  Form.OnResize = TResizeRelay{listeners, &Form};
  return listeners;
}

}  // namespace

TFormResizeListener::TFormResizeListener(TCustomForm& Form, THandler Handler)
    : FListeners(RelayOf(Form)) {
  FListeners->Entries.push_back({this, std::move(Handler)});
}

TFormResizeListener::~TFormResizeListener() {
  auto& e = FListeners->Entries;
  e.erase(std::remove_if(e.begin(), e.end(), [this](const auto& x) { return x.Owner == this; }),
          e.end());
}
