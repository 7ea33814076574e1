#pragma once
// How the combo boxes' drop-downs (TskPopupListBox, TskPopupOfficeListBox) show and hide their popup
// windows: placed in screen coordinates without taking the activation, translucent by the owning combo
// box's alpha settings where the presenter offers layered windows, optionally fading in.
#include "platform/base/Types.h"

class TskSkinComboBase;
class TWinControl;

/// The layered state a drop-down last gave its window.
struct TskDropDownAlpha {
  bool FOldAlphaBlend { false };
  Byte FOldAlphaBlendValue { 0 };
};

/// Shows Popup with its top-left corner at Origin (screen). With Combo's AlphaBlend the window is layered
/// at AlphaBlendValue, or, with AlphaBlendAnimation, fades in from transparent in 15 steps of at least
/// 5 ms each, serving messages between them; the call returns when the fade ends, or at once when a
/// handler that ran meanwhile hid or freed the popup. Combo may be null (opaque, no fade).
void ShowDropDown(TWinControl* Popup, TPoint Origin, const TskSkinComboBase* Combo, TskDropDownAlpha& State);
/// Hides Popup without activating anything.
void HideDropDown(TWinControl* Popup);
