#include "skin/dialogs/TskCustomShellComboBox.h"

#include <algorithm>

#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TCanvas.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/SystemImageList.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskCustomShellTreeView.h"

namespace {

constexpr int PlainIconSize = 16;
/// The room between an item's icon and its text.
constexpr int IconGap = 4;

/// Locks Items for update until the guard ends.
auto LockForUpdate(TCollection& Items) {
  Items.BeginUpdate();
  return ScopeGuard([&Items] { Items.EndUpdate(); });
}

}  // namespace

TskItemEx* TskItemsEx::InsertFolder(int Index, const String& ACaption, int AImageIndex, int ASelectedIndex,
                                    int AIndent, std::unique_ptr<TskShellFolder> AFolder) {
  TskItemEx* item = Insert(Index);
  item->Caption = ACaption;
  item->ImageIndex = AImageIndex;
  item->SelectedImageIndex = ASelectedIndex;
  item->Indent = AIndent;
  item->Data = std::move(AFolder);
  return item;
}

void TskItemEx::Assign(TPersistent* Source) {
  const auto* source = dynamic_cast<const TskItemEx*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  Caption = source->Caption;
  Indent = source->Indent;
  ImageIndex = source->ImageIndex;
  SelectedImageIndex = source->SelectedImageIndex;
  // The source's folder belongs to its own list, and its parent may go with that list: the copy is a
  // root object of the same folder, which needs no parent but the desktop.
  const TskShellFolder* folder = source->Data.get();
  Data = folder ? std::make_unique<TskShellFolder>(DesktopFolderObject(), folder->AbsoluteID(),
                                                   folder->ShellFolderRef())
                : nullptr;
}

TskCustomShellComboBox::TskCustomShellComboBox(TComponent* AOwner) : TskSkinCustomComboBox(AOwner) {
  FControlStyle.Include(csClickEvents);  // a click rebuilds the items (Click)
  FImages = ShellSystemImageList(false);
  ImageList_GetIconSize(FImages, &FImageWidth, &FImageHeight);
  ListBox()->OnDrawItem = [this](TCanvas* C, int Index, int, int H, TRect& TextRect, TOwnerDrawState) {
    DrawFolderItem(C, Index, H, TextRect, true);
  };
  OnComboBoxDrawItem = [this](TCanvas* C, int Index, int, int H, TRect& TextRect, TOwnerDrawState) {
    DrawFolderItem(C, Index, H, TextRect, false);
  };
}

TskCustomShellComboBox::~TskCustomShellComboBox() {
  SetShellTreeView(nullptr);
  SetShellListView(nullptr);
}

String TskCustomShellComboBox::Path() const {
  TskShellFolder* folder = ItemFolder(ItemIndex());
  return folder ? folder->PathName() : String();
}

void TskCustomShellComboBox::SetPath(const String& Value) {
  TItemIDListPtr id = DesktopShellFolder()->ParseDisplayName(Value);
  if (!id) throw EInvalidPath(Format("Error setting path: \"%s\"", Value));
  ShowItemIDList(id.get());
}

void TskCustomShellComboBox::SelectByItemIDList(PCItemIDList ID) {
  if (FUpdating) return;
  if (TskShellFolder* selected = ItemFolder(ItemIndex()); selected && SameItemIDList(selected->AbsoluteID(), ID))
    return;
  TemporaryChange updating(FUpdating, true);
  ShowItemIDList(ID);
}

TskShellFolder* TskCustomShellComboBox::ItemFolder(int Index) const {
  if (Index < 0 || FItemsEx.Count() == 0) return nullptr;
  return FItemsEx.Items(std::min(Index, FItemsEx.Count() - 1))->Data.get();
}

int TskCustomShellComboBox::IndexOfItemIDList(PCItemIDList ID) const {
  for (int index = FItemsEx.Count() - 1; index >= 0; --index)
    if (const TskShellFolder* folder = FItemsEx.Items(index)->Data.get();
        folder && SameItemIDList(folder->AbsoluteID(), ID))
      return index;
  return -1;
}

// ---- Properties and links --------------------------------------------------------------------------------

void TskCustomShellComboBox::SetItemsEx(const TskItemsEx& Value) {
  auto locked = LockForUpdate(FItemsEx);
  FItemsEx.Assign(const_cast<TskItemsEx*>(&Value));  // Assign only reads its source
  RebuildItems();
}

