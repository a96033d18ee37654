#pragma once
// One table per settings class drives three checks: every option starts at
// its default, its setter reports a change (or not) as the class promises,
// and Assign copies it (or keeps the target's own).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/sys/Component.h"

enum TNotifyKind {
  nkNone,     // a plain store
  nkAlways,   // reports every write
  nkChanged,  // reports a write that changes the value
};

template <class T>
struct TOptionRow {
  std::string Name;
  std::function<bool(const T&)> IsDefault;
  std::function<void(T&)> SetDefault;  // writes the default again
  std::function<void(T&)> SetOther;    // writes a value other than the default
  std::function<bool(const T&, const T&)> Same;
  bool Copied;
  TNotifyKind Notify;
};

// A row from a getter, a setter, the default and another value.
template <class T, class G, class V>
TOptionRow<T> Opt(std::string Name, G (T::*Get)() const, void (T::*Set)(V),
                  std::type_identity_t<std::decay_t<V>> Default,
                  std::type_identity_t<std::decay_t<V>> Other, bool Copied,
                  TNotifyKind Notify = nkNone) {
  return {Name,
          [=](const T& o) { return (o.*Get)() == Default; },
          [=](T& o) { (o.*Set)(Default); },
          [=](T& o) { (o.*Set)(Other); },
          [=](const T& a, const T& b) { return (a.*Get)() == (b.*Get)(); },
          Copied,
          Notify};
}

template <class T>
using TMake = std::function<std::unique_ptr<T>()>;

template <class T>
void ExpectDefaults(const std::vector<TOptionRow<T>>& Rows, const TMake<T>& Make) {
  auto o = Make();
  for (const auto& row : Rows) EXPECT_TRUE(row.IsDefault(*o)) << row.Name;
}

// Counts OnChange of an object while each row's setter writes the same
// value, then another one.
template <class T>
void ExpectNotifications(const std::vector<TOptionRow<T>>& Rows, const TMake<T>& Make) {
  for (const auto& row : Rows) {
    auto o = Make();
    int changes = 0;
    o->OnChange = [&](TObject* Sender) {
      EXPECT_EQ(Sender, o.get());
      ++changes;
    };
    row.SetDefault(*o);
    EXPECT_EQ(changes, row.Notify == nkAlways ? 1 : 0) << row.Name << " written unchanged";
    changes = 0;
    row.SetOther(*o);
    EXPECT_EQ(changes, row.Notify == nkNone ? 0 : 1) << row.Name << " changed";
  }
}

// Assign from a source that differs in one option, which tells nobody.
template <class T>
void ExpectAssign(const std::vector<TOptionRow<T>>& Rows, const TMake<T>& Make) {
  for (const auto& row : Rows) {
    auto src = Make();
    auto dst = Make();
    row.SetOther(*src);
    ASSERT_FALSE(row.Same(*dst, *src)) << row.Name;
    int changes = 0;
    if constexpr (requires { dst->OnChange; }) dst->OnChange = [&](TObject*) { ++changes; };
    dst->Assign(*src);
    EXPECT_EQ(row.Same(*dst, *src), row.Copied) << row.Name;
    EXPECT_EQ(changes, 0) << row.Name << ": Assign reports no change";
  }
}

// Another class's object as an Assign source.
class TForeign : public TPersistent {};

// A source of another class leaves every option as it was.
template <class T>
void ExpectForeignIgnored(const std::vector<TOptionRow<T>>& Rows, const TMake<T>& Make) {
  auto o = Make();
  for (const auto& row : Rows) row.SetOther(*o);
  auto before = Make();
  for (const auto& row : Rows) row.SetOther(*before);
  o->Assign(TForeign());
  for (const auto& row : Rows) EXPECT_TRUE(row.Same(*o, *before)) << row.Name;
}
