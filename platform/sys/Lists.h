#pragma once
// TList: a list of untyped pointers (owns nothing). TCollection: a list of
// TCollectionItem objects it creates through its item factory and owns.
#include <functional>
#include <memory>
#include <vector>

#include "platform/sys/Component.h"

class TList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  void* Items(int Index) const;
  void SetItems(int Index, void* Item);
  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  // Removes the first occurrence; answers its index or -1.
  int Remove(void* Item);
  int IndexOf(const void* Item) const;
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  void Sort(const std::function<int(void* Item1, void* Item2)>& Compare);  // stable
  void Clear() { FItems.clear(); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

 private:
  void CheckIndex(int Index) const;
  std::vector<void*> FItems;
};

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins Collection (at the end) when given.
  explicit TCollectionItem(TCollection* Collection);
  // Leaves its collection.
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* Value);
  int ID() const { return FID; }
  int Index() const;
  // Moves the item within its collection.
  void SetIndex(int Value);
  virtual String DisplayName() const { return ClassName(); }

 protected:
  // Tells the collection: AllItems false updates this item only.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

using TCollectionItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection* Collection)>;

class TCollection : public TPersistent {
 public:
  TCollection(TPersistent* AOwner, TCollectionItemFactory ItemFactory);
  ~TCollection() override;

  // The factory for items of class T (constructed as T(TCollection*)).
  template <class T>
  static TCollectionItemFactory ItemClass() {
    return [](TCollection* c) { return std::make_unique<T>(c); };
  }

  TPersistent* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  // Copies Source's items: new items of this collection's class, each
  // given its source item through Assign.
  void Assign(const TPersistent& Source) override;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

 protected:
  // Item is the changed item, or nullptr when the whole collection changed.
  virtual void Update(TCollectionItem* Item) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void MoveItem(TCollectionItem* Item, int NewIndex);

  TPersistent* FOwner;
  TCollectionItemFactory FItemFactory;
  std::vector<TCollectionItem*> FItems;  // owned: freed by Delete, Clear and the destructor
  int FNextID = 0;
  int FUpdateCount = 0;
};
