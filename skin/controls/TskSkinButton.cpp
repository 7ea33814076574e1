#include "skin/controls/TskSkinButton.h"

#include "platform/gdi/Capabilities.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/controls/skButtonMessages.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

TskSkinButton::TskSkinButton(TComponent* AOwner)
    : TskSkinButtonBase(AOwner), FLayerManager(std::make_unique<TskLayerManager>(nullptr)) {
  FWidth = 75;
  FHeight = 25;
  SetTabStop(true);
  SetSkinDataName("button");
}

TskSkinButton::~TskSkinButton() = default;

// ---- Properties ----

void TskSkinButton::SetGroupIndex(int Value) {
  TskSkinButtonBase::SetGroupIndex(Value);
  if (Value != 0) SetCanFocused(false);
}

void TskSkinButton::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TskSkinButton::SetDefault(bool Value) {
  FDefault = Value;
  if (!HandleAllocated() || !FCanFocused) return;
  if (TCustomForm* Form = GetParentForm(this)) Form->Perform(CM_FOCUSCHANGED, 0, LPARAM(Form->ActiveControl()));
}

void TskSkinButton::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Repaint();
}

void TskSkinButton::ButtonClick() {
  if (FCanFocused)
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
  TskSkinButtonBase::ButtonClick();
}

void TskSkinButton::CreateWnd() {
  TskSkinButtonBase::CreateWnd();
  FActive = FDefault;
}

// ---- Skin ----

void TskSkinButton::GetSkinData() {
  TskSkinButtonBase::GetSkinData();
  // A freely sized button has no window region.
  if (!UseSkinSize()) MaskPicture = nullptr;
}

void TskSkinButton::ReadButtonRecord(const TskDataSkinButtonControl& R) {
  FocusedSkinRect = R.FocusedSkinRect;
  ShowFocus = R.ShowFocus;
  GlowLayerPictureIndex = R.GlowLayerPictureIndex;
  GlowLayerMaskPictureIndex = R.GlowLayerMaskPictureIndex;
  GlowLayerOffsetLeft = R.GlowLayerOffsetLeft;
  GlowLayerOffsetRight = R.GlowLayerOffsetRight;
  GlowLayerOffsetTop = R.GlowLayerOffsetTop;
  GlowLayerOffsetBottom = R.GlowLayerOffsetBottom;
  GlowLayerShowOffsetX = R.GlowLayerShowOffsetX;
  GlowLayerShowOffsetY = R.GlowLayerShowOffsetY;
  GlowLayerAlphaBlendValue = R.GlowLayerAlphaBlendValue;
}

void TskSkinButton::ChangeSkinData() {
  StopMorph();
  StopAnimate();
  FMorphKf = 0;
  TskSkinButtonBase::ChangeSkinData();
  if (CanMorphing() && Skinned() && Lit()) FMorphKf = 1;
  if (FMouseIn && HandleAllocated()) PostMessage(Handle(), WM_SHOWLAYER, 0, 0);
}

void TskSkinButton::BeforeChangeSkinData() {
  TskSkinButtonBase::BeforeChangeSkinData();
  if (FLayerManager->IsVisible) FLayerManager->Hide();
}

void TskSkinButton::CheckParentBackground() {
  if (FTransparent && !FDown && !FMouseIn) Repaint();
}

// ---- Glow frame ----

bool TskSkinButton::CanShowLayer() {
  GetSkinData();
  TskSkinData* Model = SkinData();
  if (!Skinned() || !IsWindows2000OrLater() || !PlatformCapabilities().LayeredWindowsAvailable()) return false;
  if (!Model->ShowButtonGlowFrames() && !FAlwaysShowGlowFrame) return false;
  // A record may name pictures the model does not have: no glow then.
  if (!ModelPicture(Model, GlowLayerPictureIndex) || !ModelPicture(Model, GlowLayerMaskPictureIndex)) return false;
  return ResizeMode == 0 || ResizeMode == 1 || (ResizeMode == 2 && UseSkinSize());
}

