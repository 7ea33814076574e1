#include "skin/form/TskSkinPopupWindow.h"

#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TBasicAction.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skPainters.h"
#include "skin/core/skRegions.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/skLayering.h"

namespace {

/// The height of a scroll marker.
constexpr int MarkerHeight = 10;

/// The first menu-item record of the skin; null when it has none.
TskDataSkinMenuItem* FindSkinMenuItem(TskSkinData* SD) {
  if (!SD || SD->Empty) return nullptr;
  for (const auto& Object : SD->ObjectList)
    if (auto* Record = dynamic_cast<TskDataSkinMenuItem*>(Object.get())) return Record;
  return nullptr;
}

}  // namespace

TskSkinPopupWindow::TskSkinPopupWindow(TComponent* AOwner, TskSkinMenu* AParentMenu, TskDataSkinPopupWindow* AData)
    : TCustomControl(AOwner), ParentMenu(AParentMenu) {
  FVisible = false;
  FMouseTimer = new TTimer(this);
  FMouseTimer->SetEnabled(false);
  FMouseTimer->SetInterval(50);
  FMouseTimer->OnTimer = [this](TObject*) { MouseTimerProc(); };
  FMorphTimer = new TTimer(this);
  FMorphTimer->SetEnabled(false);
  FMorphTimer->SetInterval(20);
  FMorphTimer->OnTimer = [this](TObject*) { MorphTimerProc(); };
  // A record is used only with its picture and a menu-item record; otherwise the built-in look.
  TskSkinData* Model = ParentMenu->SkinData;
  if (AData && Model && !Model->Empty && AData->WindowPictureIndex != -1) {
    WindowPicture = TskSkinGeometry::ModelPicture(Model, AData->WindowPictureIndex);
    DSMI = FindSkinMenuItem(Model);
    if (WindowPicture && DSMI) {
      PW = AData;
      SD = Model;
      MaskPicture = TskSkinGeometry::ModelPicture(Model, AData->MaskPictureIndex);
    }
  }
  if (!PW) {
    WindowPicture = nullptr;
    DSMI = nullptr;
  }
}

TskSkinPopupWindow::~TskSkinPopupWindow() {
  if (HandleAllocated()) KillTimer(Handle(), 1);
}

void TskSkinPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
  Params.WndParent = 0;
}

// ---- Building and sizing -------------------------------------------------------------------------------

void TskSkinPopupWindow::SelectMeasuringFont() {
  TFont* F = Canvas()->Font();
  if (PW && DSMI && ParentMenu->FUseSkinFont) {
    F->SetHeight(DSMI->FontHeight);
    F->SetStyle(DSMI->FontStyle);
    F->SetName(DSMI->FontName);
  } else {
    F->Assign(&ParentMenu->FDefaultMenuItemFont);
  }
  TskSkinData* Model = ParentMenu->SkinData;
  F->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet()
                                                  : ParentMenu->FDefaultMenuItemFont.Charset());
}

void TskSkinPopupWindow::AddItems(TMenuItem* AItem, int StartIndex) {
  TMenu* Menu = AItem->GetParentMenu();
  if (Menu && Menu->AutoLineReduction() == maAutomatic) AItem->RethinkLines();
  for (int i = std::max(StartIndex, 0); i < AItem->Count(); ++i) {
    TMenuItem* Sub = AItem->Items(i);
    if (!Sub->Visible()) continue;
    if (TBasicAction* Action = Sub->Action()) Action->Update();
    ItemList.push_back(std::make_unique<TskSkinMenuItem>(this, Sub, DSMI));
  }
}

