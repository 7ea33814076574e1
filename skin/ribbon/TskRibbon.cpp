#include "skin/ribbon/TskRibbon.h"

#include <cmath>
#include <utility>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinHint.h"
#include "skin/ribbon/TskAppButton.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskRibbonPage.h"

namespace {

constexpr int DefaultHeight = 115;
constexpr int MinAppButtonWidth = 35;
constexpr int AppButtonTop = 1;
constexpr int AppButtonHeight = 24;
/// The gap between the application button and the first tab.
constexpr int TabsGap = 3;
constexpr int DefaultRightOffset = 5;
constexpr int DefaultStripHeight = 24;
constexpr int DefaultMDIButtonSize = 22;
/// A tab is its caption's width plus this.
constexpr int TabPadding = 30;
constexpr int MinTabWidth = 15;

}  // namespace

TskRibbon::TskRibbon(TComponent* AOwner) : TskCustomRibbon(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  CreateAppButton();
  FButtons = std::make_unique<TskRibbonButtonItems>(this);
  FMDIButtons = std::make_unique<TskRibbonButtonItems>(this);
  FTabs = std::make_unique<TskRibbonTabs>(this);
  FHeight = DefaultHeight;
  SetAlign(alTop);
  SetSkinDataName("officetab");
}

TskRibbon::~TskRibbon() {
  RemoveAppMenuHook();
  FTabs.reset();
  FButtons.reset();
  FMDIButtons.reset();
}

void TskRibbon::CreateAppButton() {
  delete std::exchange(FAppButton, nullptr);
  FAppButton = new TskAppButton(this);
  FAppButton->SetCanFocused(true);
  FAppButton->SetTabStop(false);
  FAppButton->Ribbon = this;
  FAppButton->SetBounds(0, AppButtonTop, FAppButtonWidth, AppButtonHeight);
  FAppButton->SetParent(this);
  FAppButton->SetSkinDataName("officemenubutton");
  FAppButton->SetImageIndex(FAppButtonImageIndex);
  FAppButton->OnHideTrackMenu = [this](TObject*) {
    if (OnMenuClose) OnMenuClose(this);
  };
  FLeftOffset = FAppButtonWidth + TabsGap;
}

