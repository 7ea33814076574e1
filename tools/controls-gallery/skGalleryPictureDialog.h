#pragma once
// The controls gallery's row of the open-picture dialog.
class HeadlessPresenter;
class TskControlsGallery;

/// The open-picture dialog over a folder of Chinese names, previewing a landscape picture larger than
/// its preview at its own size (with the preview's scroll bars) and stretched over the preview.
void AddPictureDialogRow(TskControlsGallery& Gallery, HeadlessPresenter& Display);
