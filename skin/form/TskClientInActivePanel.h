#pragma once
// The overlay an inactive form's client area shows when its frame asks for it (ClientInActiveEffect): a
// still picture of the client area as it showed, blurred, or dimmed toward the form's own background.
#include <memory>

#include "skin/controls/TskSkinControl.h"
#include "skin/form/skFormTypes.h"

class TCustomForm;
class TskBitmap;

/// The inactive-client overlay; see the file comment.
class TskClientInActivePanel : public TskSkinControl {
public:
  /// Hidden, without a picture.
  explicit TskClientInActivePanel(TComponent* AOwner);
  ~TskClientInActivePanel() override;

  /// Covers AForm's client area with a picture of it in AEffect's look; nothing for a null or hidden
  /// form or an empty client area.
  void ShowPanel(TCustomForm* AForm, TskClientInActiveEffect AEffect);
  /// Hides the overlay and drops its picture.
  void HidePanel();

protected:
  void Paint() override;

private:
  std::unique_ptr<TskBitmap> Buffer;
};
