#pragma once
// Freeing a control from inside its own handling: a window that closes in its own mouse or key handler
// cannot be freed there, since the dispatch that called it still runs on it.
class TControl;

/// Frees Control the next time the loop serves its queue after the control's own window procedure
/// returned (a modal loop inside its handler does not free it), unless something freed it before then
/// (its owner, or an earlier release).
void ReleaseControl(TControl* Control);
