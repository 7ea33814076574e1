#pragma once
// The application object: the hidden application window that owns the forms, the main form and the
// message loop, the key processing that comes before a key reaches its control, hints, the plain
// message box and the handling of exceptions that escape a handler.
//
// Key order. A queued key message passes the message hooks (OnMessage) first. Then WM_KEYDOWN and
// WM_SYSKEYDOWN try the application's shortcuts: OnShortCut, then the main form's IsShortCut while the
// main form is enabled (whichever form has the focus), then the active form's when that is another one. Then the key goes to the control of the focus
// window (or the capture) as CN_KEYDOWN / CN_SYSKEYDOWN / CN_KEYUP / CN_SYSKEYUP / CN_CHAR / CN_SYSCHAR,
// where the control's form tries its own shortcuts, dialog keys and accelerators (TWinControl); a
// non-zero answer takes the key, which is then neither translated nor dispatched.
//
// Hints. The mouse moving onto a control whose ShowHint is on starts the hint timer (HintPause, or
// HintShortPause while a hint was just showing); when it fires, the control's CM_HINTSHOW and
// OnShowHint may change or refuse the hint, the hint window (made by HintWindowClass) shows it below
// the cursor, kept on the monitor's work area, and hides it after HideTimeout. Leaving the control's
// cursor rectangle, a click or a key hides it.
//
// Exceptions that escape a handler the loop runs are shown in the plain message box with their text;
// the loop goes on.
//
// One application object exists at a time (the global Application); it makes the screen (Screen)
// when there is none.
#include <memory>
#include <type_traits>
#include <utility>

#include "platform/base/TComponent.h"
#include "platform/gdi/TIcon.h"
#include "platform/ui/toolkit/FormTypes.h"
#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/winsys/MessageHookStack.h"
#include "platform/ui/toolkit/PlainMessageBox.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/THintWindow.h"

class TScreen;

/// Hears a request for help: Command (HELP_CONTEXT) and its Data (the topic); CallHelp is not used.
using THelpEvent = std::function<bool(Word Command, int Data, bool& CallHelp)>;
constexpr Word HELP_CONTEXT = 1;

using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

