#include "skin/form/TskSkinMDITabsBar.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/Input.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/skFormFinders.h"

namespace {

/// Room left of the first tab.
constexpr int FirstTabLeft = 15;
/// The add button's side and the room it takes at the right end.
constexpr int AddButtonSize = 14;
constexpr int AddButtonRoom = 19;
constexpr TColor AddButtonHot = RGB(193, 212, 243);
/// The list buttons' width.
constexpr int ListButtonWidth = 15;
/// The names of the list menus' items: the child's name and one of these.
const char* const ListItemSuffix = "_BSFCHILDITEMBAR";
const char* const HideListItemSuffix = "_BSFCHILDITEMBARHIDE";
/// The list buttons' arrows: down for every child, right for the hidden ones.
constexpr int ListArrow = 4;
constexpr int HideListArrow = 2;

/// The plus sign of the add button in R.
void DrawPlus(TCanvas* C, const TRect& R, TColor Colour) {
  C->Pen()->SetColor(Colour);
  const int MX = R.Left + R.Width() / 2, MY = R.Top + R.Height() / 2;
  C->MoveTo(R.Left + 3, MY);
  C->LineTo(R.Right - 3, MY);
  C->MoveTo(MX, R.Top + 3);
  C->LineTo(MX, R.Bottom - 3);
}

}  // namespace

TskSkinMDITabsBar::TskSkinMDITabsBar(TComponent* AOwner)
    : TskSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetSkinDataName("tab");
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
  SetBounds(Left(), Top(), 150, 21);
  FListMenu = new TskSkinPopupMenu(this);
  FHideListMenu = new TskSkinPopupMenu(this);
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

void TskSkinMDITabsBar::SetShowChildIcon(bool Value) {
  if (FShowChildIcon == Value) return;
  FShowChildIcon = Value;
  Invalidate();
}

void TskSkinMDITabsBar::SetTabKind(TskSkinMDITabKind Value) {
  FTabKind = Value;
  if (SkinSupport()) Invalidate();
}

void TskSkinMDITabsBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (!SkinSupport() && Value > 0) SetHeight(Value);
}

// ---- Tabs ----------------------------------------------------------------------------------------------

void TskSkinMDITabsBar::AddTab(TCustomForm* Child) {
  ObjectList.push_back(std::make_unique<TskMDITab>(this, Child));
  if (!FListButton) FListButton = NewListButton(alLeft, ListArrow, FListMenu);
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
  if (ObjectList.empty()) {
    FInVisibleCount = 0;
    delete FListButton;
    FListButton = nullptr;
    UpdateHideListButton();
  }
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
  LTPoint = Record->LTPoint;
  RTPoint = Record->RTPoint;
  SkinRect = Record->SkinRect;
  TopStretch = Record->TopStretch;
  FActiveTabOffset = ActiveTabRect.Height() - TabRect.Height();
  if (Picture) FBottomOffset = Record->ClRect.Top;
}

void TskSkinMDITabsBar::ChangeSkinData() {
  TskSkinControl::ChangeSkinData();
  FCloseSize = SkinSupport() && !IsEmptyRect(CloseButtonRect) ? CloseButtonRect.Width() : 14;
  if (SkinSupport() && FUseSkinSize)
    SetHeight(TabRect.Height() + (FTabKind == sktkTab ? FBottomOffset : 0));
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  for (TskSkinMenuSpeedButton* Button : { FListButton, FHideListButton })
    if (Button) Button->SetSkinData(SkinData());
  Realign();
  Invalidate();
}

void TskSkinMDITabsBar::AdjustClientRect(TRect& R) {
  TskSkinControl::AdjustClientRect(R);
  if (FTabKind == sktkTab && SkinSupport()) R.Bottom -= FBottomOffset;
}

void TskSkinMDITabsBar::CheckParentBackground() {
  if (SkinSupport() && SkinData()->MDITabsTransparent) Invalidate();
}

