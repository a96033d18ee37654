#pragma once
// Where mini-HTML pictures come from: a container of named pictures that a
// grid can be linked to, and the per-grid cache of pictures loaded by URL.
#include <memory>
#include <vector>

#include "grid/base/HTMLPicture.h"
#include "platform/sys/Component.h"
#include "platform/sys/Lists.h"

class TPictureItem : public TCollectionItem {
 public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  String ClassName() const override { return u"TPictureItem"; }
  void Assign(const TPersistent& Source) override;

  THTMLPicture* Picture() const { return FPicture.get(); }
  // Copies Value's picture.
  void SetPicture(const THTMLPicture* Value) { FPicture->Assign(Value); }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

 private:
  std::unique_ptr<THTMLPicture> FPicture;
  String FName;
  int FTag = 0;
};

class TPictureCollection : public TCollection {
 public:
  explicit TPictureCollection(TPersistent* AOwner);
  String ClassName() const override { return u"TPictureCollection"; }
  TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
  TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
  TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
  // Steps every picture; True when any changed its frame.
  bool Animate();
};

class TPictureContainer : public TComponent {
 public:
  explicit TPictureContainer(TComponent* AOwner);
  ~TPictureContainer() override;
  String ClassName() const override { return u"TPictureContainer"; }

  TPictureCollection* Items() const { return FItems.get(); }
  // Copies Value's items.
  void SetItems(const TPictureCollection& Value) { FItems->Assign(Value); }
  // The first item's picture whose name equals Name in any ASCII case, or nullptr.
  virtual THTMLPicture* FindPicture(const String& Name) const;

 private:
  std::unique_ptr<TPictureCollection> FItems;
};

class THTMLPictureCache {
 public:
  THTMLPictureCache();
  ~THTMLPictureCache();
  THTMLPictureCache(const THTMLPictureCache&) = delete;
  THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  THTMLPicture* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
  THTMLPicture* AddPicture();
  // The first picture whose ID equals ID exactly, or nullptr.
  THTMLPicture* FindPicture(const String& ID) const;
  void ClearPictures() { FItems.clear(); }
  // Steps every picture; True when any changed its frame.
  bool Animate();

 private:
  std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

// The cache's picture of URL; a new one, loaded at once, when the cache has
// none. A picture that cannot be loaded stays empty and is not tried again.
THTMLPicture* CachedPicture(THTMLPictureCache& Cache, const String& URL);
