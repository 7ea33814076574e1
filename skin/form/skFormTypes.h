#pragma once
// Value types of the form frame: its caption buttons, where a form is centred, the look of an inactive
// client area, and the frame's event signatures.
#include <functional>

#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ControlTypes.h"

class TCanvas;

/// The caption buttons a frame offers (scoped: the toolkit's own border icons share three names).
enum class TskBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TskBorderIcons = TSet<TskBorderIcon>;

/// Where a form goes at its first show: where the form put itself, centred on the screen, or in the
/// desktop's work area.
enum TskPositionInMonitor { skpDefault, skpScreenCenter, skpDesktopCenter };

/// How an inactive form's client area is covered.
enum TskClientInActiveEffect { skieSemiTransparent, skieBlur };

/// Draws the caption text instead of the frame (R: the caption area, AActive: the style, active or not).
using TskCaptionPaintEvent = std::function<void(TCanvas* Cnvs, const TRect& R, bool AActive)>;
/// Asks whether a custom caption object shows.
using TskActivateCustomObjectEvent = std::function<void(const String& IDName, bool& ObjectVisible)>;

// The frame's events about its caption objects; each names the object by the IDName of its skin record.
using TskMouseDownEvent = std::function<void(const String& IDName, int X, int Y, const TRect& ObjectRect,
                                             TMouseButton Button)>;
using TskMouseUpEvent = TskMouseDownEvent;
using TskMouseMoveEvent = std::function<void(const String& IDName, int X, int Y, const TRect& ObjectRect)>;
using TskMouseEnterEvent = std::function<void(const String& IDName)>;
using TskMouseLeaveEvent = TskMouseEnterEvent;
/// Paints a user object on Canvas inside ObjectRect (frame coordinates).
using TskPaintEvent = std::function<void(const String& IDName, TCanvas* Canvas, const TRect& ObjectRect)>;
