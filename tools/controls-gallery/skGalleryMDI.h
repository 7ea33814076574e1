#pragma once
// The controls gallery's row of an MDI main form.
class HeadlessPresenter;
class TskControlsGallery;

/// An MDI main form with a menu bar, a tab bar and three children: all in the normal state, and with one
/// maximized (its buttons on the menu bar, its caption in the main form's).
void AddMDIRow(TskControlsGallery& Gallery, HeadlessPresenter& Display);
