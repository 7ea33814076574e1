#pragma once
// The window a hint shows in, and what the application tells about a hint before showing it.
#include <functional>

#include "platform/gdi/Colors.h"
#include "platform/ui/toolkit/TCustomControl.h"

class TControl;
class THintWindow;

/// Makes the application's hint window (the hint window class); the application owns what it makes.
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

/// A hint about to show: the control, where it goes and for how long. OnShowHint and the control's
/// CM_HINTSHOW (lParam a pointer to this record) may change it.
struct THintInfo {
  TControl* HintControl { nullptr };
  /// The screen point of the hint's top-left corner: below the cursor.
  TPoint HintPos;
  int HintMaxWidth { 0 };
  TColor HintColor { clInfoBk };
  /// While the cursor stays inside (HintControl's client coordinates), the hint stays.
  TRect CursorRect;
  /// The cursor in HintControl's client coordinates.
  TPoint CursorPos;
  /// Milliseconds until the hint is looked at again (0: never) or hidden (0: never).
  int ReshowTimeout { 0 };
  int HideTimeout { 0 };
  String HintStr;
  void* HintData { nullptr };
};

/// A hint window: a plain popup with a one-pixel border in clInfoBk, the text in clInfoText 2 pixels in.
/// It never takes the activation or the mouse. Skinned hints replace the class (Paint, ActivateHint,
/// CalcHintRect).
class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);

  /// Shows AHint with the window at Rect (screen coordinates), topmost, without activating it.
  virtual void ActivateHint(TRect Rect, const String& AHint);
  virtual void ActivateHintData(TRect Rect, const String& AHint, void* AData);
  /// The window rectangle the hint needs, at (0, 0), its text wrapped at MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
  /// Whether a queued message makes a shown hint go (key presses, clicks, the wheel, activation).
  virtual bool IsHintMsg(const TMsg& Msg);
  /// Hides the window and lets its window go.
  void ReleaseHandle();
  bool IsRootWindow() const override { return true; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
};

/// The hint window class of a THintWindow descendant.
template <class T> THintWindowClass HintWindowClassOf() {
  return [](TComponent* AOwner) -> THintWindow* { return new T(AOwner); };
}