const TskDataSkinButtonControl* TskSkinMDITabsBar::ComposeButtonRecord(const String& Name, TBitmap* B, int W, int H,
                                                                      bool Down, bool Hot) const {
  TskSkinData* Model = SkinData();
  const int Index = Model && !Model->Empty ? Model->GetControlIndex(Name) : -1;
  const auto* Record =
      Index < 0 ? nullptr : dynamic_cast<const TskDataSkinButtonControl*>(Model->CtrlList[size_t(Index)].get());
  TBitmap* Source = Record ? TskSkinGeometry::ModelPicture(Model, Record->PictureIndex) : nullptr;
  if (!Source || W <= 0 || H <= 0) return nullptr;
  const TRect& Normal = Record->SkinRect;
  const TRect& Active = IsEmptyRect(Record->ActiveSkinRect) ? Normal : Record->ActiveSkinRect;
  const TRect& Pressed = IsEmptyRect(Record->DownSkinRect) ? Active : Record->DownSkinRect;
  const int DW = W - Normal.Width(), DH = H - Normal.Height();
  const TRect& Cl = Record->ClRect;
  ComposeSkinImage(Record->LTPoint, Record->RTPoint, Record->LBPoint, Record->RBPoint, Cl, Record->LTPoint,
                   { Record->RTPoint.X + DW, Record->RTPoint.Y }, { Record->LBPoint.X, Record->LBPoint.Y + DH },
                   { Record->RBPoint.X + DW, Record->RBPoint.Y + DH },
                   Rect(Cl.Left, Cl.Top, Cl.Right + DW, Cl.Bottom + DH), B, Source,
                   Down ? Pressed : Hot ? Active : Normal, W, H, true, Record->LeftStretch, Record->TopStretch,
                   Record->RightStretch, Record->BottomStretch, Record->StretchEffect, Record->StretchType);
  return Record;
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
  if (SkinSupport())
    CreateControlSkinImage(&B);
  else
    CreateControlDefaultImage(&B);
  TCanvas* C = B.Canvas();
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
  UpdateHideListButton();
}

void TskSkinMDITabsBar::CreateControlDefaultImage(TBitmap* B) {
  B->Canvas()->Brush()->SetColor(clBtnFace);
  B->Canvas()->FillRect(Rect(0, 0, B->Width(), B->Height()));
}

void TskSkinMDITabsBar::CreateControlSkinImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  if (SkinData()->MDITabsTransparent) {
    DrawParentBackground(this, C);
  } else if (!IsEmptyRect(TabsBGRect) && TabHeight() > 0) {
    TBitmap Cell;
    Cell.SetSize(TabsBGRect.Width(), TabHeight());
    Cell.Canvas()->CopyRect(Rect(0, 0, Cell.Width(), Cell.Height()), Picture->Canvas(), TabsBGRect);
    for (int X = 0; X < Width(); X += Cell.Width()) C->Draw(X, 0, &Cell);
  } else {
    CreateControlDefaultImage(B);
  }
  // The page strip under the tabs, from the top band of the record's page picture.
  if (FTabKind != sktkTab || IsEmptyRect(SkinRect) || FBottomOffset <= 0) return;
  TBitmap Strip;
  ComposeHorzStripImage(LTPoint.X, SkinRect.Width() - RTPoint.X, &Strip, Picture,
                        Rect(SkinRect.Left, SkinRect.Top, SkinRect.Right, SkinRect.Top + FBottomOffset), Width(),
                        FBottomOffset, TopStretch);
  C->Draw(0, Height() - FBottomOffset, &Strip);
}

