#include "platform/sys/Component.h"

#include <algorithm>
#include <typeinfo>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

namespace {
template <class T>
void Erase(std::vector<T*>& v, T* item) {
  v.erase(std::remove(v.begin(), v.end(), item), v.end());
}
}  // namespace

void TPersistent::Assign(const TPersistent& Source) { Source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& Dest) const {
  throw EConvertError(u"Cannot assign a " + ClassName() + u" to a " + Dest.ClassName());
}

String TPersistent::ClassName() const {
  // typeid names are mangled; strip the length prefix of a plain class name.
  std::string n = typeid(*this).name();
  size_t i = 0;
  while (i < n.size() && n[i] >= '0' && n[i] <= '9') ++i;
  return Utf8ToString(i > 0 && i < n.size() ? n.substr(i) : n);
}

TFreeWatch::TFreeWatch(const TComponent& Watched) {
  if (!Watched.FAlive) Watched.FAlive = std::make_shared<const bool>(true);
  FAlive = Watched.FAlive;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying_();
  DetachFromAll();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  // Each removes itself from the list.
  while (!FComponents.empty()) delete FComponents.back();
}

void TComponent::Destroying_() {
  if (Destroying()) return;
  FComponentState |= csDestroying;
  for (TComponent* c : FComponents) c->Destroying_();
}

void TComponent::DetachFromAll() {
  // Tell everyone linked to this component, and the owner, that it goes.
  std::vector<TComponent*> notifies;
  notifies.swap(FFreeNotifies);
  for (TComponent* c : notifies) {
    Erase(c->FFreeNotifies, this);
    c->Notification(this, opRemove);
  }
  if (FOwner) FOwner->Notification(this, opRemove);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    RaiseListIndexError(Index);
  return FComponents[static_cast<size_t>(Index)];
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (SameText(c->Name(), AName)) return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  Erase(FComponents, AComponent);
  AComponent->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
      AComponent->FFreeNotifies.end())
    AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  Erase(FFreeNotifies, AComponent);
  Erase(AComponent->FFreeNotifies, this);
}

void TComponent::EndLoading() {
  FComponentState &= ~static_cast<unsigned>(csLoading);
  Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}
