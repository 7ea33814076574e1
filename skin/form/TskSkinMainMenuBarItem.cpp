#include "skin/form/TskSkinMainMenuBarItem.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skRecordImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMenu.h"

namespace {

// The built-in look of pressed and hovered items.
constexpr TColor BuiltInFrame = RGB(59, 107, 183);
constexpr TColor BuiltInDown = RGB(162, 188, 228);
constexpr TColor BuiltInHot = RGB(193, 212, 243);

}  // namespace

TskSkinMainMenuBarItem::TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuItem* AData)
    : TskMenuBarObject(AParent, AData) {
  if (!AData) return;
  FSkinSupport = true;
  FontName = AData->FontName;
  FontHeight = AData->FontHeight;
  FontStyle = AData->FontStyle;
  UnEnabledFontColor = AData->UnEnabledFontColor;
  FontColor = AData->FontColor;
  ActiveFontColor = AData->ActiveFontColor;
  DownFontColor = AData->DownFontColor;
  TextRct = AData->TextRct;
  LO = AData->ItemLO;
  RO = AData->ItemRO;
  StretchEffect = AData->StretchEffect;
  AnimateSkinRect = AData->AnimateSkinRect;
  FrameCount = AData->FrameCount;
  AnimateInterval = AData->AnimateInterval;
  InActiveAnimation = AData->InActiveAnimation;
  DownRect = !IsEmptyRect(AData->DownRect)         ? AData->DownRect
             : !IsEmptyRect(AData->ActiveSkinRect) ? AData->ActiveSkinRect
                                                   : AData->SkinRect;
}

bool TskSkinMainMenuBarItem::EnableAnimation() const {
  const TskSkinData* SD = Parent->SkinData();
  // A strip without frames has nothing to play.
  return FSkinSupport && !IsEmptyRect(AnimateSkinRect) && FrameCount > 0 && SD && !SD->Empty &&
         !Parent->ToolBarMode() && SD->EnableSkinEffects();
}

void TskSkinMainMenuBarItem::ReDraw() {
  if (!EnableAnimation()) {
    TskMenuBarObject::ReDraw();
    return;
  }
  Parent->AnimateTimer()->SetInterval(Cardinal(AnimateInterval));
  Parent->AnimateTimer()->SetEnabled(true);
}

// ---- Layout --------------------------------------------------------------------------------------------

void TskSkinMainMenuBarItem::SelectFont(TCanvas* C, const TskDataSkinButtonControl* Tool) const {
  TFont* F = C->Font();
  if (Tool && Parent->UseSkinFont()) {
    F->SetName(Tool->FontName);
    F->SetStyle(Tool->FontStyle);
    F->SetHeight(Tool->FontHeight);
  } else if (FSkinSupport && Parent->UseSkinFont()) {
    F->SetName(FontName);
    F->SetStyle(FontStyle);
    F->SetHeight(FontHeight);
  } else {
    F->Assign(Parent->DefItemFont());
  }
  const TskSkinData* SD = Parent->SkinData();
  F->SetCharset(SD && SD->ResourceStrData() ? SD->ResourceStrData()->CharSet() : Parent->DefItemFont()->Charset());
}

int TskSkinMainMenuBarItem::TextWidth() {
  TBitmap Measure;
  Measure.SetSize(1, 1);
  SelectFont(Measure.Canvas(), nullptr);
  TRect R;
  DrawText(Measure.Canvas()->Handle(), MenuItem->Caption(), R, DT_CALCRECT | DT_SINGLELINE);
  return R.Width();
}

namespace {

/// The width of the item's glyph (plus its gap) in the bar, 0 without one.
int GlyphRoom(TMenuItem* Item, int Gap) {
  TCustomImageList* Images = Item->GetImageList();
  if (Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count()) return Images->Width() + Gap;
  if (!Item->Bitmap()->Empty()) return Item->Bitmap()->Width() + Gap;
  return 0;
}

}  // namespace

