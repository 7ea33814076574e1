#include "skin/form/TskSkinForm.h"

#include "platform/base/Exception.h"
#include "platform/gdi/Icons.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/skSkinChangeWalk.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskClientInActivePanel.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskCustomRibbon.h"
#include "skin/controls/TskSkinStatusBar.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinMDIClient.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskTrayIcon.h"
#include "skin/form/skLayering.h"

namespace {

std::unique_ptr<TFont> CaptionFont(TColor Color) {
  auto Font = std::make_unique<TFont>();
  Font->SetName("Tahoma");
  Font->SetHeight(13);
  Font->SetStyle({ fsBold });
  Font->SetColor(Color);
  return Font;
}

TTimer* StoppedTimer(TComponent* Owner, Cardinal Interval) {
  auto* Timer = new TTimer(Owner);
  Timer->SetEnabled(false);
  Timer->SetInterval(Interval);
  return Timer;
}

}  // namespace

// ---- Attach and detach ---------------------------------------------------------------------------------

TskSkinForm::TskSkinForm(TComponent* AOwner)
    : TComponent(AOwner), FDefCaptionFont(CaptionFont(clBtnText)), FDefInActiveCaptionFont(CaptionFont(clBtnShadow)) {
  FMouseTimer = StoppedTimer(this, 50);
  FMorphTimer = StoppedTimer(this, 25);
  FAnimateTimer = StoppedTimer(this, 25);
  FMouseTimer->OnTimer = [this](TObject* Sender) { MouseTimerTick(Sender); };
  FMorphTimer->OnTimer = [this](TObject* Sender) { MorphTimerTick(Sender); };
  FAnimateTimer->OnTimer = [this](TObject* Sender) { AnimateTimerTick(Sender); };
  FQuickButtons = std::make_unique<TskQuickButtonItems>(this);
  FLayerManager = new TskLayerManager(this);
  FBorderLayer = new TskFormLayerBorder(this);
  FMenuLayerManager = new TskLayerManager(this);
  FForm = dynamic_cast<TCustomForm*>(AOwner);
  if (!FForm) throw EInvalidCast("Invalid class typecast");
  FForm->SetBorderIcons({});
  FForm->OnShortCut = TFormShortCut { this };
  FForm->SetAutoSize(false);
  FForm->SetAutoScroll(false);
  FSysMenu = new TPopupMenu(this);
  CreateTrayMenu();
  SkinMenu = new TskSkinMenu(this, FForm);
  // The controller starts with settings of its own; the frame's menu defaults hold for its form.
  SkinMenu->AlphaBlend = FMenusAlphaBlend;
  SkinMenu->AlphaBlendValue = FMenusAlphaBlendValue;
  SkinMenu->AlphaBlendAnimation = FMenusAlphaBlendAnimation;
  OldWindowProc = FForm->WindowProc();
  FForm->SetWindowProc([this](TMessage& Message) { FormWindowProc(Message); });
  if (FForm->HandleAllocated()) FForm->RecreateWnd();
}

TskSkinForm::~TskSkinForm() {
  RemoveMenuMessageHook();
  UnhookAppRestore();
  ClearObjects();
  if (FIcon) DestroyIcon(FIcon);
  // A form being destroyed keeps no procedure or handler that could reach the frame afterwards.
  if (FForm->ComponentState().Contains(csDestroying)) return;
  FForm->SetWindowProc(OldWindowProc);
  if (FForm->HandleAllocated())
    SetWindowPos(FForm->Handle(), 0, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (auto* Handler = FForm->OnShortCut.target<TFormShortCut>(); Handler && Handler->Frame == this)
    FForm->OnShortCut = nullptr;
}

void TskSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) {
    // A freed model leaves the built-in look, not pictures that are gone.
    FSD = nullptr;
    FSkinSupport = false;
    if (!ComponentState().Contains(csDestroying) && !FForm->ComponentState().Contains(csDestroying)) ApplySkin();
  }
  if (AComponent == FMSD) FMSD = nullptr;
  if (AComponent == FMainMenu) FMainMenu = nullptr;
  if (AComponent == FMainMenuBar) FMainMenuBar = nullptr;
  if (AComponent == FMDITabsBar) FMDITabsBar = nullptr;
  if (AComponent == FSystemMenu) FSystemMenu = nullptr;
  if (AComponent == FTrayIcon) FTrayIcon = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  if (AComponent == FStatusBar) FStatusBar = nullptr;
  if (AComponent == FSkinRibbon) FSkinRibbon = nullptr;
  if (AComponent == FInActivePanel) FInActivePanel = nullptr;
  if (AComponent == FQuickImageList) FQuickImageList = nullptr;
}