void TskCustomShellComboBox::SetRoot(const TRoot& Value) {
  if (Value == FRoot) return;  // paths compare with letter case
  FOldRoot = FRoot;
  FRoot = Value;
  RootChanged();
}

void TskCustomShellComboBox::SetObjectTypes(TShellObjectTypes Value) {
  FObjectTypes = Value;
  RootChanged();
}

void TskCustomShellComboBox::SetShellTreeView(TskCustomShellTreeView* Value) {
  if (Value == FTreeView) return;
  if (FTreeView) {
    FTreeView->RemoveFreeNotification(this);
    FTreeView->FComboBox = nullptr;
  }
  FTreeView = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellComboBox(this);
}

void TskCustomShellComboBox::SetShellListView(TskCustomShellListView* Value) {
  if (Value == FListView) return;
  if (FListView) {
    FListView->RemoveFreeNotification(this);
    FListView->FComboBox = nullptr;
  }
  FListView = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellComboBox(this);
}

void TskCustomShellComboBox::SetImageList(TCustomImageList* Value) {
  if (Value == FImageList) return;
  if (FImageList) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (Value) Value->FreeNotification(this);
  ApplyShellImages(FUseShellImages);
}

void TskCustomShellComboBox::ApplyShellImages(bool Value) {
  FUseShellImages = Value;
  if (FImageList) {
    FImageWidth = FImageList->Width();
    FImageHeight = FImageList->Height();
  } else if (!Value) {
    FImageWidth = FImageHeight = PlainIconSize;
  } else {
    ImageList_GetIconSize(FImages, &FImageWidth, &FImageHeight);
  }
  Invalidate();
}

void TskCustomShellComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomComboBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FTreeView) FTreeView = nullptr;
  if (AComponent == FListView) FListView = nullptr;
  if (AComponent == FImageList) {
    FImageList = nullptr;
    ApplyShellImages(FUseShellImages);
  }
}

// ---- Items -----------------------------------------------------------------------------------------------

void TskCustomShellComboBox::RootChanged() {
  {
    TemporaryChange updating(FUpdating, true);
    try {
      BuildItems();
    } catch (const Exception&) {
      BuildItems();  // the root text is the old one again
      throw;
    }
  }
  if (FTreeView) FTreeView->SetRoot(FRoot);
  if (FListView) FListView->SetRoot(FRoot);
}

void TskCustomShellComboBox::ClearFolderItems() {
  FItemsEx.Clear();
  RebuildItems();
}

void TskCustomShellComboBox::RebuildItems() {
  Items()->BeginUpdate();
  Items()->Clear();
  for (int index = 0; index < FItemsEx.Count(); ++index) Items()->Add(FItemsEx.Items(index)->Caption);
  Items()->EndUpdate();
}

void TskCustomShellComboBox::BuildItems() {
  if (ComponentState().Contains(csLoading)) return;
  auto locked = LockForUpdate(FItemsEx);
  ClearFolderItems();
  FRootFolder = CreateRootFolder(FOldRoot, FRoot);
  AddFolderItem(0, std::make_unique<TskShellFolder>(nullptr, FRootFolder->AbsoluteID(), FRootFolder->ShellFolderRef()));
  AddStandardItems();
  RebuildItems();
  SetItemIndex(0);
}

void TskCustomShellComboBox::AddStandardItems() {
  auto locked = LockForUpdate(FItemsEx);
  AddChildren(0, ItemFolder(0));
  if (FRoot != "rfDesktop") return;
  TItemIDListPtr computer = SHGetSpecialFolderLocation(CSIDL_DRIVES);
  if (const int index = IndexOfItemIDList(computer.get()); index >= 0) AddChildren(index, ItemFolder(index));
}

void TskCustomShellComboBox::AddChildren(int Index, TskShellFolder* Folder) {
  IShellFolder* shell = Folder->ShellFolder();
  std::vector<TItemIDListPtr> ids;
  if (!shell || !shell->EnumObjects(ObjectTypesToEnumFlags(FObjectTypes), ids)) return;  // unreadable: none
  std::stable_sort(ids.begin(), ids.end(), [shell](const TItemIDListPtr& A, const TItemIDListPtr& B) {
    return short(shell->CompareIDs(0, A.get(), B.get()) & 0xFFFF) < 0;
  });
  for (size_t k = 0; k < ids.size(); ++k) InsertFolderItem(Index + 1 + int(k), Folder, ids[k].get());
}

