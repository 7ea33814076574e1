// The frame's multiple-document support: the messages between the frames of an MDI main form and of its
// children, the arrangements, the window-menu items and the tabs of the children.
#include <cmath>

#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/MdiArrangement.h"
#include "platform/ui/winsys/MdiClient.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/skSkinMessages.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskCustomRibbon.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMDIClient.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/skFormFinders.h"
#include "skin/form/skFormMessages.h"

namespace {

/// The suffix of a child's window-menu item name.
constexpr const char* ChildItemSuffix = "_BSFCHILDITEM";

TCustomForm* MainForm() { return Application ? Application->MainForm() : nullptr; }

bool EndsWith(const String& S, const String& Suffix) {
  return S.size() >= Suffix.size() && S.compare(S.size() - Suffix.size(), Suffix.size(), Suffix) == 0;
}

}  // namespace

// ---- Finding the frames ---------------------------------------------------------------------------------

TskSkinForm* TskSkinForm::MDIMainFrame() const {
  TCustomForm* Main = MainForm();
  return Main && Main->FormStyle() == fsMDIForm ? GetSkinFormComponent(Main) : nullptr;
}

LRESULT TskSkinForm::SendToMainForm(UINT Msg, WPARAM WParam) {
  TCustomForm* Main = MainForm();
  return Main && Main->HandleAllocated() ? SendMessage(Main->Handle(), Msg, WParam, 0) : 0;
}

std::vector<TskSkinForm*> TskSkinForm::MDIChildFrames() const {
  std::vector<TskSkinForm*> Frames;
  for (int i = 0; i < FForm->MDIChildCount(); ++i)
    if (TskSkinForm* Frame = GetSkinFormComponent(FForm->MDIChildren(i))) Frames.push_back(Frame);
  return Frames;
}

TRect TskSkinForm::MDIClientArea() const {
  TRect R = Rect(0, 0, FForm->ClientWidth(), FForm->ClientHeight());
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    TControl* C = FForm->Controls(i);
    if (!C->Visible()) continue;
    switch (C->Align()) {
    case alLeft: R.Left = std::max(R.Left, C->Left() + C->Width()); break;
    case alTop: R.Top = std::max(R.Top, C->Top() + C->Height()); break;
    case alRight: R.Right = std::min(R.Right, C->Left()); break;
    case alBottom: R.Bottom = std::min(R.Bottom, C->Top()); break;
    default: break;
    }
  }
  return R;
}

String TskSkinForm::CaptionText() const {
  String Text = FForm->Caption();
  if (FForm->FormStyle() != fsMDIForm || !FMDIChildMaximized) return Text;
  TskSkinForm* Child = GetSkinFormComponent(FForm->ActiveMDIChild());
  if (!Child || Child->WindowState() != wsMaximized) Child = GetMaximizedMDIChildSkinForm();
  return Child ? Text + " - [" + Child->Form()->Caption() + "]" : Text;
}

// ---- Messages --------------------------------------------------------------------------------------------