void TskRibbon::CreateParams(TCreateParams& Params) {
  TskCustomRibbon::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// ---- Properties ----

void TskRibbon::SetTabs(TskRibbonTabs* Value) {
  FTabs->Assign(Value);
  Repaint();
}

void TskRibbon::SetButtons(TskRibbonButtonItems* Value) {
  FButtons->Assign(Value);
  Repaint();
}

void TskRibbon::SetTabBoldStyle(bool Value) {
  if (Value == FTabBoldStyle) return;
  FTabBoldStyle = Value;
  Repaint();
}

void TskRibbon::SetButtonsImageList(TCustomImageList* Value) {
  if (FButtonsImageList) FButtonsImageList->RemoveFreeNotification(this);
  FButtonsImageList = Value;
  if (FButtonsImageList) FButtonsImageList->FreeNotification(this);
}

void TskRibbon::SetSkinHint(TskSkinHint* Value) {
  if (FSkinHint) FSkinHint->RemoveFreeNotification(this);
  FSkinHint = Value;
  if (FSkinHint) FSkinHint->FreeNotification(this);
}

String TskRibbon::AppButtonCaption() const { return FAppButton ? FAppButton->Caption() : String(); }

void TskRibbon::SetAppButtonCaption(const String& Value) {
  if (FAppButton) FAppButton->SetCaption(Value);
}

int TskRibbon::AppButtonMargin() const { return FAppButton ? FAppButton->Margin() : 0; }

void TskRibbon::SetAppButtonMargin(int Value) {
  if (FAppButton) FAppButton->SetMargin(Value);
}

int TskRibbon::AppButtonSpacing() const { return FAppButton ? FAppButton->Spacing() : 0; }

void TskRibbon::SetAppButtonSpacing(int Value) {
  if (FAppButton) FAppButton->SetSpacing(Value);
}

void TskRibbon::SetAppButtonWidth(int Value) {
  if (Value == FAppButtonWidth || Value < MinAppButtonWidth) return;
  FAppButtonWidth = Value;
  if (FAppButton) FAppButton->SetWidth(Value);
  FLeftOffset = Value + TabsGap;
  Repaint();
}

void TskRibbon::SetAppButtonImageList(TCustomImageList* Value) {
  if (FAppButtonImageList) FAppButtonImageList->RemoveFreeNotification(this);
  FAppButtonImageList = Value;
  if (FAppButtonImageList) FAppButtonImageList->FreeNotification(this);
  if (FAppButton) FAppButton->SetImageList(Value);
  Repaint();
}

void TskRibbon::SetAppButtonImageIndex(int Value) {
  FAppButtonImageIndex = std::max(Value, 0);
  if (FAppButton) FAppButton->SetImageIndex(FAppButtonImageIndex);
}

void TskRibbon::SetAppButtonPopupMenu(IskSkinPopupMenu* Value) {
  if (auto* Old = dynamic_cast<TComponent*>(FAppButtonPopupMenu)) Old->RemoveFreeNotification(this);
  FAppButtonPopupMenu = Value;
  if (auto* New = dynamic_cast<TComponent*>(Value)) New->FreeNotification(this);
  if (FAppButton) FAppButton->SetSkinPopupMenu(Value);
}

void TskRibbon::SetAppMenu(TskAppMenu* Value) {
  // A menu shown when it is cleared or replaced stops listening for Escape and leaves the form.
  RemoveAppMenuHook();
  if (FAppMenu) {
    FAppMenu->RemoveFreeNotification(this);
    if (FAppMenu != Value) FAppMenu->Hide();
  }
  FAppMenu = Value;
  if (!FAppMenu) return;
  FAppMenu->FreeNotification(this);
  FAppMenu->Ribbon = this;
  FAppMenu->Hide();
}

void TskRibbon::WatchPage(TskRibbonPage* Page) { Page->FreeNotification(this); }

void TskRibbon::Loaded() {
  TskCustomRibbon::Loaded();
  for (int i = 0; i < FTabs->Count(); ++i)
    if (TskRibbonPage* Page = FTabs->Items(i)->Page()) {
      Page->Ribbon = this;
      WatchPage(Page);
      // Pages built in code have no stored place: they take the page area now that they know the ribbon.
      Page->UpDateSize();
      if (i != FTabIndex) Page->Hide();
    }
  if (FAppMenu) FAppMenu->Ribbon = this;
}

void TskRibbon::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == SkinData()) BeforeChangeSkinData();
  TskCustomRibbon::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (FAppButtonPopupMenu && dynamic_cast<IskSkinPopupMenu*>(AComponent) == FAppButtonPopupMenu)
    SetAppButtonPopupMenu(nullptr);
  if (AComponent == FAppButtonImageList) {
    FAppButtonImageList = nullptr;
    if (FAppButton) FAppButton->SetImageList(nullptr);
  }
  if (AComponent == FButtonsImageList) FButtonsImageList = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  if (AComponent == FAppMenu) {
    RemoveAppMenuHook();
    FAppMenu = nullptr;
  }
  if (AComponent == FAppButton) FAppButton = nullptr;
  if (FTabs)
    for (int i = 0; i < FTabs->Count(); ++i)
      if (FTabs->Items(i)->FPage == AComponent) FTabs->Items(i)->FPage = nullptr;
}

// ---- Skin ----

void TskRibbon::GetSkinData() {
  TskCustomRibbon::GetSkinData();
  FData = FIndex == -1 ? nullptr : dynamic_cast<TskDataSkinTabControl*>(SkinRecord());
  FDataPicture = FData ? TskSkinGeometry::ModelPicture(SkinData(), FData->PictureIndex) : nullptr;
  if (!FDataPicture) BeforeChangeSkinData();
}

void TskRibbon::BeforeChangeSkinData() {
  TskCustomRibbon::BeforeChangeSkinData();
  FData = nullptr;
  FDataPicture = nullptr;
}

void TskRibbon::SetSkinData(TskSkinData* Value) {
  TskCustomRibbon::SetSkinData(Value);
  if (FAppButton) FAppButton->SetSkinData(Value);
}