void TskCustomShellComboBox::InsertFolderItem(int Index, TskShellFolder* Parent, PCItemIDList ID) {
  AddFolderItem(Index, std::make_unique<TskShellFolder>(Parent, ID, BindItemFolder(Parent->ShellFolder(), ID)));
}

int TskCustomShellComboBox::FolderIcon(const TskShellFolder& Folder) const {
  return FUseShellImages ? ShellImageIndex(Folder.AbsoluteID(), false, false) : -1;
}

void TskCustomShellComboBox::AddFolderItem(int Index, std::unique_ptr<TskShellFolder> Folder) {
  const String caption = Folder->DisplayName();
  const int icon = FolderIcon(*Folder);
  const int indent = Folder->Level();
  FItemsEx.InsertFolder(Index, caption, icon, icon, indent, std::move(Folder));
}

void TskCustomShellComboBox::ShowItemIDList(PCItemIDList ID) {
  const TItemIDListPtr target = CopyItemIDList(ID);  // ID may be an item's own list, freed by the rebuild
  auto locked = LockForUpdate(FItemsEx);
  BuildItems();
  const std::vector<TItemIDListPtr> ancestors = ItemIDAncestors(target.get());
  size_t listed = ancestors.size();
  int index = -1;
  while (listed > 0 && index < 0) index = IndexOfItemIDList(ancestors[--listed].get());
  if (index < 0) return;
  for (size_t next = listed + 1; next < ancestors.size(); ++next, ++index)
    InsertFolderItem(index + 1, ItemFolder(index), LastItemIDCopy(ancestors[next].get()).get());
  if (IndexOfItemIDList(target.get()) < 0)
    InsertFolderItem(index + 1, ItemFolder(index), LastItemIDCopy(target.get()).get());
  RebuildItems();
  SetItemIndex(IndexOfItemIDList(target.get()));
}

// ---- Selection -------------------------------------------------------------------------------------------

void TskCustomShellComboBox::Change() {
  if (FItemsEx.UpdateCount() > 0) return;
  TskSkinCustomComboBox::Change();
  TskShellFolder* folder = ItemFolder(ItemIndex());
  if (!folder || FUpdating || IsPopupVisible()) return;
  TemporaryChange updating(FUpdating, true);
  if (FTreeView) FTreeView->SelectByItemIDList(folder->AbsoluteID());
  if (FListView) FListView->GoToItemIDList(folder->AbsoluteID());
}

void TskCustomShellComboBox::Click() {
  if (TskShellFolder* folder = ItemFolder(ItemIndex())) {
    TemporaryChange updating(FUpdating, true);
    ShowItemIDList(folder->AbsoluteID());
  }
  TskSkinCustomComboBox::Click();
}

// ---- Painting --------------------------------------------------------------------------------------------

void TskCustomShellComboBox::DrawFolderItem(TCanvas* Canvas, int Index, int ItemHeight, const TRect& TextRect,
                                            bool Indented) {
  if (Index < 0 || Index >= FItemsEx.Count()) return;
  const TskItemEx* item = FItemsEx.Items(Index);
  const int offset = Indented ? item->Indent * FImageWidth / 2 : 0;
  const int centre = TextRect.Top + TextRect.Height() / 2;
  if (FImages)
    ImageList_DrawEx(FImages, item->ImageIndex, Canvas->Handle(), TextRect.Left + offset, centre - FImageHeight / 2,
                     FImageWidth, FImageHeight, CLR_NONE, CLR_NONE, ILD_NORMAL);
  const int left = TextRect.Left + offset + FImageWidth + IconGap;
  int top = centre - Canvas->TextHeight("Wg") / 2;
  if (Canvas->Font()->Height() % 2 != 0) --top;
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextRect(Rect(left, 0, TextRect.Right, ItemHeight), left, top, Items()->Strings(Index));
}

// ---- Window ----------------------------------------------------------------------------------------------

void TskCustomShellComboBox::CreateWnd() {
  TskSkinCustomComboBox::CreateWnd();
  ApplyShellImages(FUseShellImages);
  if (FItemsEx.Count() == 0) BuildItems();  // Items always follow the folder items, with the window or not
}

void TskCustomShellComboBox::DestroyWnd() {
  ClearFolderItems();
  TskSkinCustomComboBox::DestroyWnd();
}

void TskCustomShellComboBox::Loaded() {
  TskSkinCustomComboBox::Loaded();
  BuildItems();
}
