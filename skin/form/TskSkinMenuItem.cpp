#include "skin/form/TskSkinMenuItem.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/skMenuMarks.h"

namespace {

/// The built-in look's hot fill.
constexpr TColor HotFill = RGB(193, 212, 243);

/// Draws Text on one line vertically centred in R (its line height measured by the font), raised by Raise
/// pixels, 1 pixel in from R's left edge, or ending 1 pixel before its right edge when RightAligned.
void DrawRowText(TCanvas* C, const String& Text, const TRect& R, int Raise, bool RightAligned) {
  TEXTMETRIC Metrics {};
  GetTextMetrics(C->Handle(), Metrics);
  const int H = Metrics.tmHeight;
  const int Top = RectHeight(R) / 2 + R.Top - H / 2 - Raise;
  TRect T = Rect(R.Left + 1, Top, R.Right - 1, Top + H);
  DrawText(C->Handle(), Text, T, DT_SINGLELINE | (RightAligned ? DT_RIGHT : DT_LEFT));
}

}  // namespace

TskSkinMenuItem::TskSkinMenuItem(TskSkinPopupWindow* AParent, TMenuItem* AMenuItem, TskDataSkinMenuItem* AData)
    : Parent(AParent), MI(AData), MenuItem(AMenuItem) {
  if (!MI) return;
  ActivePicture = TskSkinGeometry::ModelPicture(Parent->SD, MI->ActivePictureIndex);
  if (ActivePicture) return;
  ClearRect(MI->SkinRect);
  ClearRect(MI->ActiveSkinRect);
}

bool TskSkinMenuItem::IsSeparator() const { return MenuItem->Caption() == "-"; }

bool TskSkinMenuItem::IsHeader() const {
  const String& C = MenuItem->Caption();
  return C.size() >= 2 && C.front() == '-' && C.back() == '-' && !MenuItem->Enabled();
}

String TskSkinMenuItem::ShownCaption() const {
  const String& C = MenuItem->Caption();
  return IsHeader() ? C.substr(1, C.size() - 2) : C;
}

// ---- Transitions ---------------------------------------------------------------------------------------

namespace {

bool EffectsOn(const TskSkinData* SD) { return SD && !SD->Empty && SD->EnableSkinEffects(); }

}  // namespace

bool TskSkinMenuItem::EnableMorphing() const { return MI && MI->Morphing && EffectsOn(Parent->SD); }

bool TskSkinMenuItem::EnableAnimation() const {
  // A strip without frames has nothing to play.
  return MI && !IsEmptyRect(MI->AnimateSkinRect) && MI->FrameCount > 0 && EffectsOn(Parent->SD);
}

bool TskSkinMenuItem::CanMorphing() {
  if (!FVisible) {
    if (FMorphSteps != 0) {
      Active = false;
      Down = false;
      FMorphSteps = 0;
    }
    return false;
  }
  return Lit() ? FMorphSteps < 5 : FMorphSteps > 0;
}

void TskSkinMenuItem::SetMorphSteps(int Value) { FMorphSteps = std::clamp(Value, 0, 5); }

void TskSkinMenuItem::DoMorphing() {
  SetMorphSteps(FMorphSteps + (Lit() ? 1 : -1));
  Draw(Parent->Canvas());
}

void TskSkinMenuItem::ReDraw() {
  TTimer* Timer = Parent->MorphTimer();
  if (EnableAnimation()) {
    if (Timer->Interval() != Cardinal(MI->AnimateInterval)) Timer->SetInterval(Cardinal(MI->AnimateInterval));
    if (Active || MI->InActiveAnimation) {
      Timer->SetEnabled(true);
      return;
    }
    CurrentFrame = 0;
  } else if (EnableMorphing()) {
    if (Timer->Interval() != 20) Timer->SetInterval(20);
    Timer->SetEnabled(true);
    return;
  }
  if (Parent->HandleAllocated()) Draw(Parent->Canvas());
}

// ---- Hover and click -----------------------------------------------------------------------------------

