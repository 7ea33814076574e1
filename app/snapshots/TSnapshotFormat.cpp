#include "app/snapshots/TSnapshotFormat.h"

namespace {

struct TSnapshotType {
  TSnapshotFormat Format;
  const char* Text;
  const char* Extension;
};

constexpr TSnapshotType SnapshotTypes[] = {
  { snBMP, "BMP", ".bmp" },
  { snJPG, "JPG", ".jpg" },
  { snGIF, "GIF", ".gif" },
  { snPNG, "PNG", ".png" },
};

}  // namespace

String SnapshotFormatText(TSnapshotFormat AFormat) { return SnapshotTypes[AFormat].Text; }

String SnapshotExtension(TSnapshotFormat AFormat) { return SnapshotTypes[AFormat].Extension; }

bool SnapshotFormatFromText(const String& AText, TSnapshotFormat& AFormat) {
  for (const TSnapshotType& Type : SnapshotTypes)
    if (AText == Type.Text) {
      AFormat = Type.Format;
      return true;
    }
  return false;
}
