#include "skin/form/TskSkinMainMenuBar.h"

#include <algorithm>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skRecordImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "skin/form/TskSkinMainMenuBarButton.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/skFormFinders.h"
#include "skin/form/skFormMessages.h"

namespace {

/// The width of the overflow marker at the right end of the items area.
constexpr int MarkerWidth = 5;

/// The top-level items the bar shows: Menu's, or with a child menu Menu's items of the groups Child has
/// no item of and all of Child's, in ascending group order. The sort is stable, so items of one group
/// keep their menu order.
std::vector<TMenuItem*> BarMenuItems(TMainMenu* Menu, TMainMenu* Child) {
  std::vector<TMenuItem*> Items;
  TMenuItem* Own = Menu->Items();
  TMenuItem* Merged = Child ? Child->Items() : nullptr;
  auto MergedHasGroup = [Merged](Byte Group) {
    for (int i = 0; i < Merged->Count(); ++i)
      if (Merged->Items(i)->GroupIndex() == Group) return true;
    return false;
  };
  for (int i = 0; i < Own->Count(); ++i)
    if (!Merged || !MergedHasGroup(Own->Items(i)->GroupIndex())) Items.push_back(Own->Items(i));
  if (!Merged) return Items;
  for (int i = 0; i < Merged->Count(); ++i) Items.push_back(Merged->Items(i));
  std::stable_sort(Items.begin(), Items.end(),
                   [](const TMenuItem* A, const TMenuItem* B) { return A->GroupIndex() < B->GroupIndex(); });
  return Items;
}

}  // namespace

TskSkinMainMenuBar::TskSkinMainMenuBar(TComponent* AOwner)
    : TskSkinControl(AOwner), FDefItemFont(std::make_unique<TFont>()) {
  SetSkinDataName("mainmenubar");
  FDefItemFont->SetName("Tahoma");
  FDefItemFont->SetHeight(13);
  FDefItemFont->SetColor(clBtnText);
  FMouseTimer = new TTimer(this);
  FMouseTimer->SetEnabled(false);
  FMouseTimer->SetInterval(50);
  FMouseTimer->OnTimer = [this](TObject*) { MouseTimerProc(); };
  FMorphTimer = new TTimer(this);
  FMorphTimer->SetEnabled(false);
  FMorphTimer->SetInterval(25);
  FMorphTimer->OnTimer = [this](TObject*) { MorphTimerProc(); };
  FAnimateTimer = new TTimer(this);
  FAnimateTimer->SetEnabled(false);
  FAnimateTimer->SetInterval(25);
  FAnimateTimer->OnTimer = [this](TObject*) { AnimateTimerProc(); };
  SetHeight(22);
  SetAlign(alTop);
}

TskSkinMainMenuBar::~TskSkinMainMenuBar() = default;

void TskSkinMainMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMainMenu) {
    FMainMenu = nullptr;
    ClearObjects();
  }
  if (AComponent == FMergeMenu) FMergeMenu = nullptr;
  if (AComponent == FChildMenu) {
    // The items of a menu being freed leave the bar.
    FChildMenu = nullptr;
    if (!ComponentState().Contains(csDestroying)) UpDateItems();
  }
  if (AComponent == BSF) BSF = nullptr;
}

void TskSkinMainMenuBar::SetMainMenu(TMainMenu* Value) {
  if (FMainMenu) FMainMenu->RemoveFreeNotification(this);
  FMainMenu = Value;
  if (FMainMenu) FMainMenu->FreeNotification(this);
  CreateMenu();
  Invalidate();
}

void TskSkinMainMenuBar::SetSkinForm(TskSkinForm* Value) {
  if (BSF) BSF->RemoveFreeNotification(this);
  BSF = Value;
  if (BSF) BSF->FreeNotification(this);
}

void TskSkinMainMenuBar::SetDefItemFont(TFont* Value) {
  FDefItemFont->Assign(Value);
  if (FIndex == -1) Invalidate();
}

void TskSkinMainMenuBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  GetSkinData();
  if (!FSkinSupport && Value > 0) SetHeight(Value);
}

void TskSkinMainMenuBar::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  GetSkinData();
  if (!FSkinSupport && Value > 0) SetWidth(Value);
}

void TskSkinMainMenuBar::SetToolBarMode(bool Value) {
  FToolBarMode = Value;
  Invalidate();
}

void TskSkinMainMenuBar::SetToolBarModeItemTransparent(bool Value) {
  FToolBarModeItemTransparent = Value;
  Invalidate();
}

bool TskSkinMainMenuBar::ItemsTransparent() const {
  return FSkinSupport && (ItemTransparent || (FToolBarMode && FToolBarModeItemTransparent));
}

void TskSkinMainMenuBar::UpDateItems() {
  CreateMenu();
  Invalidate();
  ActiveObject = OldActiveObject = -1;
  FMouseTimer->SetEnabled(true);
}

void TskSkinMainMenuBar::Merge(TMainMenu* Menu) {
  FMergeMenu = Menu;
  if (FMergeMenu) FMergeMenu->FreeNotification(this);
  UpDateItems();
}

void TskSkinMainMenuBar::UnMerge() {
  FMergeMenu = nullptr;
  UpDateItems();
}

TMainMenu* TskSkinMainMenuBar::GetChildMainMenu() const {
  if (FMergeMenu) return FMergeMenu;
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  TCustomForm* Child = Main ? Main->ActiveMDIChild() : nullptr;
  if (!Child || Child->ComponentState().Contains(csDestroying)) return nullptr;
  for (int i = 0; i < Child->ComponentCount(); ++i)
    if (auto* Menu = dynamic_cast<TMainMenu*>(Child->Components(i)))
      return Menu->ComponentState().Contains(csDestroying) ? nullptr : Menu;
  return nullptr;
}

void TskSkinMainMenuBar::SetChildMenu(TMainMenu* Value) {
  if (Value == FChildMenu) return;
  // A menu the bar follows as its own or as the merge menu keeps that link.
  if (FChildMenu && FChildMenu != FMainMenu && FChildMenu != FMergeMenu) FChildMenu->RemoveFreeNotification(this);
  FChildMenu = Value;
  if (FChildMenu) FChildMenu->FreeNotification(this);
}

void TskSkinMainMenuBar::UpDateEnabledItems() {
  for (int i = 0; i < ItemCount(); ++i) Item(i)->Enabled = Item(i)->MenuItem->Enabled();
  Invalidate();
}

TskSkinMainMenuBarItem* TskSkinMainMenuBar::Item(int Index) const {
  return static_cast<TskSkinMainMenuBarItem*>(ObjectList[size_t(FButtonsCount + Index)].get());
}

int TskSkinMainMenuBar::ItemCount() const { return int(ObjectList.size()) - FButtonsCount; }

// ---- Skin ----------------------------------------------------------------------------------------------

void TskSkinMainMenuBar::GetSkinData() {
  TskSkinControl::GetSkinData();
  // A record of another kind under the bar's name counts as none.
  const auto* Record = dynamic_cast<const TskDataSkinMainMenuBar*>(SkinRecord());
  FSkinSupport = Record != nullptr;
  if (!Record) return;
  SkinRect = Record->SkinRect;
  ItemsRect = Record->ItemsRect;
  MenuBarItem = Record->MenuBarItem;
  CloseButton = Record->CloseButton;
  MaxButton = Record->MaxButton;
  MinButton = Record->MinButton;
  SysMenuButton = Record->SysMenuButton;
  TrackMarkColor = Record->TrackMarkColor;
  TrackMarkActiveColor = Record->TrackMarkActiveColor;
  StretchEffect = Record->StretchEffect;
  ItemTransparent = Record->ItemTransparent;
  Picture = TskSkinGeometry::ModelPicture(SkinData(), Record->PictureIndex);
}

void TskSkinMainMenuBar::BeforeChangeSkinData() {
  FSkinSupport = false;
  TskSkinControl::BeforeChangeSkinData();
  ClearObjects();
}

