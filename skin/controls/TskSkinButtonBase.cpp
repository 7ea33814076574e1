#include "skin/controls/TskSkinButtonBase.h"

#include <algorithm>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TBasicActionLink.h"
#include "platform/ui/toolkit/TCustomAction.h"
#include "platform/ui/toolkit/TCustomActionList.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skUtils.h"

namespace {

constexpr Cardinal MorphInterval = 20;
constexpr double MorphStep = 0.2;
constexpr Cardinal RepeatDelay = 500;

}  // namespace

template <class TBase>
TskSkinButtonBase<TBase>::TskSkinButtonBase(TComponent* AOwner)
    : TBase(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  // Clicks come from the button's own press and release rules, never from the platform's click.
  this->FControlStyle.Exclude(csClickEvents);
}

// An images menu that outlives the button must not repaint it.
template <class TBase> TskSkinButtonBase<TBase>::~TskSkinButtonBase() {
  if (!FSkinImagesMenu) return;
  FSkinImagesMenu->FOnInternalChange = nullptr;
  if (FSkinImagesMenuComponent) FSkinImagesMenuComponent->RemoveFreeNotification(this);
}

// ---- State ----

template <class TBase> void TskSkinButtonBase<TBase>::SetDown(bool Value) {
  FDown = Value;
  if (CanMorphing()) {
    FMorphKf = 1;
    if (FDown)
      StopMorph();
    else
      StartMorph();
  }
  DownChanged();
  this->Repaint();
  if (FGroupIndex > 0 && FDown && !FAllowAllUp) ReleaseGroup();
}

template <class TBase> void TskSkinButtonBase<TBase>::ReleaseGroup() {
  TWinControl* Owner = this->Parent();
  if (!Owner) return;
  for (int i = 0; i < Owner->ControlCount(); ++i) {
    auto* Other = dynamic_cast<TskSkinButtonBase*>(Owner->Controls(i));
    if (Other && Other != this && Other->FGroupIndex == FGroupIndex && Other->FDown) Other->SetDown(false);
  }
}

template <class TBase> void TskSkinButtonBase<TBase>::SetCheckedMode(bool Value) {
  if (Value == FCheckedMode) return;
  FCheckedMode = Value;
  if (Value)
    SetGroupIndex(-1);
  else if (FGroupIndex == -1)
    SetGroupIndex(0);
}