void TskSkinMainMenuBarItem::Layout() {
  const TRect& Area = Parent->NewItemsRect;
  int Left = Area.Left;
  for (int i = 0; i < Parent->ItemCount(); ++i) {
    const TskSkinMainMenuBarItem* Other = Parent->Item(i);
    if (Other == this) break;
    if (Other->ObjectRect.Right != 0) Left = Other->ObjectRect.Right;
  }
  const int Top = Area.Top;
  if (FSkinSupport) {
    const int W = RectWidth(SkinRect) + TextRct.Left + TextWidth() - TextRct.Right + 2 + GlyphRoom(MenuItem, 5);
    ObjectRect = Rect(Left, Top, Left + W, Parent->UseSkinSize() ? Top + RectHeight(SkinRect) : Area.Bottom);
  } else {
    const int W = TextWidth() + 12 + GlyphRoom(MenuItem, 17);
    ObjectRect = Rect(Left, Top, Left + W, Area.Bottom);
  }
  const int Limit = Parent->ScrollMenu() ? Area.Right - 5 : Area.Right;
  if (ObjectRect.Right > Limit) {
    Parent->Scroll = true;
    if (FShown) {
      OldEnabled = Enabled;
      Enabled = false;
      FShown = false;
    }
  } else if (!FShown) {
    FShown = true;
    Enabled = OldEnabled;
  }
}

// ---- Drawing -------------------------------------------------------------------------------------------

void TskSkinMainMenuBarItem::Draw(TCanvas* Cnvs) {
  Layout();
  if (!FShown) return;
  if (!FSkinSupport) {
    DefaultDraw(Cnvs);
    return;
  }
  if (IsEmptyRect(SkinRect) || IsEmptyRect(TextRct)) return;
  SkinDraw(Cnvs);
}

TRect TskSkinMainMenuBarItem::FrameRect(int n) const {
  const TRect& A = AnimateSkinRect;
  if (RectHeight(SkinRect) < RectHeight(A)) {
    const int h = RectHeight(A) / FrameCount;
    return Rect(A.Left, A.Top + h * (n - 1), A.Right, A.Top + h * n);
  }
  const int w = RectWidth(A) / FrameCount;
  return Rect(A.Left + w * (n - 1), A.Top, A.Left + w * n, A.Bottom);
}

void TskSkinMainMenuBarItem::ItemImage(TBitmap* B, const TRect& S, bool ActiveStyle, TCanvas* BarCanvas) {
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  B->SetSize(W, H);
  if (Parent->ItemTransparent && (EqualRects(S, SkinRect) || (!Parent->UseSkinSize() && !ActiveStyle)) && BarCanvas) {
    B->Canvas()->CopyRect(Rect(0, 0, W, H), BarCanvas, ObjectRect);
    return;
  }
  if (!Picture) return;
  if (Parent->UseSkinSize()) {
    ComposeHorzStripImage(LO, RO, B, Picture, S, W, H, ActiveStyle && StretchEffect);
    return;
  }
  const int h = RectHeight(S);
  ComposeStretchedSkinImage(B, Picture, S, Rect(LO, h / 4, RectWidth(S) - RO, h - h / 4), true);
}

void TskSkinMainMenuBarItem::DrawContent(TBitmap* B, TRect R, bool ActiveStyle, bool Centre) {
  TCanvas* C = B->Canvas();
  if (TCustomImageList* Images = MenuItem->GetImageList();
      Images && MenuItem->ImageIndex() >= 0 && MenuItem->ImageIndex() < Images->Count()) {
    Images->Draw(C, R.Left + 2, (B->Height() - Images->Height()) / 2, MenuItem->ImageIndex(), MenuItem->Enabled());
    R.Left += Images->Width() + 5;
  } else if (!MenuItem->Bitmap()->Empty()) {
    C->Draw(R.Left + 2, (B->Height() - MenuItem->Bitmap()->Height()) / 2, MenuItem->Bitmap());
    R.Left += MenuItem->Bitmap()->Width() + 5;
  }
  if (Centre) R = Rect(R.Left, 0, R.Right, B->Height());
  if (MenuItem->OnDrawItem) {
    MenuItem->OnDrawItem(this, C, R, ActiveStyle);
    return;
  }
  C->Brush()->SetStyle(bsClear);
  const unsigned Prefix = Parent->MenuActive ? 0 : DT_HIDEPREFIX;
  DrawText(C->Handle(), MenuItem->Caption(), R,
           Parent->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE | Prefix));
}

