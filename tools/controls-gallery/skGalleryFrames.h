#pragma once
// The controls gallery's rows of skinned form frames.
class HeadlessPresenter;
class TskControlsGallery;

/// A form's frame active and inactive, with a hot and a pressed caption button, a sizeable form, and a
/// dialog's frame; in the gallery's skin, or the built-in frame without one.
void AddFrameRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);