template <class TBase> void TskSkinButtonBase<TBase>::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetNumGlyphs(TskNumGlyphs Value) {
  FNumGlyphs = Value;
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetLayout(TskButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetImageList(TCustomImageList* Value) {
  if (FImageList && FImageList != Value) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (FImageList) FImageList->FreeNotification(this);
}

template <class TBase> void TskSkinButtonBase<TBase>::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::SetSkinImagesMenu(IskSkinImagesMenu* Value) {
  if (FSkinImagesMenuComponent && FSkinImagesMenu != Value) FSkinImagesMenuComponent->RemoveFreeNotification(this);
  FSkinImagesMenu = Value;
  FSkinImagesMenuComponent = dynamic_cast<TComponent*>(Value);
  if (FSkinImagesMenu) {
    if (FSkinImagesMenuComponent) FSkinImagesMenuComponent->FreeNotification(this);
    FSkinImagesMenu->FOnInternalChange = [this](TObject*) { this->Repaint(); };
  }
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::RefreshButton() {
  FMouseIn = false;
  FDown = false;
  if (CanMorphing()) FMorphKf = 0;
  if (EffectsOn()) StopAnimate();
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::ButtonClick() {
  if (this->OnClick) {
    const TNotifyEvent Handler = this->OnClick;
    Handler(this);
  } else if (TBasicActionLink* Link = this->ActionLink()) {
    Link->Execute();
  }
}

template <class TBase>
void TskSkinButtonBase<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TBase::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImageList) FImageList = nullptr;
  if (FSkinImagesMenuComponent && AComponent == FSkinImagesMenuComponent) {
    FSkinImagesMenu = nullptr;
    FSkinImagesMenuComponent = nullptr;
  }
}

template <class TBase> void TskSkinButtonBase<TBase>::ActionChange(TObject* Sender, bool CheckDefaults) {
  TBase::ActionChange(Sender, CheckDefaults);
  auto* Action = dynamic_cast<TCustomAction*>(Sender);
  if (!Action || !FGlyph->Empty() || !Action->ActionList()) return;
  TCustomImageList* Images = Action->ActionList()->Images();
  if (!Images || Action->ImageIndex() < 0 || Action->ImageIndex() >= Images->Count()) return;
  SetImageList(Images);
  FImageIndex = Action->ImageIndex();
  this->Repaint();
}

// ---- Skin ----

template <class TBase> bool TskSkinButtonBase<TBase>::EffectsOn() const {
  TskSkinData* Model = this->SkinData();
  return Model && !Model->Empty && Model->EnableSkinEffects();
}

template <class TBase> bool TskSkinButtonBase<TBase>::CanAnimate() const {
  return Skinned() && EffectsOn() && !IsEmptyRect(AnimateSkinRect);
}

template <class TBase> void TskSkinButtonBase<TBase>::GetSkinData() {
  TBase::GetSkinData();
  if (!Skinned()) {
    AnimateSkinRect = {};
    return;
  }
  const auto* R = dynamic_cast<const TskDataSkinButtonControl*>(this->SkinRecord());
  if (!R) return;
  FontName = R->FontName;
  FontColor = R->FontColor;
  ActiveFontColor = R->ActiveFontColor;
  DownFontColor = R->DownFontColor;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  ActiveSkinRect = IsEmptyRect(R->ActiveSkinRect) ? R->SkinRect : R->ActiveSkinRect;
  DownSkinRect = IsEmptyRect(R->DownSkinRect) ? ActiveSkinRect : R->DownSkinRect;
  DisabledSkinRect = R->DisabledSkinRect;
  DisabledFontColor = R->DisabledFontColor == R->FontColor ? clGray : R->DisabledFontColor;
  Morphing = R->Morphing;
  MorphKind = R->MorphKind;
  AnimateSkinRect = R->AnimateSkinRect;
  FrameCount = R->FrameCount;
  AnimateInterval = R->AnimateInterval;
  MenuMarkerRect = R->MenuMarkerRect;
  MenuMarkerActiveRect = IsEmptyRect(R->MenuMarkerActiveRect) ? R->MenuMarkerRect : R->MenuMarkerActiveRect;
  MenuMarkerDownRect = IsEmptyRect(R->MenuMarkerDownRect) ? MenuMarkerActiveRect : R->MenuMarkerDownRect;
  MenuMarkerFlatRect = R->MenuMarkerFlatRect;
  MenuMarkerTransparentColor = R->MenuMarkerTransparentColor;
  ReadButtonRecord(*R);
  // While an animation plays, its current frame stands in for the hot image (entering) or the normal one
  // (leaving): frames side by side when the strip is wider than the button's image, else stacked.
  if (!EffectsOn() || !AnimateTimer || CurrentFrame <= 0 || CurrentFrame > FrameCount) return;
  const TRect& A = AnimateSkinRect;
  TRect F;
  if (RectWidth(A) > RectWidth(this->SkinRect)) {
    const int W = RectWidth(A) / FrameCount;
    F = { A.Left + W * (CurrentFrame - 1), A.Top, A.Left + W * CurrentFrame, A.Bottom };
  } else {
    const int H = RectHeight(A) / FrameCount;
    F = { A.Left, A.Top + H * (CurrentFrame - 1), A.Right, A.Top + H * CurrentFrame };
  }
  if (AnimateInc)
    ActiveSkinRect = F;
  else
    this->SkinRect = F;
}

template <class TBase> void TskSkinButtonBase<TBase>::CalcSize(int& W, int& H) {
  if (!Skinned()) return;
  if (FUseSkinSize || this->ResizeMode == 1) {
    TBase::CalcSize(W, H);
    return;
  }
  const TRect& C = this->ClRect;
  this->NewClRect = { C.Left, C.Top, C.Right + W - RectWidth(this->SkinRect), C.Bottom + H - RectHeight(this->SkinRect) };
}

// ---- Timers ----

template <class TBase> void TskSkinButtonBase<TBase>::StartMorph() {
  if (MorphTimer) return;
  MorphTimer = std::make_unique<TTimer>(nullptr);
  MorphTimer->OnTimer = [this](TObject*) { MorphTick(); };
  MorphTimer->SetInterval(MorphInterval);
}

template <class TBase> void TskSkinButtonBase<TBase>::StopMorph() { MorphTimer.reset(); }

template <class TBase> void TskSkinButtonBase<TBase>::DoMorph() {
  if (CanMorphing() && Skinned())
    StartMorph();
  else
    this->Repaint();
}

// Steps of 0.2 toward 1 (lit) or 0; the tick that finds the factor at or past its end sets it exactly and
// ends the transition.
template <class TBase> void TskSkinButtonBase<TBase>::MorphTick() {
  const bool L = Lit();
  if (!Skinned() || !CanMorphing()) {
    FMorphKf = L ? 1 : 0;
    StopMorph();
    return;
  }
  if (L && FMorphKf < 1)
    FMorphKf += MorphStep;
  else if (!L && FMorphKf > 0)
    FMorphKf -= MorphStep;
  else {
    FMorphKf = L ? 1 : 0;
    StopMorph();
  }
  this->Repaint();
}

template <class TBase> void TskSkinButtonBase<TBase>::StartAnimate(bool Forward) {
  StopAnimate();
  AnimateInc = Forward;
  CurrentFrame = Forward ? 1 : FrameCount;
  AnimateTimer = std::make_unique<TTimer>(nullptr);
  AnimateTimer->OnTimer = [this](TObject*) { AnimateTick(); };
  AnimateTimer->SetInterval(Cardinal(std::max(AnimateInterval, 0)));
}

template <class TBase> void TskSkinButtonBase<TBase>::StopAnimate() {
  CurrentFrame = 0;
  AnimateTimer.reset();
}

template <class TBase> void TskSkinButtonBase<TBase>::AnimateTick() {
  if (AnimateInc) {
    if (CurrentFrame <= FrameCount) {
      ++CurrentFrame;
      this->Repaint();
    }
    if (CurrentFrame > FrameCount) StopAnimate();
  } else {
    if (CurrentFrame >= 0) {
      --CurrentFrame;
      this->Repaint();
    }
    if (CurrentFrame <= 0) StopAnimate();
  }
}

// The first tick only switches to the repeat period, so the first repeated click comes 500 ms plus one
// period after the start.
template <class TBase> void TskSkinButtonBase<TBase>::StartRepeat() {
  RepeatTimer = std::make_unique<TTimer>(nullptr);
  RepeatTimer->OnTimer = [this](TObject*) {
    RepeatTimer->SetInterval(Cardinal(std::max(FRepeatInterval, 1)));
    RepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
  };
  RepeatTimer->SetInterval(RepeatDelay);
}

template <class TBase> void TskSkinButtonBase<TBase>::StopRepeat() { RepeatTimer.reset(); }

// The click may free the button and its timer: nothing of the button is touched after it.
template <class TBase> void TskSkinButtonBase<TBase>::RepeatTick() { ButtonClick(); }

// ---- Mouse ----

template <class TBase> void TskSkinButtonBase<TBase>::MouseEntered(bool React) {
  if (React) {
    if (FDown) {
      if (CanMorphing()) FMorphKf = 1;
      this->Repaint();
    } else {
      if (CanAnimate()) StartAnimate(true);
      DoMorph();
    }
  }
  if (FDown && FRepeatMode && FGroupIndex == 0) StartRepeat();
}

template <class TBase> void TskSkinButtonBase<TBase>::MouseLeft(bool React) {
  if (React) {
    if (CanAnimate()) StartAnimate(false);
    DoMorph();
  }
  if (FDown && FRepeatMode && RepeatTimer && FGroupIndex == 0) StopRepeat();
}

template <class TBase>
void TskSkinButtonBase<TBase>::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const std::weak_ptr<bool> Life = this->LifeToken();
  TBase::MouseDown(Button, Shift, X, Y);
  if (Life.expired() || Button != mbLeft) return;
  if (CanAnimate()) StopAnimate();
  FMouseDown = true;
  if (FDown) {
    if (FGroupIndex != 0) FAllowAllUpCheck = true;
    return;
  }
  FMouseIn = true;
  SetDown(true);
  if (FCheckedMode) {
    FStopMouseUp = true;
    ButtonClick();
  } else if (FRepeatMode && FGroupIndex == 0) {
    StartRepeat();
  } else if (FGroupIndex != 0) {
    ButtonClick();
  }
  if (!Life.expired()) FAllowAllUpCheck = false;
}

template <class TBase> void TskSkinButtonBase<TBase>::MouseMove(TShiftState Shift, int X, int Y) {
  TBase::MouseMove(Shift, X, Y);
  if (!FDown) return;
  const bool Inside = X >= 0 && Y >= 0 && X <= this->Width() && Y <= this->Height();
  if (!Inside && FMouseIn) this->Perform(CM_MOUSELEAVE, 0, 0);
  if (Inside && !FMouseIn) this->Perform(CM_MOUSEENTER, 0, 0);
}

template <class TBase> bool TskSkinButtonBase<TBase>::ReleaseButton() {
  const std::weak_ptr<bool> Life = this->LifeToken();
  FMouseDown = false;
  const bool WasDown = FDown;
  if (FCheckedMode) {
    if (FStopMouseUp) {
      FStopMouseUp = false;
      return true;
    }
    SetDown(false);
    ButtonClick();
  } else if (FGroupIndex == 0) {
    if (FMouseIn) {
      SetDown(false);
      if (FRepeatMode) StopRepeat();
      if (WasDown) ButtonClick();
    } else {
      FDown = false;
      if (FRepeatMode) StopRepeat();
    }
  } else if (WasDown && FAllowAllUp && FAllowAllUpCheck && FMouseIn) {
    SetDown(false);
    ButtonClick();
  }
  return !Life.expired();
}

// ---- Image ----

template <class TBase> int TskSkinButtonBase<TBase>::GetGlyphNum(bool ADown, bool AMouseIn) {
  if (ADown && AMouseIn && FNumGlyphs > 2) return 3;
  if (AMouseIn && FNumGlyphs > 3) return 4;
  if (!this->Enabled() && FNumGlyphs > 1) return 2;
  return 1;
}

template <class TBase> void TskSkinButtonBase<TBase>::SelectFontFace(TCanvas* C) {
  if (this->UseSkinFont() && Skinned()) {
    C->Font()->SetName(FontName);
    C->Font()->SetHeight(FontHeight);
    C->Font()->SetStyle(FontStyle);
  } else {
    C->SetFont(this->DefaultFont());
  }
  TskSkinData* Model = this->SkinData();
  C->Font()->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet()
                                                          : this->DefaultFont()->Charset());
}

