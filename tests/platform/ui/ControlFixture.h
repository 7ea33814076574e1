#pragma once
// Controls on the headless presenter: a top-level control to put children on, probe controls that log
// what happens to them, and pixel reads of the root's window.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TGraphicControl.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

using EventLog = std::vector<std::string>;

/// Logs the mouse, enter/leave, focus and key protocol of a control under a name.
template <class TBase> class Logging : public TBase {
public:
  Logging(TComponent* AOwner, EventLog* ALog, const std::string& AName) : TBase(AOwner), Log(ALog) {
    this->SetName(AName);
  }

  EventLog* Log;
  /// The colour Paint fills the control with (clNone: paints nothing), and how much of its width.
  TColor Fill { clNone };
  int FillWidth { -1 };

protected:
  void Note(const std::string& What) {
    if (Log) Log->push_back(this->Name() + "." + What);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Note(Format("MouseDown(%d,%d%s)", X, Y, Shift.Contains(ssDouble) ? ",double" : ""));
    TBase::MouseDown(Button, Shift, X, Y);
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Note(Format("MouseUp(%d,%d)", X, Y));
    TBase::MouseUp(Button, Shift, X, Y);
  }
  void Click() override {
    Note("Click");
    TBase::Click();
  }
  void DblClick() override {
    Note("DblClick");
    TBase::DblClick();
  }
  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
    case CM_MOUSEENTER: Note("Enter"); break;
    case CM_MOUSELEAVE: Note("Leave"); break;
    case CM_ENTER: Note("CM_ENTER"); break;
    case CM_EXIT: Note("CM_EXIT"); break;
    case CM_FOCUSCHANGED:
      Note("FocusChanged(" + reinterpret_cast<TControl*>(Message.LParam)->Name() + ")");
      break;
    }
    TBase::Dispatch(Message);
  }
  void Paint() override {
    if (Fill == clNone) return;
    this->Canvas()->Brush()->SetColor(Fill);
    this->Canvas()->FillRect(Rect(0, 0, FillWidth < 0 ? this->Width() : FillWidth, this->Height()));
  }
};

using Probe = Logging<TCustomControl>;
using GraphicProbe = Logging<TGraphicControl>;

/// A top-level control: a frameless popup window that shows by its own Visible.
class TestRoot : public Probe {
public:
  TestRoot(EventLog* ALog) : Probe(nullptr, ALog, "root") {
    FVisible = false;
    FControlStyle.Include(csAcceptsControls);
  }

  /// Insets the area the children align in.
  int Inset { 0 };
  bool IsRootWindow() const override { return true; }

protected:
  void CreateParams(TCreateParams& Params) override {
    Probe::CreateParams(Params);
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
  }
  void AdjustClientRect(TRect& R) override {
    R = Rect(R.Left + Inset, R.Top + Inset, R.Right - Inset, R.Bottom - Inset);
  }
};

class ControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    Log.clear();
    WindowSystem::Get().Reset();
    Screen.emplace(TSize { 800, 600 });
    Root = std::unique_ptr<TestRoot>(new TestRoot(&Log));
    Root->SetBounds(100, 100, 200, 100);
    Root->SetColor(clWhite);
  }

  void TearDown() override {
    Root.reset();
    Screen.reset();
  }

  /// Shows the root and lets the loop paint.
  void ShowRoot() {
    Root->Show();
    Screen->PumpUntilIdle();
  }

  template <class T> T* Add(TWinControl* Parent, const std::string& Name, TRect Bounds) {
    auto* C = new T(Root.get(), &Log, Name);
    C->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    C->SetParent(Parent);
    return C;
  }

  /// The colour of a pixel of the root's window (client coordinates).
  TColor Pixel(int X, int Y) {
    const Window* W = WindowSystem::Get().Find(Root->Handle());
    const uint32_t P = W->Backing->Pixel(X, Y);
    return RGB(uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P));
  }

  /// The logged events, then forgets them.
  EventLog Take() {
    EventLog Result;
    Result.swap(Log);
    return Result;
  }

  EventLog Log;
  std::optional<HeadlessPresenter> Screen;
  std::unique_ptr<TestRoot> Root;
};
