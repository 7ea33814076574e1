#include "skin/form/TskSkinHint.h"

#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "skin/controls/TskGraphicSkinControl.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinHintWindow.h"

namespace {

/// The application's hint window class while skinned hints serve it.
struct TSkinHintWindowClass {
  THintWindow* operator()(TComponent* AOwner) const { return new TskSkinHintWindow(AOwner); }
};

/// The components alive; the last one gives the application its plain hint window back.
int Instances = 0;

/// Makes the application drop its hint window and make one of its current class.
void RenewHintWindow() {
  Application->SetShowHint(!Application->ShowHint());
  Application->SetShowHint(!Application->ShowHint());
}

constexpr int HintShortPause = 100;

}  // namespace

TskSkinHint::TskSkinHint(TComponent* AOwner) : TComponent(AOwner) {
  ++Instances;
  HW = new TskSkinHintWindow(this);
  if (!Application) return;
  Application->HintWindowClass = TSkinHintWindowClass {};
  RenewHintWindow();
  Application->OnShowHint = TApplicationShowHint { this };
  Application->SetHintShortPause(HintShortPause);
}

TskSkinHint::~TskSkinHint() {
  --Instances;
  if (!Application || Application->ComponentState().Contains(csDestroying)) return;
  if (auto* Handler = Application->OnShowHint.target<TApplicationShowHint>(); Handler && Handler->Hint == this)
    Application->OnShowHint = nullptr;
  if (Instances == 0 && Application->HintWindowClass.target<TSkinHintWindowClass>()) {
    Application->HintWindowClass = HintWindowClassOf<THintWindow>();
    RenewHintWindow();
  }
}

void TskSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
  if (AComponent == HintTimer) HintTimer = nullptr;
}

void TskSkinHint::SetActive(bool Value) {
  FActive = Value;
  if (!FActive || !Application) return;
  if (TCustomForm* Main = Application->MainForm())
    for (int i = 0; i < Main->ComponentCount(); ++i)
      if (auto* Other = dynamic_cast<TskSkinHint*>(Main->Components(i)); Other && Other != this && Other->Active())
        Other->SetActive(false);
  Application->OnShowHint = TApplicationShowHint { this };
}

void TskSkinHint::SetSkinData(TskSkinData* Value) {
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
}

void TskSkinHint::ApplicationShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo) {
  ClearTitle();
  TControl* Control = HintInfo.HintControl;
  if (auto* Windowed = dynamic_cast<TskSkinControl*>(Control)) {
    FHintTitle = Windowed->HintTitle();
    FHintImageIndex = Windowed->HintImageIndex();
    FHintImageList = Windowed->HintImageList();
  } else if (auto* Windowless = dynamic_cast<TskGraphicSkinControl*>(Control)) {
    FHintTitle = Windowless->HintTitle();
    FHintImageIndex = Windowless->HintImageIndex();
    FHintImageList = Windowless->HintImageList();
  }
  if (OnShowHint) OnShowHint(HintStr, CanShow, HintInfo);
}

void TskSkinHint::ClearTitle() {
  FHintTitle.clear();
  FHintImageIndex = 0;
  FHintImageList = nullptr;
}

// ---- Timed requests ------------------------------------------------------------------------------------

void TskSkinHint::ActivateHint2(const String& AHint) {
  HintText = AHint;
  ClearTitle();
  Arm(TRequest::Plain);
}

void TskSkinHint::ActivateHintEx2(const String& AHintTitle, const String& AHint, int AImageIndex,
                                  TCustomImageList* AImageList) {
  HintText = AHint;
  FHintTitle = AHintTitle;
  FHintImageIndex = AImageIndex;
  FHintImageList = AImageList;
  if (FHintImageList) FHintImageList->FreeNotification(this);
  Arm(TRequest::Extended);
}

void TskSkinHint::ActivateHint3(const TRect& AFromRect, const String& AHint, bool ATop) {
  FromRect = AFromRect;
  Top = ATop;
  HintText = AHint;
  ClearTitle();
  Arm(TRequest::FromRect);
}

void TskSkinHint::Arm(TRequest Request) {
  delete HintTimer;
  FRequest = Request;
  HintTimer = new TTimer(this);
  HintTimer->SetInterval(Cardinal(Application ? Application->HintPause() : 500));
  HintTimer->OnTimer = [this](TObject*) { HintTimerShow(); };
  HintTimer->SetEnabled(true);
}

void TskSkinHint::HintTimerShow() {
  switch (FRequest) {
  case TRequest::Plain:
  case TRequest::Extended: {
    TPoint P;
    GetCursorPos(&P);
    P.Y += GetCursorHeightMargin();
    const TRect At = Rect(P.X, P.Y, P.X, P.Y);
    if (FRequest == TRequest::Plain)
      HW->ActivateHint(At, HintText);
    else
      HW->ActivateHintEx(At, FHintTitle, HintText, FHintImageIndex, FHintImageList);
    break;
  }
  case TRequest::FromRect: HW->ActivateHintFromRect(FromRect, HintText, Top); break;
  }
  HintTimer->SetInterval(Cardinal(Application ? Application->HintHidePause() : 2500));
  HintTimer->OnTimer = [this](TObject*) { HideHint(); };
}

void TskSkinHint::ActivateHint(TPoint P, const String& AHint) {
  ClearTitle();
  HW->ActivateHint(Rect(P.X, P.Y, P.X, P.Y), AHint);
}

void TskSkinHint::ActivateHintEx(TPoint P, const String& AHintTitle, const String& AHint, int AImageIndex,
                                 TCustomImageList* AImageList) {
  FHintTitle = AHintTitle;
  FHintImageIndex = AImageIndex;
  FHintImageList = AImageList;
  if (FHintImageList) FHintImageList->FreeNotification(this);
  HW->ActivateHintEx(Rect(P.X, P.Y, P.X, P.Y), AHintTitle, AHint, AImageIndex, AImageList);
}

void TskSkinHint::HideHint() {
  delete HintTimer;
  HintTimer = nullptr;
  if (!HW->Visible()) return;
  HW->SetVisible(false);
  ClearTitle();
}

bool TskSkinHint::IsVisible() const { return HW->Visible(); }
