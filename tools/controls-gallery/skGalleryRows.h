#pragma once
// The rows of the controls gallery, one function per group of controls; each later group of skinned
// controls adds its own.
class HeadlessPresenter;
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

/// A combo box with an edit part: as made, with typed text completed from its list, focused and disabled.
void AddComboEditRows(TskControlsGallery& Gallery);

/// A ribbon with three tabs, caption-area buttons and overflowing page controls in its states, and its
/// application menu open with command items and a page; a framed form carrying the ribbon, with the menu
/// closed and open.
void AddRibbonRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);

/// The converter's category combo (an office combo with the category pictures) closed in its states and
/// open with a hovered row, and an office list with groups, titles, pictures and check marks.
void AddOfficeRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);

/// Edits (normal, hovered, focused, read-only, disabled, with an edit button and image buttons), the
/// numeric edit, link labels and a scrolled scroll box.
void AddEditRows(TskControlsGallery& Gallery);

/// The file controls over a folder of Chinese names (filter combo, drive combo with each kind of
/// volume, directory and file list boxes), the select-skin dialog over the program's two skins and the
/// select-directory dialog over the Chinese folders.
void AddFileControlRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);

/// The open dialog over a folder of Chinese names as the converter adds files with it (list and detail
/// view, the file-type list open), its save mode asking before it overwrites, and the converter's notice box.
void AddFileDialogRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);
