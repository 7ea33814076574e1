#pragma once
// The components a dialog component borrows through its properties.
#include <functional>
#include <vector>

#include "platform/base/TComponent.h"

/// The borrowed references (slots) of a component, Owner, and the removal notices they need: a component
/// is followed while any slot holds it, and a freed one is cleared from every slot that held it.
class TskBorrowedComponents {
public:
  /// Each slot is a member of Owner and lives as long as this object.
  template <class... T>
  explicit TskBorrowedComponents(TComponent* Owner, T*&... Slots) : FOwner(Owner) {
    (AddSlot(Slots), ...);
  }
  TskBorrowedComponents(const TskBorrowedComponents&) = delete;
  TskBorrowedComponents& operator=(const TskBorrowedComponents&) = delete;

  /// Slot := Value, following Value; the former value is no longer followed unless another slot holds it.
  template <class T> void Set(T*& Slot, T* Value) {
    T* Old = Slot;
    Slot = Value;
    Replaced(Old, Value);
  }
  /// Clears every slot holding AComponent: Owner's answer to its removal notice.
  void Forget(TComponent* AComponent);

private:
  struct TSlot {
    std::function<TComponent*()> Get;
    std::function<void()> Clear;
  };

  template <class T> void AddSlot(T*& Slot) {
    FSlots.push_back({ [&Slot]() -> TComponent* { return Slot; }, [&Slot] { Slot = nullptr; } });
  }
  void Replaced(TComponent* Old, TComponent* New);

  TComponent* FOwner;
  std::vector<TSlot> FSlots;
};