void TskSkinPopupWindow::CreateMenu(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex) {
  SelectMeasuringFont();
  TMenu* Menu = AItem->GetParentMenu();
  ImgL = Menu ? Menu->Images() : nullptr;
  AddItems(AItem, StartIndex);
  if (AItem2) AddItems(AItem2, std::max(StartIndex - AItem->Count(), 0));
  SetMenuSize();
  if (PW) {
    const int W = WindowPicture->Width(), H = WindowPicture->Height();
    NewLTPoint = PW->LTPoint;
    NewRTPoint = { Width() + PW->RTPoint.X - W, PW->RTPoint.Y };
    NewLBPoint = { PW->LBPoint.X, Height() + PW->LBPoint.Y - H };
    NewRBPoint = { Width() + PW->RBPoint.X - W, Height() + PW->RBPoint.Y - H };
    NewItemsRect = Rect(PW->ItemsRect.Left, PW->ItemsRect.Top, Width() + PW->ItemsRect.Right - W,
                        Height() + PW->ItemsRect.Bottom - H);
  } else {
    NewItemsRect = Rect(2, 2, Width() - 2, Height() - 2);
  }
  LayoutItems();
  if (MaskPicture) SetMenuRegion();
}

int TskSkinPopupWindow::NormalItemHeight() const {
  return PW && ParentMenu->FUseSkinSize ? RectHeight(DSMI->SkinRect) : ParentMenu->FDefaultMenuItemHeight;
}

int TskSkinPopupWindow::GetItemHeight(const TskSkinMenuItem* Item) const {
  if (!Item->IsSeparator()) return NormalItemHeight();
  return PW ? RectHeight(DSMI->DividerRect) : 4;
}

int TskSkinPopupWindow::GetMenuWidth() {
  int Widest = 0;
  for (const auto& Item : ItemList) {
    String Text = Item->MenuItem->Caption();
    if (Item->MenuItem->ShortCut() != scNone) Text += "  " + ShortCutToText(Item->MenuItem->ShortCut());
    TRect R;
    DrawText(Canvas()->Handle(), Text, R, DT_CALCRECT);
    Widest = std::max(Widest, R.Right + 2);
  }
  GlyphWidth = ImgL ? ImgL->Width() + 5 : 19;
  int Result = Widest + GlyphWidth + 19;
  if (PW)
    Result += WindowPicture->Width() - RectWidth(PW->ItemsRect) + RectWidth(DSMI->SkinRect) - RectWidth(DSMI->TextRct);
  else
    Result += 10;
  return Result;
}

int TskSkinPopupWindow::GetMenuHeight() {
  const int Frame = PW ? WindowPicture->Height() - RectHeight(PW->ItemsRect) : DefaultFrame;
  const int Max = ParentMenu->MaxMenuItemsInWindow;
  if (Max > 0 && Max < int(ItemList.size())) {
    Scroll = true;
    Scroll2 = true;
    return Max * NormalItemHeight() + Frame + 2 * MarkerHeight;
  }
  int Sum = 0;
  for (const auto& Item : ItemList) Sum += GetItemHeight(Item.get());
  return Sum + Frame;
}

void TskSkinPopupWindow::SetMenuSize() {
  VisibleStartIndex = 0;
  VisibleCount = int(ItemList.size());
  Scroll = false;
  Scroll2 = false;
  const int W = GetMenuWidth();
  int H = GetMenuHeight();
  if (H > RectHeight(ParentMenu->WorkArea)) {
    H = RectHeight(ParentMenu->WorkArea);
    Scroll = true;
  }
  SetBounds(Left(), Top(), W, H);
}

void TskSkinPopupWindow::LayoutItems() {
  VisibleCount = 0;
  int Top = NewItemsRect.Top + (Scroll ? MarkerHeight : 0);
  const int Limit = NewItemsRect.Bottom - (Scroll ? MarkerHeight : 0);
  for (int i = VisibleStartIndex; i < int(ItemList.size()); ++i) {
    TskSkinMenuItem* Item = ItemList[size_t(i)].get();
    const int H = GetItemHeight(Item);
    Item->ObjectRect = Rect(NewItemsRect.Left, Top, NewItemsRect.Right, Top + H);
    Top += H;
    if (Top > Limit) break;
    Item->FVisible = true;
    ++VisibleCount;
  }
  if (!Scroll) return;
  for (int i = 0; i < int(ItemList.size()); ++i)
    if (i < VisibleStartIndex || i >= VisibleStartIndex + VisibleCount) ItemList[size_t(i)]->FVisible = false;
}

