#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/model/FormResizeListener.h"

namespace {

struct FormResize : ::testing::Test {
  TForm Form{nullptr};
  std::vector<std::string> Calls;
  std::unique_ptr<TFormResizeListener> Listen(std::string Name) {
    return std::make_unique<TFormResizeListener>(Form,
                                                 [this, Name](TCustomForm&) { Calls.push_back(Name); });
  }
  void Resize() {
    Calls.clear();
    Form.SetBounds(0, 0, Form.Width() + 10, Form.Height() + 10);
  }
};

TEST_F(FormResize, TwoListenersGoInEitherOrderAndTheFormsHandlerKeepsRunning) {
  for (bool firstGoesFirst : {true, false}) {
    Form.OnResize = [this](TObject*) { Calls.push_back("form"); };
    auto a = Listen("a");
    auto b = Listen("b");
    Resize();
    EXPECT_EQ(Calls, (std::vector<std::string>{"a", "b", "form"}));
    (firstGoesFirst ? a : b).reset();
    Resize();
    EXPECT_EQ(Calls, (std::vector<std::string>{firstGoesFirst ? "b" : "a", "form"}));
    a.reset();
    b.reset();
    Resize();
    EXPECT_EQ(Calls, (std::vector<std::string>{"form"}));
  }
}

TEST_F(FormResize, FailingFormHandlerDoesNotStopTheGrids) {
  Form.OnResize = [](TObject*) { throw std::runtime_error("form handler"); };
  auto a = Listen("a");
  EXPECT_NO_THROW(Resize());
  EXPECT_EQ(Calls, (std::vector<std::string>{"a"}));
}

TEST_F(FormResize, ListenerRemovedByAnotherDuringResizeIsNotCalled) {
  std::unique_ptr<TFormResizeListener> b;
  auto a = std::make_unique<TFormResizeListener>(Form, [&](TCustomForm&) {
    Calls.push_back("a");
    b.reset();
  });
  b = Listen("b");
  Resize();
  EXPECT_EQ(Calls, (std::vector<std::string>{"a"}));
}

}  // namespace