void TskSkinMDITabsBar::DrawAddButton(TCanvas* C) {
  const TRect& R = FAddButtonRect;
  if (!SkinSupport()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FAddButtonActive ? AddButtonHot : clBtnFace);
    C->FillRect(R);
    DrawPlus(C, R, clBtnText);
    return;
  }
  TBitmap Face;
  const bool Down = FAddButtonDown && FAddButtonActive;
  const TskDataSkinButtonControl* Record =
      ComposeButtonRecord("resizetoolbutton", &Face, R.Width(), R.Height(), Down, FAddButtonActive);
  if (!Record) return;
  DrawPlus(Face.Canvas(), Rect(0, 0, R.Width(), R.Height()),
           Down || FAddButtonActive ? Record->DownFontColor : Record->FontColor);
  C->Draw(R.Left, R.Top, &Face);
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
  } else if (Button == mbRight && FSupportChildMenus) {
    PopupChildMenu(T->Child, X, Y);
  }
  if (OnTabMouseDown) OnTabMouseDown(Button, Shift, T);
}

void TskSkinMDITabsBar::PopupChildMenu(TCustomForm* Child, int X, int Y) {
  TskSkinForm* ChildFrame = GetSkinFormComponent(Child);
  if (!ChildFrame || !BSF) return;
  const TPoint P = ClientToScreen({ X, Y });
  BSF->SkinMenuOpen();
  TskSkinData* Model = BSF->MenusSkinData() ? BSF->MenusSkinData() : BSF->SkinData();
  // An opening that shows nothing leaves no menu mode behind.
  if (!BSF->SkinMenu->Popup(Parent(), Model, 0, Rect(P.X, P.Y, P.X, P.Y), ChildFrame->SystemMenuItems(), false))
    BSF->SkinMenuClose();
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
  // What shows through a transparent bar moved with it.
  if (Message.Msg == WM_MOVE && Align() == alNone && SkinSupport() && SkinData()->MDITabsTransparent) Invalidate();
}

// ---- List menus ----------------------------------------------------------------------------------------

TskSkinMenuSpeedButton* TskSkinMDITabsBar::NewListButton(TAlign Align, int ArrowType, TskSkinPopupMenu* Menu) {
  auto* Button = new TskSkinMenuSpeedButton(this);
  Button->SetSkinDataName("resizetoolbutton");
  Button->FDrawStandardArrow = true;
  Button->FArrowType = ArrowType;
  Button->SetWidth(ListButtonWidth);
  Button->SetAlign(Align);
  Button->SetSkinPopupMenu(Menu);
  Button->SetSkinData(SkinData());
  const bool Hidden = Menu == FHideListMenu;
  Button->OnShowTrackMenu = [this, Menu, Hidden](TObject*) {
    FillListMenu(Menu, Hidden ? HideListItemSuffix : ListItemSuffix, Hidden);
  };
  Button->SetParent(this);
  return Button;
}

void TskSkinMDITabsBar::UpdateHideListButton() {
  if (FInVisibleCount > 0 && !FHideListButton) {
    FHideListButton = NewListButton(alRight, HideListArrow, FHideListMenu);
  } else if (FInVisibleCount == 0 && FHideListButton) {
    delete FHideListButton;
    FHideListButton = nullptr;
  }
}

void TskSkinMDITabsBar::FillListMenu(TskSkinPopupMenu* Menu, const String& Suffix, bool HiddenOnly) {
  Menu->Items()->Clear();
  for (const auto& T : ObjectList) {
    if (HiddenOnly && T->Visible) continue;
    auto* Item = new TMenuItem(this);
    Item->SetName(T->Child->Name() + Suffix);
    Item->SetCaption(T->Child->Caption());
    Item->SetRadioItem(true);
    Item->SetGroupIndex(0);
    Item->OnClick = [this](TObject* Sender) { ListItemClick(Sender); };
    Menu->Items()->Add(Item);
    Item->SetChecked(T->Active);
  }
}

void TskSkinMDITabsBar::ListItemClick(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !BSF) return;
  String Name = Item->Name();
  for (const String Suffix : { HideListItemSuffix, ListItemSuffix })
    if (Name.ends_with(Suffix)) {
      Name.resize(Name.size() - Suffix.size());
      break;
    }
  TCustomForm* Main = BSF->Form();
  for (int i = 0; i < Main->MDIChildCount(); ++i)
    if (TCustomForm* Child = Main->MDIChildren(i); Child->Name() == Name) ShowChild(Child);
}
