// The frame's caption objects: which objects the skin or the built-in frame gives, which of them the
// form's border icons enable and show, their hints, the hover tracking and mouse routing, and the timers
// that drive their transitions and animations.
#include <algorithm>
#include <optional>

#include "platform/ui/toolkit/TMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinAnimateObject.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinStdButtonObject.h"
#include "skin/form/TskUserObject.h"

namespace {

/// The object a skin record gives; null for the records of menus and the main menu bar, and for kinds
/// that are no frame object.
std::unique_ptr<TskActiveSkinObject> ObjectFor(TskSkinForm* Frame, TskDataSkinObject* Data) {
  if (dynamic_cast<TskDataSkinMainMenuItem*>(Data) || dynamic_cast<TskDataSkinMenuItem*>(Data) ||
      dynamic_cast<TskDataSkinMainMenuBarButton*>(Data))
    return nullptr;
  if (dynamic_cast<TskDataSkinStdButton*>(Data)) return std::make_unique<TskSkinStdButtonObject>(Frame, Data);
  if (dynamic_cast<TskDataSkinButton*>(Data)) return std::make_unique<TskSkinButtonObject>(Frame, Data);
  if (dynamic_cast<TskDataSkinCaption*>(Data)) return std::make_unique<TskSkinCaptionObject>(Frame, Data);
  if (dynamic_cast<TskDataSkinAnimate*>(Data)) return std::make_unique<TskSkinAnimateObject>(Frame, Data);
  if (dynamic_cast<TskDataUserObject*>(Data)) return std::make_unique<TskUserObject>(Frame, Data);
  return nullptr;
}

/// The command of a button object (a standard button, or an animated one in button style); nullopt for
/// any other object.
std::optional<TskStdCommand> ButtonCommand(TskActiveSkinObject* Object) {
  if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object)) return Std->Command;
  if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object); Animate && Animate->ButtonStyle)
    return Animate->Command;
  return std::nullopt;
}

struct TDefaultHint {
  TskStdCommand Command;
  const char* Name;
  const char* Text;
};

constexpr TDefaultHint DefaultHints[] = {
  { cmClose, "CLOSEBUTTON_HINT", "Close" },        { cmMaximize, "MAXBUTTON_HINT", "Maximize" },
  { cmMinimize, "MINBUTTON_HINT", "Minimize" },    { cmSysMenu, "MENUBUTTON_HINT", "System menu" },
  { cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up" },    { cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray" },
};

const char* const DialogCloseButton = "dialogclosebutton";

}  // namespace

// ---- The list ------------------------------------------------------------------------------------------

TskActiveSkinObject* TskSkinForm::ObjectAt(int Index) const {
  return Index >= 0 && Index < int(ObjectList.size()) ? ObjectList[size_t(Index)].get() : nullptr;
}

void TskSkinForm::ClearObjects() {
  ObjectList.clear();
  ActiveObject = OldActiveObject = MouseCaptureObject = -1;
}

int TskSkinForm::GetIndex(const String& AIDName) const {
  for (size_t i = 0; i < ObjectList.size(); ++i)
    if (ObjectList[i]->IDName == AIDName) return int(i);
  return -1;
}

void TskSkinForm::CreateSkinObjects() {
  ClearObjects();
  for (auto& Data : FSD->ObjectList)
    if (auto Object = ObjectFor(this, Data.get())) ObjectList.push_back(std::move(Object));
  SetObjectStates();
}

void TskSkinForm::CreateDefaultObjects() {
  ClearObjects();
  const std::pair<const char*, TskStdCommand> Buttons[] = {
    { "closebutton", cmClose },   { "maxbutton", cmMaximize },         { "minbutton", cmMinimize },
    { "rollupbutton", cmRollUp }, { "sysmenubutton", cmSysMenu },      { "traybutton", cmMinimizeToTray },
  };
  for (const auto& [Name, Command] : Buttons) {
    auto Button = std::make_unique<TskSkinStdButtonObject>(this, nullptr);
    Button->IDName = Name;
    Button->Command = Command;
    Button->SkinRectInAPicture = true;
    Button->SkinRect = Button->ActiveSkinRect = Button->DownRect = Button->ObjectRect = Rect(0, 0, 1, 1);
    ObjectList.push_back(std::move(Button));
  }
  SetObjectStates();
}

