#include "skin/controls/TskSkinMenuSpeedButton.h"

#include "platform/gdi/TCanvas.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

TskSkinMenuSpeedButton::TskSkinMenuSpeedButton(TComponent* AOwner) : TskSkinMenuTracking(AOwner) {}

void TskSkinMenuSpeedButton::SetNewStyle(bool Value) {
  FNewStyle = Value;
  if (Value) SetSkinDataName("resizetoolbutton");
}

void TskSkinMenuSpeedButton::SetTrackPosition(TskTrackPosition Value) {
  FTrackPosition = Value;
  Repaint();
}

TRect TskSkinMenuSpeedButton::StripPart() {
  const int W = Width(), H = Height();
  if (FNewStyle && FTrackPosition == sktpBottom) return Rect(0, H - DropDownWidth, W, H);
  return Rect(W - DropDownWidth, 0, W, H);
}

TRect TskSkinMenuSpeedButton::MainPart() {
  const int W = Width(), H = Height();
  if (FNewStyle && FTrackPosition == sktpBottom) return Rect(0, 0, W, H - DropDownWidth);
  return Rect(0, 0, W - DropDownWidth, H);
}

TRect TskSkinMenuSpeedButton::DropDownPart() {
  if (Skinned() && !StyledName()) return TskSkinMenuTracking::DropDownPart();
  return StripPart();
}

// A flat button does not stay opaque under an open menu.
void TskSkinMenuSpeedButton::BeforeMenuOpens() {
  if (Flat() && !Transparent()) SetTransparentNoRedraw(true);
}

void TskSkinMenuSpeedButton::MenuClosed(bool HotFirst) {
  FMenuTracked = false;
  SetDown(false);
  if (HotFirst) FMouseIn = false;
  const std::weak_ptr<bool> Life = LifeToken();
  if (OnHideTrackMenu) OnHideTrackMenu(this);
  if (Life.expired()) return;
  FMouseIn = false;
  Repaint();
}

void TskSkinMenuSpeedButton::PopupMenuClosed() { MenuClosed(true); }

void TskSkinMenuSpeedButton::ImagesMenuClosed() { MenuClosed(false); }

bool TskSkinMenuSpeedButton::DrawsStyledBackground(bool AMouseIn) { return !Flat() || AMouseIn || FMenuTracked; }

void TskSkinMenuSpeedButton::DrawDropDownMark(TCanvas* C, const TRect& R, bool Pressed, bool AMouseIn) {
  if (FDrawStandardArrow)
    DrawArrow(C, R, C->Font()->Color(), FArrowType);
  else
    TskSkinMenuTracking::DrawDropDownMark(C, R, Pressed, AMouseIn);
}

void TskSkinMenuSpeedButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  if (FNewStyle && SkinDataName() == "resizetoolbutton")
    CreateNewStyleImage(B, ADown, AMouseIn);
  else if (StyledName())
    CreateStyledImage(B, ADown, AMouseIn);
  else if (!CreateTrackedPartImage(B))
    TskSkinMenuTracking::CreateButtonImage(B, R, ADown, AMouseIn);
}

// Transparent and not pressed: caption, image and the flat marker straight over what lies behind.
void TskSkinMenuSpeedButton::Paint() {
  GetSkinData();
  if ((FDown && FMouseIn) || FMenuTracked || !Transparent()) {
    TskSkinMenuTracking::Paint();
    return;
  }
  TCanvas* C = Canvas();
  const bool Own = Skinned() && !StyledName();
  if (Own) {
    int W = Width(), H = Height();
    CalcSize(W, H);
  }
  const TRect K = Own ? NewClRect : MainPart();
  SelectTransparentFont(C);
  if (!Enabled()) C->Font()->SetColor(clBtnShadow);
  DrawContent(C, K, false, false);
  TRect M = Own ? Rect(K.Right, K.Top, Width(), K.Bottom) : StripPart();
  if (!Skinned()) {
    DrawDropDownArrow(C, M, clBtnText);
    return;
  }
  if (ResizeMode != 1) M.Left -= 2;
  if (!IsEmptyRect(MenuMarkerFlatRect))
    DrawMarkerPiece(C, M, MenuMarkerFlatRect);
  else {
    DrawDropDownArrow(C, M, SkinData()->SkinColors()->cBtnText());
  }
}

void TskSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  const TRect Whole = Rect(0, 0, B->Width(), B->Height());
  const bool Pressed = FDown && FMouseIn;
  auto Face = [&](const TRect& R, bool Hot, bool Down) { DrawDefaultFace(C, R, Hot, Down, true); };
  const bool Parts = TrackButtonMode() && (!FNewStyle || FMouseIn);
  if (!Parts) {
    Face(Whole, FMouseIn, Pressed);
  } else if (!FNewStyle) {
    Face(MainPart(), FMenuTracked || FMouseIn, !FMenuTracked && Pressed);
    Face(StripPart(), FMenuTracked || FMouseIn, FMenuTracked || Pressed);
  } else {
    Face(MainPart(), true, !FMenuTracked && FDown);
    Face(StripPart(), true, FMenuTracked);
  }
  SelectFontFace(C);
  if (!Enabled()) C->Font()->SetColor(clBtnShadow);
  DrawContent(C, MainPart(), FDown, FMouseIn);
  const bool Shifted = FNewStyle ? Pressed && TrackButtonMode() && FMenuTracked : Pressed || FMenuTracked;
  const int Shift = Shifted ? 2 : 0;
  DrawDropDownArrow(C, StripPart().Offset(Shift, Shift), clBtnText);
}

// ---- New style ----

const TskDataSkinButtonControl* TskSkinMenuSpeedButton::ModelRecord(const String& Name) {
  TskSkinData* Model = SkinData();
  const int Index = Model ? Model->GetControlIndex(Name) : -1;
  return Index < 0 ? nullptr : dynamic_cast<const TskDataSkinButtonControl*>(Model->CtrlList[Index].get());
}

void TskSkinMenuSpeedButton::DrawRecordImage(TCanvas* C, const TskDataSkinButtonControl& Record, const TRect& Q,
                                             bool Down, bool Active) {
  TBitmap* Source = ModelPicture(SkinData(), Record.PictureIndex);
  if (!Source || Q.Width() <= 0 || Q.Height() <= 0) return;
  const TRect& N = Record.SkinRect;
  const TRect& A = IsEmptyRect(Record.ActiveSkinRect) ? N : Record.ActiveSkinRect;
  const TRect& D = IsEmptyRect(Record.DownSkinRect) ? A : Record.DownSkinRect;
  const int d = Q.Width() - RectWidth(N), dH = Q.Height() - RectHeight(N);
  const TRect& Cl = Record.ClRect;
  TBitmap Image;
  ComposeSkinImage(Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Cl, Record.LTPoint,
                   { Record.RTPoint.X + d, Record.RTPoint.Y }, { Record.LBPoint.X, Record.LBPoint.Y + dH },
                   { Record.RBPoint.X + d, Record.RBPoint.Y + dH }, Rect(Cl.Left, Cl.Top, Cl.Right + d, Cl.Bottom + dH),
                   &Image, Source, Down && Active ? D : Active ? A : N, Q.Width(), Q.Height(), true, Record.LeftStretch,
                   Record.TopStretch, Record.RightStretch, Record.BottomStretch, Record.StretchEffect,
                   Record.StretchType);
  C->Draw(Q.Left, Q.Top, &Image);
}

void TskSkinMenuSpeedButton::CreateNewStyleImage(TBitmap* B, bool ADown, bool AMouseIn) {
  const TskDataSkinButtonControl* Record = ModelRecord("resizetoolbutton");
  if (!Record) Record = ModelRecord("resizebutton");
  if (!Record) return;
  TCanvas* C = B->Canvas();
  const TRect Whole = Rect(0, 0, B->Width(), B->Height());
  const TRect P = StripPart();
  const bool PartShown = FMouseIn && TrackButtonMode();
  TRect K = PartShown ? MainPart() : Whole;
  const TskDataSkinButtonControl* PartRecord = Record;
  if (PartShown) {
    // A record of its own for the part lies over the whole button's image.
    if (const auto* Own = ModelRecord(FTrackPosition == sktpBottom ? "htracktoolbutton" : "vtracktoolbutton")) {
      PartRecord = Own;
      K = Whole;
    }
  }
  const bool Pressed = ADown && AMouseIn && !(FMenuTracked && TrackButtonMode());
  DrawRecordImage(C, *Record, K, Pressed, AMouseIn);
  if (PartShown) DrawRecordImage(C, *PartRecord, P, FMenuTracked, AMouseIn);
  SelectButtonFont(C, Pressed, AMouseIn);
  DrawContent(C, MainPart(), ADown, AMouseIn);
  if (FDrawStandardArrow)
    DrawArrow(C, P, C->Font()->Color(), FArrowType);
  else if (!IsEmptyRect(MenuMarkerRect))
    DrawMenuMarker(C, P, AMouseIn, (ADown && AMouseIn) || FMenuTracked);
  else
    DrawDropDownArrow(C, P, FMenuTracked ? DownFontColor : C->Font()->Color());
}
