#pragma once
// Scroll-state helpers shared by the list view, tree view and tab control windows.
#include <optional>

#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/UiTypes.h"

/// Publishes a bar's range, page and position in the window's scroll information, and shows the bar
/// (ShowScrollBar) exactly while the range is larger than the page, so a window whose frame is skinned
/// away still publishes its state.
void PublishScrollState(HWND Wnd, int Bar, int Min, int Max, int Page, int Pos);

/// The position an SB_THUMBPOSITION / SB_THUMBTRACK message asks for. The message carries 16 bits only;
/// a caller that set the full position with SetScrollInfo first gets that position back (its low 16
/// bits match the message's), otherwise the message's value counts.
int ThumbPosition(HWND Wnd, int Bar, WPARAM WParam);

/// The position a scroll request (the WParam of WM_HSCROLL / WM_VSCROLL) asks of a bar whose scroll
/// information is Info, from position Pos: a line moves by Line, a page by the bar's page (at least 1),
/// the thumb goes where ThumbPosition says, top and bottom to the range's ends; nothing for other requests.
std::optional<int> RequestedScrollPosition(HWND Wnd, int Bar, WPARAM WParam, const SCROLLINFO& Info, int Pos, int Line);
