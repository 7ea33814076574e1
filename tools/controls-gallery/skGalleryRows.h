#pragma once
// The rows of the controls gallery, one function per group of controls; each later group of skinned
// controls adds its own.
class TskControlsGallery;

/// Scroll bars, up-downs, check boxes and radio boxes in their states.
void AddStandardControlRows(TskControlsGallery& Gallery);