void TskSkinMenuItem::MouseEnter(bool Kb) {
  Active = true;
  if (EnableAnimation()) CurrentFrame = 0;
  for (const auto& Other : Parent->ItemList)
    if (Other.get() != this && Other->Down) {
      Other->Down = false;
      Other->ReDraw();
    }
  TskSkinMenu* Menu = Parent->ParentMenu;
  if (WaitCommand && !Kb) {
    ReDraw();
  } else if (Down) {
    if (Menu->PopupList().size() >= size_t(Menu->GetPopupWindowIndex(Parent)) + 2) {
      const size_t Level = size_t(Menu->GetPopupWindowIndex(Parent)) + 1;
      if (Level + 1 < Menu->PopupList().size()) TskSkinPopupWindow::ResetSubMenu(Menu->PopupList()[Level]);
    }
  } else {
    ReDraw();
    Menu->ProcessItem(Parent, this, false, Kb);
  }
  if (Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TskSkinMenuItem::MouseLeave() {
  Active = false;
  if (EnableAnimation()) CurrentFrame = MI->FrameCount + 1;
  WaitCommand = false;
  if (!Down) ReDraw();
  TskSkinMenu* Menu = Parent->ParentMenu;
  if (Menu->WItem == this) Menu->StopWaiting();
}

void TskSkinMenuItem::MouseDown(int, int) {
  WaitCommand = false;
  if (!Down && MenuItem->Enabled()) Parent->ParentMenu->ProcessItem(Parent, this, true, false);
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinMenuItem::Draw(TCanvas* Cnvs) {
  if (!FVisible || IsEmptyRect(ObjectRect)) return;
  if (!MI || !ActivePicture)
    DefaultDraw(Cnvs);
  else if (!Parent->ParentMenu->FUseSkinSize)
    ResizeDraw(Cnvs);
  else
    SkinDraw(Cnvs);
}

TRect TskSkinMenuItem::FrameRect(int n) const {
  const TRect& A = MI->AnimateSkinRect;
  if (RectHeight(A) > RectHeight(MI->SkinRect)) {
    const int h = RectHeight(A) / MI->FrameCount;
    return Rect(A.Left, A.Top + h * (n - 1), A.Right, A.Top + h * n);
  }
  const int w = RectWidth(A) / MI->FrameCount;
  return Rect(A.Left + w * (n - 1), A.Top, A.Left + w * n, A.Bottom);
}

void TskSkinMenuItem::DrawRowImage(TBitmap* B, const TRect& Source, bool AActive, bool Animating, bool Resized) {
  const int W = RectWidth(ObjectRect), H = RectHeight(ObjectRect);
  if (!AActive && !Animating && MI->InActiveTransparent && Parent->FPaintBuffer) {
    B->SetSize(W, Resized ? H : RectHeight(Source));
    B->Canvas()->CopyRect(Rect(0, 0, W, B->Height()), Parent->FPaintBuffer->Canvas(),
                          Bounds(ObjectRect.Left, ObjectRect.Top, W, B->Height()));
    return;
  }
  if (Resized) {
    B->SetSize(W, H);
    const int h = RectHeight(Source);
    ComposeStretchedSkinImage(B, ActivePicture, Source,
                              Rect(MI->ItemLO, h / 4, RectWidth(Source) - MI->ItemRO, h - h / 4), true);
    return;
  }
  const bool Stretch = AActive ? MI->StretchEffect : (MI->InActiveStretchEffect || (Animating && MI->StretchEffect));
  ComposeHorzStripImage(MI->ItemLO, MI->ItemRO, B, ActivePicture, Source, W, RectHeight(Source), Stretch);
}

void TskSkinMenuItem::DrawRowBackground(TBitmap* B, bool Resized) {
  if (EnableAnimation() && CurrentFrame > 0 && CurrentFrame <= MI->FrameCount) {
    DrawRowImage(B, FrameRect(CurrentFrame), true, true, Resized);
    return;
  }
  const bool Lit = this->Lit();
  if (EnableMorphing() && !(Lit && FMorphSteps == 5) && (Lit || FMorphSteps != 0)) {
    TBitmap Normal, Hot;
    DrawRowImage(&Normal, MI->SkinRect, false, false, Resized);
    DrawRowImage(&Hot, MI->ActiveSkinRect, true, false, Resized);
    std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Normal.Handle());
    std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Hot.Handle());
    MorphByKind(From.get(), To.get(), FMorphSteps / 5.0, MI->MorphKind);
    B->SetSize(Normal.Width(), Normal.Height());
    From->Draw(B->Canvas()->Handle(), 0, 0);
    return;
  }
  DrawRowImage(B, Lit ? MI->ActiveSkinRect : MI->SkinRect, Lit, false, Resized);
}

void TskSkinMenuItem::SelectFont(TCanvas* C, bool AActive) {
  TskSkinMenu* Menu = Parent->ParentMenu;
  TFont* F = C->Font();
  if (MI && Menu->FUseSkinFont && Menu->FUseSkinSize) {
    F->SetName(MI->FontName);
    F->SetStyle(MI->FontStyle);
    F->SetHeight(MI->FontHeight);
  } else {
    F->Assign(&Menu->FDefaultMenuItemFont);
  }
  TskSkinData* SD = Menu->SkinData;
  F->SetCharset(SD && SD->ResourceStrData() ? SD->ResourceStrData()->CharSet() : Menu->FDefaultMenuItemFont.Charset());
  C->Brush()->SetStyle(bsClear);
  if (!MI)
    F->SetColor(AActive || MenuItem->Enabled() ? clWindowText : clBtnShadow);
  else
    F->SetColor(!MenuItem->Enabled() ? MI->UnEnabledFontColor : AActive ? MI->ActiveFontColor : MI->FontColor);
}

bool TskSkinMenuItem::DrawSkinImage(TCanvas* Canvas, const TRect& R, const TRect& Normal, const TRect& Hot,
                                    bool AActive) {
  const TRect& Source = AActive && !IsEmptyRect(Hot) ? Hot : Normal;
  if (IsEmptyRect(Normal) || !ActivePicture) return false;
  TBitmap Image;
  Image.SetSize(RectWidth(Source), RectHeight(Source));
  Image.Canvas()->CopyRect(Rect(0, 0, Image.Width(), Image.Height()), ActivePicture->Canvas(), Source);
  Image.SetTransparent(true);
  const int X = std::max(R.Left + RectWidth(R) / 2 - Image.Width() / 2, R.Left);
  const int Y = std::max(R.Top + RectHeight(R) / 2 - Image.Height() / 2, R.Top);
  Canvas->Draw(X, Y, &Image);
  return true;
}

bool TskSkinMenuItem::DrawGlyph(TCanvas* C, TRect Area, bool CentreInArea, TColor FrameColor) {
  TCustomImageList* Images = Parent->ImgL;
  const bool FromList = Images && MenuItem->ImageIndex() >= 0 && MenuItem->ImageIndex() < Images->Count();
  TBitmap* Own = FromList ? nullptr : MenuItem->Bitmap();
  if (!FromList && (!Own || Own->Empty())) return false;
  const int W = FromList ? Images->Width() : Own->Width();
  const int H = FromList ? Images->Height() : Own->Height();
  const int X = CentreInArea ? Area.Left + RectWidth(Area) / 2 - W / 2 : Area.Left;
  const int Y = Area.Top + RectHeight(Area) / 2 - H / 2;
  if (MenuItem->Checked()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FrameColor);
    C->FrameRect(Rect(X - 1, Y - 1, X + W + 1, Y + H + 1));
    C->Brush()->SetStyle(bsClear);
  }
  if (FromList)
    Images->Draw(C, X, Y, MenuItem->ImageIndex(), MenuItem->Enabled());
  else
    C->Draw(X, Y, Own);
  return true;
}

