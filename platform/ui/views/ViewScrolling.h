#pragma once
// Scroll-state helpers shared by the list view, tree view and tab control windows.
#include "platform/ui/winsys/UiTypes.h"

/// Publishes a bar's range, page and position in the window's scroll information, and shows the bar
/// (ShowScrollBar) exactly while the range is larger than the page, so a window whose frame is skinned
/// away still publishes its state.
void PublishScrollState(HWND Wnd, int Bar, int Min, int Max, int Page, int Pos);

/// The position an SB_THUMBPOSITION / SB_THUMBTRACK message asks for. The message carries 16 bits only;
/// a caller that set the full position with SetScrollInfo first gets that position back (its low 16
/// bits match the message's), otherwise the message's value counts.
int ThumbPosition(HWND Wnd, int Bar, WPARAM WParam);
