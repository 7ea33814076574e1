#pragma once
// Another program's windows on the X server, seen as the desktop sees them: the mapped children of the root
// window, known by their titles.
#include <optional>

#include "platform/base/Types.h"

typedef struct _XDisplay Display;

/// The top-level windows of the X server of DISPLAY, over a connection of its own. Windows that go away
/// while they are looked at are no error.
class XTopLevelWindows {
public:
  /// Raises std::runtime_error when there is no X server.
  XTopLevelWindows();
  ~XTopLevelWindows();
  XTopLevelWindows(const XTopLevelWindows&) = delete;
  XTopLevelWindows& operator=(const XTopLevelWindows&) = delete;

  /// The screen rectangle of the mapped top-level window titled Title (its UTF-8 _NET_WM_NAME); none while
  /// there is none.
  std::optional<TRect> Find(const String& Title);
  /// Asks the mapped window titled Title to close, as the desktop's close command does (WM_DELETE_WINDOW);
  /// false when there is none.
  bool RequestClose(const String& Title);

private:
  /// The X window titled Title and its screen rectangle; 0 when there is none.
  unsigned long FindWindow(const String& Title, TRect& Rect);

  Display* FDisplay { nullptr };
};
