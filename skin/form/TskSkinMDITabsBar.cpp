#include "skin/form/TskSkinMDITabsBar.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormFinders.h"

namespace {

/// Room left of the first tab.
constexpr int FirstTabLeft = 15;
/// The add button's side and the room it takes at the right end.
constexpr int AddButtonSize = 14;
constexpr int AddButtonRoom = 19;
constexpr TColor AddButtonHot = RGB(193, 212, 243);

}  // namespace

TskSkinMDITabsBar::TskSkinMDITabsBar(TComponent* AOwner)
    : TskSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetSkinDataName("tab");
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
  SetBounds(Left(), Top(), 150, 21);
}

TskSkinMDITabsBar::~TskSkinMDITabsBar() = default;

void TskSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == BSF) BSF = nullptr;
}

void TskSkinMDITabsBar::SetSkinForm(TskSkinForm* Value) {
  if (BSF) BSF->RemoveFreeNotification(this);
  BSF = Value;
  if (BSF) BSF->FreeNotification(this);
}

void TskSkinMDITabsBar::SetShowAddButton(bool Value) {
  if (FShowAddButton == Value) return;
  FShowAddButton = Value;
  Invalidate();
}

void TskSkinMDITabsBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (!SkinSupport() && Value > 0) SetHeight(Value);
}

// ---- Tabs ----------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::AddTab(TCustomForm* Child) {
  ObjectList.push_back(std::make_unique<TskMDITab>(this, Child));
  Invalidate();
}

void TskSkinMDITabsBar::DeleteTab(TCustomForm* Child) {
  if (ActiveTabIndex >= 0 && ActiveTabIndex < TabCount() && Tabs(ActiveTabIndex)->Child == Child) {
    if (OnTabMouseLeave) OnTabMouseLeave(Tabs(ActiveTabIndex));
    ActiveTabIndex = OldTabIndex = -1;
  }
  const auto It = std::find_if(ObjectList.begin(), ObjectList.end(), [Child](const auto& T) { return T->Child == Child; });
  if (It == ObjectList.end()) return;
  const int Index = int(It - ObjectList.begin());
  ObjectList.erase(It);
  // A drag of the removed tab, or of one behind it, ends here.
  if (DragIndex >= Index) {
    DragIndex = -1;
    IsDrag = FDown = false;
  }
  if (ObjectList.empty()) FInVisibleCount = 0;
  Invalidate();
}

void TskSkinMDITabsBar::UpdateActiveTab() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  TCustomForm* ActiveChild = Main ? Main->ActiveMDIChild() : nullptr;
  if (!ActiveChild) return;
  for (const auto& T : ObjectList) T->Active = T->Child == ActiveChild;
  Invalidate();
}

void TskSkinMDITabsBar::RefreshTab(TCustomForm* Child) {
  if (!HandleAllocated()) return;
  for (const auto& T : ObjectList)
    if (T->Child == Child && T->Visible) T->Draw(Canvas());
}

int TskSkinMDITabsBar::GetTabIndex(int X, int Y) const {
  for (int i = 0; i < TabCount(); ++i) {
    const TRect& R = Tabs(i)->ObjectRect;
    if (Tabs(i)->Visible && X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom) return i;
  }
  return -1;
}

TskMDITab* TskSkinMDITabsBar::GetTab(int X, int Y) const {
  const int Index = GetTabIndex(X, Y);
  return Index == -1 ? nullptr : Tabs(Index);
}