// ---- Skin ----------------------------------------------------------------------------------------------

void TskSkinForm::SetSkinData(TskSkinData* Value) {
  FSD = Value;
  if (FSD) {
    FSD->FreeNotification(this);
    if (FForm->FormStyle() != fsMDIChild) FSkinnableForm = FSD->SkinnableForm();
  }
  ApplySkin();
  FSysTrayMenu->SetSkinData(FSD);
}

void TskSkinForm::SetMenusSkinData(TskSkinData* Value) {
  FMSD = Value;
  if (FMSD) FMSD->FreeNotification(this);
}

void TskSkinForm::ApplySkin() {
  // The look in force.
  if (FUseRibbon) FSkinnableForm = false;
  FSkinSupport = FSD && !FSD->Empty;
  // The border of the new skin decides the form's frame (a full one leaves the form no frame of its own).
  if (FBorderLayer->Visible()) FBorderLayer->Hide();
  if (!PreviewMode) FBorderLayer->InitFrame(FSD, FForm);
  // Without the skinned look the frame takes the form's size as it is.
  if (!FSkinSupport || !FSkinnableForm) {
    FFormWidth = FForm->Width();
    FFormHeight = FForm->Height();
  }
  // The system's caption buttons only for a frame the system draws.
  if (FSkinnableForm) {
    if (!FForm->BorderIcons().Empty()) FForm->SetBorderIcons({});
  } else {
    TBorderIcons Icons;
    if (!FHideCaptionButtons) Icons.Include(biSystemMenu);
    if (FBorderIcons.Contains(TskBorderIcon::biMinimize)) Icons.Include(biMinimize);
    if (FBorderIcons.Contains(TskBorderIcon::biMaximize)) Icons.Include(biMaximize);
    FForm->SetBorderIcons(Icons);
  }
  // The frame's limits apply at once; a form within them lays out again.
  FInChangeSkinData = true;
  const int MinW = GetMinWidth(), MinH = GetMinHeight();
  const bool Narrow = FForm->Width() < MinW, Low = FForm->Height() < MinH;
  if (Narrow && Low)
    FForm->SetBounds(FForm->Left(), FForm->Top(), MinW, MinH);
  else if (Low)
    FForm->SetHeight(MinH);
  else if (Narrow)
    FForm->SetWidth(MinW);
  else
    NudgeWidth();
  // A rolled-up or minimized skinned form keeps its caption-only size.
  if (FSkinSupport && (FRollUpState || FWindowState == wsMinimized)) {
    if (FForm->Height() != GetMinHeight()) FForm->SetHeight(GetMinHeight());
    if (FWindowState == wsMinimized) FForm->SetWidth(GetMinWidth());
  }
  // The caption objects of the look in force (the built-in ones come with the first built-in paint).
  if (FSkinSupport && FSkinnableForm)
    CreateSkinObjects();
  else
    ClearObjects();
  // The geometry and region for the size reached, and a repaint.
  UpdateFrameGeometry();
  UpdateActiveState(!SkinnedMaximizedMDIChild());
  if (FForm->HandleAllocated()) {
    UpDateFormNC();
    FForm->Invalidate();
  }
  if (FForm->FormStyle() == fsMDIForm) ApplySkinToMDIClient();
  FMouseTimer->SetEnabled(true);
  if (OnChangeSkinData) OnChangeSkinData(this);
  FInChangeSkinData = false;
  ApplyLayerBorder();
  RestoreOuterBounds();
  // Last, the client size the frame asks for, measured inside the frame now in force.
  if (!FRollUpState) {
    if (FClientWidth > 0) FForm->SetClientWidth(FClientWidth);
    if (FClientHeight > 0) FForm->SetClientHeight(FClientHeight);
  }
}

