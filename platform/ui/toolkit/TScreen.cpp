#include "platform/ui/toolkit/TScreen.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/winsys/Ui.h"

TScreen* Screen = nullptr;

namespace {

HMONITOR MonitorDefault(TMonitorDefaultTo Default) {
  switch (Default) {
  case mdNull: return MONITOR_DEFAULTTONULL;
  case mdPrimary: return MONITOR_DEFAULTTOPRIMARY;
  default: return MONITOR_DEFAULTTONEAREST;
  }
}

}  // namespace

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  if (!Screen) Screen = this;
}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
}

// ---- Forms ---------------------------------------------------------------------------------------------

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return FForms[size_t(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
  FForms.push_back(Form);
  FreeNotification(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  const auto It = std::find(FForms.begin(), FForms.end(), Form);
  if (It == FForms.end()) return;
  FForms.erase(It);
  RemoveFreeNotification(Form);
  if (FActiveForm == Form) {
    FActiveForm = nullptr;
    FActiveControl = nullptr;
  }
}

void TScreen::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent->ComponentState().Contains(csDestroying)) return;
  auto* Form = dynamic_cast<TCustomForm*>(AComponent);
  if (Form && std::find(FForms.begin(), FForms.end(), Form) != FForms.end()) {
    RemoveForm(Form);
    Form->DoDestroy();
  }
}

void TScreen::SetActiveForm(TCustomForm* Form) {
  if (FActiveForm == Form) return;
  FActiveForm = Form;
  SetActiveControl(Form ? Form->ActiveControl() : nullptr);
  if (OnActiveFormChange) {
    const TNotifyEvent Handler = OnActiveFormChange;
    Handler(this);
  }
}

void TScreen::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  FActiveControl = Control;
  if (OnActiveControlChange) {
    const TNotifyEvent Handler = OnActiveControlChange;
    Handler(this);
  }
}

// ---- Cursor --------------------------------------------------------------------------------------------

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  if (Value != crDefault) {
    ::SetCursor(Cursors(Value));
    return;
  }
  // Back to the controls' own cursors: the window under the pointer chooses again.
  TPoint P;
  GetCursorPos(&P);
  if (const HWND Wnd = WindowFromPoint(P)) SendMessage(Wnd, WM_SETCURSOR, Wnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  IControlHost* Host = ControlHost();
  return Host ? Host->CursorHandle(Index) : SystemCursorHandle(Index);
}

// ---- Size and monitors ---------------------------------------------------------------------------------

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::DesktopRect() const {
  return Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TRect TScreen::WorkAreaRect() const {
  TRect R;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &R, 0);
  return R;
}

int TScreen::MonitorCount() const { return GetSystemMetrics(SM_CMONITORS); }

TMonitor* TScreen::Monitor(HMONITOR Handle) const {
  if (!Handle) return nullptr;
  while (FMonitors.size() < Handle) FMonitors.push_back(std::make_unique<TMonitor>(HMONITOR(FMonitors.size() + 1)));
  return FMonitors[Handle - 1].get();
}

TMonitor* TScreen::Monitors(int Index) const {
  if (Index < 0 || Index >= MonitorCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return Monitor(HMONITOR(Index + 1));
}

TMonitor* TScreen::MonitorFromWindow(HWND Wnd, TMonitorDefaultTo Default) const {
  return Monitor(::MonitorFromWindow(Wnd, MonitorDefault(Default)));
}

TMonitor* TScreen::MonitorFromPoint(TPoint P, TMonitorDefaultTo Default) const {
  return Monitor(::MonitorFromPoint(P, MonitorDefault(Default)));
}

TMonitor* TScreen::MonitorFromRect(const TRect& R, TMonitorDefaultTo Default) const {
  return Monitor(::MonitorFromRect(R, MonitorDefault(Default)));
}

TStrings* TScreen::Fonts() {
  if (FFonts) return FFonts.get();
  FFonts = std::make_unique<TStringList>();
  FFonts->SetSorted(true);
  FFonts->SetDuplicates(dupIgnore);
  FcPattern* Pattern = FcPatternCreate();
  FcObjectSet* Objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (FcFontSet* Set = FcFontList(nullptr, Pattern, Objects)) {
    for (int I = 0; I < Set->nfont; ++I) {
      FcChar8* Family = nullptr;
      if (FcPatternGetString(Set->fonts[I], FC_FAMILY, 0, &Family) == FcResultMatch)
        FFonts->Add(reinterpret_cast<const char*>(Family));
    }
    FcFontSetDestroy(Set);
  }
  FcObjectSetDestroy(Objects);
  FcPatternDestroy(Pattern);
  return FFonts.get();
}