// ---- Skin ----------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::GetSkinData() {
  TskSkinControl::GetSkinData();
  Picture = nullptr;
  FBottomOffset = 0;
  auto* Record = dynamic_cast<TskDataSkinTabControl*>(SkinRecord());
  if (!Record) return;
  Picture = TskSkinGeometry::ModelPicture(SkinData(), Record->PictureIndex);
  TabRect = Record->TabRect;
  ActiveTabRect = IsEmptyRect(Record->ActiveTabRect) ? TabRect : Record->ActiveTabRect;
  MouseInTabRect = IsEmptyRect(Record->MouseInTabRect) ? TabRect : Record->MouseInTabRect;
  TabsBGRect = Record->TabsBGRect;
  TabLeftOffset = Record->TabLeftOffset;
  TabRightOffset = Record->TabRightOffset;
  FontName = Record->FontName;
  FontStyle = Record->FontStyle;
  FontHeight = Record->FontHeight;
  FontColor = Record->FontColor;
  ActiveFontColor = Record->ActiveFontColor;
  MouseInFontColor = Record->MouseInFontColor;
  TabStretchEffect = Record->TabStretchEffect;
  // Later lookups see complete close-button rectangles.
  if (IsEmptyRect(Record->CloseButtonActiveRect)) Record->CloseButtonActiveRect = Record->CloseButtonRect;
  if (IsEmptyRect(Record->CloseButtonDownRect)) Record->CloseButtonDownRect = Record->CloseButtonActiveRect;
  CloseButtonRect = Record->CloseButtonRect;
  CloseButtonActiveRect = Record->CloseButtonActiveRect;
  CloseButtonDownRect = Record->CloseButtonDownRect;
  ButtonTransparent = Record->ButtonTransparent;
  ButtonTransparentColor = Record->ButtonTransparentColor;
  if (Picture) FBottomOffset = Record->ClRect.Top;
}

void TskSkinMDITabsBar::ChangeSkinData() {
  TskSkinControl::ChangeSkinData();
  FCloseSize = SkinSupport() && !IsEmptyRect(CloseButtonRect) ? CloseButtonRect.Width() : 14;
  if (SkinSupport() && FUseSkinSize)
    SetHeight(TabRect.Height() + FBottomOffset);
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  Invalidate();
}

// ---- Layout --------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::CalcTabRects() {
  const int W = Width() - (FShowAddButton ? AddButtonRoom : 0);
  const int H = Height(), TH = TabHeight();
  FInVisibleCount = 0;
  if (ObjectList.empty()) {
    FAddButtonRect = Rect(2, H / 2 - 8, 16, H / 2 + 6);
    return;
  }
  const int Count = TabCount();
  const int TabW = std::min((W - FirstTabLeft) / Count, FDefaultTabWidth);
  int X = FirstTabLeft;
  int RightLimit = W;
  TskMDITab* LastVisible = nullptr;
  if (FMinTabWidth != 0 && TabW < FMinTabWidth) {
    const int Fit = (W - 30) / FMinTabWidth;
    RightLimit = W - 15;
    for (int i = 0; i < Count; ++i) {
      TskMDITab* T = Tabs(i);
      T->Visible = i < Fit;
      if (!T->Visible) {
        T->ObjectRect = TRect();
        ++FInVisibleCount;
        continue;
      }
      T->ObjectRect = Rect(X, 0, X + FMinTabWidth, TH);
      X += FMinTabWidth;
      LastVisible = T;
    }
  } else {
    for (int i = 0; i < Count; ++i) {
      TskMDITab* T = Tabs(i);
      T->Visible = true;
      T->ObjectRect = Rect(X, 0, X + TabW, TH);
      X += TabW;
      LastVisible = T;
    }
    if (TabW < FDefaultTabWidth) LastVisible->ObjectRect.Right = W;
  }
  const int AddLeft = LastVisible ? LastVisible->ObjectRect.Right + 2 : 2;
  FAddButtonRect = Rect(AddLeft, H / 2 - 8, AddLeft + AddButtonSize, H / 2 - 8 + AddButtonSize);
  if (IsDrag && DragIndex >= 0 && DragIndex < Count) {
    TRect& R = Tabs(DragIndex)->ObjectRect;
    R = Rect(R.Left + TabDX, R.Top, R.Right + TabDX, R.Bottom);
    if (R.Right > RightLimit) R = Rect(RightLimit - R.Width(), R.Top, RightLimit, R.Bottom);
    if (R.Left < 0) R = Rect(0, R.Top, R.Width(), R.Bottom);
  }
}

