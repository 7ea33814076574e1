#pragma once
// The controls gallery's rows of skinned form frames.
#include <memory>

#include "platform/ui/toolkit/FormTypes.h"
#include "skin/form/skFormTypes.h"

class HeadlessPresenter;
class TBitmap;
class TForm;
class TskControlsGallery;
class TskSkinData;

/// A form with a frame in Skin (null: the built-in frame), at the gallery's place for framed forms, shown.
TForm* FramedForm(TskSkinData* Skin, TFormBorderStyle Style, TskBorderIcons Icons, const String& Caption, TSize Size);

/// The whole window of Form, frame included, as the screen shows it; what its region cuts away shows the
/// sheet's background.
std::unique_ptr<TBitmap> WindowPicture(TForm* Form);

/// The part Area of the screen as a picture, windows over windows as the screen shows them.
std::unique_ptr<TBitmap> ScreenPicture(HeadlessPresenter& Display, const TRect& Area);

/// A borderless form in the sheet's background colour over Area, shown: what a screen picture of Area takes
/// around its windows is the sheet, not the empty screen. The caller frees it.
TForm* ShowBackdrop(const TRect& Area);

/// A form's frame active and inactive, with a hot and a pressed caption button, a sizeable form, and a
/// dialog's frame; in the gallery's skin, or the built-in frame without one.
void AddFrameRows(TskControlsGallery& Gallery, HeadlessPresenter& Display);