void TskSkinForm::SetSkinnableForm(bool Value) {
  FFormActive = GetFormActive();
  // A maximized form changes its frame in the normal state, out of sight, and is maximized again after.
  const bool MDIForm = FForm->FormStyle() == fsMDIForm;
  const bool Maximized = FSkinnableForm ? FWindowState == wsMaximized : FForm->WindowState() == wsMaximized;
  if (Maximized) {
    if (!MDIForm) FForm->Hide();
    if (FSkinnableForm)
      FWindowState = wsNormal;
    else
      FForm->SetWindowState(wsNormal);
  }
  FSkinnableForm = FUseRibbon ? false : Value;
  ApplySkin();
  ChangeSkinDataWalk(FForm, nullptr);
  if (MDIForm) SubclassMDIClient();
  if (Maximized) {
    if (FSkinnableForm)
      FWindowState = wsMaximized;
    else
      FForm->SetWindowState(wsMaximized);
    if (!MDIForm) FForm->Show();
  }
}

void TskSkinForm::SetUseRibbon(bool Value) {
  FUseRibbon = Value;
  if (FUseRibbon) SetSkinnableForm(false);
}

void TskSkinForm::SetSkinRibbon(TskCustomRibbon* Value) {
  FSkinRibbon = Value;
  if (FSkinRibbon) {
    FSkinRibbon->FreeNotification(this);
    FSkinRibbon->BSF = this;
  }
}

// ---- Properties with effects ---------------------------------------------------------------------------

void TskSkinForm::SetBorderIcons(TskBorderIcons Value) {
  FBorderIcons = Value;
  if (ComponentState().Contains(csLoading)) return;
  SetObjectStates();
  UpDateFormNC();
}

void TskSkinForm::SetQuickButtons(TskQuickButtonItems* Value) {
  FQuickButtons->BeginUpdate();
  FQuickButtons->Clear();
  for (int i = 0; i < Value->Count(); ++i) FQuickButtons->Add()->Assign(Value->Items(i));
  FQuickButtons->EndUpdate();
}

void TskSkinForm::SetQuickImageList(TCustomImageList* Value) {
  FQuickImageList = Value;
  if (FQuickImageList) FQuickImageList->FreeNotification(this);
}

void TskSkinForm::SetShowIcon(bool Value) {
  FShowIcon = Value;
  if (!ComponentState().Contains(csLoading)) UpDateFormNC();
}

void TskSkinForm::SetDefCaptionFont(TFont* Value) {
  FDefCaptionFont->Assign(Value);
  if (!ComponentState().Contains(csLoading) && !FSkinSupport) UpDateFormNC();
}

void TskSkinForm::SetDefInActiveCaptionFont(TFont* Value) {
  FDefInActiveCaptionFont->Assign(Value);
  if (!ComponentState().Contains(csLoading) && !FSkinSupport) UpDateFormNC();
}

void TskSkinForm::SetStatusBar(TskSkinStatusBar* Value) {
  FStatusBar = Value;
  if (FStatusBar) FStatusBar->FreeNotification(this);
}

void TskSkinForm::SetSkinHint(TskSkinHint* Value) {
  FSkinHint = Value;
  if (FSkinHint) FSkinHint->FreeNotification(this);
}

void TskSkinForm::SetAlphaBlend(bool Value) {
  if (FAlphaBlend == Value) return;
  FAlphaBlend = Value;
  if (ComponentState().Contains(csLoading) || !CanLayer() || !FForm->HandleAllocated()) return;
  const HWND Wnd = FForm->Handle();
  const DWORD ExStyle = GetWindowLong(Wnd, GWL_EXSTYLE);
  if (FAlphaBlend) {
    if (!(ExStyle & WS_EX_LAYERED)) SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
    SetWindowAlpha(Wnd, FAlphaBlendValue);
  } else if (ExStyle & WS_EX_LAYERED) {
    SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle & ~WS_EX_LAYERED);
  }
}

void TskSkinForm::SetAlphaBlendValue(Byte Value) {
  if (FAlphaBlendValue == Value) return;
  FAlphaBlendValue = Value;
  if (FAlphaBlend && !ComponentState().Contains(csLoading) && CanLayer() && FForm->HandleAllocated())
    SetWindowAlpha(FForm->Handle(), FAlphaBlendValue);
}

