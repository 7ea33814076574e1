// The ribbon's tab selection, hover tracking, mouse, keys, wheel and the popup menus of its buttons.
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/form/TskSkinHint.h"
#include "skin/ribbon/TskAppButton.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"

namespace {

/// The index of the first item of Items whose rectangle contains P and that Qualifies; -1 for none.
template <class F> int HotButton(TskRibbonButtonItems* Items, TPoint P, F Qualifies) {
  for (int i = 0; i < Items->Count(); ++i)
    if (Qualifies(Items->Items(i)) && Items->Items(i)->ItemRect.Contains(P)) return i;
  return -1;
}

/// Makes Hot the only hot item; true when a flag changed.
bool MarkHot(TskRibbonButtonItems* Items, int Hot) {
  bool Changed = false;
  for (int i = 0; i < Items->Count(); ++i) {
    TskRibbonButtonItem* Item = Items->Items(i);
    Changed = Changed || Item->Active != (i == Hot);
    Item->Active = i == Hot;
  }
  return Changed;
}

bool InRange(TskRibbonButtonItems* Items, int Index) { return Index >= 0 && Index < Items->Count(); }

}  // namespace

// ---- Selection ----

void TskRibbon::SetTabIndex(int Value) {
  if ((FTabs->Count() == 0 || !HasVisibleTab()) && !FStopCheckTabIndex) {
    FTabIndex = -1;
    Repaint();
    return;
  }
  if (Value < 0 || Value >= FTabs->Count()) return;
  TskRibbonTab* Tab = FTabs->Items(Value);
  Tab->FVisible = true;
  if (Value != FTabIndex) {
    if (OnChangingPage) OnChangingPage(this);
    const int Old = FTabIndex;
    FTabIndex = Value;
    if (TskRibbonPage* Page = Tab->Page()) {
      Page->SetParent(this);
      Page->Show();
      Page->BringToFront();
    }
    if (Old >= 0 && Old < FTabs->Count())
      if (TskRibbonPage* OldPage = FTabs->Items(Old)->Page()) OldPage->Hide();
    if (OnChangePage) OnChangePage(this);
  } else if (TskRibbonPage* Page = Tab->Page(); Page && !Page->Visible()) {
    Page->Show();
  }
  Repaint();
}

void TskRibbon::TabDeleted(int Index) {
  if (Index > FTabIndex) return Repaint();
  if (Index < FTabIndex) {
    --FTabIndex;
    return Repaint();
  }
  FTabIndex = -1;
  if (!SelectVisibleTab(Index, 1) && !SelectVisibleTab(Index - 1, -1)) Repaint();
}

TskRibbonPage* TskRibbon::ActivePage() const {
  return FTabIndex >= 0 && FTabIndex < FTabs->Count() ? FTabs->Items(FTabIndex)->Page() : nullptr;
}

void TskRibbon::SetActivePage(TskRibbonPage* Page) {
  if (!Page || !HasVisibleTab()) return;
  const int Index = TabIndexOfPage(Page);
  if (Index == -1) return;
  FTabs->Items(Index)->FVisible = true;
  SetTabIndex(Index);
}

int TskRibbon::TabCount() const { return FTabs->Count(); }

String TskRibbon::TabCaption(int Index) const {
  const TskRibbonPage* Page = FTabs->GetItem(Index)->Page();
  return Page ? Page->Caption() : String();
}

void TskRibbon::SelectTabPage(int Index) { SetActivePage(FTabs->GetItem(Index)->Page()); }

bool TskRibbon::SelectVisibleTab(int From, int Step) {
  for (int i = From; i >= 0 && i < FTabs->Count(); i += Step)
    if (FTabs->Items(i)->Visible()) {
      SetTabIndex(i);
      return true;
    }
  return false;
}

void TskRibbon::FindFirstTab() { SelectVisibleTab(0, 1); }

void TskRibbon::FindLastTab() { SelectVisibleTab(FTabs->Count() - 1, -1); }

void TskRibbon::FindNextTab() {
  if (FTabIndex == -1 || FTabIndex == FTabs->Count() - 1) return;
  SelectVisibleTab(FTabIndex + 1, 1);
}

void TskRibbon::FindPriorTab(bool FocusAppButton) {
  if (FTabIndex == 0 && FocusAppButton && FAppButton && FAppButton->CanFocus()) FAppButton->SetFocus();
  if (FTabIndex <= 0) return;
  SelectVisibleTab(FTabIndex - 1, -1);
}

// ---- Hover ----

void TskRibbon::TestActive(int X, int Y) {
  const TPoint P { X, Y };
  const int Tab = TabFromPoint(P);
  if (Tab != FTabActive) {
    if (FTabActive >= 0 && FTabActive < FTabs->Count()) FTabs->Items(FTabActive)->Active = false;
    if (Tab != -1) FTabs->Items(Tab)->Active = true;
    FOldTabActive = FTabActive;
    FTabActive = Tab;
    Repaint();
  }
  TrackHotMDIButton(P);
  TrackHotButton(P);
}

// Both trackers run with empty collections too, so a hot index left by removed buttons is forgotten.
void TskRibbon::TrackHotMDIButton(TPoint P) {
  const int Hot = HotButton(FMDIButtons.get(), P, [](TskRibbonButtonItem*) { return true; });
  const bool Changed = MarkHot(FMDIButtons.get(), Hot);
  if (Changed || Hot != FMDIActiveButton) {
    FMDIOldActiveButton = FMDIActiveButton;
    FMDIActiveButton = Hot;
    Repaint();
  }
}

