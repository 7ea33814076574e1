#include "skin/controls/TskSkinMenuTracking.h"

#include "platform/gdi/TCanvas.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

template <class TButton> TskSkinMenuTracking<TButton>::TskSkinMenuTracking(TComponent* AOwner) : TButton(AOwner) {
  this->SetSkinDataName("toolmenubutton");
}

// A menu that outlives the button must not call back into it.
template <class TButton> TskSkinMenuTracking<TButton>::~TskSkinMenuTracking() {
  if (FSkinPopupMenuComponent) FSkinPopupMenuComponent->RemoveFreeNotification(this);
  if (IskSkinImagesMenu* Images = this->SkinImagesMenu()) Images->FOnInternalMenuClose = nullptr;
}

template <class TButton> void TskSkinMenuTracking<TButton>::SetTrackButtonMode(bool Value) {
  FTrackButtonMode = Value;
  if (!this->Skinned()) this->Repaint();
}

template <class TButton> void TskSkinMenuTracking<TButton>::SetSkinPopupMenu(IskSkinPopupMenu* Value) {
  if (FSkinPopupMenuComponent && FSkinPopupMenu != Value) FSkinPopupMenuComponent->RemoveFreeNotification(this);
  FSkinPopupMenu = Value;
  FSkinPopupMenuComponent = dynamic_cast<TComponent*>(Value);
  if (FSkinPopupMenuComponent) FSkinPopupMenuComponent->FreeNotification(this);
}

template <class TButton>
void TskSkinMenuTracking<TButton>::Notification(TComponent* AComponent, TOperation Operation) {
  TButton::Notification(AComponent, Operation);
  if (Operation != opRemove || !FSkinPopupMenuComponent || AComponent != FSkinPopupMenuComponent) return;
  FSkinPopupMenu = nullptr;
  FSkinPopupMenuComponent = nullptr;
}

template <class TButton> void TskSkinMenuTracking<TButton>::GetSkinData() {
  TButton::GetSkinData();
  if (const auto* R = dynamic_cast<const TskDataSkinMenuButtonControl*>(this->SkinRecord()))
    TrackButtonRect = R->TrackButtonRect;
}

// ---- Menus ----

template <class TButton> bool TskSkinMenuTracking<TButton>::NinePartStyle() {
  const String& Name = this->SkinDataName();
  return Name == "resizebutton" || Name == "resizetoolbutton";
}

template <class TButton> bool TskSkinMenuTracking<TButton>::StretchedStyle() {
  const String& Name = this->SkinDataName();
  return Name == "toolbutton" || Name == "bigtoolbutton";
}

template <class TButton> TRect TskSkinMenuTracking<TButton>::DropDownPart() {
  const int W = this->Width(), H = this->Height();
  if (!this->Skinned() || StyledName()) return Rect(W - DropDownWidth, 0, W, H);
  if (this->ResizeMode == 2) return TrackButtonRect.Offset(W - RectWidth(this->SkinRect), 0);
  if (this->ResizeMode == 3) return TrackButtonRect.Offset(0, H - RectHeight(this->SkinRect));
  return TrackButtonRect;
}

template <class TButton> bool TskSkinMenuTracking<TButton>::CanMenuTrack(int X, int Y) {
  if (!FSkinPopupMenu && !this->SkinImagesMenu()) return false;
  return !FTrackButtonMode || PtInRectIncl(DropDownPart(), { X, Y });
}

// A menu that cannot open sends no close notice: the button does not wait for one.
template <class TButton> void TskSkinMenuTracking<TButton>::TrackMenu() {
  const std::weak_ptr<bool> Life = this->LifeToken();
  const TPoint Origin = this->ClientOrigin();
  const TRect R = Bounds(Origin.X, Origin.Y, this->Width(), this->Height());
  bool Opened = false;
  if (FSkinPopupMenu) {
    BeforeMenuOpens();
    if (OnShowTrackMenu) OnShowTrackMenu(this);
    if (Life.expired()) return;
    Opened = FSkinPopupMenu->PopupFromRect2(this, R, false);
    if (Life.expired()) return;
  }
  if (IskSkinImagesMenu* Images = this->SkinImagesMenu()) {
    BeforeMenuOpens();
    if (OnShowTrackMenu) OnShowTrackMenu(this);
    if (Life.expired()) return;
    Images->FOnInternalMenuClose = [this](TObject*) { ImagesMenuClosed(); };
    Opened = Images->PopupFromRect(R) || Opened;
    if (Life.expired()) return;
  }
  if (Opened) return;
  this->FMenuTracked = false;
  this->SetDown(false);
  this->Repaint();
}

// ---- Mouse ----

