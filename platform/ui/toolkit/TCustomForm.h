#pragma once
// A form: a top-level window of the program with a frame (BorderStyle, BorderIcons), a place on the
// screen (Position, WindowState), activation and the focused control (ActiveControl), the dialog keys
// and shortcuts of its controls, closing, and modal showing.
//
// Building a form in code. Build<F>(Owner) does what reading a stored form description did: it makes
// the form, runs CreateComponents (the components, owned by the form), puts the form and every
// component it owns into the loading state, runs AssignProperties (stored properties in their stored
// order, parents and events included) and ResolveReferences (references between components), leaves
// the loading state calling Loaded once on each component, and then runs OnCreate, whose errors are
// reported as the loop reports a handler's (the application shows them) and leave the form. A form made
// with plain construction has no components yet and runs no OnCreate (the dialogs and boxes built on the
// spot). A form whose Visible was set while loading shows after OnCreate.
//
// Modal showing. ShowModal disables every other visible, enabled top-level window, shows the form and
// runs a nested loop (serving hand-overs from other threads, timers and paints) until ModalResult is not
// 0 and the close query lets the form go; then it hides the form, enables the windows again, gives the
// activation back and answers the result. Close on a modal form sets ModalResult to mrCancel. A responder
// registered for the form (ModalResponders.h) is called from inside that loop.
//
// Keys. The form is the top of its control tree: Tab and Shift+Tab move the focus along the tab order,
// the arrows among the focused control's siblings; other dialog keys are broadcast to the controls. Its
// shortcuts are OnShortCut, then the main menu's.
//
// Multiple documents. An fsMDIForm makes a client window (ClientHandle) in the part of its client area
// its aligned controls leave; an fsMDIChild form's window is made inside the client of the application's
// main form (WM_MDICREATE; EInvalidOperation without such a form) and activates there when it is shown,
// raised or clicked, which runs its OnActivate (and the old child's OnDeactivate) and focuses its active
// control while the main form is active. Changing to or from an MDI style makes the window again.
//
// OnDestroy runs while the form is still whole (its screen hears of the destruction first), or, with no
// screen, at the start of the form's own destructor.
#include <memory>
#include <utility>

#include "platform/gdi/TIcon.h"
#include "platform/ui/toolkit/FormTypes.h"
#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TWinControl.h"

class TMainMenu;
class TMenuItem;
class TMonitor;

/// A form; see the file comment.
class TCustomForm : public TWinControl {
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  /// Makes a form of class F (its constructor given AOwner and Args) and builds it as the file comment
  /// says; a failing step frees the form and raises again.
  template <class F, class... TArgs> static F* Build(TComponent* AOwner, TArgs&&... Args) {
    auto Form = std::make_unique<F>(AOwner, std::forward<TArgs>(Args)...);
    Form->BuildComponents();
    return Form.release();
  }

  // ---- Frame and placement ----
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  /// fsStayOnTop and back change the window's band at once (the window is not made again).
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  /// Applied each time the form is shown.
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  /// The monitor the form is on.
  TMonitor* Monitor();
  /// The form's own icon; while it is empty the window shows the application's icon.
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* Value) { FIcon->Assign(Value); }

  // ---- Showing and closing ----
  void Show();
  void Hide();
  /// Asks OnCloseQuery, runs OnClose and then does what its action says; closing the main form ends the
  /// application. On a modal form: ModalResult := mrCancel.
  void Close();
  /// OnCloseQuery's answer (true without one).
  virtual bool CloseQuery();
  /// Frees the form once the message being handled is over (CM_RELEASE).
  void Release();
  /// See the file comment; raises EInvalidOperation for a visible, disabled or already modal form.
  virtual TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }

  // ---- Multiple documents (see the file comment) ----
  /// The client window of an fsMDIForm; 0 for other forms and while there is no window.
  HWND ClientHandle() const { return FClientHandle; }
  /// The fsMDIChild forms whose windows are in this form's client, in the screen's form order.
  int MDIChildCount() const;
  /// The child at Index of that list; null outside it.
  TCustomForm* MDIChildren(int Index) const;
  /// The active child; null when none.
  TCustomForm* ActiveMDIChild() const;
  /// The menu item under which the children are listed (kept only; cleared when it is freed).
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* Value);
  TTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TTileMode Value) { FTileMode = Value; }
  /// The client's arrangements (WM_MDITILE by TileMode, WM_MDICASCADE, WM_MDIICONARRANGE) and
  /// activation of the next or previous child (WM_MDINEXT); nothing without a client.
  void Tile();
  void Cascade();
  void ArrangeIcons();
  void Next();
  void Previous();

  // ---- Activation and focus ----
  bool Active() const { return FActive; }
  /// The control that has (or gets when the form is activated) the focus; null for the form itself.
  TWinControl* ActiveControl() const { return FActiveControl; }
  /// Raises EInvalidOperation for a control of another form or one that cannot take the focus.
  void SetActiveControl(TWinControl* Control);
  /// Moves the focus to the next (GoForward) or previous control in tab order after CurControl (null:
  /// from the start), with TabStop when CheckTabStop; wraps around.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  /// The control SelectNext would pick; null when none. CheckParent keeps to CurControl's siblings.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SetFocus() override;

  // ---- Keys, menu, painting ----
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TCanvas* Canvas() const { return FCanvas.get(); }
  /// Stored only.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value) { FAutoScroll = Value; }
  const String& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const String& Value) { FHelpFile = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }

  // ---- The top of the control tree ----
  void FocusControl(TWinControl* Control) override;
  bool SetFocusedControl(TWinControl* Control) override;
  void DefocusControl(TWinControl* Control, bool Removing) override;
  /// OnShortCut, then the main menu.
  bool IsShortCut(TMessage& Message) override;
  bool KeyPreviewActive() const override { return FKeyPreview; }
  /// Not while Build is making the form: it shows once it is complete.
  bool IsRootWindow() const override { return !FCreating; }

  // ---- Events ----
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnPaint;
  TShortCutEvent OnShortCut;

