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

/// The converter's job list (a report list view with its external bars), a tree, a page control with
/// overflowing tabs and close buttons, and the shell tree, file list and look-in combo box over a folder of
/// Chinese names.
void AddViewRows(TskControlsGallery& Gallery);

/// The converter's pictures from the program's resources in PNG image lists, enabled and disabled, and its
/// tool bar drawing its buttons' images from the bar's list.
void AddPictureRows(TskControlsGallery& Gallery);

/// Combo boxes and list boxes (plain and with a caption) in their states, with Chinese items.
void AddBoxRows(TskControlsGallery& Gallery);
