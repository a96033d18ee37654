#pragma once
// The persistent/component model: a component is owned by at most one owner,
// which frees it; components linked to another one are told when it goes
// (FreeNotification), so that no link dangles. Objects built in code set
// their properties inside a loading bracket and then get Loaded().
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/sys/String.h"

enum TOperation { opInsert, opRemove };

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  // Copies Source's state into this object; raises EConvertError when the
  // two classes cannot be assigned (after giving Source's AssignTo a chance).
  virtual void Assign(const TPersistent& Source);
  virtual String ClassName() const;

 protected:
  virtual void AssignTo(TPersistent& Dest) const;
};

// The root of the class tree: every object that lists own, events send as
// Sender or Assign copies is a TPersistent (virtual destructor, so an owning
// list may free it).
using TObject = TPersistent;
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Fires an event through a copy of its handler: the handler may free the
// object that holds the event, and with it the handler's own captures.
template <class Event, class... Args>
void FireEvent(const Event& Handler, Args&&... A) {
  if (!Handler) return;
  const Event copy = Handler;
  copy(std::forward<Args>(A)...);
}

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csDestroying = 1u << 1,
  csDesigning = 1u << 2,
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;
  TComponent* FindComponent(const String& AName) const;

  unsigned ComponentState() const { return FComponentState; }
  bool Loading() const { return (FComponentState & csLoading) != 0; }
  bool Destroying() const { return (FComponentState & csDestroying) != 0; }

  // Takes AComponent into this owner's list (and out of its old owner's).
  void InsertComponent(TComponent* AComponent);
  // Gives up ownership without freeing.
  void RemoveComponent(TComponent* AComponent);

  // AComponent will call this component's Notification(opRemove) when freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // The loading bracket: properties set in between see Loading() true.
  void BeginLoading() { FComponentState |= csLoading; }
  void EndLoading();

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded() {}
  // Marks this and every owned component as being destroyed.
  void Destroying_();
  // Frees the owned components, newest first. A destructor whose owned
  // components call back into it frees them itself, while it is still whole.
  void DestroyComponents();

 private:
  friend class TFreeWatch;
  void DetachFromAll();

  TComponent* FOwner = nullptr;
  String FName;
  int FTag = 0;
  unsigned FComponentState = 0;
  std::vector<TComponent*> FComponents;       // owned
  std::vector<TComponent*> FFreeNotifies;     // told when this one goes
  mutable std::shared_ptr<const bool> FAlive;  // made when first watched
};

// Watches a component across a call that may free it (an event handler, a
// modal loop), so that the caller does not touch it afterwards.
class TFreeWatch {
 public:
  explicit TFreeWatch(const TComponent& Watched);
  bool Freed() const { return FAlive.expired(); }

 private:
  std::weak_ptr<const bool> FAlive;
};
