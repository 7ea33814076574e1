// The frame's window procedure: which of the form's messages the frame answers itself, which the form's
// own procedure still sees, and the skin-change protocol.
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/controls/skSkinChangeWalk.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/skFormFinders.h"
#include "skin/form/skFormMessages.h"

namespace {

bool IsMouseMessage(UINT Msg) {
  switch (Msg) {
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_NCMOUSEMOVE:
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONUP:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case WM_NCRBUTTONDBLCLK: return true;
  default: return false;
  }
}

}  // namespace

void TskSkinForm::FormWindowProc(TMessage& Message) {
  LayerBorderMessage(Message);
  CloseMenusOnMessage(Message);
  if (!HandleMDIMessage(Message) || !HandleMessage(Message)) return;
  if (!CallOldWindowProc(Message)) return;
  AfterMDIMessage(Message);
  // The caption objects see the mouse after the form's own procedure (which runs the move loop).
  if (IsMouseMessage(Message.Msg) && FForm->HandleAllocated()) AfterMouseMessage(Message);
}

bool TskSkinForm::CallOldWindowProc(TMessage& Message) {
  if (!OldWindowProc) return true;
  const std::weak_ptr<bool> Alive = FAlive;
  const TWndMethod Proc = OldWindowProc;  // the frame may go while it runs
  Proc(Message);
  return !Alive.expired();
}

