#pragma once
// The column layout as a stream record: one component record of class
// TAdvColumnGridIO whose property Items is the column collection, each item
// with its published properties by name and typed value. The record has the
// binary component-stream layout: "TPF0", the class name, the component name,
// then properties, each a name and a tagged value; a collection is a list of
// property lists. Unknown properties are skipped on reading.
#include <memory>

#include "grid/model/GridColumnCollection.h"
#include "platform/sys/Component.h"

class TStream;

class TAdvColumnGridIO : public TComponent {
 public:
  // Items is made for Grid (its updates of the grid are switched off).
  TAdvColumnGridIO(TComponent* AOwner, TAdvColumnGrid* Grid);
  String ClassName() const override { return u"TAdvColumnGridIO"; }

  TGridColumnCollection* Items() const { return FItems.get(); }
  void WriteTo(TStream& st) const;
  // EReadError "Invalid stream format" for a record that is not one of these.
  void ReadFrom(TStream& st);

 private:
  std::unique_ptr<TGridColumnCollection> FItems;
};
