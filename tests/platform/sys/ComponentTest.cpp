#include <gtest/gtest.h>

#include "platform/sys/Component.h"
#include "platform/sys/Exceptions.h"

namespace {

struct Probe : TComponent {
  Probe(TComponent* owner, int* freed = nullptr) : TComponent(owner), freed_(freed) {}
  ~Probe() override {
    if (freed_) ++*freed_;
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == link) link = nullptr;
  }
  void Loaded() override { loaded_seen_loading = Loading(); ++loaded; }
  TComponent* link = nullptr;
  int* freed_;
  int loaded = 0;
  bool loaded_seen_loading = true;
};

}  // namespace

TEST(Component, OwnerFreesOwnedAndFreedChildLeavesOwner) {
  int freed = 0;
  auto owner = std::make_unique<Probe>(nullptr);
  auto* a = new Probe(owner.get(), &freed);
  new Probe(a, &freed);  // grandchild, owned by a
  new Probe(owner.get(), &freed);
  ASSERT_EQ(owner->ComponentCount(), 2);
  delete a;  // frees its own child too and leaves the owner's list
  EXPECT_EQ(freed, 2);
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner.reset();
  EXPECT_EQ(freed, 3);
}

TEST(Component, LinkIsClearedWhenTargetIsFreed) {
  Probe holder(nullptr);
  auto* target = new Probe(nullptr);
  holder.link = target;
  target->FreeNotification(&holder);
  delete target;
  EXPECT_EQ(holder.link, nullptr);
}

TEST(Component, HolderFreedFirstLeavesNoDanglingNotification) {
  Probe target(nullptr);
  {
    Probe holder(nullptr);
    holder.link = &target;
    target.FreeNotification(&holder);
  }
  // target's destructor must not call into the freed holder (ASan checks).
}

TEST(Component, FindComponentIgnoresCaseAndIndexErrorsRaise) {
  Probe owner(nullptr);
  auto* c = new Probe(&owner);
  c->SetName(u"Btn_OK");
  EXPECT_EQ(owner.FindComponent(u"btn_ok"), c);
  EXPECT_EQ(owner.FindComponent(u"other"), nullptr);
  EXPECT_THROW(owner.Components(1), EListError);
}

TEST(Component, LoadingBracketEndsWithLoaded) {
  Probe p(nullptr);
  p.BeginLoading();
  EXPECT_TRUE(p.Loading());
  p.EndLoading();
  EXPECT_EQ(p.loaded, 1);
  EXPECT_FALSE(p.loaded_seen_loading);
}

TEST(Persistent, AssignOfUnrelatedClassesRaises) {
  TPersistent a, b;
  EXPECT_THROW(a.Assign(b), EConvertError);
}
