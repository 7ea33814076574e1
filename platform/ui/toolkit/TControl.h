#pragma once
// The base of every control: a component with a place in a parent (geometry, alignment, anchors,
// constraints), visibility, enabled state, text, colour and font, mouse handling and a message procedure.
//
// Messages. Perform(Msg, W, L) calls WindowProc, a replaceable method (default: WndProc), with no window
// involved, so it works on windowless controls and on windowed ones without a window. WndProc does the
// control's mouse bookkeeping and calls Dispatch, the message methods: a descendant overrides Dispatch,
// handles the messages it knows (calling the base's Dispatch where it wants "inherited") and passes every
// other message to the base's Dispatch. What no class handles reaches DefaultHandler. For a windowed
// control with a window one message runs: the raw procedures installed on the window (subclasses) →
// WindowProc → Dispatch → DefaultHandler → the window class's procedure.
//
// Mouse. MouseDown/MouseMove/MouseUp (OnMouseDown/Move/Up) and Click/DblClick follow the messages in
// this order: a left press runs MouseDown; a left release inside the client area runs Click and then
// MouseUp (csClickEvents); a double click runs DblClick and then MouseDown with ssDouble (csDoubleClicks;
// without it the double click arrives as a press). csCaptureMouse captures the mouse on a press and
// releases it on the release, also for windowless controls (their windowed parent routes the messages
// to them). CM_MOUSEENTER / CM_MOUSELEAVE (lParam 0) go to the control the pointer enters and the one it
// leaves, windowless ones included, also when it leaves the program's windows; OnMouseEnter /
// OnMouseLeave follow. The control under the pointer is the deepest one whose client area holds it
// (disabled ones too); the notices come with the mouse moves, during a capture as well.
//
// Dragging, between the controls of the program. BeginDrag (or a left press on a control whose DragMode is
// dmAutomatic, which then runs no mouse events of its own) raises OnStartDrag and captures the mouse; once
// the pointer is more than the threshold away from where it started, each move tells the control under it
// DragOver (dsDragEnter, dsDragMove, and dsDragLeave to the one it leaves), whose answer picks DragCursor or
// crNoDrop. The release drops on that control when it accepted (OnDragDrop) and then raises the dragged
// control's OnEndDrag with it; a release elsewhere, a right press, Esc or a cancel-mode end the drag with
// OnEndDrag and no target. Docking (dkDock) is stored only.
//
// Changes announce themselves with a notice performed on the control: CM_TEXTCHANGED (only when the
// text differs), CM_VISIBLECHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED, CM_COLORCHANGED; the children of
// a windowed control then get CM_PARENTFONTCHANGED / CM_PARENTCOLORCHANGED / CM_PARENTSHOWHINTCHANGED
// and follow while their ParentFont / ParentColor / ParentShowHint is on; Ctl3D and BiDiMode follow the
// same way (CM_CTL3DCHANGED, CM_BIDIMODECHANGED and their CM_PARENT... notices).
#include <functional>
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/toolkit/TSizeConstraints.h"
#include "platform/ui/winsys/WindowProc.h"

class TBasicAction;
class TBasicActionLink;
class TCustomForm;
class TPopupMenu;
class TWinControl;