bool TskSkinForm::HandleMDIMessage(TMessage& Message) {
  const TFormStyle Style = FForm->FormStyle();
  if (Style == fsMDIForm) {
    auto CommonUpdate = [this] {
      UpDateFormNC();
      if (FMainMenuBar) FMainMenuBar->MDIChildRestore();
      if (FSkinRibbon) FSkinRibbon->MDIChildRestore();
      UpdateMDIScrollBars(true);
    };
    switch (Message.Msg) {
    case WM_MDICHILDMAXIMIZED:
      if (FInMaximizeAll) return false;
      FMDIChildMaximized = true;
      UpDateFormNC();
      if (FMainMenuBar) FMainMenuBar->MDIChildMaximize();
      if (FSkinRibbon) FSkinRibbon->MDIChildMaximize();
      FInMaximizeAll = true;
      MaximizeAll();
      FInMaximizeAll = false;
      return false;
    case WM_MDICHILDRESTORED:
      if (FInRestoreAll) return false;
      FMDIChildMaximized = GetMaximizedMDIChildSkinForm() != nullptr;
      CommonUpdate();
      return false;
    case WM_MDIRESTOREALL:
    case WM_MDIRESTOREALLEXCEPT:
      if (FInRestoreAll || !FMDIChildMaximized) return false;
      FInRestoreAll = true;
      if (Message.Msg == WM_MDIRESTOREALL)
        RestoreAll();
      else
        RestoreAllExcept(HWND(Message.WParam));
      FInRestoreAll = false;
      FMDIChildMaximized = false;
      if (Message.Msg == WM_MDIRESTOREALLEXCEPT && FForm->ClientHandle())
        SendMessage(FForm->ClientHandle(), WM_MDINEXT, 0, 0);
      CommonUpdate();
      return false;
    case WM_MDIQUERYMAXIMIZED: Message.Result = FMDIChildMaximized ? 1 : 0; return false;
    case WM_MDICHILDMOVED:
      if (FStopCheckChildMove) return false;
      ChangeVisibleChildHanle = HWND(Message.WParam);
      UpdateMDIScrollBars(true);
      ChangeVisibleChildHanle = 0;
      return false;
    case WM_ACTIVATE:
      if (FSkinnableForm) UpDateMergedItems();
      return true;
    case WM_AFTERCHANGESKINDATA:
      if (reinterpret_cast<TskSkinData*>(Message.WParam) == FSD) RefitMDIChildren();
      return true;
    default: return true;
    }
  }
  if (Style != fsMDIChild) return true;
  TskSkinForm* Main = MDIMainFrame();
  const bool Maximized = FSkinnableForm && FWindowState == wsMaximized;
  switch (Message.Msg) {
  case WM_MDICHILDREFIT:
    if (Maximized) {
      const TRect Area = Main ? Main->MDIClientArea() : TRect();
      FForm->SetBounds(0, 0, Area.Width(), Area.Height());
    }
    return true;
  case WM_SHOWWINDOW:
    // A hidden child no longer counts for the scroll bars, whether its frame is skinnable or not.
    if (!Message.WParam) SendToMainForm(WM_MDICHILDMOVED, WPARAM(FForm->Handle()));
    if (!FSkinnableForm || !Main) return true;
    if (Message.WParam) {
      Main->AddChildToMenu(FForm);
      Main->AddChildToBar(FForm);
      if (SendToMainForm(WM_MDIQUERYMAXIMIZED) == 1 && FBorderIcons.Contains(TskBorderIcon::biMaximize))
        SetWindowState(wsMaximized);
    } else {
      Main->DeleteChildFromMenu(FForm);
      Main->DeleteChildFromBar(FForm);
    }
    return true;
  case WM_DESTROY:
    FWindowState = FWindowStateInit = wsNormal;
    SendToMainForm(WM_MDICHILDRESTORED);
    if (Main) {
      // The tab and the menu item must not outlive the child, whether it hid first or not.
      Main->DeleteChildFromMenu(FForm);
      Main->DeleteChildFromBar(FForm);
      Main->UpDateMergedItems();
      if (Main->FMDITabsBar) Main->FMDITabsBar->UpdateActiveTab();
    }
    SendToMainForm(WM_MDICHILDMOVED, WPARAM(FForm->Handle()));
    return true;
  case WM_SETTEXT:
    if (!FSkinnableForm || !Main) return true;
    if (!CallOldWindowProc(Message)) return false;
    Main->UpDateChildCaptionInMenu(FForm);
    Main->RefreshMDIBarTab(FForm);
    if (Maximized) Main->UpDateFormNC();
    return false;
  case WM_NCACTIVATE:
    if (!FSkinnableForm || !Main) return true;
    Main->UpDateMergedItems();
    if (Main->FMDITabsBar) Main->FMDITabsBar->UpdateActiveTab();
    Main->UpDateChildActiveInMenu();
    return true;
  case WM_NCCALCSIZE:
    // A maximized child has no frame: its whole window is client.
    if (!Maximized) return true;
    Message.Result = 0;
    return false;
  case WM_NCPAINT:
    if (!Maximized) return true;
    Message.Result = 0;
    return false;
  case WM_NCHITTEST:
    if (!Maximized) return true;
    Message.Result = HTCLIENT;
    return false;
  default: return true;
  }
}

void TskSkinForm::AfterMDIMessage(const TMessage& Message) {
  if (FForm->FormStyle() != fsMDIChild) return;
  switch (Message.Msg) {
  case WM_MOVE:
  case WM_SIZE: SendToMainForm(WM_MDICHILDMOVED); break;
  case WM_SHOWWINDOW:
    if (Message.WParam) {
      SendToMainForm(WM_MDICHILDMOVED);
    } else if (TskSkinForm* Main = FSkinnableForm ? MDIMainFrame() : nullptr) {
      // The active child hid: the client passed the activation on, maybe to no child at all.
      Main->UpDateMergedItems();
    }
    break;
  default: break;
  }
}

