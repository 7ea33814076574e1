#pragma once
// Answers to a script that drives the program through the screen: where a named control lies, what a
// list view's rows hold and what a combo box has chosen, read from the program's own windows. Reading
// only: nothing is changed, no event runs.
#include "platform/base/Types.h"

/// Answers one request line, on the user-interface thread. A control is named "Form.Control" or just
/// "Control" (searched in every showing top-level window, the topmost first); a form by its Name, or its
/// class name when it has none ("MessageBox", "TskOpenDlgForm"); names compare case-insensitively.
/// Requests and answers:
///   "where <control>" → "<left> <top> <right> <bottom>" in screen coordinates, or "none" while the
///                        control is missing or not showing; a menu item named so is found on a showing
///                        menu bar or in an open menu;
///   "rows <list view>" → one line per row, "<left> <top> <right> <bottom>\t<*|->\t<caption>\t<sub-item>..."
///                        (the row's screen rectangle, "*" when selected), or "none";
///   "choice <combo box>" → "<item index> open" while the skinned combo box's drop-down list shows,
///                        "<item index> closed" otherwise, or "none";
///   anything else → "error: " + why.
/// Every answer ends with a line feed.
String AnswerControlQuery(const String& Request);
