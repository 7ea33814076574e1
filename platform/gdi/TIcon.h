#pragma once
// The toolkit's icon: an icon handle with storage in icon files.
#include "platform/gdi/IconHandle.h"
#include "platform/gdi/TGraphic.h"

/// An icon picture held through an icon handle (Icons.h), which it owns: the handle is destroyed when
/// it is replaced and when the icon is freed. Width and Height are the icon's own size; drawing
/// stretches the icon's best picture for the rectangle onto it, blended by its alpha. Streams hold icon
/// files with every size of the icon. Always transparent.
class TIcon : public TGraphic {
public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  bool Empty() const override { return FHandle == 0; }
  int Width() const override;
  int Height() const override;
  bool Transparent() const override { return true; }

  /// The icon's handle, 0 while empty.
  HICON Handle() const { return FHandle; }
  /// Takes Value over (0 empties the icon); the handle held before is destroyed.
  void SetHandle(HICON Value);
  /// Hands the handle to the caller, who destroys it; the icon becomes empty.
  HICON ReleaseHandle();

  /// From a TIcon a copy of its pictures under a handle of its own; null empties the icon.
  void Assign(TPersistent* Source) override;
  /// Reads one icon file (IcoCodec); a failed read leaves the icon as it was.
  void LoadFromStream(TStream* Stream) override;
  /// Writes the icon file of every picture; an empty icon raises EInvalidGraphic "Icon is empty".
  void SaveToStream(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
  HICON FHandle { 0 };
};