template <class TBase> void TskSkinButtonBase<TBase>::SelectButtonFont(TCanvas* C, bool ADown, bool AMouseIn) {
  SelectFontFace(C);
  TColor Color = FontColor;
  if (this->Enabled() && !FUseSkinFontColor)
    Color = this->DefaultFont()->Color();
  else if (!this->Enabled())
    Color = DisabledFontColor;
  else if (ADown && AMouseIn)
    Color = DownFontColor;
  else if (AMouseIn)
    Color = ActiveFontColor;
  C->Font()->SetColor(Color);
}

template <class TBase>
void TskSkinButtonBase<TBase>::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  TRect Content = this->NewClRect;
  const bool Parent = ShowsParent(ADown, AMouseIn);
  if (!FUseSkinSize && this->ResizeMode != 1) {
    // Stretched whole: mode 0 copies the piece unscaled into the corner, modes 2 and 3 stretch it with
    // the client rectangle's margins kept; the content grows with the size.
    if (Parent) {
      DrawParentImage(B);
    } else if (this->ResizeMode == 0) {
      B->Canvas()->CopyRect(Rect(0, 0, RectWidth(R), RectHeight(R)), this->Picture->Canvas(), R);
    } else if (this->ResizeMode == 2 || this->ResizeMode == 3) {
      ComposeStretchedSkinImage(B, this->Picture, R, this->ClRect, true);
    }
    const TRect& C = this->ClRect;
    Content = { C.Left, C.Top, C.Right + B->Width() - RectWidth(R), C.Bottom + B->Height() - RectHeight(R) };
  } else if (Parent) {
    DrawParentImage(B);
  } else {
    this->DrawSkinPicture(B, this->Picture, R);
  }
  TCanvas* C = B->Canvas();
  SelectButtonFont(C, ADown, AMouseIn);
  DrawFocusMark(C, Content);
  if (!DoPaint(C, this->NewClRect, ADown, AMouseIn)) return;
  DrawContent(C, Content, ADown, AMouseIn);
}

