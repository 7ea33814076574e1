#pragma once
// A control with a window of its own and children.
//
// Window. The window is made when first needed (Handle, HandleNeeded, or the control showing while its
// parent shows) from CreateParams; the window class is registered under Params.WinClassName and its
// messages go through the control's WindowProc from the first one on (creation messages included).
// DefaultHandler passes what the control leaves to Params.WindowClass.lpfnWndProc (the default window
// procedure when null). RecreateWnd destroys and makes the window again keeping the text, bounds,
// children, focus and the raw procedures installed on the window with SetWindowLongPtr(GWL_WNDPROC).
//
// Children. Controls(i) lists windowed and windowless children together in z-order (index 0 at the
// bottom). AlignControls lays them out inside AdjustClientRect(ClientRect): alTop, alBottom, alLeft,
// alRight, alClient, alCustom, then the anchors of the rest; the control asking for the realign goes
// first in its group, the others by position. DisableAlign/EnableAlign nest; a realign asked for in
// between runs once at the last EnableAlign; one asked for during an alignment is covered by it.
// AlignChildren aligns at once whatever runs, so a child can re-lay out its parent from inside the
// parent's alignment; alignment is synchronous and re-entrant.
//
// Painting. WM_PAINT (wParam 0: BeginPaint/EndPaint; wParam a DC: into that DC as it is) runs
// PaintWindow(DC) with the opaque windowless children clipped out, then PaintControls: each visible
// windowless child in z-order gets WM_PAINT with the DC moved to its corner and clipped to it.
// WM_ERASEBKGND fills the client area with Color. DoubleBuffered is stored and ignored.
//
// Focus. The top of a control tree (a form, or a top-level control without one) keeps the focused
// control: SetFocus asks it (FocusControl), and a control that gets WM_SETFOCUS tells it
// (SetFocusedControl), which sends CM_EXIT up from the old control, CM_ENTER down to the new one and
// then broadcasts CM_FOCUSCHANGED (lParam the new control) to every control of the tree.
//
// Notifications. WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL / WM_VSCROLL and WM_CTLCOLOR* that
// name a child window of a control (lParam, or hwndItem of the owner-draw records) are reflected to that
// control as CN_COMMAND, CN_DRAWITEM, ... and answered with its result; the others reach DefaultHandler.
// A control answers CN_CTLCOLOR* with its font colour, its colour as background and its brush.
//
// Keys. The message loop sends CN_KEYDOWN / CN_SYSKEYDOWN / CN_CHAR / CN_SYSCHAR to the control owning
// the focus window before dispatching the key message; a non-zero answer means the key was taken and
// must not be dispatched. CN_KEYDOWN asks the popup menus of the control and its parents (through the
// control host) and the top's IsShortCut, then, for Tab, the arrows, Enter and
// Esc that the control does not claim (CM_WANTSPECIALKEY non-zero, or WM_GETDLGCODE with
// DLGC_WANTTAB / DLGC_WANTARROWS / DLGC_WANTALLKEYS), performs CM_DIALOGKEY on the top, whose default
// broadcasts it to the controls until one answers non-zero. CN_CHAR performs CM_DIALOGCHAR on the top
// when the control does not answer DLGC_WANTCHARS; CN_SYSCHAR always (Alt+character). Then WM_KEYDOWN
// runs the top's KeyDown first when it previews keys (KeyPreviewActive), then the control's KeyDown;
// WM_CHAR runs KeyPress the same way.
#include <memory>
#include <vector>

#include "platform/gdi/TBrush.h"
#include "platform/ui/toolkit/TControl.h"

