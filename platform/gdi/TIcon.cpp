#include "platform/gdi/TIcon.h"

#include "platform/base/Exception.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TCanvas.h"

namespace {

TSize OwnSize(HICON Icon) {
  const std::shared_ptr<const TIconImages> images = IconImagesOf(Icon);
  if (!images) return {};
  const TIconImage& own = PrimaryIconImage(*images);
  return { own.Width(), own.Height() };
}

}  // namespace

TIcon::~TIcon() { DestroyIcon(FHandle); }

int TIcon::Width() const { return OwnSize(FHandle).cx; }
int TIcon::Height() const { return OwnSize(FHandle).cy; }

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  DestroyIcon(FHandle);
  FHandle = Value;
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  const HICON handle = FHandle;
  FHandle = 0;
  return handle;
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    SetHandle(0);
  } else if (auto* icon = dynamic_cast<TIcon*>(Source)) {
    if (icon == this) return;
    const std::shared_ptr<const TIconImages> images = IconImagesOf(icon->FHandle);
    SetHandle(images ? CreateIconFromImages(*images) : 0);
  } else {
    TGraphic::Assign(Source);
  }
}

void TIcon::LoadFromStream(TStream* Stream) { SetHandle(CreateIconFromImages(IcoCodec::Read(*Stream))); }

void TIcon::SaveToStream(TStream* Stream) {
  const std::shared_ptr<const TIconImages> images = IconImagesOf(FHandle);
  if (!images) throw EInvalidGraphic("Icon is empty");
  IcoCodec::Write(*Stream, *images);
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Rect.Width() > 0 && Rect.Height() > 0)
    DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, FHandle, Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}
