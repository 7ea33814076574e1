#pragma once
// A skinned combo box of file types: its Filter "caption|mask|caption|mask..." becomes the captions as
// items and the masks beside them (MaskList, one per item); Mask is the selected caption's mask. A mask
// may hold several patterns separated by ";". A linked file list box lists only what the mask matches.
//
// The lists are rebuilt when the window is made and when Filter changes while it exists, and the first
// item is selected then (with the combo box's events, so a linked file list box takes its mask). Filter
// compares without letter case: a new text that differs only in case is ignored. A trailing caption
// without a mask is dropped ("A|*.a|B" gives one item); "A|" gives A with an empty mask; a text without
// "|" gives no items.
#include <memory>

#include "platform/base/TStringList.h"
#include "skin/boxctrls/TskSkinComboBox.h"

class TskSkinFileListBox;

/// The file-type combo box of the file dialogs; see the file comment.
class TskSkinFilterComboBox : public TskSkinComboBox {
public:
  explicit TskSkinFilterComboBox(TComponent* AOwner);
  ~TskSkinFilterComboBox() override;

  const String& Filter() const { return FFilter; }
  /// See the file comment; a change runs Change.
  void SetFilter(const String& Value);
  /// The selected item's mask, "*.*" without items. With nothing selected the last item is selected
  /// first (with the combo box's events).
  String Mask();
  TskSkinFileListBox* FileList() const { return FFileList; }
  /// Links the file list box both ways (the former one is unlinked; removal is followed).
  void SetFileList(TskSkinFileListBox* Value);

  /// The masks in item order.
  std::unique_ptr<TStringList> MaskList { std::make_unique<TStringList>() };

protected:
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// Gives a linked file list box the mask.
  void Change() override;
  /// The inherited Click, then Change.
  void Click() override;

private:
  void BuildMaskList();

  String FFilter { "All files (*.*)|*.*" };
  TskSkinFileListBox* FFileList { nullptr };
};
