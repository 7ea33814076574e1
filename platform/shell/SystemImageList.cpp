#include "platform/shell/SystemImageList.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/shell/TShellImageList.h"

namespace {

/// An image list holding the pictures of Icons in order.
class TSystemImageList : public TCustomImageList {
public:
  explicit TSystemImageList(const TShellImageList& Icons)
      : TCustomImageList(nullptr, Icons.IconSize().cx, Icons.IconSize().cy) {
    for (int index = 0; index < Icons.Count(); ++index) {
      const Surface& icon = Icons.Icon(index);
      TBitmap picture;
      picture.SetPixelFormat(pf32bit);
      picture.SetSize(icon.Width(), icon.Height());
      for (int y = 0; y < icon.Height(); ++y)
        std::copy_n(icon.Row32(y), icon.Width(), static_cast<uint32_t*>(picture.ScanLine(y)));
      Add(&picture, nullptr);
    }
  }
};

}  // namespace

HIMAGELIST ShellSystemImageList(bool Large) {
  // Made after the table of image-list handles, so gone before it at the end.
  static const TSystemImageList Small(TShellImageList::Small());
  static const TSystemImageList Big(TShellImageList::Large());
  return Large ? Big.Handle() : Small.Handle();
}