void TskSkinMainMenuBar::ChangeSkinData() {
  GetSkinData();
  CreateMenu();
  if (FSkinSupport && FUseSkinSize)
    SetHeight(RectHeight(SkinRect));
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  Invalidate();
}

void TskSkinMainMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  if (FSkinSupport && FUseSkinSize) AHeight = RectHeight(SkinRect);
  TskSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  CalcItemsRect();
  Invalidate();
}

// ---- Objects -------------------------------------------------------------------------------------------

void TskSkinMainMenuBar::ClearObjects() {
  ObjectList.clear();
  FButtonsCount = 0;
  ActiveObject = OldActiveObject = MouseCaptureObject = -1;
}

// ---- MDI buttons ---------------------------------------------------------------------------------------

void TskSkinMainMenuBar::MDIChildMaximize() {
  if (FMDIChildMax) return;
  FMDIChildMax = true;
  OldActiveObject = ActiveObject = MouseCaptureObject = -1;
  CreateMDIButtons();
  if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) UpdateMDIButtons(Child->BorderIcons());
  Invalidate();
}

void TskSkinMainMenuBar::MDIChildRestore() {
  if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) {
    UpdateMDIButtons(Child->BorderIcons());
    return;
  }
  if (!FMDIChildMax) return;
  FMDIChildMax = false;
  DeleteMDIButtons();
  Invalidate();
}

void TskSkinMainMenuBar::CreateMDIButtons() {
  DeleteMDIButtons();
  TskSkinData* SD = SkinData();
  const bool Skinned = FSkinSupport && SD && !SD->Empty;
  auto Make = [&](const String& RecordName, const char* BuiltInName, TskStdCommand Command) {
    TskDataSkinMainMenuBarButton* Record = nullptr;
    if (Skinned)
      if (const int Index = SD->GetIndex(RecordName); Index >= 0)
        Record = dynamic_cast<TskDataSkinMainMenuBarButton*>(SD->ObjectList[size_t(Index)].get());
    auto Button = std::make_unique<TskSkinMainMenuBarButton>(this, Record, Command);
    Button->IDName = Skinned ? RecordName : String(BuiltInName);
    ObjectList.insert(ObjectList.begin(), std::move(Button));
    ++FButtonsCount;
  };
  // Each goes to the head, so the bar holds system menu, close, restore, minimize, then the items.
  Make(MinButton, "MinButton", cmMinimize);
  Make(MaxButton, "MaxButton", cmMaximize);
  Make(CloseButton, "CloseButton", cmClose);
  Make(SysMenuButton, "SysMenuButton", cmSysMenu);
}

void TskSkinMainMenuBar::UpdateMDIButtons(TskBorderIcons BorderIcons) {
  for (int i = 0; i < FButtonsCount; ++i) {
    auto* Button = static_cast<TskSkinMainMenuBarButton*>(ObjectList[size_t(i)].get());
    Button->Enabled = !(Button->Command == cmMinimize && !BorderIcons.Contains(TskBorderIcon::biMinimize)) &&
                      !(Button->Command == cmSysMenu && !BorderIcons.Contains(TskBorderIcon::biSystemMenu));
  }
  Invalidate();
}

void TskSkinMainMenuBar::DeleteMDIButtons() {
  ActiveObject = MouseCaptureObject = -1;
  ObjectList.erase(ObjectList.begin(), ObjectList.begin() + FButtonsCount);
  FButtonsCount = 0;
}

