#pragma once
// A picture on its parent: drawn at its size from the top-left corner (or centred, Center), or stretched
// over the control (Stretch). Proportional keeps the picture's shape when it is stretched, and without
// Stretch shrinks a picture larger than the control. AutoSize gives the control the picture's size.
#include <memory>

#include "platform/gdi/TPicture.h"
#include "platform/ui/toolkit/TGraphicControl.h"

/// An image control; see the file comment.
class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  /// Stored on the picture's graphic: its transparent colour is left out.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

protected:
  void Paint() override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;

private:
  /// Where the picture goes in the control.
  TRect DestRect();
  void PictureChanged();

  std::unique_ptr<TPicture> FPicture;
  bool FStretch { false };
  bool FCenter { false };
  bool FProportional { false };
  bool FTransparent { false };
};