/// A control; see the file comment.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // ---- Tree ----
  TWinControl* Parent() const { return FParent; }
  /// Moves the control into AParent's children (on top of them) or out of any parent (null).
  virtual void SetParent(TWinControl* AParent);

  // ---- Geometry (parent client coordinates; screen coordinates for a top-level window) ----
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  /// The only way the position and size change: constraints, CanResize and AutoSize apply first; a
  /// change moves the window (windowed controls), repaints, realigns the parent and runs Resize.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  /// The client area in client coordinates: (0, 0, Width, Height) for a windowless control, the window's
  /// client rectangle for a windowed one.
  TRect ClientRect() { return GetClientRect(); }
  int ClientWidth() { return GetClientRect().Width(); }
  int ClientHeight() { return GetClientRect().Height(); }
  void SetClientWidth(int Value) { SetClientSize({ Value, ClientHeight() }); }
  void SetClientHeight(int Value) { SetClientSize({ ClientWidth(), Value }); }
  /// The client area's top-left corner in screen coordinates.
  TPoint ClientOrigin() { return GetClientOrigin(); }
  TPoint ClientToScreen(TPoint P);
  TPoint ScreenToClient(TPoint P);

  // ---- Layout ----
  TAlign Align() const { return FAlign; }
  /// Also sets the anchors the alignment implies; an edge alignment turned by 90 degrees swaps width and
  /// height.
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);

  // ---- State ----
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show();
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  // ---- Text, colour, font ----
  /// The control's text (a windowed control's window text while it has a window).
  String Text() { return GetText(); }
  /// Sends WM_SETTEXT and then CM_TEXTCHANGED, only when the text differs.
  void SetText(const String& Value);
  String Caption() { return GetText(); }
  /// Renames the control; while its caption still equals its name the caption follows (csSetCaption).
  void SetName(const String& Value) override;
  void SetCaption(const String& Value) { SetText(Value); }
  TColor Color() const { return FColor; }
  /// A new colour turns ParentColor off and performs CM_COLORCHANGED.
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  /// Copies the font; a change turns ParentFont off and performs CM_FONTCHANGED.
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  /// A new value turns Ctl3D's parent following off and performs CM_CTL3DCHANGED.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);

  // ---- Reading order (stored; text is laid out left to right) ----
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  /// A new mode turns ParentBiDiMode off and performs CM_BIDIMODECHANGED.
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  /// Always false: the platform has no right-to-left layout.
  bool UseRightToLeftAlignment() const { return false; }
  bool UseRightToLeftReading() const { return false; }
  /// DrawText flags for the control's reading order: Flags as they are, left to right.
  UINT DrawTextBiDiModeFlags(UINT Flags) const { return Flags; }

  // ---- Dragging (see the file comment) ----
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  /// Starts dragging this control (a drag already running is cancelled first): OnStartDrag, then the
  /// mouse capture. The drag follows the pointer at once (Immediate) or once it is more than Threshold
  /// pixels (-1: 5) away from where it was.
  void BeginDrag(bool Immediate, int Threshold = -1);
  /// Ends this control's drag: a drop on the control under the pointer when Drop and that control
  /// accepted, else a cancel.
  void EndDrag(bool Drop);
  bool Dragging() const { return DraggedControl() == this; }
  /// The control being dragged; null when no drag runs.
  static TControl* DraggedControl();

  // ---- Hints and menus ----
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  /// The popup menu a right click opens (a template only so this header need not know the menu class;
  /// callers include its header).
  template <class TMenu = TPopupMenu> TMenu* PopupMenu() const { return static_cast<TMenu*>(FPopupMenu); }
  template <class TMenu> void SetPopupMenu(TMenu* Value) { SetPopupMenuComponent(Value); }
  TComponent* PopupMenuComponent() const { return FPopupMenu; }

  // ---- Actions ----
  TBasicAction* Action() const;
  /// Links the control to the action (null unlinks); the action's values reach ActionChange.
  void SetAction(TBasicAction* Value);
  TBasicActionLink* ActionLink() const { return FActionLink.get(); }

  // ---- Messages ----
  /// Calls WindowProc with the message and answers its result; no window is involved.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  const TWndMethod& WindowProc() const { return FWindowProc; }
  /// Replaces the message method; a replacement saves the previous one and chains to it.
  void SetWindowProc(TWndMethod Value) { FWindowProc = std::move(Value); }

  // ---- Painting and z-order ----
  /// Asks for a repaint later (a windowless control's rectangle in its parent).
  virtual void Invalidate();
  /// Paints what waits for painting now.
  virtual void Update();
  /// Invalidates and paints now (a windowless control through its parent, the parent beneath it first
  /// when it is not opaque).
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  // ---- Events ----
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TContextPopupEvent OnContextPopup;
  TNotifyEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

  /// Expires when the control is destroyed: code that ran an event or a handler of the control can tell
  /// whether the control survived it.
  std::weak_ptr<bool> LifeToken() const { return FLife; }

  /// The control the pointer is over (the last CM_MOUSEENTER went to it); null when none.
  static TControl* MouseControl();
  /// The windowless control holding the mouse capture (its parent window holds the window capture).
  static TControl* CaptureControl();
  static void SetCaptureControl(TControl* Control);