void TskSkinForm::CloseMenusOnMessage(TMessage& Message) {
  if (!IsMenuCloseMessage(Message.Msg)) return;
  if (FShowObjectHint && FSkinHint) FSkinHint->HideHint();
  const bool MDIShown = FForm->FormStyle() == fsMDIForm && FForm->Visible();
  if (InMainMenu && !InMenu)
    LeaveMainMenuMode();
  else if (SkinMenu->Visible())
    SkinMenu->Hide();
  else if (InMenu)
    SkinMenuClose();
  else if (TskSkinForm* Child = MDIShown ? GetActiveMDIChildSkinForm() : nullptr)
    Child->CloseMenusOnMessage(Message);
  // The drop-downs of the form's skinned controls close too.
  if (!MDIShown || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  for (int i = 0; i < FForm->ComponentCount(); ++i)
    if (auto* Control = dynamic_cast<TskSkinControl*>(FForm->Components(i)); Control && Control->Visible() &&
        Control->Enabled())
      Control->Perform(CM_CANCELMODE, 0, 0);
}

bool TskSkinForm::HandleMessage(TMessage& Message) {
  switch (Message.Msg) {
  case WM_DESTROY: StopTimers(); return true;
  case WM_SIZE:
    UpdateFrameGeometry();
    if (!FSizeMove) ClearMagnets();
    return true;
  case WM_SHOWWINDOW: WMShowWindow(Message.WParam != 0); return true;
  case WM_TIMER:
    if (Message.WParam == 1 && FFadeInPending) FadeIn();
    return true;
  case WM_ACTIVATE:
    if (!FSkinnableForm) return true;
    if (!CallOldWindowProc(Message)) return false;
    UpDateFormNC();
    if (SkinnedMaximizedMDIChild()) {
      UpdateActiveState(false);
    } else {
      ResetObjectStates();
      UpdateActiveState(true);
    }
    return false;
  case WM_MOUSEACTIVATE:
    // A click into the active MDI child marks it active before the system tells it.
    if (FSkinnableForm && FForm->FormStyle() == fsMDIChild && !FFormActive && GetActiveMDIChildSkinForm() == this) {
      FFormActive = true;
      UpdateActiveState(!SkinnedMaximizedMDIChild());
    }
    return true;
  case WM_SETTEXT:
    if (!FSkinnableForm) return true;
    if (!CallOldWindowProc(Message)) return false;
    if (FForm->BorderStyle() != bsNone) UpDateFormNC();
    return false;
  case WM_ERASEBKGND:
    if (FForm->FormStyle() != fsMDIForm || FClientInActiveDraw) PaintBG(HDC(Message.WParam));
    Message.Result = 1;
    return false;
  case WM_SETCURSOR:
    if (FSkinnableForm && FUseFormCursorInNCArea) {
      const int Code = int(Message.LParam & 0xFFFF);
      if (Code != HTCLIENT && (Code < HTLEFT || Code > HTBOTTOMRIGHT))
        Message.LParam = (Message.LParam & ~LPARAM(0xFFFF)) | HTCLIENT;
    }
    return true;
  case WM_GETMINMAXINFO:
    if (FSkinnableForm) {
      auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
      Info->ptMinTrackSize = { GetMinWidth(), GetMinHeight() };
      Info->ptMaxTrackSize = { GetMaxWidth(), GetMaxHeight() };
    }
    return true;
  case WM_DISPLAYCHANGE:
    if (FForm->BorderStyle() != bsNone && (GetMaxWidth() < FForm->Width() || GetMaxHeight() < FForm->Height()))
      NudgeWidth();
    return true;
  case WM_NCCALCSIZE:
    if (!FSkinnableForm) return true;
    {
      auto* R = reinterpret_cast<TRect*>(Message.LParam);
      *R = CalcClientRect(*R);
    }
    Message.Result = 0;
    return false;
  case WM_NCHITTEST:
    if (!FSkinnableForm) return true;
    Message.Result = HitTest({ GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam) });
    if (Message.Result == HTOBJECT && !FMouseTimer->Enabled()) {
      const TPoint P = FramePoint(Message.LParam);
      TrackActiveObject(P.X, P.Y, true);
      FMouseTimer->SetEnabled(true);
    }
    return false;
  case WM_ENTERSIZEMOVE:
    if (!FSkinnableForm) return true;
    GetCursorPos(&FOnMouseDownCoord);
    FSizeMove = true;
    FMouseTimer->SetEnabled(false);
    ResetObjectStates();
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    return true;
  case WM_SIZING:
    if (!FSkinnableForm || !FSizeMove) return true;
    FSizing = true;
    ClearMagnets();
    return true;
  case WM_MOVING:
    if (FSkinnableForm) WMMoving(*reinterpret_cast<TRect*>(Message.LParam));
    return true;
  case WM_EXITSIZEMOVE:
    if (!FSkinnableForm) return true;
    FSizing = FSizeMove = false;
    FSizeMoveDone = true;
    FMouseTimer->SetEnabled(false);
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    if (FSkinSupport) UpDateFormNC();
    return true;
  case WM_NCLBUTTONDOWN:
    FSizeMoveDone = false;
    return true;
  case WM_NCPAINT:
    if (!FSkinnableForm) return true;
    PaintNC(0);
    Message.Result = 0;
    return false;
  case WM_NCACTIVATE:
    if (!FSkinnableForm) return true;
    WMNCActivate(Message);
    return false;
  case WM_SYNCPAINT:
    if (!FSkinnableForm || !FRollUpState) return true;
    UpDateFormNC();
    Message.Result = 0;
    return false;
  case WM_SYSCOMMAND:
    if ((Message.WParam & 0xFFF0) == SC_KEYMENU) {
      HandleSysCommand(Message);
      return false;
    }
    if ((Message.WParam & 0xFFF0) != SC_RESTORE) return true;
    if (OnRestore) OnRestore(this);
    return RestoreWithLayerBorder(Message);
  case WM_CHANGERESOURCESTRDATA:
    SetDefaultHints();
    return true;
  case WM_BEFORECHANGESKINDATA:
    if (reinterpret_cast<TskSkinData*>(Message.WParam) == FSD) BeforeChangeSkin(FSD);
    return true;
  case WM_CHANGESKINDATA:
    ChangeSkin(reinterpret_cast<TskSkinData*>(Message.WParam));
    return true;
  case WM_AFTERCHANGESKINDATA:
    AfterChangeSkin();
    return true;
  case WM_CHANGESKINNABLEFORM:
    if (!FUseRibbon && FSD && reinterpret_cast<TskSkinData*>(Message.WParam) == FSD &&
        FForm->FormStyle() != fsMDIChild)
      SetSkinnableForm(FSD->SkinnableForm());
    return true;
  case WM_SKINMENUCLOSED: SkinMenuClose(); return true;
  case WM_SHOWFROMTRAY:
    if (FForm->Tag() != TrayRestoreTag) return true;
    if (UseLayeredBorder()) BringFormsForwardFromTray();
    FForm->SetTag(0);
    return true;
  case WM_SKINFRAMEQUERY:
    Message.Result = FSkinnableForm || !IsVistaOrLater() ? SkinFrameSkinned : SkinFrameSystem;
    return false;
  case WM_SMARTEFFECTSSHOW: FSmartEffectsShow = true; return true;
  case WM_SMARTEFFECTSDONE: FSmartEffectsShow = false; return true;
  case WM_SKINPRINTNC:
    if (!FSkinnableForm) return true;
    if (Message.WParam && FForm->BorderStyle() != bsNone) {
      PaintNC(HDC(Message.WParam));
      Message.Result = SkinNCPrinted;
    }
    return false;
  case WM_SKINPRINTNCEX:
    if (!FSkinnableForm || Message.LParam != SkinPrintNCExKey) return true;
    if (Message.WParam) PaintNC(HDC(Message.WParam));
    Message.Result = SkinPrintNCExKey;
    return false;
  default: return true;
  }
}

