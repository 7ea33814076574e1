#pragma once
// The controls gallery's row of a form with a layered border.
class HeadlessPresenter;
class TskControlsGallery;

/// A sizeable form in the gallery's skin with a soft shadow as its layered border, active and inactive,
/// on a light backdrop; nothing without a skin (the built-in frame has no layered border).
void AddLayerBorderRow(TskControlsGallery& Gallery, HeadlessPresenter& Display);