template <class TButton>
void TskSkinMenuTracking<TButton>::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) {
    TButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  this->FMenuTracked = CanMenuTrack(X, Y);
  this->FMouseIn = true;
  if (this->Skinned() && !IsEmptyRect(this->AnimateSkinRect)) this->StopAnimate();
  if (!this->FMenuTracked) {
    TButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  if (!this->FDown) this->SetDown(true);
  TrackMenu();
}

template <class TButton>
void TskSkinMenuTracking<TButton>::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!this->FMenuTracked) TButton::MouseUp(Button, Shift, X, Y);
}

template <class TButton> void TskSkinMenuTracking<TButton>::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    // The pressed look stays while the pointer moves over the open menu.
    if (this->FMenuTracked) {
      this->FMouseIn = Message.Msg == CM_MOUSEENTER;
      return;
    }
    break;
  case WM_SKINMENUCLOSED: PopupMenuClosed(); return;
  default: break;
  }
  TButton::Dispatch(Message);
}

// ---- Styled images ----

template <class TButton> void TskSkinMenuTracking<TButton>::ComposeStyledPiece(TBitmap* Dest, const TRect& Source, int W) {
  const int H = this->Height();
  if (StretchedStyle()) {
    Dest->SetSize(W, H);
    ComposeStretchedSkinImage(Dest, this->Picture, Source, this->ClRect, true);
    return;
  }
  // The New geometry for a piece of width W.
  const int d = W - RectWidth(this->SkinRect), dH = H - RectHeight(this->SkinRect);
  const TRect& C = this->ClRect;
  ComposeSkinImage(this->LTPt, this->RTPt, this->LBPt, this->RBPt, C, this->LTPt, { this->RTPt.X + d, this->RTPt.Y },
                   { this->LBPt.X, this->LBPt.Y + dH }, { this->RBPt.X + d, this->RBPt.Y + dH },
                   Rect(C.Left, C.Top, C.Right + d, C.Bottom + dH), Dest, this->Picture, Source, W, H, true,
                   this->LeftStretch, this->TopStretch, this->RightStretch, this->BottomStretch, this->StretchEffect,
                   this->StretchType);
}

template <class TButton> void TskSkinMenuTracking<TButton>::CreateStyledImage(TBitmap* B, bool ADown, bool AMouseIn) {
  const int W = this->Width(), H = this->Height();
  const bool Pressed = ADown && AMouseIn;
  const TRect& N = this->SkinRect;
  const TRect& A = this->ActiveSkinRect;
  const TRect& D = this->DownSkinRect;
  TCanvas* C = B->Canvas();
  if (this->Picture && DrawsStyledBackground(AMouseIn)) {
    const TRect& Whole = Pressed ? D : !AMouseIn ? N : A;
    if (!FTrackButtonMode) {
      TBitmap Image;
      ComposeStyledPiece(&Image, Whole, W);
      C->Draw(0, 0, &Image);
    } else {
      TBitmap Main, Part;
      ComposeStyledPiece(&Main, this->FMenuTracked ? A : Whole, W - DropDownWidth);
      ComposeStyledPiece(&Part, this->FMenuTracked ? D : Whole, DropDownWidth);
      C->Draw(0, 0, &Main);
      C->Draw(W - DropDownWidth, 0, &Part);
    }
  }
  const TRect K = Rect(0, 0, W - DropDownWidth, H);
  this->SelectButtonFont(C, ADown, AMouseIn);
  this->DrawFocusMark(C, K);
  this->DrawContent(C, K, ADown, AMouseIn);
  DrawDropDownMark(C, Rect(W - DropDownWidth, 0, W, H), Pressed, AMouseIn);
}

template <class TButton>
void TskSkinMenuTracking<TButton>::DrawDropDownMark(TCanvas* C, const TRect& R, bool Pressed, bool AMouseIn) {
  if (!IsEmptyRect(this->MenuMarkerRect))
    this->DrawMenuMarker(C, R, AMouseIn, Pressed || this->FMenuTracked);
  else
    DrawDropDownArrow(C, R, this->FMenuTracked ? this->DownFontColor : C->Font()->Color());
}

template <class TButton> bool TskSkinMenuTracking<TButton>::CreateTrackedPartImage(TBitmap* B) {
  if (!this->FMenuTracked || !FTrackButtonMode || IsEmptyRect(TrackButtonRect) || IsEmptyRect(this->DownSkinRect))
    return false;
  TButton::CreateButtonImage(B, this->ActiveSkinRect, false, true);
  const TRect Part = DropDownPart();
  const TRect Source = TrackButtonRect.Offset(this->DownSkinRect.Left, this->DownSkinRect.Top);
  B->Canvas()->CopyRect(Bounds(Part.Left, Part.Top, RectWidth(Source), RectHeight(Source)), this->Picture->Canvas(),
                        Source);
  return true;
}

template class TskSkinMenuTracking<TskSkinButton>;
template class TskSkinMenuTracking<TskSkinSpeedButton>;
