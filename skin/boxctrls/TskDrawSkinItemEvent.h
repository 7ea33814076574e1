#pragma once
// Owner drawing of one list or combo item on the canvas of an off-screen item bitmap that already holds
// the item's background and font: (canvas, item index, bitmap width, bitmap height, text rectangle,
// state).
#include <functional>

#include "platform/base/Types.h"
#include "platform/ui/toolkit/StdControlTypes.h"

class TCanvas;

using TskDrawSkinItemEvent = std::function<void(TCanvas*, int, int, int, TRect&, TOwnerDrawState)>;