void TskSkinMenuItem::DrawMark(TCanvas* C, int X, int Y, const TRect& GlyphRect, TColor Color, bool AActive,
                               bool Builtin) {
  const String& Name = MenuItem->Name();
  if (Name == "BSF_CLOSE" || Name == "TRAY_BSF_CLOSE")
    DrawCloseGlyph(C, X, Y, Color);
  else if (Name == "BSF_MINITEM")
    DrawMinimizeGlyph(C, X, Y, Color);
  else if (Name == "BSF_MAXITEM")
    DrawMaximizeGlyph(C, X, Y, Color);
  else if (Name == "BSF_RESTORE" || Name == "TRAY_BSF_RESTORE")
    DrawRestoreGlyph(C, X, Y, Color);
  else if (Name == "BSF_ROLLUP")
    DrawRollUpGlyph(C, X, Y, Color);
  else if (Name == "BSF_MINTOTRAY")
    DrawMinimizeToTrayGlyph(C, X, Y, Color);
  else if (!MenuItem->Checked())
    return;
  else if (MenuItem->RadioItem()) {
    if (Builtin || !DrawSkinImage(C, GlyphRect, MI->RadioImageRect, MI->ActiveRadioImageRect, AActive))
      DrawMenuRadioMark(C, X, Y + 1, Color);
  } else if (Builtin || !DrawSkinImage(C, GlyphRect, MI->CheckImageRect, MI->ActiveCheckImageRect, AActive)) {
    DrawMenuCheckMark(C, X, Y, Color);
  }
}