void TskSkinForm::SetMainMenu(TMainMenu* Value) {
  FMainMenu = Value;
  if (FMainMenu) FMainMenu->FreeNotification(this);
}

void TskSkinForm::SetSystemMenu(TPopupMenu* Value) {
  FSystemMenu = Value;
  if (FSystemMenu) FSystemMenu->FreeNotification(this);
}

void TskSkinForm::SetMenusAlphaBlend(bool Value) { SkinMenu->AlphaBlend = FMenusAlphaBlend = Value; }

void TskSkinForm::SetMenusAlphaBlendValue(Byte Value) { SkinMenu->AlphaBlendValue = FMenusAlphaBlendValue = Value; }

void TskSkinForm::SetMenusAlphaBlendAnimation(bool Value) {
  SkinMenu->AlphaBlendAnimation = FMenusAlphaBlendAnimation = Value;
}

void TskSkinForm::SetMaxMenuItemsInWindow(int Value) {
  if (Value < 0) return;
  SkinMenu->MaxMenuItemsInWindow = FMaxMenuItemsInWindow = Value;
}

bool TskSkinForm::UseSkinFontInMenu() const { return SkinMenu->FUseSkinFont; }
void TskSkinForm::SetUseSkinFontInMenu(bool Value) { SkinMenu->FUseSkinFont = Value; }
bool TskSkinForm::UseSkinSizeInMenu() const { return SkinMenu->FUseSkinSize; }
void TskSkinForm::SetUseSkinSizeInMenu(bool Value) { SkinMenu->FUseSkinSize = Value; }
int TskSkinForm::DefMenuItemHeight() const { return SkinMenu->FDefaultMenuItemHeight; }

void TskSkinForm::SetDefMenuItemHeight(int Value) {
  if (Value > 0) SkinMenu->FDefaultMenuItemHeight = Value;
}

TFont* TskSkinForm::DefMenuItemFont() const { return &SkinMenu->FDefaultMenuItemFont; }
void TskSkinForm::SetDefMenuItemFont(TFont* Value) { SkinMenu->FDefaultMenuItemFont.Assign(Value); }

// ---- Form operations -----------------------------------------------------------------------------------

bool TskSkinForm::IsSizeable() const {
  return FAlwaysResize || FForm->BorderStyle() == bsSizeable || FForm->BorderStyle() == bsSizeToolWin;
}

bool TskSkinForm::GetFormActive() const {
  if (PreviewMode) return true;
  const TFormStyle Style = FForm->FormStyle();
  return Style == fsMDIForm || Style == fsMDIChild ? FFormActive : FForm->Active();
}

void TskSkinForm::SetFormBorderStyle(TFormBorderStyle BS) {
  FForm->SetBorderStyle(BS);
  ChangeSkinDataWalk(FForm, nullptr);
}

void TskSkinForm::SetFormStyle(TFormStyle FS) {
  if (FS != fsNormal && FS != fsStayOnTop) return;
  FForm->SetFormStyle(FS);
  ChangeSkinDataWalk(FForm, nullptr);
}

void TskSkinForm::UpDateFormNC() {
  if (FullBorderShown())
    FBorderLayer->UpdateBorder();
  else if (FForm->HandleAllocated())
    SendMessage(FForm->Handle(), WM_NCPAINT, 0, 0);
}

void TskSkinForm::ShowClientInActiveEffect() {
  HideClientInActiveEffect();
  FInActivePanel = new TskClientInActivePanel(this);
  FClientInActiveDraw = true;
  FInActivePanel->ShowPanel(FForm, FClientInActiveEffectType);
  FClientInActiveDraw = false;
}

void TskSkinForm::HideClientInActiveEffect() {
  if (!FInActivePanel) return;
  FInActivePanel->HidePanel();
  delete FInActivePanel;
  FInActivePanel = nullptr;
}

void TskSkinForm::StopTimers() {
  FMouseTimer->SetEnabled(false);
  FMorphTimer->SetEnabled(false);
  FAnimateTimer->SetEnabled(false);
}
