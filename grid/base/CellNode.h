#pragma once
// The look of outline nodes: the node button kind, its glyphs and the tree lines.
#include "grid/base/EnumNames.h"
#include "grid/base/OptionProperty.h"
#include "platform/gui/Bitmap.h"
#include "platform/sys/Component.h"

GX_ENUM(TNodeType, cnFlat, cn3D, cnGlyph, cnLeaf, cnXP);

class TCellNode : public TPersistent {
 public:
  explicit TCellNode(TComponent* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TCellNode"; }
  // Copies every setting (glyphs too) from another TCellNode; other sources
  // are ignored. No notification.
  void Assign(const TPersistent& Source) override;
  TComponent* Owner() const { return FOwner; }

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor NodeColor() const { return FNodeColor; }
  void SetNodeColor(TColor Value) { FNodeColor = Value; }
  bool ExpandOne() const { return FExpandOne; }
  void SetExpandOne(bool Value) { FExpandOne = Value; }
  TBitmap* ExpandGlyph() { return &FExpandGlyph; }
  void SetExpandGlyph(const TBitmap& Value) { FExpandGlyph.Assign(Value); }
  TBitmap* ContractGlyph() { return &FContractGlyph; }
  void SetContractGlyph(const TBitmap& Value) { FContractGlyph.Assign(Value); }

  // These repaint the grid (OnChange) when they change.
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value) { Store(FNodeType, Value); }
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value) { Store(FShowTree, Value); }
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value) { Store(FShowTreeFull, Value); }
  int NodeIndent() const { return FNodeIndent; }  // pixels per node level
  void SetNodeIndent(int Value) { Store(FNodeIndent, Value); }
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value) { Store(FTreeColor, Value); }

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (StoreChanged(Field, Value) && OnChange) OnChange(this);
  }

  TComponent* FOwner;
  TColor FColor = clSilver;
  TNodeType FNodeType = cnXP;
  TColor FNodeColor = clBlack;
  TBitmap FExpandGlyph;
  bool FExpandOne = false;
  TBitmap FContractGlyph;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int FNodeIndent = 12;
  TColor FTreeColor = clGray;
};
