#pragma once
// The gallery rows of the skinned menus: a framed form whose main menu bar has a menu open with its
// submenu, and a context menu, each copied from the screen with the popup windows over the form.
class HeadlessPresenter;
class TskControlsGallery;

/// The open menu bar menu (submenu, check and radio items, shortcuts, a disabled item, separators) and a
/// context menu with a header row.
void AddMenuRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);
