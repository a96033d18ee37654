#pragma once
// The column layout as a stream record: one component record of class
// TAdvColumnGridIO whose property Items is the column collection, each item
// with its published properties by name and typed value, in the platform's
// component record (platform/sys/ComponentStream.h) with this record's own
// tags: 4-byte integers, UTF-16 texts, a collection of property lists.
// Unknown properties are skipped on reading.
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