template <class TBase> bool TskSkinButtonBase<TBase>::DoPaint(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) {
  bool DrawDefault = true;
  if (OnPaint) OnPaint(this, C, R, ADown, AMouseIn, DrawDefault);
  return DrawDefault;
}

template <class TBase>
bool TskSkinButtonBase<TBase>::DrawImagesMenuItem(TCanvas* C, const TRect& R, const String& Text,
                                                  bool DrawColorMarker, TColor Marker) {
  if (!FSkinImagesMenu || !FUseImagesMenuImage) return false;
  const std::optional<TskImagesMenuSelection> Item = FSkinImagesMenu->GetSelectedItem();
  if (!Item) return false;
  C->Brush()->SetStyle(bsClear);
  DrawImageAndText(C, R, FMargin, FSpacing, FLayout, FUseImagesMenuCaption ? Item->Caption : Text, Item->ImageIndex,
                   FSkinImagesMenu->Images(), false, this->Enabled(), DrawColorMarker, Marker);
  return true;
}

template <class TBase> bool TskSkinButtonBase<TBase>::ListImageShown() const {
  return FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count();
}

template <class TBase>
void TskSkinButtonBase<TBase>::DrawMenuMarker(TCanvas* Cnvs, const TRect& R, bool Active, bool Down) {
  DrawMarkerPiece(Cnvs, R, Down ? MenuMarkerDownRect : Active ? MenuMarkerActiveRect : MenuMarkerRect);
}