void TskSkinForm::SetObjectStates() {
  const bool DialogIcons = FBorderIcons.Empty() || FBorderIcons == TskBorderIcons { TskBorderIcon::biSystemMenu };
  const bool HasDialogClose = GetIndex(DialogCloseButton) >= 0;
  for (auto& Object : ObjectList) {
    const std::optional<TskStdCommand> Command = ButtonCommand(Object.get());
    if (!Command) continue;
    if (FHideCaptionButtons) {
      Object->Enabled = false;
      Object->Visible = !Object->SkinRectInAPicture;
      continue;
    }
    auto FromIcon = [&](bool Enabled) {
      Object->Enabled = Enabled;
      Object->Visible = Object->SkinRectInAPicture ? Enabled : true;
    };
    switch (*Command) {
    case cmMaximize: FromIcon(FBorderIcons.Contains(TskBorderIcon::biMaximize)); break;
    case cmMinimize: FromIcon(FBorderIcons.Contains(TskBorderIcon::biMinimize)); break;
    case cmRollUp: FromIcon(FBorderIcons.Contains(TskBorderIcon::biRollUp)); break;
    case cmMinimizeToTray: FromIcon(FBorderIcons.Contains(TskBorderIcon::biMinimizeToTray)); break;
    case cmSysMenu: FromIcon(FBorderIcons.Contains(TskBorderIcon::biSystemMenu) && !FDisableSystemMenu); break;
    case cmDefault: {
      bool ObjectVisible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(Object->IDName, ObjectVisible);
      Object->Visible = ObjectVisible;
      break;
    }
    case cmClose:
      if (!dynamic_cast<TskSkinStdButtonObject*>(Object.get())) break;
      if (DialogIcons && HasDialogClose)
        Object->Enabled = Object->Visible = Object->IDName == DialogCloseButton;
      else if (Object->IDName == DialogCloseButton)
        Object->Enabled = Object->Visible = false;
      break;
    }
  }
  SetDefaultHints();
}

void TskSkinForm::SetDefaultHints() {
  if (!FUseDefaultObjectHint || !FSD) return;
  TskResourceStrData* Strings = FSD->ResourceStrData();
  auto Text = [Strings](const char* Name, const char* BuiltIn) {
    return Strings ? Strings->GetResStr(Name) : String(BuiltIn);
  };
  const String Restore = Text("RESTORE_HINT", "Restore");
  for (auto& Object : ObjectList) {
    const std::optional<TskStdCommand> Command = ButtonCommand(Object.get());
    if (!Command) continue;
    const auto Hint = std::find_if(std::begin(DefaultHints), std::end(DefaultHints),
                                   [&](const TDefaultHint& H) { return H.Command == *Command; });
    if (Hint != std::end(DefaultHints)) Object->Hint = Text(Hint->Name, Hint->Text);
    if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object.get())) {
      Std->FTempHint = Std->Hint;
      Std->RestoreHint = Restore;
    } else if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object.get())) {
      Animate->FTempHint = Animate->Hint;
      Animate->RestoreHint = Restore;
    }
  }
}

void TskSkinForm::LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp) {
  TskActiveSkinObject* Object = ObjectAt(GetIndex(AIDName));
  if (auto* Button = dynamic_cast<TskSkinButtonObject*>(Object)) {
    Button->MenuItem = AMenu->Items();
    Button->FPopupUp = APopupUp;
  } else if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object); Animate && Animate->ButtonStyle) {
    Animate->MenuItem = AMenu->Items();
    Animate->FPopupUp = APopupUp;
  }
}

void TskSkinForm::SetEnabled(const String& AIDName, bool Value) {
  if (TskActiveSkinObject* Object = ObjectAt(GetIndex(AIDName))) Object->Enabled = Value;
}

void TskSkinForm::UserObjectDraw(const String& AIDName) {
  if (auto* Object = dynamic_cast<TskUserObject*>(ObjectAt(GetIndex(AIDName)))) DrawSkinObject(Object);
}

// ---- Hover and mouse -----------------------------------------------------------------------------------

void TskSkinForm::TrackActiveObject(int X, int Y, bool InFrame) {
  // A full border's windows track the objects they show themselves; a resize through the border and a
  // maximized MDI child (its buttons are on the main form's menu bar) track nothing.
  if (ObjectList.empty() || !GetFormActive() || FSizeMove || FBorderLayerChangeSize || PreviewMode ||
      SkinnedMaximizedMDIChild() || FForm->BorderStyle() == bsNone || FullBorderShown())
    return;
  OldActiveObject = ActiveObject;
  int Found = -1;
  for (size_t i = 0; i < ObjectList.size() && Found < 0; ++i) {
    TskActiveSkinObject* Object = ObjectList[i].get();
    if (Object->Enabled && Object->Visible && Object->ObjectRect.Contains({ X, Y }) &&
        Object->PointInObject(X - Object->ObjectRect.Left, Y - Object->ObjectRect.Top))
      Found = int(i);
  }
  ActiveObject = InFrame ? Found : -1;
  if (MouseCaptureObject != -1 && MouseCaptureObject != ActiveObject) ActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;
  if (TskActiveSkinObject* Old = ObjectAt(OldActiveObject); Old && Old->Enabled && Old->Visible) {
    Old->MouseLeave();
    if (FShowObjectHint && FSkinHint && !Old->Hint.empty()) FSkinHint->HideHint();
  }
  if (TskActiveSkinObject* New = ObjectAt(ActiveObject); New && New->Enabled && New->Visible) {
    New->MouseEnter();
    if (FShowObjectHint && FSkinHint && !New->Hint.empty()) FSkinHint->ActivateHint2(New->Hint);
  }
}