void TskSkinForm::UpDateMergedItems() {
  if (FMainMenuBar && (FMainMenuBar->ChildMenuIn() || FMainMenuBar->GetChildMainMenu())) FMainMenuBar->UpDateItems();
}

// ---- A child's states ---------------------------------------------------------------------------------

void TskSkinForm::MaximizeMDIChild() {
  TskSkinForm* Main = MDIMainFrame();
  const TRect Area = Main ? Main->MDIClientArea() : TRect();
  FForm->SetBounds(0, 0, Area.Width(), Area.Height());
}

void TskSkinForm::MDIChildStateChanged(TWindowState Value) {
  switch (Value) {
  case wsMaximized: SendToMainForm(WM_MDICHILDMAXIMIZED); break;
  case wsMinimized:
    SendToMainForm(WM_MDICHILDRESTORED);
    SendToMainForm(WM_MDIRESTOREALLEXCEPT, WPARAM(FForm->Handle()));
    break;
  case wsNormal:
    SendToMainForm(WM_MDICHILDRESTORED);
    SendToMainForm(WM_MDIRESTOREALL);
    break;
  }
}

void TskSkinForm::RefitMDIChildren() {
  if (!FForm->ClientHandle()) return;
  for (TskSkinForm* Child : MDIChildFrames())
    if (Child->Form()->HandleAllocated()) SendMessage(Child->Form()->Handle(), WM_MDICHILDREFIT, 0, 0);
  if (!FShowMDIScrollBars) ArrangeMinimizedMDIChildren();
}

void TskSkinForm::ArrangeMinimizedMDIChildren() {
  for (TskSkinForm* Child : MDIChildFrames())
    if (Child->FSkinnableForm && Child->FWindowState == wsMinimized) {
      const TPoint P = Child->MinimizedPosition();
      Child->Form()->SetBounds(P.X, P.Y, Child->Form()->Width(), Child->Form()->Height());
    }
}

// ---- Arrangements -------------------------------------------------------------------------------------

void TskSkinForm::MinimizeAll() {
  if (FForm->FormStyle() != fsMDIForm) return;
  for (TskSkinForm* Child : MDIChildFrames()) Child->SetWindowState(wsMinimized);
}

void TskSkinForm::MaximizeAll() {
  if (FForm->FormStyle() != fsMDIForm) return;
  for (TskSkinForm* Child : MDIChildFrames())
    if (Child->BorderIcons().Contains(TskBorderIcon::biMaximize)) Child->SetWindowState(wsMaximized);
}

void TskSkinForm::CloseAll() {
  if (FForm->FormStyle() != fsMDIForm) return;
  for (int i = FForm->MDIChildCount() - 1; i >= 0; --i)
    if (TCustomForm* Child = FForm->MDIChildren(i)) Child->Close();
}

void TskSkinForm::RestoreAll() { RestoreAllExcept(0); }

void TskSkinForm::RestoreAllExcept(HWND AFormHandle) {
  if (FForm->FormStyle() != fsMDIForm) return;
  for (TskSkinForm* Child : MDIChildFrames()) {
    if (AFormHandle && Child->Form()->HandleAllocated() && Child->Form()->Handle() == AFormHandle) continue;
    if (Child->WindowState() != wsNormal)
      Child->SetWindowState(wsNormal);
    else if (Child->RollUpState())
      Child->SetRollUpState(false);
  }
}

void TskSkinForm::Tile() {
  if (FForm->FormStyle() != fsMDIForm) return;
  RestoreAll();
  const std::vector<TskSkinForm*> Children = MDIChildFrames();
  const TRect Area = MDIClientArea();
  const std::vector<TRect> Places =
      MdiTileRects(Rect(0, 0, Area.Width(), Area.Height()), int(Children.size()), FTileMode == tbHorizontal);
  for (size_t i = 0; i < Places.size(); ++i)
    Children[i]->Form()->SetBounds(Places[i].Left, Places[i].Top, Places[i].Width(), Places[i].Height());
}

void TskSkinForm::Cascade() {
  if (FForm->FormStyle() != fsMDIForm) return;
  RestoreAll();
  const std::vector<TskSkinForm*> Children = MDIChildFrames();
  const TRect Area = MDIClientArea();
  // A skin whose client area starts at the frame's top would give no step at all.
  const int Step = std::max(1, FSkinSupport ? NewClRect.Top : CaptionHeight() + 3);
  const std::vector<TRect> Places = MdiCascadeRects(Rect(0, 0, Area.Width(), Area.Height()), int(Children.size()),
                                                    Step, TSize { GetMinWidth(), GetMinHeight() });
  for (size_t i = 0; i < Places.size(); ++i) {
    TCustomForm* Child = Children[i]->Form();
    const bool KeepSize = Child->BorderStyle() == bsSingle;
    Child->SetBounds(Places[i].Left, Places[i].Top, KeepSize ? Child->Width() : Places[i].Width(),
                     KeepSize ? Child->Height() : Places[i].Height());
  }
}

