#pragma once
// What controls ask of the application layer: hints follow the mouse, the screen decides cursors, and a
// right click opens a control's popup menu. The application installs its host once; without one the
// controls still work (no hints, the system cursors, no popup menus).
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/winsys/Messages.h"

class TControl;

/// The application's side of the controls; see the file comment.
class IControlHost {
public:
  virtual ~IControlHost() = default;

  /// Every WM_MOUSEMOVE a control receives, before the control handles it (the hint machinery).
  virtual void HintMouseMessage(TControl* Control, TMessage& Message) = 0;
  /// The screen-wide cursor override (crDefault: none).
  virtual TCursor ScreenCursor() = 0;
  /// The cursor handle of a TCursor value.
  virtual HCURSOR CursorHandle(TCursor Cursor) = 0;
  /// Opens Control's popup menu at the screen point; false when it has none to open.
  virtual bool PopupContextMenu(TControl* Control, TPoint Screen) = 0;
  /// Whether the key message is a shortcut of Control's popup menu (and runs it).
  virtual bool PopupMenuShortCut(TControl* Control, TMessage& Message) = 0;
};

/// Installs the host (null: none). The caller keeps it alive while installed.
void SetControlHost(IControlHost* Host);
IControlHost* ControlHost();
/// The system cursor of the standard TCursor values (the arrow for any other).
HCURSOR SystemCursorHandle(TCursor Cursor);
