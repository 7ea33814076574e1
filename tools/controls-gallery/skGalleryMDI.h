#pragma once
// The controls gallery's row of an MDI main form.
class HeadlessPresenter;
class TskControlsGallery;

/// An MDI main form with a menu bar, a tab bar and three children, the active one's menu merged into the
/// bar: all in the normal state, with one maximized (its buttons on the menu bar, its caption in the main
/// form's), and with one reaching outside the client (the MDI scroll bars).
void AddMDIRow(TskControlsGallery& Gallery, HeadlessPresenter& Display);