void TskSkinButton::ShowLayer() {
  if (!CanShowLayer()) return;
  if (auto* Form = dynamic_cast<TForm*>(GetParentForm(this))) FLayerManager->TopMostMode = Form->FormStyle() == fsStayOnTop;
  TBitmap* P = ModelPicture(SkinData(), GlowLayerPictureIndex);
  TBitmap* M = ModelPicture(SkinData(), GlowLayerMaskPictureIndex);
  const int dW = Width() - RectWidth(SkinRect), dH = Height() - RectHeight(SkinRect);
  // The pictures grow with the button: in width only (mode 2) or both ways with the offsets as margins.
  auto Grown = [&](TBitmap* Source, TBitmap& Dest) {
    const TRect Whole = Rect(0, 0, Source->Width(), Source->Height());
    if (ResizeMode == 2) {
      ComposeHorzStripImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, &Dest, Source, Whole, Source->Width() + dW,
                            Source->Height(), true);
      return &Dest;
    }
    if (ResizeMode == 1) {
      Dest.SetSize(Source->Width() + dW, Source->Height() + dH);
      ComposeStretchedSkinImage(&Dest, Source, Whole,
                                Rect(GlowLayerOffsetLeft, GlowLayerOffsetTop, Source->Width() - GlowLayerOffsetRight,
                                     Source->Height() - GlowLayerOffsetBottom),
                                true);
      return &Dest;
    }
    return Source;
  };
  TBitmap Image, Mask;
  TBitmap* ShownImage = Grown(P, Image);
  TBitmap* ShownMask = Grown(M, Mask);
  const TPoint Origin = ClientOrigin();
  FLayerManager->Show(Origin.X - GlowLayerShowOffsetX, Origin.Y - GlowLayerShowOffsetY, ShownImage, ShownMask,
                      GlowLayerAlphaBlendValue);
}

void TskSkinButton::HideLayer() {
  if (CanShowLayer()) FLayerManager->Hide();
}

// ---- Transition ----

void TskSkinButton::MorphTick() {
  if (FStopAnimate && Focused() && CanMorphing()) {
    FStopAnimate = false;
    FMorphKf = 1;
    StopMorph();
    Repaint();
    return;
  }
  TskSkinButtonBase::MorphTick();
}

// ---- Mouse ----

void TskSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !ReleaseButton()) return;
  if (HandleAllocated() && Visible()) TskSkinButtonBase::MouseUp(Button, Shift, X, Y);
}

void TskSkinButton::MouseEnter(TMessage& Message) {
  TskSkinButtonBase::Dispatch(Message);
  FMouseIn = true;
  MouseEntered(GroupIndex() != 0 ? !FDown : !(IsFocused() && !FDown));
  if (HandleAllocated()) PostMessage(Handle(), WM_SHOWLAYER, 0, 0);
}

void TskSkinButton::MouseLeave(TMessage& Message) {
  TskSkinButtonBase::Dispatch(Message);
  // The lit default button stays lit.
  if (!(FCanFocused && FDefault && FActive && !Focused())) FMouseIn = false;
  MouseLeft(GroupIndex() != 0 ? !FDown : !(IsFocused() && !FDown));
  if (HandleAllocated()) PostMessage(Handle(), WM_HIDELAYER, 0, 0);
}

// ---- Focus and keys ----

// Enter goes to the focused skinned button, or to the default button while a control of another kind has
// the focus; the default button is lit exactly then.
void TskSkinButton::FocusChanged(TMessage& Message) {
  auto* Focus = reinterpret_cast<TControl*>(Message.LParam);
  const bool ButtonFocused = dynamic_cast<TskSkinButton*>(Focus) != nullptr;
  FActive = ButtonFocused ? Focus == this : FDefault;
  if (FCanFocused && FDefault) {
    if (ButtonFocused && Focus != this && FMouseIn) {
      FMouseIn = false;
      DoMorph();
    } else if (!ButtonFocused && !FMouseIn) {
      if (CanMorphing()) FMorphKf = 1;
      FMouseIn = true;
      DoMorph();
    }
  }
  TskSkinButtonBase::Dispatch(Message);
}

bool TskSkinButton::DialogKey(TMessage& Message) {
  if (Message.WParam == VK_RETURN && FActive && Enabled()) {
    Message.Result = 1;
    ButtonClick();
    return true;
  }
  const TShiftState Shift = KeyDataToShiftState(Message.LParam);
  const bool Modifier = Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt);
  if (Message.WParam == VK_ESCAPE && FCancel && !Modifier && CanFocus()) {
    Message.Result = 1;
    ButtonClick();
    return true;
  }
  return false;
}

bool TskSkinButton::FocusMessage(TMessage& Message) {
  const std::weak_ptr<bool> Life = LifeToken();
  switch (Message.Msg) {
  case WM_KEYDOWN:
    if (!FSpaceSupport) return false;
    if (Message.WParam == VK_SPACE) {
      if (Skinned() && !IsEmptyRect(AnimateSkinRect)) StopAnimate();
      SetDown(true);
      if (RepeatMode()) ButtonClick();
    } else if (Message.WParam == VK_RETURN) {
      ButtonClick();
    }
    return Life.expired();
  case WM_KEYUP:
    if (Message.WParam != VK_SPACE) return false;
    SetDown(false);
    ButtonClick();
    return Life.expired();
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    if (Focused()) return false;
    FClicksDisabled = true;
    SetFocus();
    FClicksDisabled = false;
    return !Focused();
  case CN_COMMAND: return FClicksDisabled;
  case CM_DIALOGKEY: return DialogKey(Message);
  case CM_DIALOGCHAR:
    if (!IsAccel(char32_t(Message.WParam), Caption()) || !CanFocus()) return false;
    Message.Result = 1;
    SetFocus();
    ButtonClick();
    return true;
  default: return false;
  }
}

