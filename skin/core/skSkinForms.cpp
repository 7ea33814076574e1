#include "skin/core/skSkinForms.h"

#include <utility>

namespace {

TskFormsSource& InstalledSource() {
  static TskFormsSource source;
  return source;
}

}  // namespace

TskFormsSource SetSkinFormsSource(TskFormsSource Source) { return std::exchange(InstalledSource(), std::move(Source)); }

std::vector<TskFormReceiver> SkinForms() {
  const TskFormsSource& source = InstalledSource();
  return source ? source() : std::vector<TskFormReceiver>();
}
