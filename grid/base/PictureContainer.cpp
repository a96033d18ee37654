#include "grid/base/PictureContainer.h"

#include "platform/sys/SysUtils.h"

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const TPersistent& Source) {
  const auto* item = dynamic_cast<const TPictureItem*>(&Source);
  if (!item) return TCollectionItem::Assign(Source);
  FPicture->Assign(item->Picture());
  FName = item->FName;
  FTag = item->FTag;
}

TPictureCollection::TPictureCollection(TPersistent* AOwner)
    : TCollection(AOwner, TCollection::ItemClass<TPictureItem>()) {}

bool TPictureCollection::Animate() {
  bool changed = false;
  for (int i = 0; i < Count(); ++i) changed = Items(i)->Picture()->Step() || changed;
  return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(const String& Name) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (SameText(FItems->Items(i)->Name(), Name)) return FItems->Items(i)->Picture();
  return nullptr;
}

THTMLPictureCache::THTMLPictureCache() = default;
THTMLPictureCache::~THTMLPictureCache() = default;

THTMLPicture* THTMLPictureCache::AddPicture() {
  FItems.push_back(std::make_unique<THTMLPicture>());
  return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& ID) const {
  for (const auto& picture : FItems)
    if (picture->ID() == ID) return picture.get();
  return nullptr;
}

bool THTMLPictureCache::Animate() {
  bool changed = false;
  for (const auto& picture : FItems) changed = picture->Step() || changed;
  return changed;
}

THTMLPicture* CachedPicture(THTMLPictureCache& Cache, const String& URL) {
  if (THTMLPicture* found = Cache.FindPicture(URL)) return found;
  THTMLPicture* picture = Cache.AddPicture();
  picture->SetAsynch(false);
  try {
    picture->LoadFromURL(URL);
  } catch (const Exception&) {
  }
  return picture;
}
