#pragma once
// The converter window's pictures, which its PNG image lists and picture controls load by name: the
// category and format pictures of the combos, the preview, tool-bar and batch buttons' icons, the preview
// placeholder, the about box's picture and the empty job list's cover.
#include <vector>

#include "resources/pictures/generator/ProgramPictures.h"
#include "resources/pictures/generator/TPictureCanvas.h"

/// The program's own picture (MAINICON's drawing) in a square of Side pixels from Origin.
void DrawProgramIcon(TPictureCanvas& C, double Side, TPointF Origin);

/// The 24 category pictures of 36 x 36 (CAT00_... to CAT23_..., in image-index order) and the three
/// format-item pictures of 32 x 32.
std::vector<TProgramPicture> DrawCategoryPictures();
/// The preview buttons' seven icons of 16 x 16, the tool bar's four of 32 x 32, the rename icon of 16 x 16
/// and the batch buttons' Start, Stop, Pause and Resume of 32 x 32.
std::vector<TProgramPicture> DrawButtonPictures();
/// The preview placeholder (84 x 87), the about box's picture (87 x 83) and the job list's cover (568 x 225).
std::vector<TProgramPicture> DrawScenePictures();