/// A windowed control; see the file comment.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // ---- Window ----
  /// The window, made now when there is none.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != 0; }
  void HandleNeeded();
  /// A window outside the toolkit to create the window in when the control has no parent.
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  /// Destroys and makes the window again, keeping the control's state (see the file comment).
  void RecreateWnd();
  /// The window exists and shows because the control and all its parents are visible.
  bool Showing() const { return FShowing; }

  // ---- Children ----
  int ControlCount() const { return int(FControls.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  /// True when Control is this control or lies inside it.
  bool ContainsControl(TControl* Control) const;
  /// The topmost visible child under P (client coordinates): windowless children only unless
  /// AllowWinControls; disabled ones only with AllowDisabled.
  TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false);
  /// Performs the message on every child in z-order until one answers non-zero.
  void Broadcast(TMessage& Message);
  /// Performs the message on every child.
  void NotifyControls(UINT Msg);

  // ---- Alignment ----
  void DisableAlign();
  void EnableAlign();
  bool AlignDisabled() const { return FAlignLevel != 0; }
  void Realign();
  /// Aligns the children in the client rectangle now, also inside an alignment already running (a child
  /// whose own layout changed while it was being aligned re-lays out its parent this way).
  void AlignChildren();
  /// Moves every child, windowed and windowless, by the delta and repaints.
  void ScrollBy(int DeltaX, int DeltaY);

  // ---- Focus and tab order ----
  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  /// The windowed children in tab order.
  std::vector<TWinControl*> TabList() const;
  /// Fills List with the controls inside this one in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  /// The control after (GoForward) or before CurControl in the tab order list, wrapping around, that
  /// can take the focus, is a TabStop (CheckTabStop) and a direct child (CheckParent); null when none.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  /// Focuses the next control (FindNextControl; direct children only when not CheckTabStop).
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  virtual void SetFocus();
  virtual bool Focused();
  /// Visible and enabled up to the top of the tree (the top itself not asked).
  virtual bool CanFocus();

  // ---- The top of a control tree (a form overrides these) ----
  /// Gives Control the keyboard focus on behalf of the tree.
  virtual void FocusControl(TWinControl* Control);
  /// Control got the focus: CM_EXIT / CM_ENTER along the way and the CM_FOCUSCHANGED broadcast. False
  /// when a handler moved the focus elsewhere meanwhile.
  virtual bool SetFocusedControl(TWinControl* Control);
  /// Control is hidden, disabled or removed: the focus record leaves it (to its parent when Removing).
  virtual void DefocusControl(TWinControl* Control, bool Removing);
  /// Whether the key is a shortcut of the tree (the form's OnShortCut and menu); none here.
  virtual bool IsShortCut(TMessage& Message);
  /// Whether the top sees keys before its controls (a form's KeyPreview); no here.
  virtual bool KeyPreviewActive() const { return false; }
  /// Sender was pressed (in its client or non-client area; null: the form lost the activation): the
  /// focused control gets CM_CANCELMODE with lParam Sender.
  virtual void SendCancelMode(TControl* Sender);
  /// Whether this control, without a parent control, shows its window by its own Visible (a form or
  /// popup overrides it); the default is a control with a ParentWindow.
  virtual bool IsRootWindow() const { return FParentWindow != 0; }
  /// The control the tree's focus record names (meaningful on the top of a tree).
  TWinControl* FocusedControl() const { return FFocusedControl; }

  // ---- Appearance ----
  TBrush* Brush() const { return FBrush.get(); }
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  /// Whether other controls may dock here (stored; the platform docks nothing).
  bool DockSite() const { return FDockSite; }
  void SetDockSite(bool Value) { FDockSite = Value; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // ---- Events ----
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

protected:
  /// Destroys the window and its children's while the whole control (and every procedure hooked on
  /// it) still answers their destruction messages.
  void BeforeDestruction() override;

  // ---- Window ----
  virtual void CreateParams(TCreateParams& Params);
  /// Makes the window: CreateParams, class registration, CreateWindowHandle.
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  /// Saves the text and destroys the window (DestroyWindowHandle).
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  /// CreateWnd, then the z-order among the siblings.
  virtual void CreateHandle();
  /// Destroys the children's windows and then this one.
  virtual void DestroyHandle();

  // ---- Messages ----
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  /// Dispatch with csCustomPaint set around a WM_PAINT, so the painting goes through PaintWindow: for
  /// controls that draw themselves whole.
  void DispatchPaintingThemselves(TMessage& Message);

  // ---- Alignment ----
  /// Lays the children out in Rect (the client rectangle); see the file comment.
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  /// The rectangle the children align in (client coordinates); unchanged here.
  virtual void AdjustClientRect(TRect& Rect);
  /// Where an alCustom child goes before another: never, here.
  virtual bool CustomAlignInsertBefore(TControl* C1, TControl* C2);
  /// Places an alCustom child; it keeps its bounds here.
  virtual void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                   TRect& AlignRect);
  void AlignControl(TControl* AControl);

  // ---- Painting ----
  /// Paints the control itself into DC (client coordinates); the window class paints here.
  virtual void PaintWindow(HDC DC);
  /// Paints the windowless children from First (all when null) in z-order.
  void PaintControls(HDC DC, TControl* First);
  /// WM_PAINT: see the file comment.
  void PaintHandler(TMessage& Message);

  // ---- Keys and focus ----
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  /// The key messages through the top's preview and then the control's handlers; true when consumed.
  virtual bool DoKeyDown(TMessage& Message);
  virtual bool DoKeyUp(TMessage& Message);
  virtual bool DoKeyPress(TMessage& Message);
  virtual void DoEnter();
  virtual void DoExit();

  // ---- Geometry ----
  TRect GetClientRect() override;
  TPoint GetClientOrigin() override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  void AdjustSize() override;
  void SetZOrder(bool TopMost) override;
  HDC GetDeviceContext(HWND& WindowHandle) override;

  void Loaded() override;

  /// Creates the window and the children's when the control and its parents show, and shows or hides
  /// it (CM_SHOWINGCHANGED).
  void UpdateShowing();
  /// UpdateShowing when the tree above shows.
  void UpdateControlState();

  HWND FHandle { 0 };

private:
  friend class TControl;
  friend void ReleaseControl(TControl* Control);

  void MainWndProc(TMessage& Message);
  /// The first message of a window being created binds it to the control being created.
  static LRESULT InitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Bind(HWND Wnd);
  /// Reads the bounds back from the window.
  void UpdateBounds();
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  /// Sends a child window's notification (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL /
  /// WM_VSCROLL from a control, WM_CTLCOLOR*) back to the child's control as CN_*; false when no
  /// control of a child window sent it.
  bool ReflectToControl(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void CNChar(TMessage& Message);
  void CNSysChar(TMessage& Message);
  /// Sends a windowless child's mouse message to it; true when one took it.
  bool IsControlMouseMsg(TMessage& Message);
  /// Follows the pointer (screen point) for CM_MOUSEENTER / CM_MOUSELEAVE after a mouse move.
  void TrackMouseControl(TPoint Screen);
  void RemoveFocus(bool Removing);
  /// The top of the control tree this control is in (itself without a parent).
  TWinControl* TreeTop();
  /// The sibling window this control's window goes below (HWND_TOP: none).
  HWND PrecedingWindow(TWinControl* Control) const;
  void Insert(TControl* AControl);
  void Remove(TControl* AControl);

  /// Calls of this control's window procedure in progress, and a release asked for during one (done when
  /// the outermost returns).
  int FDispatchDepth { 0 };
  bool FReleasePending { false };
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  HWND FParentWindow { 0 };
  WNDPROC FObjectInstance { nullptr };
  WNDPROC FDefWndProc { nullptr };
  /// Raw procedures that were installed on the window above the control's own, bottom first; put back
  /// on the next window.
  std::vector<WNDPROC> FRawProcs;
  bool FShowing { false };
  bool FTabStop { false };
  int FAlignLevel { 0 };
  bool FDoubleBuffered { false };
  bool FDockSite { false };
  std::unique_ptr<TBrush> FBrush;
  TWinControl* FFocusedControl { nullptr };
};

/// The control whose window Wnd is; null for a window of no control.
TWinControl* FindControl(HWND Wnd);
/// Whether some control's window procedure is running (a message handled inside another one nests).
bool ControlDispatchRunning();

/// The form a control lies on: the topmost form among its parents (TopForm), else the nearest one; null
/// when none. A template only so this header need not know the form class; callers include its header.
template <class TForm = TCustomForm> TForm* GetParentForm(TControl* Control, bool TopForm = true) {
  TForm* Found = nullptr;
  for (TControl* C = Control; C; C = C->Parent()) {
    if (TForm* Form = dynamic_cast<TForm*>(C)) {
      Found = Form;
      if (!TopForm)
        break;
    }
  }
  return Found;
}
