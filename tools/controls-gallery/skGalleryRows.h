#pragma once
// The rows of the controls gallery, one function per group of controls; each later group of skinned
// controls adds its own.
class TskControlsGallery;

/// Scroll bars, up-downs, check boxes and radio boxes in their states.
void AddStandardControlRows(TskControlsGallery& Gallery);

/// Push, speed, menu and menu speed buttons in their states, with image-list icons and menu markers.
void AddButtonRows(TskControlsGallery& Gallery);

/// Panels, group box, tool bar, status bar, slider, labels, splitter, bevel and a PNG image list.
void AddPanelRows(TskControlsGallery& Gallery);

/// The converter's job list (a report list view with its external bars), a tree and a page control with
/// overflowing tabs and close buttons.
void AddViewRows(TskControlsGallery& Gallery);

/// Edits (normal, hovered, focused, read-only, disabled, with an edit button and image buttons), the
/// numeric edit, link labels and a scrolled scroll box.
void AddEditRows(TskControlsGallery& Gallery);