void TskSkinForm::WMNCActivate(TMessage& Message) {
  if (SkinMenu->Visible()) SkinMenu->Hide();
  HideLayers();
  FFormActive = Message.WParam != 0;
  if (!FFormActive) {
    if (TskActiveSkinObject* Hot = ObjectAt(ActiveObject)) Hot->MouseLeave();
    ActiveObject = -1;
  }
  // An MDI form and a shown MDI child let the system keep their activation; any other form needs only the
  // answer, so that the system draws no frame of its own.
  const TFormStyle Style = FForm->FormStyle();
  if (Style == fsMDIForm || (Style == fsMDIChild && FForm->Visible())) {
    if (!CallOldWindowProc(Message)) return;
  } else {
    Message.Result = 1;
  }
  if (FForm->BorderStyle() == bsNone || SkinnedMaximizedMDIChild()) {
    UpdateActiveState(false);
  } else {
    UpDateFormNC();
    UpdateActiveState(true);
  }
  // A maximized child has no frame of its own: the main form's caption shows it.
  if (SkinnedMaximizedMDIChild())
    if (TskSkinForm* Main = MDIMainFrame()) Main->UpDateFormNC();
  if (FClientInActiveEffect && FForm->Visible()) {
    if (FFormActive)
      HideClientInActiveEffect();
    else
      ShowClientInActiveEffect();
  }
}

void TskSkinForm::HandleSysCommand(TMessage& Message) {
  // Alt alone never opens the system's window menu: it closes an open skinned menu, or leaves the
  // keyboard mode of the main menu bar.
  if (InMainMenu) {
    LeaveMainMenuMode();
  } else {
    EnterMainMenuMode();
    RibbonKeyMenu();
  }
  Message.Result = 0;
}

// ---- The skin-change protocol --------------------------------------------------------------------------

void TskSkinForm::BeforeChangeSkin(TskSkinData* Model) {
  RememberOuterBounds();
  FStopPainting = true;
  FSkinSupport = false;
  StopTimers();
  ClearObjects();
  BeforeChangeSkinDataWalk(FForm, Model);
  if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TskSkinForm::ChangeSkin(TskSkinData* Model) {
  FStopPainting = false;
  if (Model && Model == FSD) ApplySkin();
  ChangeSkinDataWalk(FForm, Model);
}

void TskSkinForm::AfterChangeSkin() {
  if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
}