void TskSkinMainMenuBar::PlaceMDIButtons() {
  if (!FMDIChildMax || FButtonsCount != 4) return;
  auto Size = [this](const TskMenuBarObject* B) {
    const bool Own = static_cast<const TskSkinMainMenuBarButton*>(B)->FSkinSupport;
    return Own ? TSize { B->SkinRect.Width(), B->SkinRect.Height() }
               : TSize { NewItemsRect.Height(), NewItemsRect.Height() };
  };
  auto Top = [this](int H) { return NewItemsRect.Top + (NewItemsRect.Height() - H) / 2; };
  TskMenuBarObject* SysMenu = ObjectList[0].get();
  const TSize S = Size(SysMenu);
  SysMenu->ObjectRect = Bounds(NewItemsRect.Left, Top(S.cy), S.cx, S.cy);
  NewItemsRect.Left += S.cx + 2;
  for (int i = 1; i < 4; ++i) {
    TskMenuBarObject* B = ObjectList[size_t(i)].get();
    const TSize BS = Size(B);
    B->ObjectRect = Bounds(NewItemsRect.Right - BS.cx, Top(BS.cy), BS.cx, BS.cy);
    NewItemsRect.Right -= BS.cx + 2;
  }
}

void TskSkinMainMenuBar::CreateMenu() {
  ClearObjects();
  FChildMenuIn = false;
  TMainMenu* Child = FMainMenu && BSF && (BSF->Form()->FormStyle() == fsMDIForm || FMergeMenu) ? GetChildMainMenu()
                                                                                               : nullptr;
  SetChildMenu(Child);
  if (!FMainMenu) return;
  TskSkinData* SD = SkinData();
  TskDataSkinMainMenuItem* Record = nullptr;
  if (FSkinSupport && SD && !SD->Empty)
    if (const int Index = SD->GetIndex(MenuBarItem); Index >= 0)
      Record = dynamic_cast<TskDataSkinMainMenuItem*>(SD->ObjectList[size_t(Index)].get());
  FChildMenuIn = Child != nullptr;
  if (FChildMenuIn) FScrollMenu = false;
  for (TMenuItem* MenuItem : BarMenuItems(FMainMenu, Child)) {
    if (!MenuItem->Visible()) continue;
    auto Object = std::make_unique<TskSkinMainMenuBarItem>(this, Record);
    Object->IDName = MenuItem->Name();
    Object->Enabled = Object->OldEnabled = MenuItem->Enabled();
    Object->MenuItem = MenuItem;
    ObjectList.push_back(std::move(Object));
  }
  if (FMDIChildMax) {
    CreateMDIButtons();
    if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) UpdateMDIButtons(Child->BorderIcons());
  }
}

void TskSkinMainMenuBar::CalcItemsRect() {
  if (FSkinSupport) {
    NewItemsRect = Rect(ItemsRect.Left, ItemsRect.Top, Width() + ItemsRect.Right - RectWidth(SkinRect),
                        ItemsRect.Bottom);
    if (!FUseSkinSize) NewItemsRect.Bottom = Height() + ItemsRect.Bottom - RectHeight(SkinRect);
  } else {
    NewItemsRect = Rect(2, 2, Width() - 2, Height() - 2);
  }
  PlaceMDIButtons();
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinMainMenuBar::Paint() { PaintMenuBar(Canvas()); }

bool TskSkinMainMenuBar::ShowsParentBackground() const { return FSkinSupport && SkinData()->MainMenuBarTransparent; }

void TskSkinMainMenuBar::PaintBackground(TBitmap* B) {
  TCanvas* C = B->Canvas();
  if (ShowsParentBackground()) {
    DrawParentBackground(this, C);
    return;
  }
  if (FSkinSupport && FToolBarMode && !FUseSkinSize) {
    const auto* Panel = FindControlRecord<TskDataSkinCustomControl>(SkinData(), "resizetoolpanel");
    if (!Panel) Panel = FindControlRecord<TskDataSkinCustomControl>(SkinData(), "panel");
    if (TBitmap* Source = Panel ? TskSkinGeometry::ModelPicture(SkinData(), Panel->PictureIndex) : nullptr) {
      ComposeRecordImage(*Panel, Source, Panel->SkinRect, Width(), Height(), B);
      return;
    }
  }
  if (!FSkinSupport || !Picture) {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(0, 0, Width(), Height()));
  } else if (FUseSkinSize) {
    ComposeHorzStripImage(ItemsRect.Left, RectWidth(SkinRect) - ItemsRect.Right, B, Picture, SkinRect, Width(),
                          Height(), StretchEffect);
  } else {
    const int h = RectHeight(SkinRect);
    ComposeStretchedSkinImage(B, Picture, SkinRect, Rect(ItemsRect.Left, h / 4, ItemsRect.Right, h - h / 4), true);
  }
}