int TskSkinPopupWindow::GetLastPageStart() const {
  int Space = NewItemsRect.Bottom - MarkerHeight;
  int Counted = 0;
  for (int i = int(ItemList.size()) - 1; i >= 0; --i) {
    Space -= GetItemHeight(ItemList[size_t(i)].get());
    if (Space < MarkerHeight) break;
    ++Counted;
  }
  return int(ItemList.size()) - Counted;
}

void TskSkinPopupWindow::SetMenuRegion() {
  HRGN Rgn = nullptr;
  CreateSkinRegion(Rgn, PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint, NewRTPoint,
                   NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, Width(), Height());
  // The system owns the region once set; the previous one goes with it.
  SetWindowRgn(Handle(), Rgn, true);
}

// ---- Placement and showing -----------------------------------------------------------------------------

void TskSkinPopupWindow::CalcShowPosition(const TRect& R, bool PopupByItem, bool PopupUp) {
  const TRect& WA = ParentMenu->WorkArea;
  const int W = Width(), H = Height();
  const bool UpperHalf = R.Top < WA.Top + RectHeight(WA) / 2;
  bool Forced = false;
  if (Scroll && !Scroll2) {
    ShowY = WA.Top;
  } else if (PopupByItem) {
    if (R.Top + H - NewItemsRect.Top <= WA.Bottom)
      ShowY = R.Top - NewItemsRect.Top;
    else if (UpperHalf)
      ShowY = WA.Bottom - H;
    else
      ShowY = std::max(WA.Top, R.Bottom - H + NewItemsRect.Top);
  } else if (PopupUp) {
    if (R.Top - H >= WA.Top) {
      ShowY = R.Top - H;
    } else if (UpperHalf) {
      Forced = R.Bottom + H > WA.Bottom;
      ShowY = Forced ? WA.Bottom - H : R.Bottom;
    } else {
      ShowY = WA.Top;
      Forced = true;
    }
  } else if (R.Bottom + H <= WA.Bottom) {
    ShowY = R.Bottom;
  } else if (UpperHalf) {
    ShowY = WA.Bottom - H;
    Forced = true;
  } else if (R.Top - H >= WA.Top) {
    ShowY = R.Top - H;
  } else {
    ShowY = WA.Top;
    Forced = true;
  }
  if (PopupByItem || (Scroll && !Scroll2) || Forced) {
    ShowX = R.Right + W + 1 <= WA.Right ? R.Right + 1 : R.Left - W - 1;
  } else {
    ShowX = R.Left;
    if (R.Left + W > WA.Right)
      ShowX = WA.Right - W;
    else if (R.Left < WA.Left)
      ShowX = WA.Left;
  }
}

void TskSkinPopupWindow::Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupByItem, bool PopupUp) {
  DefaultFrame = 4;
  CreateMenu(AItem, nullptr, StartIndex);
  CalcShowPosition(R, PopupByItem, PopupUp);
  ShowWindow();
}

void TskSkinPopupWindow::Show2(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex,
                               bool PopupByItem, bool PopupUp) {
  DefaultFrame = 6;
  CreateMenu(AItem, AItem2, StartIndex);
  CalcShowPosition(R, PopupByItem, PopupUp);
  ShowWindow();
}