const TskDataSkinButtonControl* TskSkinMainMenuBarItem::ToolButtonRecord() const {
  return Parent->ToolBarMode() ? FindControlRecord<TskDataSkinButtonControl>(Parent->SkinData(), "resizetoolbutton")
                               : nullptr;
}

TCanvas* TskSkinMainMenuBarItem::BarCanvas() const {
  return Parent->PaintBuffer ? Parent->PaintBuffer->Canvas() : Parent->Canvas();
}

void TskSkinMainMenuBarItem::LookImage(TBitmap* B, TLook Look, const TskDataSkinButtonControl* Tool) {
  if (!Tool) {
    const TRect& Hot = IsEmptyRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
    ItemImage(B, Look == TLook::Down ? DownRect : Look == TLook::Hot ? Hot : SkinRect, Look != TLook::Normal,
              BarCanvas());
    return;
  }
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  B->SetSize(W, H);
  if (Look == TLook::Normal && Parent->ToolBarModeItemTransparent()) {
    B->Canvas()->CopyRect(Rect(0, 0, W, H), BarCanvas(), ObjectRect);
    return;
  }
  const TRect& Normal = Tool->SkinRect;
  const TRect& Hot = IsEmptyRect(Tool->ActiveSkinRect) ? Normal : Tool->ActiveSkinRect;
  const TRect& Down = IsEmptyRect(Tool->DownSkinRect) ? Hot : Tool->DownSkinRect;
  ComposeRecordImage(*Tool, TskSkinGeometry::ModelPicture(Parent->SkinData(), Tool->PictureIndex),
                     Look == TLook::Down ? Down : Look == TLook::Hot ? Hot : Normal, W, H, B);
}

void TskSkinMainMenuBarItem::SkinDraw(TCanvas* Cnvs) {
  const TskDataSkinButtonControl* Tool = ToolButtonRecord();
  // Tool-bar mode without tool buttons in the skin has no look to draw.
  if (Parent->ToolBarMode() && !Tool) return;
  TBitmap B;
  bool ActiveStyle = true;
  if (FDown) {
    LookImage(&B, TLook::Down, Tool);
  } else if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount) {
    ItemImage(&B, FrameRect(CurrentFrame), true, BarCanvas());
  } else if (EnableMorphing() && (Active ? FMorphSteps != 5 : FMorphSteps != 0)) {
    TBitmap Hot;
    LookImage(&B, TLook::Normal, Tool);
    LookImage(&Hot, TLook::Hot, Tool);
    MorphBitmap(&B, &Hot, FMorphSteps / 5.0, MorphKind);
    ActiveStyle = Active;
  } else if (Active) {
    LookImage(&B, TLook::Hot, Tool);
  } else {
    LookImage(&B, TLook::Normal, Tool);
    ActiveStyle = false;
  }
  TCanvas* C = B.Canvas();
  SelectFont(C, Tool);
  const TColor Down = Tool ? Tool->DownFontColor : DownFontColor;
  const TColor Hot = Tool ? Tool->ActiveFontColor : ActiveFontColor;
  const TColor Normal = Tool ? Tool->FontColor : FontColor;
  C->Font()->SetColor(FDown ? Down : ActiveStyle ? Hot : MenuItem->Enabled() ? Normal : UnEnabledFontColor);
  const TRect R = Tool ? RecordClientRect(*Tool, B.Width(), B.Height())
                       : Rect(TextRct.Left, TextRct.Top, ObjectRect.Width() - (RectWidth(SkinRect) - TextRct.Right),
                              TextRct.Bottom);
  DrawContent(&B, R, ActiveStyle, !Tool && !Parent->UseSkinSize());
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}

void TskSkinMainMenuBarItem::DefaultDraw(TCanvas* Cnvs) {
  TBitmap B;
  B.SetSize(ObjectRect.Width(), ObjectRect.Height());
  TCanvas* C = B.Canvas();
  const TRect All = Rect(0, 0, B.Width(), B.Height());
  if (FDown || FMouseIn) {
    C->Brush()->SetColor(BuiltInFrame);
    C->FillRect(All);
    C->Brush()->SetColor(FDown ? BuiltInDown : BuiltInHot);
    C->FillRect(Rect(1, 1, B.Width() - 1, B.Height() - 1));
  } else {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(All);
  }
  SelectFont(C, nullptr);
  if (!MenuItem->Enabled()) C->Font()->SetColor(clBtnShadow);
  DrawContent(&B, All, FDown || FMouseIn, true);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}