void TskSkinMainMenuBar::PaintMenuBar(TCanvas* Target) {
  GetSkinData();
  TBitmap B;
  B.SetSize(Width(), Height());
  TCanvas* C = B.Canvas();
  PaintBackground(&B);
  CalcItemsRect();
  Scroll = false;
  PaintBuffer = &B;
  for (int i = 0; i < ItemCount(); ++i) Item(i)->ObjectRect = TRect();
  for (const auto& Object : ObjectList)
    if (Object->Visible) Object->Draw(C);
  PaintBuffer = nullptr;
  if (Scroll && FScrollMenu) DrawMarker(C);
  Target->Draw(0, 0, &B);
}

TRect TskSkinMainMenuBar::MarkerRect() const {
  return Rect(NewItemsRect.Right - MarkerWidth, NewItemsRect.Top, NewItemsRect.Right, NewItemsRect.Bottom);
}

void TskSkinMainMenuBar::DrawMarker(TCanvas* C) {
  const TColor Color = FSkinSupport ? (MarkerActive ? TrackMarkActiveColor : TrackMarkColor)
                                    : (MarkerActive ? clBtnText : clBtnShadow);
  DrawArrow(C, MarkerRect(), Color, 2);
}

void TskSkinMainMenuBar::DrawObject(TskMenuBarObject* AObject) {
  if (!HandleAllocated()) return;
  if (ItemsTransparent() && dynamic_cast<TskSkinMainMenuBarItem*>(AObject)) {
    Repaint();
    return;
  }
  if (AObject->Visible) AObject->Draw(Canvas());
}

void TskSkinMainMenuBar::CheckParentBackground() {
  if (ShowsParentBackground()) Invalidate();
}

// ---- Timers --------------------------------------------------------------------------------------------

void TskSkinMainMenuBar::MorphTimerProc() {
  bool Stepped = false;
  for (const auto& Object : ObjectList)
    if (Object->EnableMorphing() && Object->CanMorphing()) {
      Object->DoMorphing();
      Stepped = true;
    }
  if (!Stepped) FMorphTimer->SetEnabled(false);
}

void TskSkinMainMenuBar::AnimateTimerProc() {
  bool Stepped = false;
  for (int i = 0; i < ItemCount(); ++i) {
    TskSkinMainMenuBarItem* I = Item(i);
    if (!I->EnableAnimation()) continue;
    if (I->Active && I->CurrentFrame <= I->FrameCount)
      ++I->CurrentFrame;
    else if (!I->Active && I->CurrentFrame > 0)
      --I->CurrentFrame;
    else
      continue;
    DrawObject(I);
    Stepped = true;
  }
  if (!Stepped) FAnimateTimer->SetEnabled(false);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinMainMenuBar::MouseTimerProc() {
  TPoint P;
  GetCursorPos(&P);
  P = ScreenToClient(P);
  if (P.X < 0 || P.Y < 0 || P.X > Width() || P.Y > Height()) {
    FMouseTimer->SetEnabled(false);
    TestActive(-1, -1);
    return;
  }
  TestActive(P.X, P.Y);
}

void TskSkinMainMenuBar::TestActive(int X, int Y) {
  if (ObjectList.empty()) return;
  OldActiveObject = ActiveObject;
  int Hit = -1;
  for (int i = 0; i < int(ObjectList.size()); ++i)
    if (ObjectList[size_t(i)]->Enabled && ObjectList[size_t(i)]->ObjectRect.Contains({ X, Y })) {
      Hit = i;
      break;
    }
  // In menu mode the hot item stays hot off the bar.
  if (Hit == -1 && MenuActive && OldActiveObject != -1) Hit = OldActiveObject;
  if (MouseCaptureObject != -1 && MouseCaptureObject != Hit) Hit = -1;
  if (Hit >= int(ObjectList.size())) Hit = -1;
  ActiveObject = Hit;
  if (ActiveObject != OldActiveObject) {
    if (OldActiveObject != -1 && ObjectList[size_t(OldActiveObject)]->Enabled)
      ObjectList[size_t(OldActiveObject)]->MouseLeave();
    if (ActiveObject != -1 && ObjectList[size_t(ActiveObject)]->Enabled) ObjectList[size_t(ActiveObject)]->MouseEnter();
  }
  if (Scroll && FScrollMenu) {
    const bool In = MarkerRect().Contains({ X, Y });
    if (In != MarkerActive) {
      MarkerActive = In;
      if (HandleAllocated()) DrawMarker(Canvas());
    }
  }
}

void TskSkinMainMenuBar::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseTimer->SetEnabled(true);
  TskSkinControl::MouseMove(Shift, X, Y);
}

void TskSkinMainMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseDown(Button, Shift, X, Y);
  TestActive(X, Y);
  if (ActiveObject != -1) {
    MouseCaptureObject = ActiveObject;
    TskMenuBarObject* Object = ObjectList[size_t(ActiveObject)].get();
    Object->MouseDown(X, Y, Button);
    if (Shift.Contains(ssDouble)) Object->DblClick();
  } else if (Scroll && FScrollMenu && MarkerRect().Contains({ X, Y })) {
    PopupHiddenItems();
  }
}

void TskSkinMainMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (MouseCaptureObject != -1 && MouseCaptureObject < int(ObjectList.size()))
    ObjectList[size_t(MouseCaptureObject)]->MouseUp(X, Y, Button);
  MouseCaptureObject = -1;
  TskSkinControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinMainMenuBar::PopupHiddenItems() {
  if (!BSF || !FMainMenu) return;
  int Shown = 0;
  for (int i = 0; i < ItemCount(); ++i) Shown += Item(i)->Shown();
  const TPoint Corner = ClientToScreen({ MarkerRect().Left, MarkerRect().Top });
  const TRect R = Bounds(Corner.X, Corner.Y, MarkerWidth, RectHeight(MarkerRect()));
  BSF->SkinMenuOpen();
  if (!BSF->SkinMenu->Popup(nullptr, SkinData(), Shown, R, FMainMenu->Items(), false)) BSF->SkinMenuClose();
}

void TskSkinMainMenuBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_ERASEBKGND: Message.Result = 1; return;
  case WM_SKINMENUCLOSED:
    // The child's system menu closed: its button comes up.
    for (int i = 0; i < FButtonsCount; ++i)
      if (auto* B = static_cast<TskSkinMainMenuBarButton*>(ObjectList[size_t(i)].get()); B->Command == cmSysMenu && B->FDown) {
        B->FDown = false;
        if (i != ActiveObject) B->Active = B->FMouseIn = false;
        B->ReDraw();
      }
    break;
  case CM_MOUSEENTER:
    TskSkinControl::Dispatch(Message);
    FMouseTimer->SetEnabled(true);
    return;
  case CM_MOUSELEAVE:
    TskSkinControl::Dispatch(Message);
    FMouseTimer->SetEnabled(false);
    TestActive(-1, -1);
    return;
  case WM_SIZE:
    TskSkinControl::Dispatch(Message);
    CalcItemsRect();
    return;
  case WM_MOVE:
    TskSkinControl::Dispatch(Message);
    // What shows through an unaligned transparent bar moved with it.
    if (ShowsParentBackground() && Align() == alNone) Invalidate();
    return;

  default: break;
  }
  TskSkinControl::Dispatch(Message);
}

// ---- Menu mode -----------------------------------------------------------------------------------------

std::vector<TskSkinMainMenuBarItem*> TskSkinMainMenuBar::ShownItems() const {
  std::vector<TskSkinMainMenuBarItem*> Result;
  for (int i = 0; i < ItemCount(); ++i)
    if (Item(i)->Enabled && Item(i)->Shown()) Result.push_back(Item(i));
  return Result;
}