void TskSkinPopupWindow::ShowWindow() {
  const bool Fade = ParentMenu->AlphaBlend && ParentMenu->AlphaBlendAnimation && ParentMenu->FFirst && CanLayer();
  if (ParentMenu->AlphaBlend && CanLayer()) {
    SetWindowLongPtr(Handle(), GWL_EXSTYLE, LONG_PTR(GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED));
    SetWindowAlpha(Handle(), Fade ? 0 : ParentMenu->AlphaBlendValue);
  }
  SetWindowPos(Handle(), HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (Fade) {
    // Only the first level of a menu fades in, a step each time more than 5 ms have passed.
    const int Target = ParentMenu->AlphaBlendValue;
    const int Step = std::max(Target / 15, 1);
    int Alpha = 0;
    Cardinal Last = GetTickCount();
    while (Alpha < Target) {
      if (GetTickCount() - Last <= 5) continue;
      Last = GetTickCount();
      Alpha = std::min(Alpha + Step, Target);
      SetWindowAlpha(Handle(), Byte(Alpha));
    }
  }
  FMouseTimer->SetEnabled(true);
  ActiveItem = -1;
  for (int i = 0; i < int(ItemList.size()); ++i)
    if (Usable(i)) {
      ItemList[size_t(i)]->WaitCommand = true;
      ActiveItem = i;
      ItemList[size_t(i)]->MouseEnter(true);
      break;
    }
}

void TskSkinPopupWindow::Hide() {
  if (HandleAllocated())
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FMouseTimer->SetEnabled(false);
  FMorphTimer->SetEnabled(false);
  if (HandleAllocated()) KillTimer(Handle(), 1);
  SetVisible(false);
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinPopupWindow::Paint() { PaintMenu(Canvas()->Handle()); }

void TskSkinPopupWindow::PaintMenu(HDC DC) {
  TCanvas C;
  C.SetHandle(DC);
  TBitmap Buffer;
  DrawMenuBackground(&Buffer, Scroll);
  if (PW && DSMI->InActiveTransparent) {
    FPaintBuffer = std::make_unique<TBitmap>();
    DrawMenuBackground(FPaintBuffer.get(), true);
  }
  int LastBottom = NewItemsRect.Top + (Scroll ? MarkerHeight : 0);
  for (int i = VisibleStartIndex; i < VisibleStartIndex + VisibleCount && i < int(ItemList.size()); ++i) {
    ItemList[size_t(i)]->Draw(Buffer.Canvas());
    LastBottom = ItemList[size_t(i)]->ObjectRect.Bottom;
  }
  if (Scroll) {
    DrawUpMarker(Buffer.Canvas());
    DrawDownMarker(Buffer.Canvas());
    if (LastBottom < NewItemsRect.Bottom - MarkerHeight)
      DrawItemBackground(Buffer.Canvas(),
                         Rect(NewItemsRect.Left, LastBottom, NewItemsRect.Right, NewItemsRect.Bottom - MarkerHeight));
  }
  C.Draw(0, 0, &Buffer);
  C.SetHandle(nullptr);
}

void TskSkinPopupWindow::DrawMenuBackground(TBitmap* B, bool ADrawClient) {
  B->SetSize(Width(), Height());
  TCanvas* C = B->Canvas();
  if (PW) {
    const TRect Whole = Rect(0, 0, WindowPicture->Width(), WindowPicture->Height());
    ComposePopupSkinImage(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint, NewRTPoint,
                          NewLBPoint, NewRBPoint, NewItemsRect, B, WindowPicture, Whole, Width(), Height(),
                          ADrawClient, PW->LeftStretch, PW->TopStretch, PW->RightStretch, PW->BottomStretch,
                          PW->StretchEffect, PW->StretchType);
    return;
  }
  const int Band = ImgL ? GlyphWidth + 2 : 21;
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Rect(0, 0, Band, Height()));
  C->Brush()->SetColor(clWindow);
  C->FillRect(Rect(Band, 0, Width(), Height()));
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, Width(), Height()));
  C->Brush()->SetColor(clWindow);
  C->FrameRect(Rect(1, 1, Width() - 1, Height() - 1));
}

void TskSkinPopupWindow::DrawItemBackground(TCanvas* C, const TRect& R) {
  if (!PW || IsEmptyRect(R)) return;
  int Index = SD->GetIndex("menuitem");
  if (Index < 0) Index = SD->GetIndex("MENUITEM");
  if (Index < 0) return;
  if (DSMI->InActiveTransparent && FPaintBuffer) {
    C->CopyRect(R, FPaintBuffer->Canvas(), R);
    return;
  }
  auto* Record = dynamic_cast<TskDataSkinMenuItem*>(SD->ObjectList[size_t(Index)].get());
  TBitmap* Picture = Record ? TskSkinGeometry::ModelPicture(SD, Record->ActivePictureIndex) : nullptr;
  if (!Picture || IsEmptyRect(Record->SkinRect)) return;
  TBitmap Strip;
  ComposeHorzStripImage(Record->ItemLO, Record->ItemRO, &Strip, Picture, Record->SkinRect, RectWidth(R),
                        RectHeight(R), Record->InActiveStretchEffect);
  C->CopyRect(R, Strip.Canvas(), Rect(0, 0, RectWidth(R), std::min(RectHeight(R), Strip.Height())));
}

