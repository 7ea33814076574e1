#include "platform/base/TComponent.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

bool IsIdentStart(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
bool IsIdentChar(char C) { return IsIdentStart(C) || (C >= '0' && C <= '9'); }

bool IsValidIdent(const String& S) {
  return !S.empty() && IsIdentStart(S[0]) && std::all_of(S.begin() + 1, S.end(), IsIdentChar);
}

template <class T> bool Contains(const std::vector<T*>& List, const T* Item) {
  return std::find(List.begin(), List.end(), Item) != List.end();
}

template <class T> void Erase(std::vector<T*>& List, const T* Item) {
  auto it = std::find(List.begin(), List.end(), Item);
  if (it != List.end()) List.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Components that are not destroyed through delete (on the stack, members) announce their removal here.
  BeforeDestruction();
  DestroyComponents();
  if (FOwner) FOwner->Remove(this);
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t) {
  Component->BeforeDestruction();
  Component->~TComponent();
  ::operator delete(Component);
}

// Out of line on purpose: the compiler then pairs this allocation with the class's own deallocations.
void* TComponent::operator new(std::size_t Size) { return ::operator new(Size); }

void TComponent::operator delete(void* Memory) { ::operator delete(Memory); }

void TComponent::BeforeDestruction() {
  if (FRemovalAnnounced) return;
  FRemovalAnnounced = true;
  Destroying();
  // Each link is cut before its notice, so a receiver that frees other components finds the lists
  // consistent. Components sharing our owner hear of it through the owner's notice below.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    Unlink(other);
    if (!FOwner || other->FOwner != FOwner) other->Notification(this, opRemove);
  }
  if (FOwner) FOwner->Notification(this, opRemove);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return FComponents[size_t(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& siblings = FOwner->FComponents;
  return int(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetComponentIndex(int Value) {
  if (!FOwner) return;
  auto& siblings = FOwner->FComponents;
  Erase(siblings, this);
  Value = std::clamp(Value, 0, int(siblings.size()));
  siblings.insert(siblings.begin() + Value, this);
}

void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(Format("'%s' is not a valid component name", NewName));
  if (FOwner) FOwner->ValidateRename(FName, NewName);
  FName = NewName;
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->FName, AName)) return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  if (AComponent == this || AComponent->OwnsTransitively(this))
    throw EComponentError("A component cannot own itself or one of its owners");
  ValidateRename("", AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csReading)) AComponent->EnterLoading();
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::DestroyComponents() {
  // Each component takes itself out of the list as it is destroyed.
  while (!FComponents.empty()) delete FComponents.back();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents) component->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
  // A component whose removal has been announced will never send another notice: a link to it would dangle.
  if (!AComponent || AComponent == this || FRemovalAnnounced || AComponent->FRemovalAnnounced) return;
  if (Contains(FFreeNotifies, AComponent)) return;
  FFreeNotifies.push_back(AComponent);
  AComponent->FFreeNotifies.push_back(this);
  FComponentState.Include(csFreeNotification);
  AComponent->FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (AComponent) Unlink(AComponent);
}

void TComponent::BeginLoading() { EnterLoading(); }

void TComponent::EndLoading() {
  std::vector<TComponent*> loading;
  CollectLoading(loading);
  for (TComponent* component : loading) component->FComponentState.Exclude(csReading);
  // A Loaded handler may free components further down the list: each is checked to be still ours and
  // still waiting for its Loaded before the call.
  for (TComponent* component : loading)
    if ((component == this || OwnsTransitively(component)) && component->FComponentState.Contains(csLoading))
      component->Loaded();
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // A receiver may free other owned components: the index is pulled back into range after each call.
  int i = ComponentCount() - 1;
  while (i >= 0) {
    FComponents[size_t(i)]->Notification(AComponent, Operation);
    --i;
    if (i >= ComponentCount()) i = ComponentCount() - 1;
  }
}

void TComponent::Updating() { FComponentState.Include(csUpdating); }

void TComponent::Updated() { FComponentState.Exclude(csUpdating); }

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  Erase(FComponents, AComponent);
  AComponent->FOwner = nullptr;
}

void TComponent::ValidateRename(const String& CurName, const String& NewName) const {
  if (!NewName.empty() && !SameText(CurName, NewName) && FindComponent(NewName))
    throw EComponentError(Format("A component named %s already exists", NewName));
}

void TComponent::EnterLoading() {
  FComponentState += TComponentState { csLoading, csReading };
  for (TComponent* component : FComponents) component->EnterLoading();
}

void TComponent::CollectLoading(std::vector<TComponent*>& List) {
  if (FComponentState.Contains(csReading)) List.push_back(this);
  for (TComponent* component : FComponents) component->CollectLoading(List);
}

bool TComponent::OwnsTransitively(const TComponent* AComponent) const {
  // Searches downwards and only compares addresses, so AComponent may already have been freed.
  for (const TComponent* component : FComponents)
    if (component == AComponent || component->OwnsTransitively(AComponent)) return true;
  return false;
}

void TComponent::Unlink(TComponent* AComponent) {
  Erase(FFreeNotifies, AComponent);
  Erase(AComponent->FFreeNotifies, this);
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
  if (AComponent->FFreeNotifies.empty()) AComponent->FComponentState.Exclude(csFreeNotification);
}