protected:
  // ---- The builder's steps (see the file comment) ----
  virtual void CreateComponents() {}
  virtual void AssignProperties() {}
  virtual void ResolveReferences() {}

  // ---- Events ----
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  /// Draws the client area (OnPaint).
  virtual void Paint();

  void CreateParams(TCreateParams& Params) override;
  /// The window, an fsMDIForm's client, then the icon.
  void CreateWnd() override;
  /// An fsMDIChild's window through its client's WM_MDICREATE.
  void CreateWindowHandle(const TCreateParams& Params) override;
  /// An fsMDIForm's children's windows go first.
  void DestroyWindowHandle() override;
  /// An fsMDIForm places its client where the aligned controls leave room.
  void AlignControls(TControl* AControl, TRect& Rect) override;
  /// DefFrameProc for an fsMDIForm, DefMDIChildProc for an fsMDIChild.
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TScreen;
  friend class TApplication;

  void BuildComponents();
  /// Places and shows the window (Showing) or hides it.
  void ShowingChanged();
  /// The rectangle Position gives the form now.
  TRect PlacedBounds();
  void SetActive(bool Value);
  /// Gives the keyboard focus to the active control, or to the form.
  void SetWindowFocus();
  void CloseModal();
  void WMActivate(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  /// Puts the window's styles, frame and band in line with the frame properties.
  void UpdateWindowStyles();
  /// The icon the window shows: the form's own, else the application's (0: none).
  HICON IconHandle() const;
  /// Gives the window the icon it shows now (WM_SETICON ICON_BIG).
  void IconChanged();
  /// Makes the client window and shows the visible children that have no window yet.
  void CreateClientWindow();
  void DestroyMDIChildHandles();
  /// Visits the fsMDIChild forms whose windows are in this form's client.
  template <class F> void ForEachMDIChild(F Visit) const;
  /// The child became the active one (WM_MDIACTIVATE).
  void MDIChildActivated();

  std::unique_ptr<TIcon> FIcon { std::make_unique<TIcon>() };
  TFormBorderStyle FBorderStyle { bsSizeable };
  TBorderIcons FBorderIcons { biSystemMenu, biMinimize, biMaximize };
  TFormStyle FFormStyle { fsNormal };
  HWND FClientHandle { 0 };
  TMenuItem* FWindowMenu { nullptr };
  TTileMode FTileMode { tbHorizontal };
  TPosition FPosition { poDesigned };
  TWindowState FWindowState { wsNormal };
  TModalResult FModalResult { mrNone };
  bool FModal { false };
  bool FActive { false };
  TWinControl* FActiveControl { nullptr };
  bool FKeyPreview { false };
  TMainMenu* FMenu { nullptr };
  bool FAutoScroll { false };
  String FHelpFile;
  int FHelpContext { 0 };
  bool FDestroyed { false };
  bool FCreating { false };
  std::unique_ptr<TControlCanvas> FCanvas;
};