TRect TskSkinPopupWindow::UpMarkerRect() const {
  if (PW) return Rect(NewItemsRect.Left, NewItemsRect.Top, NewItemsRect.Right, NewItemsRect.Top + MarkerHeight);
  return Rect(3, 3, Width() - 3, 13);
}

TRect TskSkinPopupWindow::DownMarkerRect() const {
  if (PW)
    return Rect(NewItemsRect.Left, NewItemsRect.Bottom - MarkerHeight, NewItemsRect.Right, NewItemsRect.Bottom);
  return Rect(3, Height() - 10, Width() - 3, Height() - 3);
}

void TskSkinPopupWindow::DrawUpMarker(TCanvas* C) {
  const TRect R = UpMarkerRect();
  DrawItemBackground(C, R);
  const bool Hot = ScrollCode == 1;
  DrawArrow(C, R, PW ? (Hot ? PW->ScrollMarkerActiveColor : PW->ScrollMarkerColor) : (Hot ? clBtnText : clBtnShadow),
            3);
}

void TskSkinPopupWindow::DrawDownMarker(TCanvas* C) {
  const TRect R = DownMarkerRect();
  DrawItemBackground(C, R);
  const bool Hot = ScrollCode == 2;
  DrawArrow(C, R, PW ? (Hot ? PW->ScrollMarkerActiveColor : PW->ScrollMarkerColor) : (Hot ? clBtnText : clBtnShadow),
            4);
}

void TskSkinPopupWindow::DrawMarkers() {
  if (!HandleAllocated()) return;
  DrawUpMarker(Canvas());
  DrawDownMarker(Canvas());
}

// ---- Scrolling -----------------------------------------------------------------------------------------

bool TskSkinPopupWindow::CanScroll(int ACode) const {
  if (ACode == 1) return VisibleStartIndex > 0;
  if (ACode == 2) return VisibleStartIndex + VisibleCount - 1 < int(ItemList.size()) - 1;
  return false;
}

void TskSkinPopupWindow::ScrollUp(bool ACycle) {
  if (VisibleStartIndex > 0)
    --VisibleStartIndex;
  else if (ACycle)
    VisibleStartIndex = GetLastPageStart();
  LayoutItems();
  Repaint();
}

void TskSkinPopupWindow::ScrollDown(bool ACycle) {
  if (CanScroll(2))
    ++VisibleStartIndex;
  else if (ACycle)
    VisibleStartIndex = 0;
  LayoutItems();
  Repaint();
}

void TskSkinPopupWindow::StartScroll() {
  ParentMenu->ClosePopupWindows(ParentMenu->GetPopupWindowIndex(this) + 1);
  KillTimer(Handle(), 1);
  SetTimer(Handle(), 1, 100);
}

void TskSkinPopupWindow::StopScroll() {
  ScrollCode = 0;
  DrawMarkers();
  KillTimer(Handle(), 1);
}

void TskSkinPopupWindow::ScrollTick() {
  if (ScrollCode == 1) {
    if (CanScroll(1))
      ScrollUp(false);
    else
      StopScroll();
  } else if (ScrollCode == 2) {
    if (CanScroll(2))
      ScrollDown(false);
    else
      StopScroll();
  }
}

// ---- Mouse ---------------------------------------------------------------------------------------------

bool TskSkinPopupWindow::Usable(int Index) const {
  if (Index < 0 || Index >= int(ItemList.size())) return false;
  const TskSkinMenuItem* Item = ItemList[size_t(Index)].get();
  return Item->MenuItem->Enabled() && !Item->IsSeparator();
}