/// The application; see the file comment.
class TApplication : public TComponent, public IControlHost {
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // ---- Start and loop ----
  /// Kept for the start-up sequence; everything is ready from construction on.
  void Initialize() {}
  /// Makes a component of class F owned by the application (its constructor given the application and
  /// Args), a form through TCustomForm::Build, and stores it in Reference; the first form made so becomes
  /// the main form.
  template <class F, class... TArgs> void CreateForm(F*& Reference, TArgs&&... Args) {
    if constexpr (std::is_base_of_v<TCustomForm, F>) {
      Reference = TCustomForm::Build<F>(this, std::forward<TArgs>(Args)...);
      if (!FMainForm) SetMainFormFrom(Reference);
    } else {
      Reference = new F(this, std::forward<TArgs>(Args)...);
    }
  }
  TCustomForm* MainForm() const { return FMainForm; }
  /// Whether Run shows the main form.
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }
  /// Shows the main form and runs the loop until Terminate (closing the main form calls it).
  void Run();
  /// Ends Run (posts the quit message).
  void Terminate();
  bool Terminated() const;
  /// Handles everything pending and returns without waiting.
  void ProcessMessages();
  /// Handles one message, or waits for one when nothing is pending.
  void HandleMessage();
  /// The hooks every queued message passes first (push and remove by owner, in any order).
  MessageHookStack& OnMessage();

  // ---- The application window ----
  HWND Handle() const { return FHandle; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  /// The program's icon ("MAINICON" of the program's pictures at first), shown by the application window
  /// and by every form without an icon of its own.
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* Value) { FIcon->Assign(Value); }
  /// Stored only: help is not shown.
  const String& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const String& Value) { FHelpFile = Value; }
  /// Asks for the help topic Context: OnHelp hears it as HELP_CONTEXT; no help window opens. Answers
  /// OnHelp's answer, false without one.
  bool HelpContext(int Context);
  THelpEvent OnHelp;
  /// Whether one of the program's windows is active.
  bool Active() const;
  /// Minimizes the main form's window and hides the other forms (SW_PARENTCLOSING); the application
  /// window gets WM_SIZE with SIZE_MINIMIZED; OnMinimize.
  void Minimize();
  /// Undoes Minimize (SW_PARENTOPENING); OnRestore. A restore request reaches the application window as
  /// WM_SYSCOMMAND with SC_RESTORE.
  void Restore();
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // ---- Message box and exceptions ----
  /// The plain message box (Caption empty: the Title).
  int MessageBox(const String& Text, const String& Caption = "", UINT Flags = MB_OK);
  /// Shows the text of the exception being handled (call inside a catch block) in the message box.
  void HandleException();
  void ShowException(const String& Message);

  // ---- Shortcuts ----
  TShortCutEvent OnShortCut;

  // ---- Hints ----
  /// The long part of the hint of the control under the mouse (after "|"); OnHint on a change.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  TNotifyEvent OnHint;
  /// Turning hints off frees the hint window; turning them on makes a new one of HintWindowClass.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  THintWindowClass HintWindowClass { HintWindowClassOf<THintWindow>() };
  THintWindow* HintWindow() const { return FHintWindow; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  TShowHintEvent OnShowHint;
  /// Shows the hint of the current hint control for the cursor at CursorPos (screen) now.
  void ActivateHint(TPoint CursorPos);
  /// Hides the hint and forgets its control: the next control under the mouse starts over.
  void CancelHint();
  /// Hides the hint but keeps its control, so it shows again only after the mouse left it.
  void HideHint();

  // ---- IControlHost ----
  void HintMouseMessage(TControl* Control, TMessage& Message) override;
  TCursor ScreenCursor() override;
  HCURSOR CursorHandle(TCursor Cursor) override;
  bool PopupContextMenu(TControl* Control, TPoint Screen) override;
  bool PopupMenuShortCut(TControl* Control, TMessage& Message) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TCustomForm;

  void SetMainFormFrom(TCustomForm* Form);
  /// The application's part of a queued message after the hooks; true when it took the message.
  bool ProcessMessage(TMsg& Msg);
  bool IsKeyMsg(TMsg& Msg);
  bool IsShortCut(TMsg& Msg);
  void IsHintMsg(const TMsg& Msg);
  bool WndProc(TMessage& Message);
  void SetHintControl(TControl* Control);
  void StartHintTimer(int Pause, UINT_PTR Timer);
  void StopHintTimers();
  void HintTimerExpired(UINT_PTR Timer);
  void FormDestroyed(TCustomForm* Form);
  /// Gives the application window the icon and tells the forms (CM_ICONCHANGED).
  void IconChanged();

  HWND FHandle { 0 };
  String FTitle;
  std::unique_ptr<TIcon> FIcon { std::make_unique<TIcon>() };
  String FHelpFile;
  TCustomForm* FMainForm { nullptr };
  bool FShowMainForm { true };
  bool FTerminated { false };
  /// The screen made by this application (none when one existed before).
  TScreen* FOwnScreen { nullptr };

  String FHint;
  bool FShowHint { false };
  THintWindow* FHintWindow { nullptr };
  TColor FHintColor { clInfoBk };
  int FHintPause { 500 };
  int FHintShortPause { 100 };
  int FHintHidePause { 2500 };
  TControl* FHintControl { nullptr };
  bool FHintActive { false };
  /// A shown hint went because the mouse left its control.
  bool FHintLeft { false };
  TRect FHintCursorRect;
};

/// Rows from the current cursor's hot spot down to the lowest visible row of its shape: how far below the
/// cursor a hint goes.
int CursorHeightMargin();

/// The running application object; null while there is none.
extern TApplication* Application;