void TskSkinMenuItem::DrawRowContent(TBitmap* B, TRect T, TRect ImageRect, bool AActive) {
  TCanvas* C = B->Canvas();
  const int Glyph = !IsEmptyRect(ImageRect) ? 0 : Parent->ImgL ? Parent->GlyphWidth : 16;
  SelectFont(C, AActive);
  if (MenuItem->OnDrawItem) {
    MenuItem->OnDrawItem(this, C, T, AActive);
    return;
  }
  const int Raise = C->Font()->Height() % 2 != 0 ? 1 : 0;
  DrawRowText(C, MenuItem->Caption(), Rect(T.Left + Glyph, T.Top, T.Right - 16, T.Bottom), Raise, false);
  if (MenuItem->ShortCut() != scNone)
    DrawRowText(C, ShortCutToText(MenuItem->ShortCut()), Rect(T.Left, T.Top, T.Right - 16, T.Bottom), Raise, true);
  TColor Color = C->Font()->Color();
  if (MenuItem->Count() > 0) {
    const TRect& Arrow = MI->ArrowImageRect;
    if (IsEmptyRect(Arrow))
      DrawMenuArrow(C, T.Right - 7, RectHeight(T) / 2 + T.Top - 4, Color);
    else
      DrawSkinImage(C, Rect(T.Right - RectWidth(Arrow) - 5, T.Top, T.Right, T.Bottom), Arrow,
                    MI->ActiveArrowImageRect, AActive);
  }
  if (MI->UseImageColor) Color = AActive ? MI->ActiveImageColor : MI->ImageColor;
  const bool InImageRect = !IsEmptyRect(ImageRect);
  const TRect GlyphArea = InImageRect ? ImageRect : Rect(T.Left + 2, T.Top, T.Left + 16, T.Bottom);
  if (DrawGlyph(C, GlyphArea, InImageRect, Color)) return;
  const int X = InImageRect ? ImageRect.Left + RectWidth(ImageRect) / 2 - 4 : T.Left + 2;
  const int Y = InImageRect ? ImageRect.Top + RectHeight(ImageRect) / 2 - 4 : RectHeight(T) / 2 + T.Top - 4;
  DrawMark(C, X, Y, GlyphArea, Color, AActive, false);
}