// ---- Mouse and menus -----------------------------------------------------------------------------------

void TskSkinMainMenuBarItem::MouseEnter() {
  TskSkinMainMenuBarItem* Pressed = nullptr;
  for (int i = 0; i < Parent->ItemCount(); ++i)
    if (TskSkinMainMenuBarItem* Other = Parent->Item(i); Other->FDown && Other->IDName != IDName) Pressed = Other;
  if (Pressed) {
    // An open menu follows the pointer to this item.
    Pressed->SetDown(false);
    Active = true;
    FMouseIn = true;
    if (EnableMorphing()) FMorphSteps = 5;
    if (MenuItem->OnClick) MenuItem->OnClick(Parent);
    SetDown(true);
    return;
  }
  for (int i = 0; i < Parent->ItemCount(); ++i)
    if (TskSkinMainMenuBarItem* Other = Parent->Item(i); Other != this && Other->Active) {
      Other->MouseLeave();
      break;
    }
  FMouseIn = true;
  Active = true;
  ReDraw();
  if (Parent->OnItemMouseEnter) Parent->OnItemMouseEnter(MenuItem);
  if (Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TskSkinMainMenuBarItem::MouseLeave() {
  Active = false;
  FMouseIn = false;
  if (EnableAnimation() && !InActiveAnimation) {
    CurrentFrame = 0;
    Parent->DrawObject(this);
  }
  if (EnableMorphing() && FDown) FMorphSteps = 0;
  ReDraw();
  if (Parent->OnItemMouseLeave) Parent->OnItemMouseLeave(MenuItem);
}

void TskSkinMainMenuBarItem::MouseDown(int, int, TMouseButton Button) {
  TskSkinForm* Frame = Parent->SkinForm();
  if (!Enabled || !Frame || Button != mbLeft) return;
  if (MenuItem->Count() > 0) {
    Parent->MenuActive = true;
    Parent->Invalidate();
    if (MenuItem->OnClick) MenuItem->OnClick(Parent);
    SetDown(true);
    return;
  }
  if (Frame->InMainMenu) Frame->LeaveMainMenuMode();
  Frame->InMenu = false;
  if (EnableMorphing())
    ReDraw();
  else
    Parent->DrawObject(this);
  if (TMenu* Menu = MenuItem->GetParentMenu(); !Menu || !Menu->DispatchCommand(MenuItem->Command())) MenuItem->Click();
}

void TskSkinMainMenuBarItem::SetDown(bool Value) {
  if (Value) {
    FDown = true;
    FMorphSteps = 5;
    Parent->DrawObject(this);
    TskSkinForm* Frame = Parent->SkinForm();
    if (Frame && !Frame->InMainMenu && Frame->OnMainMenuEnter) Frame->OnMainMenuEnter(Parent);
    PopupItemMenu();
    return;
  }
  FDown = false;
  Active = false;
  if (EnableAnimation()) {
    if (InActiveAnimation) {
      CurrentFrame = FrameCount + 1;
      ReDraw();
    } else {
      CurrentFrame = 0;
      Parent->DrawObject(this);
    }
  } else if (EnableMorphing()) {
    FMorphSteps = 5;
    ReDraw();
  } else {
    Parent->DrawObject(this);
  }
}

void TskSkinMainMenuBarItem::PopupItemMenu() {
  TskSkinForm* Frame = Parent->SkinForm();
  if (!Frame) return;
  const TPoint Corner = Parent->ClientToScreen({ ObjectRect.Left, ObjectRect.Top });
  const TRect R = Bounds(Corner.X, Corner.Y, ObjectRect.Width(), ObjectRect.Height());
  Frame->SkinMenuOpen();
  Frame->InMainMenu = true;
  Frame->SkinMenu->Popup(nullptr, Parent->SkinData(), 0, R, MenuItem, Parent->PopupToUp());
}
