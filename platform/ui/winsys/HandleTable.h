#pragma once
// The table behind window handles. A handle packs a slot index (low 18 bits) and the slot's generation
// (next 14 bits), so it fits in 32 bits, is never 0, and a handle kept after its window was freed names
// nothing even when the slot holds a newer window.
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/Window.h"

/// Owns the window records and maps handles to them.
class HandleTable {
public:
  /// Stores the record and gives it its handle; raises EOutOfResources when every slot is taken.
  HWND Add(std::unique_ptr<Window> Record);
  /// The record the handle names, dead or not; null for a stale or malformed handle.
  Window* Record(HWND Wnd) const;
  /// The record of a window that is not dead.
  Window* Find(HWND Wnd) const {
    Window* W = Record(Wnd);
    return W && W->Usable() ? W : nullptr;
  }
  /// Frees the record; its handle (and every copy of it) names nothing from now on.
  void Free(HWND Wnd);
  /// Every record, in slot order (for teardown).
  std::vector<Window*> All() const;
  size_t Count() const { return FSlots.size() - FFree.size(); }

private:
  static constexpr int IndexBits = 18;
  static constexpr uint32_t IndexMask = (1u << IndexBits) - 1;
  static constexpr uint32_t GenerationLimit = 1u << (32 - IndexBits);

  struct Slot {
    std::unique_ptr<Window> Record;
    uint32_t Generation { 1 };
  };

  std::vector<Slot> FSlots;
  std::deque<uint32_t> FFree;  // oldest freed first, so a slot rests as long as possible before reuse
};