void TskSkinMenuItem::DrawHeader(TBitmap* B, bool Resized) {
  TskSkinData* SD = Parent->SD;
  int Index = SD->GetControlIndex("menuheader");
  if (Index < 0) Index = SD->GetControlIndex("label");
  auto* Label = Index < 0 ? nullptr : dynamic_cast<TskDataSkinLabelControl*>(SD->CtrlList[size_t(Index)].get());
  TBitmap* Picture = Label ? TskSkinGeometry::ModelPicture(SD, Label->PictureIndex) : nullptr;
  if (!Picture) return;
  const TRect& S = Label->SkinRect;
  const int W = RectWidth(ObjectRect), H = RectHeight(ObjectRect);
  TBitmap Strip;
  if (Resized) {
    Strip.SetSize(W, H);
    const int h = RectHeight(S);
    ComposeStretchedSkinImage(&Strip, Picture, S, Rect(Label->LTPoint.X, h / 4, Label->RTPoint.X, h - h / 4), true);
  } else {
    ComposeHorzStripImage(Label->LTPoint.X, RectWidth(S) - Label->RTPoint.X, &Strip, Picture, S, W, RectHeight(S),
                          Label->StretchEffect);
  }
  TCanvas* C = Strip.Canvas();
  C->Brush()->SetStyle(bsClear);
  if (Resized) {
    C->Font()->Assign(&Parent->ParentMenu->FDefaultMenuItemFont);
  } else {
    C->Font()->SetName(Label->FontName);
    C->Font()->SetHeight(Label->FontHeight);
    C->Font()->SetStyle(Label->FontStyle);
  }
  C->Font()->SetColor(Label->FontColor);
  const int Raise = !Resized && Label->FontHeight % 2 != 0 ? 1 : 0;
  TRect T = Rect(Label->ClRect.Left, Label->ClRect.Top - Raise, Strip.Width() + Label->ClRect.Right - RectWidth(S),
                 Strip.Height() - Raise);
  DrawText(C->Handle(), ShownCaption(), T, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  B->Canvas()->Draw(0, (B->Height() - Strip.Height()) / 2, &Strip);
}

void TskSkinMenuItem::SkinDraw(TCanvas* Cnvs) {
  const int W = RectWidth(ObjectRect);
  TBitmap B;
  if (IsSeparator()) {
    ComposeHorzStripImage(MI->DividerLO, MI->DividerRO, &B, ActivePicture, MI->DividerRect, W,
                          RectHeight(MI->DividerRect), MI->DividerStretchEffect);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
    return;
  }
  DrawRowBackground(&B, false);
  if (IsHeader()) {
    DrawHeader(&B, false);
  } else {
    TRect T = MI->TextRct;
    T.Right += W - RectWidth(MI->SkinRect);
    DrawRowContent(&B, T, MI->ImageRct, Lit());
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}

void TskSkinMenuItem::ResizeDraw(TCanvas* Cnvs) {
  const int W = RectWidth(ObjectRect), H = RectHeight(ObjectRect);
  TBitmap B;
  if (IsSeparator()) {
    B.SetSize(W, H);
    const TRect& S = MI->DividerRect;
    ComposeStretchedSkinImage(&B, ActivePicture, S,
                              Rect(MI->DividerLO, 0, RectWidth(S) - MI->DividerRO, RectHeight(S)), true);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
    return;
  }
  DrawRowBackground(&B, true);
  if (IsHeader()) {
    DrawHeader(&B, true);
  } else {
    const int dW = W - RectWidth(MI->SkinRect), dH = H - RectHeight(MI->SkinRect);
    TRect T = MI->TextRct;
    T.Right += dW;
    T.Bottom += dH;
    TRect I = MI->ImageRct;
    if (!IsEmptyRect(I)) I.Bottom += dH;
    DrawRowContent(&B, T, I, Lit());
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}

void TskSkinMenuItem::DefaultDraw(TCanvas* Cnvs) {
  const int W = RectWidth(ObjectRect), H = RectHeight(ObjectRect);
  const int Glyph = Parent->ImgL ? Parent->GlyphWidth : 19;
  TBitmap B;
  B.SetSize(W, H);
  TCanvas* C = B.Canvas();
  const bool Lit = this->Lit() && !IsSeparator() && !IsHeader();
  C->Brush()->SetColor(Lit ? HotFill : clWindow);
  C->FillRect(Rect(0, 0, W, H));
  if (IsSeparator()) {
    C->Pen()->SetColor(clBtnShadow);
    C->MoveTo(0, H / 2);
    C->LineTo(W, H / 2);
  } else if (IsHeader()) {
    C->Brush()->SetColor(clBtnShadow);
    C->FillRect(Rect(0, 0, W, H));
    SelectFont(C, false);
    C->Font()->SetColor(clBtnHighlight);
    TRect T = Rect(2, 2, W - 2, H - 2);
    DrawText(C->Handle(), ShownCaption(), T, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  } else {
    SelectFont(C, Lit);
    const TRect T = Rect(2, 2, W - 2, H - 2);
    if (MenuItem->OnDrawItem) {
      MenuItem->OnDrawItem(this, C, T, Lit);
    } else {
      DrawRowText(C, MenuItem->Caption(), Rect(T.Left + Glyph, T.Top, T.Right - 19, T.Bottom), 0, false);
      if (MenuItem->ShortCut() != scNone)
        DrawRowText(C, ShortCutToText(MenuItem->ShortCut()), Rect(T.Left, T.Top, T.Right - 19, T.Bottom), 0, true);
      const TColor Color = C->Font()->Color();
      const int Centre = RectHeight(T) / 2 + T.Top;
      if (MenuItem->Count() > 0) DrawMenuArrow(C, T.Right - 7, Centre - 4, Color);
      if (!DrawGlyph(C, Rect(T.Left + 2, T.Top, T.Left + 16, T.Bottom), false, Color))
        DrawMark(C, T.Left + 3, Centre - 4, T, Color, Lit, true);
    }
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}