void TskSkinPopupWindow::MouseTimerProc() {
  TPoint P;
  GetCursorPos(&P);
  const TPoint Client = ScreenToClient(P);
  if (Client.X == OMX && Client.Y == OMY) return;
  if (WindowFromPoint(P) == Handle()) {
    TrackMouse(Client.X, Client.Y);
  } else if (Scroll) {
    ScrollCode = 0;
    DrawMarkers();
  }
  OMX = Client.X;
  OMY = Client.Y;
}

void TskSkinPopupWindow::TrackMouse(int X, int Y) {
  const TPoint P { X, Y };
  if (Scroll) {
    if (UpMarkerRect().Contains(P) && ScrollCode == 0 && CanScroll(1)) {
      ScrollCode = 1;
      DrawUpMarker(Canvas());
      StartScroll();
    } else if (DownMarkerRect().Contains(P) && ScrollCode == 0 && CanScroll(2)) {
      ScrollCode = 2;
      DrawDownMarker(Canvas());
      StartScroll();
    } else if (ScrollCode != 0 && !UpMarkerRect().Contains(P) && !DownMarkerRect().Contains(P)) {
      StopScroll();
    }
  }
  if (ItemList.empty()) return;
  OldActiveItem = ActiveItem;
  for (int i = 0; i < int(ItemList.size()); ++i)
    if (ItemList[size_t(i)]->FVisible && ItemList[size_t(i)]->ObjectRect.Contains(P)) {
      ActiveItem = i;
      break;
    }
  if (ActiveItem >= int(ItemList.size())) ActiveItem = -1;
  if (ActiveItem == OldActiveItem && ActiveItem != -1) {
    TskSkinMenuItem* Item = ItemList[size_t(ActiveItem)].get();
    if (Item->WaitCommand) {
      Item->WaitCommand = false;
      if (Item->MenuItem->Count() > 0) Item->MouseEnter(false);
    }
    return;
  }
  if (Usable(OldActiveItem)) ItemList[size_t(OldActiveItem)]->MouseLeave();
  if (Usable(ActiveItem)) ItemList[size_t(ActiveItem)]->MouseEnter(false);
}

bool TskSkinPopupWindow::PointInVisibleItem(int X, int Y) const {
  for (const auto& Item : ItemList)
    if (Item->FVisible && Item->ObjectRect.Contains({ X, Y })) return true;
  return false;
}

void TskSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  TrackMouse(X, Y);
  if (ActiveItem == -1 || Button != mbLeft || !PointInVisibleItem(X, Y)) return;
  TskSkinMenuItem* Item = ItemList[size_t(ActiveItem)].get();
  if (!Item->IsSeparator()) Item->MouseDown(X, Y);
}

void TskSkinPopupWindow::MorphTimerProc() {
  bool Changed = false;
  for (const auto& Item : ItemList) {
    if (Item->EnableMorphing()) {
      if (!Item->CanMorphing()) continue;
      Item->DoMorphing();
      Changed = true;
    } else if (Item->EnableAnimation()) {
      if (Item->Active && Item->CurrentFrame <= Item->MI->FrameCount)
        ++Item->CurrentFrame;
      else if (!Item->Active && Item->CurrentFrame > 0)
        --Item->CurrentFrame;
      else
        continue;
      Item->Draw(Canvas());
      Changed = true;
    }
  }
  if (!Changed) FMorphTimer->SetEnabled(false);
}

// ---- Keyboard ------------------------------------------------------------------------------------------

void TskSkinPopupWindow::ChangeActive(bool Kb) {
  if (ActiveItem == OldActiveItem) return;
  if (ActiveItem != -1) ItemList[size_t(ActiveItem)]->MouseEnter(Kb);
  if (OldActiveItem != -1 && OldActiveItem < int(ItemList.size())) ItemList[size_t(OldActiveItem)]->MouseLeave();
}