void TskSkinForm::ResetObjectStates() {
  for (auto& Object : ObjectList) {
    if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object.get())) {
      Animate->FMouseIn = Animate->Active = false;
      Animate->FFrame = 1;
    } else if (!dynamic_cast<TskSkinCaptionObject*>(Object.get())) {
      Object->Active = Object->FMouseIn = false;
      Object->FMorphKf = 0;
    }
  }
}

void TskSkinForm::ObjectMouseDown(TPoint P, TMouseButton Button) {
  TskActiveSkinObject* Object = ObjectAt(ActiveObject);
  if (!Object) return;
  MouseCaptureObject = ActiveObject;
  if (!dynamic_cast<TskSkinCaptionObject*>(Object)) SetCapture(FForm->Handle());
  Object->MouseDown(P.X, P.Y, Button);
}

void TskSkinForm::ObjectMouseUp(TPoint P, TMouseButton Button) {
  TskActiveSkinObject* Object = ObjectAt(MouseCaptureObject);
  if (!Object) return;
  if (!dynamic_cast<TskSkinCaptionObject*>(Object) && GetCapture() == FForm->Handle()) ReleaseCapture();
  MouseCaptureObject = -1;
  Object->MouseUp(P.X, P.Y, Button);
}

void TskSkinForm::AfterMouseMessage(const TMessage& Message) {
  switch (Message.Msg) {
  case WM_LBUTTONUP: ObjectMouseUp({ -1, -1 }, mbLeft); return;
  case WM_RBUTTONUP: ObjectMouseUp({ -1, -1 }, mbRight); return;
  default: break;
  }
  if (!FSkinnableForm) return;
  const TPoint P = FramePoint(Message.LParam);
  const int Hit = int(Message.WParam);
  switch (Message.Msg) {
  case WM_NCMOUSEMOVE:
    if (TskActiveSkinObject* Object = ObjectAt(MouseCaptureObject != -1 ? MouseCaptureObject : ActiveObject))
      Object->MouseMove(P.X, P.Y);
    break;
  case WM_NCLBUTTONDOWN:
    if (FSizeMoveDone) {
      FSizeMoveDone = false;
      break;
    }
    TrackActiveObject(P.X, P.Y, true);
    ObjectMouseDown(P, mbLeft);
    if (Hit == HTCAPTION) MouseCaptureObject = -1;
    break;
  case WM_NCLBUTTONUP: ObjectMouseUp(P, mbLeft); break;
  case WM_NCLBUTTONDBLCLK:
    TrackActiveObject(P.X, P.Y, true);
    ObjectMouseDown(P, mbLeft);
    if (TskActiveSkinObject* Object = ObjectAt(ActiveObject)) Object->DblClick();
    if (Hit != HTCAPTION) break;
    CaptionDblClick();
    MouseCaptureObject = -1;
    break;
  case WM_NCRBUTTONDOWN:
    if (Hit != HTCAPTION) break;
    MouseCaptureObject = -1;
    if (!FDisableSystemMenu) {
      TPoint Cursor;
      GetCursorPos(&Cursor);
      PopupSkinMenuItems(SystemMenuItems(), Rect(Cursor.X, Cursor.Y, Cursor.X, Cursor.Y), false);
    }
    break;
  case WM_NCRBUTTONDBLCLK:
    if (Hit == HTCAPTION) MouseCaptureObject = -1;
    break;
  default: break;
  }
}

// ---- Timers --------------------------------------------------------------------------------------------

void TskSkinForm::EnableMorphTimer() { FMorphTimer->SetEnabled(true); }

void TskSkinForm::EnableAnimateTimer() { FAnimateTimer->SetEnabled(true); }