int TskSkinMainMenuBar::FindLit(const std::vector<TskSkinMainMenuBarItem*>& Items) {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i]->Active || Items[i]->FDown) return int(i);
  return -1;
}

void TskSkinMainMenuBar::MenuEnter() {
  MenuActive = true;
  Repaint();
  if (ItemCount() > 0) {
    TskSkinMainMenuBarItem* First = Item(0);
    for (int i = 0; i < ItemCount(); ++i)
      if (Item(i)->Active) {
        First = Item(i);
        break;
      }
    First->MouseEnter();
    ActiveObject = int(std::find_if(ObjectList.begin(), ObjectList.end(),
                                    [First](const auto& O) { return O.get() == First; }) -
                       ObjectList.begin());
  }
  if (!BSF) return;
  BSF->InstallMenuMessageHook();
  BSF->InMainMenu = true;
  if (BSF->OnMainMenuEnter) BSF->OnMainMenuEnter(this);
}

bool TskSkinMainMenuBar::FindAccelItem(Word Key) {
  if (!BSF || !BSF->Form()->Visible()) return false;
  for (TskSkinMainMenuBarItem* I : ShownItems()) {
    if (!IsAccel(char32_t(Key), I->MenuItem->Caption())) continue;
    I->MouseEnter();
    if (!BSF->InMenu || I->MenuItem->Count() == 0) I->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

void TskSkinMainMenuBar::NextMainMenuItem() {
  const std::vector<TskSkinMainMenuBarItem*> Items = ShownItems();
  if (Items.empty()) return;
  const int Lit = FindLit(Items);
  if (Lit == -1) {
    Items.front()->MouseEnter();
    return;
  }
  TskSkinMainMenuBarItem* Next = Items[size_t(Lit + 1) % Items.size()];
  if (!Items[size_t(Lit)]->FDown) Items[size_t(Lit)]->MouseLeave();
  Next->MouseEnter();
}

void TskSkinMainMenuBar::PriorMainMenuItem() {
  const std::vector<TskSkinMainMenuBarItem*> Items = ShownItems();
  if (Items.empty()) return;
  const int Lit = FindLit(Items);
  if (Lit == -1) {
    Items.back()->MouseEnter();
    return;
  }
  TskSkinMainMenuBarItem* Prior = Items[size_t(Lit + int(Items.size()) - 1) % Items.size()];
  if (!Items[size_t(Lit)]->FDown) Items[size_t(Lit)]->MouseLeave();
  Prior->MouseEnter();
}

bool TskSkinMainMenuBar::OpenActiveItem() {
  for (int i = 0; i < ItemCount(); ++i) {
    TskSkinMainMenuBarItem* I = Item(i);
    if ((I->FDown && I->MenuItem->Count() == 0) || (I->Active && BSF && !BSF->InMenu)) {
      I->Active = false;
      I->MouseDown(0, 0, mbLeft);
      return true;
    }
  }
  return false;
}

void TskSkinMainMenuBar::MenuClose() {
  for (int i = 0; i < ItemCount(); ++i)
    if (TskSkinMainMenuBarItem* I = Item(i); I->FDown) {
      I->FDown = false;
      I->Active = true;
      DrawObject(I);
      return;
    }
}

void TskSkinMainMenuBar::MenuExit() {
  MenuActive = false;
  Repaint();
  for (int i = 0; i < ItemCount(); ++i) {
    TskSkinMainMenuBarItem* I = Item(i);
    if (!I->FDown && !I->Active) continue;
    I->Active = false;
    I->FMouseIn = false;
    I->FDown = false;
    if (I->EnableAnimation() && !I->InActiveAnimation) {
      I->CurrentFrame = 0;
      DrawObject(I);
    } else {
      I->ReDraw();
    }
    break;
  }
  ActiveObject = OldActiveObject = -1;
}
