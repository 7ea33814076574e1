#include "platform/gdi/FontFace.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/FreeTypeFace.h"
#include "platform/gdi/TestFontFace.h"

namespace {

std::atomic<bool> TestFaceOn { false };

struct TRequestHash {
  size_t operator()(const TFaceRequest& R) const {
    return std::hash<String>()(R.Family) ^ (size_t(R.Height) * 31 + size_t(R.Weight) * 7 + R.Italic);
  }
};

// Faces made so far, installed and test faces apart. Never torn down: worker threads may still draw
// while static objects are destroyed at exit.
struct TFaceCache {
  std::mutex Lock;
  std::unordered_map<TFaceRequest, std::shared_ptr<FontFace>, TRequestHash> Installed;
  std::unordered_map<TFaceRequest, std::shared_ptr<FontFace>, TRequestHash> Test;
};

TFaceCache& Cache() {
  static TFaceCache* Instance = new TFaceCache;
  return *Instance;
}

}  // namespace

std::shared_ptr<FontFace> FontFace::Get(const TFaceRequest& Request) {
  TFaceCache& C = Cache();
  const bool Test = TestFaceOn.load(std::memory_order_relaxed);
  std::lock_guard Guard(C.Lock);
  auto& Slot = (Test ? C.Test : C.Installed)[Request];
  if (!Slot && !Test) Slot = FreeTypeFace::Create(Request);
  // Without any installed font, text is still measured and drawn, with the test face's boxes.
  if (!Slot) Slot = std::make_shared<TestFontFace>(Request);
  return Slot;
}

void UseTestFontFace(bool On) { TestFaceOn.store(On); }

bool TestFontFaceInUse() { return TestFaceOn.load(); }