void TskRibbon::ChangeSkinData() {
  TskCustomRibbon::ChangeSkinData();
  if (TskRibbonPage* Page = ActivePage()) {
    Page->UpDateSize();
    if (FAppButton) FAppButton->SetBounds(0, AppButtonTop, FAppButton->Width(), FAppButton->Height());
  }
  if (AppMenuShown()) PlaceAppMenu();
}

bool TskRibbon::Skinned() const { return FIndex != -1 && FData && FDataPicture; }

int TskRibbon::GetTabStripHeight() {
  return Skinned() ? RectHeight(FData->TabRect) + 1 : DefaultStripHeight;
}

TSize TskRibbon::GetMDIButtonSize() {
  if (Skinned()) return { RectWidth(FData->MDICloseRect), RectHeight(FData->MDICloseRect) };
  return { DefaultMDIButtonSize, DefaultMDIButtonSize };
}

TRect TskRibbon::GetPageBounds() {
  GetSkinData();
  const int H = GetTabStripHeight();
  if (Skinned()) {
    const TskDataSkinTabControl& D = *FData;
    return Bounds(D.ClRect.Left, H + D.ClRect.Top, FWidth - RectWidth(D.SkinRect) + RectWidth(D.ClRect),
                  FHeight - RectHeight(D.SkinRect) + RectHeight(D.ClRect) - H);
  }
  return Bounds(1, H + 2, FWidth - 2, FHeight - H - 5);
}

// ---- Layout ----

void TskRibbon::CalcItemRects(TCanvas* Canvas) {
  const int StripHeight = GetTabStripHeight();
  int X = FWidth - 2;
  if (FButtons->Count() > 0 && FButtonsImageList) {
    const int W = FButtonsImageList->Width() + 6, H = StripHeight - 2;
    for (int i = FButtons->Count() - 1; i >= 0; --i) {
      TskRibbonButtonItem* Button = FButtons->Items(i);
      if (!Button->Visible()) continue;
      Button->ItemRect = Rect(X - W, 1, X, H + 1);
      X -= W;
    }
    FRightOffset = FWidth - X + 2;
  } else {
    FRightOffset = DefaultRightOffset;
  }
  if (FMDIButtons->Count() > 0) {
    const TSize Size = GetMDIButtonSize();
    X = FWidth - FRightOffset;
    for (int i = 0; i < FMDIButtons->Count(); ++i) {
      FMDIButtons->Items(i)->ItemRect = Rect(X - Size.cx, 1, X, Size.cy + 1);
      X -= Size.cx;
    }
    FRightOffset = FWidth - X + 2;
  }
  const int Avail = FWidth - FLeftOffset - FRightOffset;
  int Sum = 0;
  for (int i = 0; i < FTabs->Count(); ++i) {
    TskRibbonTab* Tab = FTabs->Items(i);
    if (!Tab->Visible()) continue;
    const String Caption = Tab->Page() ? Tab->Page()->Caption() : String();
    Tab->Width = GetTextWidthW(Canvas, Caption) + TabPadding;
    Sum += Tab->Width;
  }
  FShowDivider = Sum > Avail;
  const int Bottom = Skinned() ? 1 + RectHeight(FData->TabRect) : DefaultStripHeight;
  X = FLeftOffset;
  for (int i = 0; i < FTabs->Count(); ++i) {
    TskRibbonTab* Tab = FTabs->Items(i);
    if (!Tab->Visible()) continue;
    if (FShowDivider) Tab->Width = std::max(int(std::trunc(Avail * (double(Tab->Width) / Sum))), MinTabWidth);
    Tab->ItemRect = Rect(X, 1, X + Tab->Width, Bottom);
    X += Tab->Width;
  }
}

bool TskRibbon::HasVisibleTab() const {
  for (int i = 0; i < FTabs->Count(); ++i)
    if (FTabs->Items(i)->Visible()) return true;
  return false;
}

int TskRibbon::TabFromPoint(TPoint P) const {
  for (int i = 0; i < FTabs->Count(); ++i) {
    const TskRibbonTab* Tab = FTabs->Items(i);
    if (Tab->Visible() && Tab->ItemRect.Contains(P)) return i;
  }
  return -1;
}

int TskRibbon::TabIndexOfPage(const TskRibbonPage* Page) const {
  for (int i = 0; i < FTabs->Count(); ++i)
    if (FTabs->Items(i)->Page() == Page) return i;
  return -1;
}
