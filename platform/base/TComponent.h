#pragma once
// Components: objects with an owner that frees them, a name unique among their siblings, and removal
// notices for the components that refer to them.
#include <new>
#include <vector>

#include "platform/base/TPersistent.h"
#include "platform/base/TSet.h"

enum TComponentStateItem {
  csLoading,           // being built: stored properties are being assigned, Loaded is still to come
  csReading,           // its properties are being assigned by a form builder
  csWriting,           // its properties are being written out
  csDestroying,        // its destruction has begun
  csDesigning,         // never set: there is no form designer
  csAncestor,          // never set
  csUpdating,          // between Updating and Updated
  csFixups,            // never set
  csFreeNotification,  // some component has registered for its removal notice
  csInline,            // never set
  csDesignInstance     // never set
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

/// A component owned by another component (or by nobody). The owner frees what it owns; Components()
/// lists the owned components in creation order. A component that refers to one it does not own registers
/// with FreeNotification and is told by Notification(..., opRemove) before that component goes away.
///
/// A component with an owner is created with new: the owner deletes it.
///
/// Destruction: `delete` (also of a component that has an owner) first marks the component and its owned
/// components csDestroying and sends every removal notice while the object is still whole, then runs the
/// destructors; owned components are destroyed last created first, after the owner's own destructor body.
/// A component that is not deleted (a local or a member) sends its notices from its destructor instead.
class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  /// Runs the removal notices with the object whole, then destroys it (see the class comment).
  static void operator delete(TComponent* Component, std::destroying_delete_t);
  // The ordinary pair: allocation, and the release of the memory when a constructor raises.
  static void* operator new(std::size_t Size);
  static void operator delete(void* Memory);

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  /// The owned component at Index; a bad index raises EListError "List index out of bounds (%d)".
  TComponent* Components(int Index) const;
  /// Position in the owner's list (-1 without an owner); SetComponentIndex moves it there (clamped).
  int ComponentIndex() const;
  void SetComponentIndex(int Value);

  const String& Name() const { return FName; }
  /// Renames the component. The name must be empty or an identifier (ASCII letter or "_", then letters,
  /// digits or "_"), else EComponentError "'<name>' is not a valid component name"; a sibling of the same
  /// name (ignoring case) raises EComponentError "A component named <name> already exists".
  virtual void SetName(const String& NewName);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }

  /// The owned component of that name, compared ignoring case; nullptr when none (or for an empty name).
  TComponent* FindComponent(const String& AName) const;
  /// Makes AComponent one of the owned components (taking it from its former owner) and tells this
  /// component and its owned components with Notification(AComponent, opInsert).
  void InsertComponent(TComponent* AComponent);
  /// Tells this component and its owned components with Notification(AComponent, opRemove), then takes
  /// AComponent out of the owned components; it is not freed.
  void RemoveComponent(TComponent* AComponent);
  /// Frees every owned component, last created first.
  void DestroyComponents();
  /// Marks this component and, recursively, its owned components csDestroying.
  void Destroying();

  /// Registers AComponent for this component's removal notice. The registration is two-way, so whichever
  /// of the two goes first tells the other and no reference is left dangling.
  void FreeNotification(TComponent* AComponent);
  /// Withdraws a registration made by FreeNotification, in both directions.
  void RemoveFreeNotification(TComponent* AComponent);

  /// The loading bracket of a form builder: BeginLoading puts this component and every component it owns
  /// (recursively, also those created before EndLoading) into csLoading and csReading; EndLoading clears
  /// csReading and then calls Loaded once on each of them: this component first, then its owned components
  /// depth first, each level in creation order.
  void BeginLoading();
  void EndLoading();

protected:
  /// Called once after a form builder has set every property and reference; clears csLoading.
  virtual void Loaded();
  /// AComponent was inserted into or is being removed from this component (or an owner above it, which
  /// forwarded the notice), or a component registered with FreeNotification is going away. Overrides clear their references to
  /// AComponent on opRemove and call this base, which forwards the notice to the owned components.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  /// Enter and leave csUpdating.
  virtual void Updating();
  virtual void Updated();

  /// Runs first when the component is deleted, while the object is still whole: marks it csDestroying and
  /// sends the removal notices. Overrides stop whatever other threads could still call into the object,
  /// then call this base. A component that is not deleted runs only this base, from ~TComponent.
  virtual void BeforeDestruction();

private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void ValidateRename(const String& CurName, const String& NewName) const;
  void EnterLoading();
  void CollectLoading(std::vector<TComponent*>& List);
  /// True when AComponent is owned by this component or by one it owns, at any depth.
  bool OwnsTransitively(const TComponent* AComponent) const;
  void Unlink(TComponent* AComponent);

  TComponent* FOwner { nullptr };
  String FName;
  int FTag { 0 };
  TComponentState FComponentState;
  bool FRemovalAnnounced { false };
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