void TskSkinButton::Dispatch(TMessage& Message) {
  if (FCanFocused && FocusMessage(Message)) return;
  switch (Message.Msg) {
  case CM_MOUSEENTER: MouseEnter(Message); return;
  case CM_MOUSELEAVE: MouseLeave(Message); return;
  case CM_FOCUSCHANGED: FocusChanged(Message); return;
  case WM_SETFOCUS:
    TskSkinButtonBase::Dispatch(Message);
    if (!FCanFocused || FDownState) return;
    if (CanAnimate()) StartAnimate(true);
    DoMorph();
    return;
  case WM_KILLFOCUS:
    if (RepeatMode() && RepeatTimer) StopRepeat();
    if (GroupIndex() == 0 && FDown) FDown = false;
    TskSkinButtonBase::Dispatch(Message);
    if (!FCanFocused || FDownState) return;
    if (CanAnimate()) StartAnimate(false);
    if (CanMorphing() && Skinned())
      StartMorph();
    else
      Invalidate();
    return;
  case WM_ERASEBKGND:
    // Asked to paint into a foreign DC outside its own painting, the button draws itself there.
    if (!FromWMPaint && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  case WM_SHOWLAYER: ShowLayer(); return;
  case WM_HIDELAYER: HideLayer(); return;
  default: TskSkinButtonBase::Dispatch(Message);
  }
}

// ---- Painting ----

bool TskSkinButton::DrawnDown() { return FDown && (FMouseIn || (IsFocused() && !FMouseDown) || GroupIndex() != 0); }

void TskSkinButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TBitmap B;
  B.SetSize(Width(), Height());
  if (!Skinned() || !Picture) {
    CreateControlDefaultImage(&B);
    Canvas()->Draw(0, 0, &B);
    return;
  }
  int W = Width(), H = Height();
  CalcSize(W, H);
  if (CanMorphing() && FMorphKf > 0 && FMorphKf < 1 && Enabled()) {
    PaintMorph(Canvas());
    return;
  }
  if (!Enabled() && !IsEmptyRect(DisabledSkinRect))
    CreateButtonImage(&B, DisabledSkinRect, false, false);
  else if (FDownState || DrawnDown())
    CreateButtonImage(&B, DownSkinRect, true, true);
  else if (IsFocused() && !IsEmptyRect(FocusedSkinRect) && !AnimateTimer)
    CreateButtonImage(&B, FocusedSkinRect, false, true);
  else if (IsFocused() || FMouseIn || (CanMorphing() && FMorphKf == 1))
    CreateButtonImage(&B, ActiveSkinRect, false, true);
  else
    CreateButtonImage(&B, SkinRect, false, false);
  Canvas()->Draw(0, 0, &B);
}

void TskSkinButton::DrawParentImage(TBitmap* B) { DrawParentBackground(this, B->Canvas()); }

void TskSkinButton::DrawFocusMark(TCanvas* C, const TRect& R) {
  if (!ShowFocus || !Focused()) return;
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(SkinData()->SkinColors()->cBtnFace());
  DrawDotFrame(C, R);
  C->Brush()->SetStyle(bsClear);
}

void TskSkinButton::DrawContent(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) {
  C->Brush()->SetStyle(bsClear);
  if (DrawImagesMenuItem(C, R, Caption(), false, 0)) return;
  if (ListImageShown())
    DrawImageAndText(C, R, Margin(), Spacing(), Layout(), Caption(), ImageIndex(), ImageList(), false, Enabled(),
                     false, 0);
  else
    DrawGlyphAndText(C, R, Margin(), Spacing(), Layout(), Caption(), Glyph(), NumGlyphs(), GetGlyphNum(ADown, AMouseIn),
                     false, false, 0);
}

void TskSkinButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  const TRect K = Rect(0, 0, B->Width(), B->Height());
  const bool Pressed = DrawnDown();
  DrawBuiltInButton(C, K, Pressed || FMouseIn || IsFocused(), Pressed);
  SelectFontFace(C);
  if (!Enabled()) C->Font()->SetColor(clBtnShadow);
  if (!DoPaint(C, K, FDown, FMouseIn)) return;
  DrawContent(C, K, FDown, FMouseIn);
}