int TskSkinMDITabsBar::GetDropIndex() const {
  if (!IsDrag || DragIndex < 0 || DragIndex >= TabCount() || TabDX == 0) return -1;
  const TRect& Dragged = Tabs(DragIndex)->ObjectRect;
  auto Centre = [](const TRect& R) { return R.Left + R.Width() / 2; };
  if (TabDX > 0) {
    int Target = -1;
    for (int i = DragIndex + 1; i < TabCount(); ++i)
      if (Tabs(i)->Visible && Centre(Tabs(i)->ObjectRect) < Dragged.Right) Target = i;
    return Target;
  }
  for (int i = 0; i < DragIndex; ++i)
    if (Tabs(i)->Visible && Centre(Tabs(i)->ObjectRect) > Dragged.Left) return i;
  return -1;
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::Paint() {
  GetSkinData();
  TBitmap B;
  B.SetSize(Width(), Height());
  TCanvas* C = B.Canvas();
  if (SkinSupport() && !IsEmptyRect(TabsBGRect)) {
    TBitmap Cell;
    Cell.SetSize(TabsBGRect.Width(), TabHeight());
    Cell.Canvas()->CopyRect(Rect(0, 0, Cell.Width(), Cell.Height()), Picture->Canvas(), TabsBGRect);
    for (int X = 0; X < Width(); X += Cell.Width()) C->Draw(X, 0, &Cell);
  } else {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(0, 0, Width(), Height()));
  }
  CalcTabRects();
  if (FShowAddButton) DrawAddButton(C);
  const bool Dragging = IsDrag && DragIndex >= 0 && DragIndex < TabCount();
  for (int i = 0; i < TabCount(); ++i)
    if (Tabs(i)->Visible && !(Dragging && i == DragIndex)) Tabs(i)->Draw(C);
  if (Dragging) {
    Tabs(DragIndex)->Draw(C);
    if (const int Target = GetDropIndex(); Target != -1) DrawDropMarker(C, Target);
  }
  Canvas()->Draw(0, 0, &B);
}

void TskSkinMDITabsBar::DrawAddButton(TCanvas* C) {
  const TRect& R = FAddButtonRect;
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(FAddButtonActive ? AddButtonHot : clBtnFace);
  C->FillRect(R);
  C->Pen()->SetColor(clBtnText);
  const int MX = R.Left + R.Width() / 2, MY = R.Top + R.Height() / 2;
  C->MoveTo(R.Left + 3, MY);
  C->LineTo(R.Right - 3, MY);
  C->MoveTo(MX, R.Top + 3);
  C->LineTo(MX, R.Bottom - 3);
}

void TskSkinMDITabsBar::DrawDropMarker(TCanvas* C, int Target) {
  const TRect& R = Tabs(Target)->ObjectRect;
  const int X = TabDX < 0 ? R.Left : R.Right;
  const int H = Height();
  C->Pen()->SetMode(pmNot);
  C->Brush()->SetStyle(bsClear);
  for (int dx = -1; dx <= 1; ++dx) {
    C->MoveTo(X + dx, 0);
    C->LineTo(X + dx, H);
  }
  const TPoint Right[] = { { X + 2, H / 2 }, { X + 5, H / 2 - 3 }, { X + 5, H / 2 + 3 }, { X + 2, H / 2 } };
  const TPoint Left[] = { { X - 2, H / 2 }, { X - 5, H / 2 - 3 }, { X - 5, H / 2 + 3 }, { X - 2, H / 2 } };
  C->Polyline(Right, 4);
  C->Polyline(Left, 4);
  C->Pen()->SetMode(pmCopy);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::ShowChild(TCustomForm* Child) {
  if (TskSkinForm* Frame = GetSkinFormComponent(Child); Frame && Frame->WindowState() == wsMinimized)
    Frame->SetWindowState(wsNormal);
  Child->Show();
}

void TskSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseDown(Button, Shift, X, Y);
  const int Index = GetTabIndex(X, Y);
  if (Button == mbLeft && FShowAddButton && FAddButtonActive) {
    FAddButtonDown = true;
    Invalidate();
  }
  if (Index == -1) return;
  TskMDITab* T = Tabs(Index);
  if (Button == mbLeft) {
    ShowChild(T->Child);
    FDown = true;
    if (FMoveTabs) DragIndex = Index;
    DX = X;
    TabDX = 0;
    if (Shift.Contains(ssDouble) && FDblClickChildMove)
      if (TskSkinForm* Frame = GetSkinFormComponent(T->Child); !Frame || Frame->WindowState() == wsNormal)
        T->Child->SetBounds(0, 0, T->Child->Width(), T->Child->Height());
    if (FShowCloseButtons) {
      const TPoint P { X - T->ObjectRect.Left, Y - T->ObjectRect.Top };
      const bool OnButton = T->ButtonRect.Contains(P);
      if (OnButton) FDown = false;
      T->ButtonMouseIn = T->ButtonMouseDown = OnButton;
      if (HandleAllocated()) T->Draw(Canvas());
    }
  }
  if (OnTabMouseDown) OnTabMouseDown(Button, Shift, T);
}

void TskSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseMove(Shift, X, Y);
  if (FDown && DragIndex != -1 && (IsDrag || X != DX)) {
    IsDrag = true;
    TabDX = X - DX;
    Invalidate();
    return;
  }
  UpdateHover(X, Y);
}

void TskSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseUp(Button, Shift, X, Y);
  FDown = false;
  if (IsDrag) {
    const int Target = GetDropIndex();
    if (Target != -1 && Target != DragIndex && DragIndex >= 0 && DragIndex < TabCount()) {
      auto Moved = std::move(ObjectList[size_t(DragIndex)]);
      ObjectList.erase(ObjectList.begin() + DragIndex);
      ObjectList.insert(ObjectList.begin() + Target, std::move(Moved));
    }
    IsDrag = false;
    DragIndex = -1;
    TabDX = 0;
    Invalidate();
  } else {
    DragIndex = -1;
    if (TskMDITab* T = GetTab(X, Y); T && OnTabMouseUp) OnTabMouseUp(Button, Shift, T);
  }
  if (FAddButtonDown) {
    FAddButtonDown = false;
    Invalidate();
    if (FAddButtonRect.Contains({ X, Y }) && OnAddButtonClick) OnAddButtonClick(this);
  }
  if (!FShowCloseButtons || Button != mbLeft) return;
  TCustomForm* ToClose = nullptr;
  for (const auto& T : ObjectList) {
    const TPoint P { X - T->ObjectRect.Left, Y - T->ObjectRect.Top };
    if (T->Visible && T->ObjectRect.Contains({ X, Y }) && T->ButtonRect.Contains(P)) {
      T->ButtonMouseIn = true;
      T->ButtonMouseDown = false;
      ToClose = T->Child;
    } else {
      T->ButtonMouseIn = T->ButtonMouseDown = false;
    }
  }
  Invalidate();
  if (ToClose) ToClose->Close();
}

void TskSkinMDITabsBar::UpdateHover(int X, int Y) {
  const int Index = GetTabIndex(X, Y);
  if (Index != ActiveTabIndex) {
    OldTabIndex = ActiveTabIndex;
    ActiveTabIndex = Index;
    if (OldTabIndex >= 0 && OldTabIndex < TabCount()) {
      Tabs(OldTabIndex)->MouseIn = false;
      if (OnTabMouseLeave) OnTabMouseLeave(Tabs(OldTabIndex));
    }
    for (const auto& T : ObjectList) T->ButtonMouseIn = T->ButtonMouseDown = false;
    if (Index >= 0) {
      Tabs(Index)->MouseIn = true;
      if (OnTabMouseEnter) OnTabMouseEnter(Tabs(Index));
    }
    Invalidate();
  }
  if (FShowCloseButtons && Index >= 0) {
    TskMDITab* T = Tabs(Index);
    const bool In = T->ButtonRect.Contains({ X - T->ObjectRect.Left, Y - T->ObjectRect.Top });
    if (In != T->ButtonMouseIn) {
      T->ButtonMouseIn = In;
      if (!In) T->ButtonMouseDown = false;
      Invalidate();
    }
  }
  if (FShowAddButton) {
    const bool In = FAddButtonRect.Contains({ X, Y });
    if (In != FAddButtonActive) {
      FAddButtonActive = In;
      Invalidate();
    }
  }
}

void TskSkinMDITabsBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSELEAVE) UpdateHover(-1, -1);
  TskSkinControl::Dispatch(Message);
}
