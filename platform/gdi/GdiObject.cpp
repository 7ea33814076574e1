#include "platform/gdi/GdiObject.h"

#include <mutex>
#include <unordered_set>

namespace {

// Live objects; objects are created and freed from any thread.
struct Registry {
  std::mutex Lock;
  std::unordered_set<const GdiObject*> Objects;
};

Registry& TheRegistry() {
  static Registry* R = new Registry;  // never destroyed: stock objects outlive static destruction order
  return *R;
}

}  // namespace

GdiObject::GdiObject() {
  Registry& R = TheRegistry();
  std::lock_guard Guard(R.Lock);
  R.Objects.insert(this);
}

GdiObject::~GdiObject() {
  Registry& R = TheRegistry();
  std::lock_guard Guard(R.Lock);
  R.Objects.erase(this);
}

int GdiObject::GetObjectData(int, void*) const { return 0; }

bool GdiObject::IsLive(const GdiObject* Object) {
  if (!Object)
    return false;
  Registry& R = TheRegistry();
  std::lock_guard Guard(R.Lock);
  return R.Objects.contains(Object) && !Object->FDeletePending;
}

void GdiObject::ReleaseUse() {
  if (--FUses == 0 && FDeletePending)
    delete this;
}

bool GdiObject::Delete(GdiObject* Object) {
  if (!IsLive(Object) || Object->FStock)
    return false;
  if (Object->FUses > 0) {
    Object->FDeletePending = true;
    return true;
  }
  delete Object;
  return true;
}