void TskSkinForm::MouseTimerTick(TObject*) {
  if (!GetFormActive() || !FForm->HandleAllocated()) return;
  TPoint Cursor;
  GetCursorPos(&Cursor);
  if (WindowFromPoint(Cursor) != FForm->Handle()) {
    FMouseTimer->SetEnabled(false);
    TrackActiveObject(-1, -1, false);
    return;
  }
  if (FSizeMove) {
    FMouseTimer->SetEnabled(false);
    return;
  }
  TRect Window;
  GetWindowRect(FForm->Handle(), &Window);
  const TPoint P { Cursor.X - Window.Left, Cursor.Y - Window.Top };
  if (!NewClRect.Contains(P) || !FSkinSupport)
    TrackActiveObject(P.X, P.Y, true);
  else if (ActiveObject != -1)
    TrackActiveObject(-1, -1, true);
}

void TskSkinForm::MorphTimerTick(TObject*) {
  bool Changed = false;
  for (size_t i = 0; i < ObjectList.size(); ++i) {
    TskActiveSkinObject* Object = ObjectList[i].get();
    if (Object->EnableMorphing() && Object->CanMorphing()) {
      Object->DoMorphing();
      Changed = true;
    }
  }
  if (!Changed) FMorphTimer->SetEnabled(false);
}

void TskSkinForm::AnimateTimerTick(TObject*) {
  bool Changed = false;
  for (size_t i = 0; i < ObjectList.size(); ++i) {
    TskActiveSkinObject* Object = ObjectList[i].get();
    if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object)) {
      if (Animate->Active && (!Animate->FDown || IsEmptyRect(Animate->DownSkinRect))) {
        Animate->ChangeFrame();
        Changed = true;
      }
    } else if (auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Object); Caption && Caption->EnableAnimation()) {
      Changed = Caption->AnimationTick() || Changed;
    }
  }
  if (!Changed) FAnimateTimer->SetEnabled(false);
}

bool TskSkinForm::SkinnedMaximizedMDIChild() const {
  return FSkinnableForm && FForm->FormStyle() == fsMDIChild && FWindowState == wsMaximized;
}

void TskSkinForm::UpdateActiveState(bool Animate) {
  const bool Active = GetFormActive();
  if (!Active)
    for (int i = 0; i < FQuickButtons->Count(); ++i)
      FQuickButtons->Items(i)->Active = FQuickButtons->Items(i)->Down = false;
  for (auto& Object : ObjectList) {
    auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Object.get());
    if (!Caption || Caption->Active == Active) continue;
    Caption->Active = Active;
    if (Animate) {
      if (Caption->EnableAnimation()) {
        Caption->FIncTime = 25;
        Caption->CurrentFrame = Active ? 1 : Caption->InActiveAnimation ? Caption->FrameCount : 0;
        EnableAnimateTimer();
      }
      UpDateFormNC();
      if (Caption->EnableMorphing()) EnableMorphTimer();
    } else if (Caption->EnableMorphing()) {
      Caption->FMorphKf = Active ? TskActiveSkinObject::MorphSteps : 0;
    }
    break;
  }
  if (Active && OnActivate) OnActivate(this);
  if (!Active && OnDeActivate) OnDeActivate(this);
}

// ---- Services to the objects ---------------------------------------------------------------------------

void TskSkinForm::HideLayers() {
  if (FLayerManager->IsVisible) FLayerManager->Hide();
  if (FMenuLayerManager->IsVisible) FMenuLayerManager->Hide();
}

// The window's own screen rectangle: an MDI child's Left and Top are in its MDI client's coordinates.
TRect TskSkinForm::FrameToScreen(const TRect& R) const {
  TRect Window;
  if (FForm->HandleAllocated() && GetWindowRect(FForm->Handle(), &Window)) return R.Offset(Window.Left, Window.Top);
  return R.Offset(FForm->Left(), FForm->Top());
}

void TskSkinForm::PopupSkinMenuItems(TMenuItem* AItem, const TRect& R, bool PopupUp) {
  SkinMenuOpen();
  // An opening that shows nothing must not leave the form in menu mode with every key swallowed.
  if (!SkinMenu->Popup(nullptr, FMSD ? FMSD : FSD, 0, R, AItem, PopupUp)) SkinMenuClose();
}

void TskSkinForm::ReleaseMenuObject() {
  for (auto& Object : ObjectList)
    if (auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Object.get())) Caption->ReleasePopupQuickButton();
  for (auto& Object : ObjectList) {
    if (auto* Button = dynamic_cast<TskSkinButtonObject*>(Object.get()); Button && Button->MenuItem && Button->FDown) {
      Button->SetDown(false);
      return;
    }
    if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object.get());
        Animate && Animate->MenuItem && Animate->FMenuTracking) {
      Animate->Active = true;
      Animate->FFrame = Animate->CountFrames;
      Animate->FDown = Animate->FMenuTracking = Animate->Increment = false;
      EnableAnimateTimer();
      return;
    }
  }
}