protected:
  /// Leaves the parent while the whole control still answers what the parent asks of it.
  void BeforeDestruction() override;

  // ---- Message methods ----
  virtual void WndProc(TMessage& Message);
  /// The message methods; see the file comment.
  virtual void Dispatch(TMessage& Message);
  /// What happens to a message no class handles: texts of windowless controls, nothing else.
  virtual void DefaultHandler(TMessage& Message);

  // ---- Mouse ----
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  /// Runs OnClick, or the action when no OnClick is assigned.
  virtual void Click();
  virtual void DblClick();
  /// WM_CONTEXTMENU at MousePos (client coordinates; (-1, -1) from the keyboard): OnContextPopup.
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);

  // ---- Dragging ----
  /// OnStartDrag.
  virtual void DoStartDrag();
  /// Accept starts false; with OnDragOver assigned it starts true and the handler decides.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  /// OnDragDrop.
  virtual void DragDrop(TObject* Source, int X, int Y);
  /// OnEndDrag.
  virtual void DoEndDrag(TObject* Target, int X, int Y);

  // ---- Geometry ----
  virtual TRect GetClientRect();
  virtual TPoint GetClientOrigin();
  virtual void SetClientSize(TSize Value);
  /// Whether a resize to NewWidth x NewHeight may happen (OnCanResize); may change the size.
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  /// The size AutoSize gives the control; false refuses auto-sizing now.
  virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
  /// Applies the constraints to a new size.
  virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
  /// Sizes the control again by its own rules (AutoSize, constraints).
  virtual void AdjustSize();
  /// Asks the parent to align its children again because of this control.
  virtual void RequestAlign();
  virtual void Resize();
  /// Moves the control to the top (true) or the bottom of its parent's children.
  virtual void SetZOrder(bool TopMost);

  // ---- Text and actions ----
  virtual String GetText();
  /// The linked action (Sender) changed or was linked: its values reach the control.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);

  // ---- Component protocol ----
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  /// The DC to paint the control with (for a windowless control, its parent's DC moved to the control's
  /// corner and clipped to it) and the window it belongs to, for ReleaseDC.
  virtual HDC GetDeviceContext(HWND& WindowHandle);
  /// Invalidates the control's rectangle in its parent; IsOpaque lets the parent skip its erase.
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  /// Runs a mouse message through MouseDown/MouseUp with the message's position and keys.
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TMessage& Message, TMouseButton Button);
  /// Remembers the distances the anchors keep (after a move that was not an anchor move).
  void UpdateAnchorRules();

  // ---- Fields descendants read directly ----
  TControlStyle FControlStyle { csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks };
  TControlState FControlState;
  bool FVisible { true };
  bool FEnabled { true };
  int FLeft { 0 };
  int FTop { 0 };
  int FWidth { 0 };
  int FHeight { 0 };
  TColor FColor { clWindow };
  String FText;

private:
  friend class TWinControl;
  friend class TBasicActionLink;
  friend class TSizeConstraints;
  friend class TControlCanvas;

  /// Tells the top of the control tree that this control is being pressed (CM_CANCELMODE).
  void SendCancelMode();
  bool CheckNewSize(int& NewWidth, int& NewHeight);
  void DoConstrainedResize(int& NewWidth, int& NewHeight);
  void FontChanged(TObject* Sender);
  void SetPopupMenuComponent(TComponent* Value);
  void SetMouseCapture(bool Value);
  void WMLButtonDown(TMessage& Message, bool Double);
  void WMLButtonUp(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMParentCtl3DChanged(TMessage& Message);
  void CMParentBiDiModeChanged(TMessage& Message);
  void CMMouseEnterLeave(TMessage& Message);
  /// A mouse message while this control is being dragged: the drag takes it.
  void DragMouseMessage(TMessage& Message);
  /// The running drag's pointer at Screen: DragOver to the controls it leaves and is over.
  static void DragTo(TPoint Screen);
  void ParentNotices();
  /// The parent's client size the anchors measure against.
  TPoint ParentSizeForAnchors() const;
  /// Tells the mouse tracking the control is going away.
  static void ForgetMouse(TControl* Control);
  /// Makes Control the one under the pointer: CM_MOUSELEAVE to the previous one, CM_MOUSEENTER to it.
  static void SetMouseControl(TControl* Control);

  TWinControl* FParent { nullptr };
  TAlign FAlign { alNone };
  TAnchors FAnchors { akLeft, akTop };
  TPoint FAnchorRules;
  TPoint FOriginalParentSize;
  bool FAnchorMove { false };
  std::unique_ptr<TSizeConstraints> FConstraints;
  bool FAutoSize { false };
  bool FParentColor { true };
  bool FParentFont { true };
  std::unique_ptr<TFont> FFont;
  TCursor FCursor { crDefault };
  String FHint;
  bool FShowHint { false };
  bool FParentShowHint { true };
  bool FCtl3D { true };
  bool FParentCtl3D { true };
  TBiDiMode FBiDiMode { bdLeftToRight };
  bool FParentBiDiMode { true };
  TDragMode FDragMode { dmManual };
  TDragKind FDragKind { dkDrag };
  TCursor FDragCursor { crDrag };
  TComponent* FPopupMenu { nullptr };
  std::unique_ptr<TBasicActionLink> FActionLink;
  TWndMethod FWindowProc;
  /// Expires when the control is destroyed, so code that ran an event can tell whether its control
  /// survived it.
  std::shared_ptr<bool> FLife { std::make_shared<bool>(true) };
};
