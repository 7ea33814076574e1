#include "platform/ui/toolkit/TImage.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle.Include(csReplicatable);
  FWidth = 105;
  FHeight = 105;
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

void TImage::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (FProportional == Value) return;
  FProportional = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (TGraphic* G = FPicture->Graphic()) {
    if (G->Transparent() != FTransparent) {
      G->SetTransparent(FTransparent);  // fires the picture's OnChange again, which lands here
      return;
    }
    if (AutoSize() && G->Width() > 0 && G->Height() > 0) SetBounds(Left(), Top(), G->Width(), G->Height());
  }
  Invalidate();
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight) {
  if (FPicture->Width() <= 0 || FPicture->Height() <= 0) return false;
  NewWidth = FPicture->Width();
  NewHeight = FPicture->Height();
  return true;
}

// Proportional fits the picture's shape inside the control along its longer side.
TRect TImage::DestRect() {
  int W = FPicture->Width(), H = FPicture->Height();
  const int CW = Width(), CH = Height();
  if (FStretch || (FProportional && (W > CW || H > CH))) {
    if (FProportional && W > 0 && H > 0) {
      const int64_t PW = W, PH = H;
      if (W > H) {
        W = CW;
        H = int(CW * PH / PW);
        if (H > CH) {
          H = CH;
          W = int(CH * PW / PH);
        }
      } else {
        H = CH;
        W = int(CH * PW / PH);
        if (W > CW) {
          W = CW;
          H = int(CW * PH / PW);
        }
      }
    } else {
      W = CW;
      H = CH;
    }
  }
  return FCenter ? Bounds((CW - W) / 2, (CH - H) / 2, W, H) : Bounds(0, 0, W, H);
}

void TImage::Paint() {
  TGraphic* G = FPicture->Graphic();
  if (!G || G->Empty()) return;
  Canvas()->StretchDraw(DestRect(), G);
}
