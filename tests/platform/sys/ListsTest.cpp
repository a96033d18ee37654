#include <gtest/gtest.h>

#include <vector>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Lists.h"

TEST(List, PointersMoveAndIndexErrorsRaise) {
  int a = 1, b = 2, c = 3;
  TList l;
  l.Add(&c);
  l.Add(&a);
  l.Insert(1, &b);  // c b a
  l.Move(0, 2);     // b a c
  l.Exchange(0, 1); // a b c
  EXPECT_EQ(l.Items(0), &a);
  EXPECT_EQ(l.Items(2), &c);
  EXPECT_EQ(l.Remove(&b), 1);
  EXPECT_EQ(l.Remove(&b), -1);
  l.Add(&b);
  l.Sort([](void* x, void* y) { return *static_cast<int*>(y) - *static_cast<int*>(x); });
  EXPECT_EQ(l.First(), &c);
  EXPECT_EQ(l.Last(), &a);
  EXPECT_THROW(l.Items(3), EListError);
  EXPECT_THROW(l.Insert(4, &a), EListError);
  EXPECT_THROW(l.Delete(-1), EListError);
}

namespace {

struct Col;
struct Entry : TCollectionItem {
  explicit Entry(TCollection* c) : TCollectionItem(c) {}
  ~Entry() override { ++freed; }
  void Assign(const TPersistent& src) override {
    if (auto* e = dynamic_cast<const Entry*>(&src)) {
      value = e->value;
      return;
    }
    TCollectionItem::Assign(src);
  }
  void Touch() { Changed(false); }
  int value = 0;
  static inline int freed = 0;
};

struct Col : TCollection {
  Col() : TCollection(nullptr, ItemClass<Entry>()) {}
  Entry* At(int i) const { return static_cast<Entry*>(Items(i)); }
  void Update(TCollectionItem* item) override { updates.push_back(item); }
  std::vector<TCollectionItem*> updates;
};

std::vector<int> Values(const Col& c) {
  std::vector<int> r;
  for (int i = 0; i < c.Count(); ++i) r.push_back(c.At(i)->value);
  return r;
}

}  // namespace

TEST(Collection, ItemsMoveKeepIdsAndAreOwned) {
  Entry::freed = 0;
  {
    Col c;
    for (int v : {10, 20, 30}) static_cast<Entry*>(c.Add())->value = v;
    static_cast<Entry*>(c.Insert(0))->value = 5;  // 5 10 20 30
    EXPECT_EQ(Values(c), (std::vector<int>{5, 10, 20, 30}));
    EXPECT_EQ(c.At(0)->ID(), 3);
    c.At(0)->SetIndex(3);  // 10 20 30 5
    EXPECT_EQ(Values(c), (std::vector<int>{10, 20, 30, 5}));
    EXPECT_EQ(c.At(3)->Index(), 3);
    EXPECT_EQ(c.FindItemID(3), c.At(3));
    c.Delete(1);
    EXPECT_EQ(Entry::freed, 1);
    delete c.At(0);  // an item freed leaves its collection
    EXPECT_EQ(Values(c), (std::vector<int>{30, 5}));
    EXPECT_THROW(c.Items(2), EListError);
  }
  EXPECT_EQ(Entry::freed, 4);
}

TEST(Collection, AssignCopiesItemsAndUpdatesOnceInBracket) {
  Col src, dst;
  for (int v : {1, 2}) static_cast<Entry*>(src.Add())->value = v;
  dst.Add();
  dst.updates.clear();
  dst.Assign(src);
  EXPECT_EQ(Values(dst), (std::vector<int>{1, 2}));
  EXPECT_NE(dst.At(0), src.At(0));
  EXPECT_EQ(dst.updates, std::vector<TCollectionItem*>{nullptr});  // one whole-collection update
  dst.updates.clear();
  dst.At(1)->Touch();
  EXPECT_EQ(dst.updates, std::vector<TCollectionItem*>{dst.At(1)});
}
