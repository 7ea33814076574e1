#pragma once
// X errors that are no fault of the program's. SDL wakes its waiting UI thread with an event sent to one
// of the program's windows over a second connection to the X server; the server may take that request
// after the window was destroyed over the first connection, and answers it with an error (BadWindow of
// SendEvent). Xlib's handler, which SDL's safety net calls, would end the program for it.

/// While it lives, BadWindow errors of SendEvent requests are dropped; every other error goes on to the
/// handler found when it was made. One at a time; it restores that handler when it goes.
class X11ErrorFilter {
public:
  X11ErrorFilter();
  ~X11ErrorFilter();
  X11ErrorFilter(const X11ErrorFilter&) = delete;
  X11ErrorFilter& operator=(const X11ErrorFilter&) = delete;
};
