#pragma once
// One item of a menu: a caption ("-" makes a separator; "&" marks the accelerator), check and radio
// state, shortcut, image and the items of its submenu. Menus are models only: the skinned menus draw
// and run them.
#include <functional>
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ShortCuts.h"

class TBasicAction;
class TBitmap;
class TCanvas;
class TCustomImageList;
class TMenu;

/// Where an item starts a new column of its menu (mbBarBreak: with a line between the columns).
enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

/// A menu item and its submenu. An item frees the items of its submenu; an item freed elsewhere leaves
/// its parent's list.
class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // ---- The submenu ----
  int Count() const { return int(FItems.size()); }
  /// A bad index raises EListError.
  TMenuItem* Items(int Index) const;
  /// Appends Item (taking it from the submenu it was in).
  void Add(TMenuItem* Item);
  /// Puts Item at Index (0..Count); a bad index raises EListError.
  void Insert(int Index, TMenuItem* Item);
  /// Takes the item at Index out of the submenu without freeing it.
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  /// Frees every item of the submenu.
  void Clear();
  /// -1 when Item is not in the submenu.
  int IndexOf(const TMenuItem* Item) const;
  /// The item of the submenu whose caption, without its "&" markers, is ACaption (case ignored).
  TMenuItem* Find(const String& ACaption) const;
  TMenuItem* Parent() const { return FParent; }
  /// The item's place in its parent's submenu (-1 without a parent); setting it moves the item.
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  /// The menu the item belongs to (through its parents); null when none.
  TMenu* GetParentMenu() const;
  /// The images of the item's menu.
  TCustomImageList* GetImageList() const;
  /// Hides the separators of the submenu that would show first, last or right after another one, and
  /// shows the others; true when any visibility changed.
  bool RethinkLines();

  // ---- Properties ----
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  bool IsLine() const { return FCaption == "-"; }
  bool Checked() const { return FChecked; }
  /// Checking a radio item unchecks the other radio items of its group among its siblings.
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  Byte GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Byte Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak Value) { FBreak = Value; }
  /// The item's own picture, made empty on first use.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  /// A number unique among the program's items, for DispatchCommand.
  Word Command() const { return FCommand; }
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);

  /// Runs OnClick, or the action when no OnClick is assigned; nothing while the item is disabled.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TMenu;

  void TurnSiblingsOff();
  void CheckIndex(int Index, int Limit) const;

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent { nullptr };
  TMenu* FMenu { nullptr };  // set on a menu's root item
  String FCaption;
  bool FChecked { false };
  bool FRadioItem { false };
  Byte FGroupIndex { 0 };
  bool FEnabled { true };
  bool FVisible { true };
  TShortCut FShortCut { scNone };
  String FHint;
  int FImageIndex { -1 };
  bool FDefault { false };
  TMenuBreak FBreak { mbNone };
  std::unique_ptr<TBitmap> FBitmap;
  Word FCommand { 0 };
  TBasicAction* FAction { nullptr };
};
