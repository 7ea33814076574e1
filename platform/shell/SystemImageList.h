#pragma once
// The shell's icons as the image lists the views and the handle-level image-list calls take.
#include "platform/ui/toolkit/TCustomImageList.h"

/// The handle of the system image list of 32 x 32 icons (Large) or of 16 x 16 ones: a TCustomImageList
/// holding the pictures of TShellImageList at the same indexes, so SHGetFileInfo's icon indexes draw
/// through ImageList_DrawEx and through the list and tree views given the handle by LVM_SETIMAGELIST or
/// TVM_SETIMAGELIST. Each list is made on first use and lives as long as the process; it belongs to no
/// one who could free it, and a background colour set on it shows wherever it is drawn.
HIMAGELIST ShellSystemImageList(bool Large);
