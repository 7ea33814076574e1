#pragma once
// A caption-bar button of the frame: pressed and disabled looks, and an optional menu that drops down
// from it while it stays pressed.
#include "skin/form/TskActiveSkinObject.h"

class TMenuItem;

/// A frame button object; see the file comment.
class TskSkinButtonObject : public TskActiveSkinObject {
public:
  /// From a "button" record (or any record derived from it); null: no record.
  TskSkinButtonObject(TskSkinForm* AParent, TskDataSkinObject* AData);

  void ShowLayer() override;
  void HideLayer() override;
  /// Not while its menu holds it pressed.
  bool CanMorphing() override;
  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  /// Pressed or released; a release fades back to the normal look.
  void SetDown(bool Value);
  /// Drops MenuItem's items down below the button (above it with FPopupUp), through the frame.
  void ShowMenu();

  bool FDown { false };
  bool FPopupUp { false };
  TRect DisableSkinRect;
  TRect DownRect;
  /// When set, a press opens its items as a menu.
  TMenuItem* MenuItem { nullptr };
};