void TskSkinPopupWindow::NextItem() {
  const int Count = int(ItemList.size());
  const auto AtLastShown = [this](int i) {
    return Scroll && ScrollCode == 0 && VisibleStartIndex + VisibleCount - 1 == i;
  };
  if (ActiveItem != -1 && AtLastShown(ActiveItem)) ScrollDown(true);
  OldActiveItem = ActiveItem;
  int Start = ActiveItem + 1;
  if (Start >= Count) Start = 0;
  for (int i = Start; i < Count; ++i) {
    if (Usable(i)) {
      ActiveItem = i;
      break;
    }
    if (AtLastShown(i)) ScrollDown(true);
  }
  ChangeActive(true);
}

void TskSkinPopupWindow::PriorItem() {
  const int Count = int(ItemList.size());
  const auto AtFirstShown = [this](int i) { return Scroll && ScrollCode == 0 && VisibleStartIndex == i; };
  if (ActiveItem != -1 && AtFirstShown(ActiveItem)) ScrollUp(true);
  OldActiveItem = ActiveItem;
  int Start = ActiveItem - 1;
  if (ActiveItem == -1 || Start == -1) Start = Count - 1;
  for (int i = Start; i >= 0; --i) {
    if (Usable(i)) {
      ActiveItem = i;
      break;
    }
    if (AtFirstShown(i)) ScrollUp(true);
  }
  ChangeActive(true);
}

bool TskSkinPopupWindow::FindAccelItem(int CharCode) {
  if (!Enabled()) return false;
  for (int i = 0; i < int(ItemList.size()); ++i) {
    TskSkinMenuItem* Item = ItemList[size_t(i)].get();
    if (!IsAccel(char32_t(CharCode), Item->MenuItem->Caption())) continue;
    Item->MouseEnter(false);
    if (ActiveItem != i && ActiveItem != -1) ItemList[size_t(ActiveItem)]->MouseLeave();
    ActiveItem = i;
    Item->MouseDown(0, 0);
    return true;
  }
  return false;
}

void TskSkinPopupWindow::PopupKeyDown(int CharCode) {
  if (!Visible()) return;
  if (FindAccelItem(CharCode)) return;
  const int Level = ParentMenu->GetPopupWindowIndex(this);
  const bool Deeper = ParentMenu->PopupList().size() > 1;
  switch (CharCode) {
  case VK_RETURN:
    if (ActiveItem != -1) ItemList[size_t(ActiveItem)]->MouseDown(0, 0);
    break;
  case VK_LEFT:
    if (!Deeper) break;
    [[fallthrough]];
  case VK_ESCAPE:
    if (Deeper && Level > 0) {
      TskSkinPopupWindow* ParentWindow = ParentMenu->PopupList()[size_t(Level - 1)];
      if (ParentWindow->ActiveItem != -1) {
        TskSkinMenuItem* Row = ParentWindow->ItemList[size_t(ParentWindow->ActiveItem)].get();
        Row->Down = false;
        Row->ReDraw();
      }
    }
    ParentMenu->ClosePopupWindows(Level);
    break;
  case VK_UP: PriorItem(); break;
  case VK_RIGHT:
    if (ActiveItem != -1 && ItemList[size_t(ActiveItem)]->MenuItem->Count() > 0)
      ItemList[size_t(ActiveItem)]->MouseDown(0, 0);
    break;
  case VK_DOWN: NextItem(); break;
  default: break;
  }
}

void TskSkinPopupWindow::ResetSubMenu(TskSkinPopupWindow* Window) {
  TskSkinMenu* Menu = Window->ParentMenu;
  Menu->ClosePopupWindows(Menu->GetPopupWindowIndex(Window) + 1);
  for (const auto& Item : Window->ItemList) {
    if (!Item->Down) continue;
    Item->Down = false;
    if (Item->EnableAnimation() && !Item->MI->InActiveAnimation) {
      Item->CurrentFrame = 0;
      Item->Draw(Window->Canvas());
    } else {
      Item->ReDraw();
    }
  }
}

// ---- Messages ------------------------------------------------------------------------------------------

void TskSkinPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
  case WM_ERASEBKGND: Message.Result = 1; return;
  case WM_TIMER:
    if (Message.WParam == 1) {
      TCustomControl::Dispatch(Message);
      ScrollTick();
      return;
    }
    break;
  default: break;
  }
  TCustomControl::Dispatch(Message);
}
