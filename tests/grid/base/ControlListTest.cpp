#include <gtest/gtest.h>

#include "grid/base/ControlList.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/sys/Exceptions.h"

TEST(ControlList, FindsAndRemovesItemsButNeverFreesControls) {
  TPanel owner(nullptr);
  auto* a = new TShape(&owner);  // owned by the panel
  auto* b = new TShape(&owner);
  TControlList list;
  list.AddControl(1, 2, a);
  list.AddControl(3, 4, b);
  list.AddControl(1, 2, b);
  EXPECT_EQ(list.ControlIndex(1, 2), 0);
  EXPECT_EQ(list.ControlIndex(3, 4), 1);
  EXPECT_EQ(list.ControlIndex(2, 1), -1);
  EXPECT_EQ(list.Control(1)->Control(), b);
  EXPECT_EQ(list.Control(1)->X(), 3);
  EXPECT_EQ(list.Control(1)->Y(), 4);
  list.RemoveControl(0);
  EXPECT_EQ(list.ControlIndex(1, 2), 1);
  EXPECT_EQ(owner.ComponentCount(), 2);  // both shapes still alive
  EXPECT_THROW(list.RemoveControl(2), EListError);
  EXPECT_THROW(list.Control(-1), EListError);
}

TEST(ControlList, HasHandleOnlyForWindowedControls) {
  TPanel owner(nullptr);
  auto* shape = new TShape(&owner);
  auto* panel = new TPanel(&owner);
  TControlList list;
  list.AddControl(0, 0, shape);
  EXPECT_FALSE(list.HasHandle(owner.Handle()));
  list.AddControl(0, 1, panel);
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_FALSE(list.HasHandle(owner.Handle()));
  EXPECT_FALSE(panel->HandleAllocated());  // asking made no window
  EXPECT_TRUE(list.HasHandle(panel->Handle()));
}
