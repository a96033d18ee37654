#pragma once
// Saving column widths and stretching a column to fill the grid.
#include "grid/base/EnumNames.h"
#include "platform/sys/Component.h"

GX_ENUM(TColumnSizeLocation, clRegistry, clIniFile);

GX_ENUM(TAutoSizeRows, arAll, arNormal, arFixed);

class TColumnSize : public TPersistent {
 public:
  explicit TColumnSize(TComponent* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TColumnSize"; }
  // Copies from another TColumnSize only (Stretch as the bare flag, so
  // nothing is stretched); other sources are ignored.
  void Assign(const TPersistent& Source) override;
  TComponent* Owner() const { return FOwner; }

  bool Save() const { return FSave; }
  void SetSave(bool Value) { FSave = Value; }
  const String& Key() const { return FKey; }
  void SetKey(const String& Value) { FKey = Value; }
  const String& Section() const { return FSection; }
  void SetSection(const String& Value) { FSection = Value; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);  // stores, then OnStretch re-stretches the columns
  int StretchColumn() const { return FStretchColumn; }  // -1: the last column
  void SetStretchColumn(int Value) { FStretchColumn = Value; }
  bool SynchWithGrid() const { return FSynchWithGrid; }
  void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
  bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
  void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
  TColumnSizeLocation Location() const { return FLocation; }
  void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
  TAutoSizeRows Rows() const { return FRows; }
  void SetRows(TAutoSizeRows Value) { FRows = Value; }

  TNotifyEvent OnStretch;

 private:
  TComponent* FOwner;
  bool FSave = false;
  String FKey;
  String FSection;
  bool FStretch = false;
  int FStretchColumn = -1;
  bool FSynchWithGrid = false;
  bool FSynchNormalCellsOnly = false;
  TColumnSizeLocation FLocation = clRegistry;
  TAutoSizeRows FRows = arAll;
};