void TskRibbon::TrackHotButton(TPoint P) {
  const int Hot =
      HotButton(FButtons.get(), P, [](TskRibbonButtonItem* Item) { return Item->Enabled() && Item->Visible(); });
  const bool Changed = MarkHot(FButtons.get(), Hot);
  const bool HotChanged = Hot != FActiveButton;
  FOldActiveButton = FActiveButton;
  FActiveButton = Hot;
  const bool Hints = FButtonsShowHint && FSkinHint;
  if (HotChanged && Hot != -1 && Hints && !FButtons->Items(Hot)->Hint().empty())
    FSkinHint->ActivateHint2(FButtons->Items(Hot)->Hint());
  if (Changed && Hints && Hot == -1) FSkinHint->HideHint();
  if (Changed || HotChanged) Repaint();
}

// ---- Mouse ----

void TskRibbon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskCustomRibbon::MouseDown(Button, Shift, X, Y);
  FMouseCaptureButton = FMouseCaptureMDIButton = -1;
  if (Button != mbLeft) return;
  TestActive(X, Y);
  if (const int Tab = TabFromPoint({ X, Y }); Tab != -1) {
    if (AppMenuShown()) HideAppMenu(nullptr);
    if (Tab != FTabIndex) SetTabIndex(Tab);
    if (!Focused() && CanFocus()) SetFocus();
  }
  if (FMDIActiveButton != -1) {
    for (int i = 0; i < FMDIButtons->Count(); ++i) {
      TskRibbonButtonItem* Item = FMDIButtons->Items(i);
      Item->Down = i == FMDIActiveButton;
      if (i != FMDIActiveButton) Item->Active = false;
    }
    FMouseCaptureMDIButton = FMDIActiveButton;
    Repaint();
  }
  if (FActiveButton != -1) {
    for (int i = 0; i < FButtons->Count(); ++i) {
      TskRibbonButtonItem* Item = FButtons->Items(i);
      if (i != FActiveButton) {
        Item->Down = Item->Active = false;
        continue;
      }
      Item->Down = true;
      FMouseCaptureButton = i;
      if (Item->PopupMenu) {
        FPopupButton = i;
        PopupButtonMenu(Item->ItemRect, Item->PopupMenu);
      }
    }
    Repaint();
  }
  if (FButtonsShowHint && FSkinHint) FSkinHint->HideHint();
}

void TskRibbon::MouseMove(TShiftState Shift, int X, int Y) {
  TskCustomRibbon::MouseMove(Shift, X, Y);
  TestActive(X, Y);
}

void TskRibbon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskCustomRibbon::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TestActive(X, Y);
  TNotifyEvent Click;
  if (InRange(FMDIButtons.get(), FMDIActiveButton)) {
    const bool WasDown = FMDIButtons->Items(FMDIActiveButton)->Down;
    for (int i = 0; i < FMDIButtons->Count(); ++i) FMDIButtons->Items(i)->Down = false;
    if (WasDown) Click = FMDIButtons->Items(FMDIActiveButton)->OnClick;
  } else if (InRange(FMDIButtons.get(), FMouseCaptureMDIButton)) {
    TskRibbonButtonItem* Item = FMDIButtons->Items(FMouseCaptureMDIButton);
    Item->Down = Item->Active = false;
  }
  if (InRange(FButtons.get(), FActiveButton)) {
    const bool WasDown = FButtons->Items(FActiveButton)->Down;
    for (int i = 0; i < FButtons->Count(); ++i)
      if (i != FPopupButton) FButtons->Items(i)->Down = false;
    if (WasDown && !Click) Click = FButtons->Items(FActiveButton)->OnClick;
  } else if (InRange(FButtons.get(), FMouseCaptureButton)) {
    TskRibbonButtonItem* Item = FButtons->Items(FMouseCaptureButton);
    Item->Down = Item->Active = false;
  }
  FMouseCaptureButton = FMouseCaptureMDIButton = -1;
  Repaint();
  if (Click) Click(this);
}

void TskRibbon::PopupButtonMenu(const TRect& R, IskSkinPopupMenu* Menu) {
  const TPoint P = ClientToScreen(R.TopLeft());
  // A menu that cannot open sends no close notice: the button does not wait for one.
  if (!Menu->PopupFromRect2(this, Rect(P.X, P.Y, P.X + R.Width(), P.Y + R.Height() + 1), false)) FPopupButton = -1;
}

void TskRibbon::MenuClosed() {
  if (InRange(FButtons.get(), FPopupButton)) FButtons->Items(FPopupButton)->Down = false;
  FPopupButton = -1;
  Repaint();
}

// ---- Keys and messages ----

void TskRibbon::KeyDown(Word& Key, TShiftState Shift) {
  TskCustomRibbon::KeyDown(Key, Shift);
  switch (Key) {
  case VK_NEXT: FindLastTab(); break;
  case VK_PRIOR: FindFirstTab(); break;
  case VK_LEFT:
  case VK_UP: FindPriorTab(true); break;
  case VK_RIGHT:
  case VK_DOWN: FindNextTab(); break;
  default: break;
  }
}

void TskRibbon::MouseWheel(TMessage& Message) {
  if (!Focused()) return;
  if (short(HIWORD(Message.WParam)) < 0)
    FindNextTab();
  else
    FindPriorTab(false);
}

void TskRibbon::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_ERASEBKGND: {
    TCanvas C;
    C.SetHandle(HDC(Message.WParam));
    DrawRibbon(&C);
    C.SetHandle(nullptr);
    WMEraseReady = true;
    Message.Result = 1;
    return;
  }
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  case WM_SKINMENUCLOSED: MenuClosed(); return;
  default: break;
  }
  TskCustomRibbon::Dispatch(Message);
  switch (Message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case WM_SIZE: Repaint(); break;
  case WM_MOUSEWHEEL: MouseWheel(Message); break;
  case CM_MOUSELEAVE: TestActive(-1, -1); break;
  default: break;
  }
}
