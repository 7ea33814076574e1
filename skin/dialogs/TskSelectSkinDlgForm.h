#pragma once
// The form of the select-skin dialog, built in code by TskSelectSkinDialog: a list of skin names at
// (10, 10) 170 x 170, beside it a live preview (a disabled 220 x 170 form inside the dialog with its own
// frame in preview mode and a sample button, both drawn from a private skin model, PreviewSkinData), and
// OK (the default button) and Cancel (the cancel button) at (260, 200) and (340, 200), 70 x 25. Picking
// an item loads its skin into PreviewSkinData only; a double click closes the form as OK.
//
// Two variants: the list variant offers the skins of a stored-skin list (CreateEx2), the stored-skin
// variant the stored skins (TskCompressedStoredSkin) a form owns (CreateEx). Captions come from the
// string table of the controls' skin model ("MSG_PREVIEWSKIN", "MSG_PREVIEWBUTTON", "MSG_BTN_OK",
// "MSG_BTN_CANCEL"; a name the table lacks gives an empty caption), else the built-in English texts.
#include <memory>
#include <vector>

#include "platform/ui/toolkit/TForm.h"

class TskCompressedSkinList;
class TskCompressedStoredSkin;
class TskResourceStrData;
class TskSkinButton;
class TskSkinData;
class TskSkinForm;
class TskSkinListBox;

/// The select-skin dialog's form; see the file comment.
class TskSelectSkinDlgForm : public TForm {
public:
  /// The stored-skin variant: the stored skins owned by AForm, ADefaultSkin selected (else the first).
  static std::unique_ptr<TskSelectSkinDlgForm> CreateEx(TComponent* AOwner, TComponent* AForm,
                                                        TskCompressedStoredSkin* ADefaultSkin,
                                                        TskSkinData* ACtrlSkinData);
  /// The list variant: the skins of ASkinList, the one at ASkinIndex selected and previewed (none when
  /// the index lies outside the list).
  static std::unique_ptr<TskSelectSkinDlgForm> CreateEx2(TComponent* AOwner, TskCompressedSkinList* ASkinList,
                                                         int ASkinIndex, TskSkinData* ACtrlSkinData);

  /// The stored skin under preview.
  TskCompressedStoredSkin* GetSelectedSkin() const;

  /// The list variant's list and start index (null and -1 in the stored-skin variant).
  TskCompressedSkinList* FCSkinList { nullptr };
  int FCSkinIndex { -1 };
  TskSkinForm* BSF { nullptr };
  TskSkinButton* OpenButton { nullptr };
  TskSkinButton* CancelButton { nullptr };
  TForm* PreviewForm { nullptr };
  TskSkinForm* PreviewBSF { nullptr };
  TskSkinData* PreviewSkinData { nullptr };
  TskSkinButton* PreviewButton { nullptr };
  TskSkinListBox* SkinsListBox { nullptr };
  /// The stored-skin variant's offered skins, in list order.
  std::vector<TskCompressedStoredSkin*> SkinList;

private:
  /// Steps shared by both variants, up to the filling of the list.
  TskSelectSkinDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData);
  /// The table's text of Name, else Builtin without a table.
  String Text(const char* Name, const char* Builtin) const;
  /// Shows the preview window at its place and gives the list the focus.
  void FinishBuilding();
  void SLBOnChange(TObject* Sender);
  void SLBOnDblClick(TObject* Sender);

  TskResourceStrData* FStrings { nullptr };
};