template <class TBase>
void TskSkinButtonBase<TBase>::DrawMarkerPiece(TCanvas* Cnvs, const TRect& R, const TRect& M) {
  if (!this->Picture || IsEmptyRect(M)) return;
  TBitmap Marker;
  Marker.SetSize(RectWidth(M), RectHeight(M));
  Marker.Canvas()->CopyRect(Rect(0, 0, RectWidth(M), RectHeight(M)), this->Picture->Canvas(), M);
  Marker.SetTransparent(true);
  Marker.SetTransparentColor(MenuMarkerTransparentColor);
  Cnvs->Draw(R.Left + RectWidth(R) / 2 - RectWidth(M) / 2, R.Top + RectHeight(R) / 2 - RectHeight(M) / 2, &Marker);
}

template <class TBase> void TskSkinButtonBase<TBase>::Dispatch(TMessage& Message) {
  TBase::Dispatch(Message);
  switch (Message.Msg) {
  case CM_ENABLEDCHANGED:
    if (CanMorphing()) {
      StopMorph();
      FMorphKf = 0;
    }
    FMouseIn = false;
    this->Repaint();
    break;
  case CM_TEXTCHANGED: this->Repaint(); break;
  }
}

template <class TBase> void TskSkinButtonBase<TBase>::PaintMorph(TCanvas* C) {
  const int W = this->Width(), H = this->Height();
  TBitmap Normal, Active;
  Normal.SetSize(W, H);
  Active.SetSize(W, H);
  CreateButtonImage(&Normal, this->SkinRect, false, false);
  CreateButtonImage(&Active, ActiveSkinRect, false, true);
  std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Normal.Handle());
  std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Active.Handle());
  MorphByKind(From.get(), To.get(), FMorphKf, MorphKind);
  From->Draw(C->Handle(), 0, 0);
}

template class TskSkinButtonBase<TskSkinCustomControl>;
template class TskSkinButtonBase<TskGraphicSkinCustomControl>;
