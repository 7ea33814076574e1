#pragma once
// A menu: the root item whose submenu is the menu, the images its items show, shortcut and command
// dispatch.
#include "platform/base/TComponent.h"
#include "platform/ui/toolkit/FormTypes.h"
#include "platform/ui/toolkit/ShortCuts.h"

class TCustomImageList;
class TMenuItem;

/// Whether RethinkLines runs on an item before its submenu is shown (decided by whoever shows it).
enum TMenuAutoFlag { maAutomatic, maManual };

/// A menu model; see the file comment.
class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  /// The root item; its submenu is the menu's items.
  TMenuItem* Items() const { return FItems; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }

  /// Finds the enabled, visible item (its parents enabled and visible) whose ShortCut is the key with
  /// the Shift, Ctrl and Alt state of the message, and clicks it; true when one was found.
  virtual bool IsShortCut(TWMKey& Message);
  /// Clicks the item whose Command it is; false when the menu has none.
  bool DispatchCommand(Word ACommand);
  /// The item of the menu with that Command, or with that ShortCut (enabled or not); null when none.
  TMenuItem* FindItemByCommand(Word ACommand) const;
  TMenuItem* FindItemByShortCut(TShortCut Value) const;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TMenuItem* FItems { nullptr };
  TCustomImageList* FImages { nullptr };
  TMenuAutoFlag FAutoLineReduction { maAutomatic };
};