// ---- Window menu and tabs -----------------------------------------------------------------------------

void TskSkinForm::AddChildToMenu(TCustomForm* Child) {
  TMenuItem* WindowMenu = FForm->WindowMenu();
  TskSkinForm* ChildFrame = GetSkinFormComponent(Child);
  if (!WindowMenu || !ChildFrame) return;
  const String Name = Child->Name() + ChildItemSuffix;
  for (int i = 0; i < WindowMenu->Count(); ++i)
    if (WindowMenu->Items(i)->Name() == Name) return;
  auto* Item = new TMenuItem(ChildFrame);
  Item->SetName(Name);
  Item->SetCaption(Child->Caption());
  Item->OnClick = [this](TObject* Sender) { MDIItemClick(Sender); };
  WindowMenu->Add(Item);
}

void TskSkinForm::DeleteChildFromMenu(TCustomForm* Child) {
  TMenuItem* WindowMenu = FForm->WindowMenu();
  if (!WindowMenu) return;
  const String Name = Child->Name() + ChildItemSuffix;
  for (int i = WindowMenu->Count() - 1; i >= 0; --i)
    if (TMenuItem* Item = WindowMenu->Items(i); Item->Name() == Name) {
      WindowMenu->Remove(Item);
      delete Item;
      return;
    }
}

void TskSkinForm::UpDateChildCaptionInMenu(TCustomForm* Child) {
  TMenuItem* WindowMenu = FForm->WindowMenu();
  if (!WindowMenu) return;
  const String Name = Child->Name() + ChildItemSuffix;
  for (int i = 0; i < WindowMenu->Count(); ++i)
    if (WindowMenu->Items(i)->Name() == Name) WindowMenu->Items(i)->SetCaption(Child->Caption());
}

void TskSkinForm::UpDateChildActiveInMenu() {
  TMenuItem* WindowMenu = FForm->WindowMenu();
  if (!WindowMenu) return;
  TCustomForm* Active = FForm->ActiveMDIChild();
  const String ActiveName = Active ? Active->Name() + ChildItemSuffix : String();
  for (int i = 0; i < WindowMenu->Count(); ++i)
    if (TMenuItem* Item = WindowMenu->Items(i); EndsWith(Item->Name(), ChildItemSuffix))
      Item->SetChecked(Active && Item->Name() == ActiveName);
}

void TskSkinForm::MDIItemClick(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !EndsWith(Item->Name(), ChildItemSuffix)) return;
  const String Name = Item->Name().substr(0, Item->Name().size() - String(ChildItemSuffix).size());
  for (int i = 0; i < FForm->MDIChildCount(); ++i) {
    TCustomForm* Child = FForm->MDIChildren(i);
    if (Child->Name() != Name) continue;
    if (TskSkinForm* Frame = GetSkinFormComponent(Child); Frame && Frame->WindowState() == wsMinimized)
      Frame->SetWindowState(wsNormal);
    Child->Show();
  }
}

void TskSkinForm::SetMDITabsBar(TskSkinMDITabsBar* Value) {
  if (FMDITabsBar) FMDITabsBar->RemoveFreeNotification(this);
  FMDITabsBar = Value;
  if (FMDITabsBar) FMDITabsBar->FreeNotification(this);
}

void TskSkinForm::AddChildToBar(TCustomForm* Child) {
  if (!FMDITabsBar) return;
  TskSkinForm* ChildFrame = GetSkinFormComponent(Child);
  bool Accept = true;
  if (ChildFrame && ChildFrame->OnAcceptToMDITabsBar) ChildFrame->OnAcceptToMDITabsBar(Child, Accept);
  if (!Accept) return;
  for (int i = 0; i < FMDITabsBar->TabCount(); ++i)
    if (FMDITabsBar->Tabs(i)->Child == Child) return;
  FMDITabsBar->AddTab(Child);
}

void TskSkinForm::DeleteChildFromBar(TCustomForm* Child) {
  if (FMDITabsBar) FMDITabsBar->DeleteTab(Child);
}

void TskSkinForm::RefreshMDIBarTab(TCustomForm* Child) {
  if (FMDITabsBar) FMDITabsBar->RefreshTab(Child);
}
