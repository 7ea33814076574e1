#include "skin/dialogs/TskCustomShellListView.h"

#include <algorithm>

#include "platform/base/FileUtils.h"
#include "platform/base/Masks.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/shell/SystemImageList.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskShellChangeNotifier.h"
#include "skin/dialogs/skDialogText.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/dialogs/skHourGlass.h"
#include "skin/dialogs/skShellContextMenu.h"

namespace {

bool IsMenuMessage(UINT Msg) {
  return Msg == WM_INITMENUPOPUP || Msg == WM_DRAWITEM || Msg == WM_MEASUREITEM || Msg == WM_MENUCHAR;
}

/// The order of two items by a value that sorts smaller first.
template <class T> int Order(T A, T B) {
  return A < B ? -1 : B < A ? 1 : 0;
}

/// A folder before a non-folder; 0 when both are of one kind.
int FoldersFirst(const TskShellFolder& A, const TskShellFolder& B) {
  return Order(!A.IsFolder(), !B.IsFolder());
}

/// The find data of an entry; an entry without (Computer, a name gone meanwhile) has size and time -1.
TFindData FindDataOf(const TskShellFolder& Entry) {
  TFindData data;
  if (!GetFindData(Entry.FullObjectName(), data)) data = { {}, -1, -1, 0 };
  return data;
}

/// A column of the details view that has a text of the string table: its name there, its built-in text,
/// alignment and width in characters, and the header the shell namespace gives it.
struct TBuiltInColumn {
  const char* Name;
  const char* Text;
  TShellColumnAlign Align;
  int Chars;
  const char* ShellHeader;
};

constexpr TBuiltInColumn BuiltInColumns[] = {
  { "FLV_NAME", "Name", TShellColumnAlign::Left, 25, "Name" },
  { "FLV_SIZE", "Size", TShellColumnAlign::Right, 10, "Size" },
  { "FLV_TYPE", "Type", TShellColumnAlign::Left, 10, "Type" },
  { "FLV_MODIFIED", "Modified", TShellColumnAlign::Left, 14, "Date modified" },
};

TAlignment AlignmentOf(TShellColumnAlign Align) {
  switch (Align) {
    case TShellColumnAlign::Right: return taRightJustify;
    case TShellColumnAlign::Center: return taCenter;
    case TShellColumnAlign::Left: break;
  }
  return taLeftJustify;
}

}  // namespace

TskCustomShellListView::TskCustomShellListView(TComponent* AOwner) : TskSkinCustomListView(AOwner) {
  SetOwnerData(true);
  SetHideSelection(false);
}

TskCustomShellListView::~TskCustomShellListView() {
  FNotifier.reset();
  SetShellTreeView(nullptr);
  SetShellComboBox(nullptr);
  ClearEntries();
}

String TskCustomShellListView::Path() const {
  return FRootFolder ? FRootFolder->PathName() : String();
}

void TskCustomShellListView::SetPath(const String& Value) {
  TItemIDListPtr id = DesktopShellFolder()->ParseDisplayName(Value);
  if (!id) throw EInvalidPath(Format("Error setting path: \"%s\"", Value));
  GoToItemIDList(id.get());
}

TskShellFolder* TskCustomShellListView::EntryAt(int Index) const {
  return Index >= 0 && Index < int(FFolders.size()) ? FFolders[size_t(Index)].get() : nullptr;
}

TskShellFolder* TskCustomShellListView::SelectedFolder() {
  return EntryAt(ItemIndex());
}

String TskCustomShellListView::GetSelectedFile() {
  TskShellFolder* entry = SelectedFolder();
  return entry && !entry->IsFolder() ? entry->FullObjectName() : String();
}

void TskCustomShellListView::GetSelectedFiles(TStrings* AFiles) {
  AFiles->Clear();
  for (TListItem* item = GetNextItem(nullptr, sdAll, { isSelected }); item;
       item = GetNextItem(item, sdAll, { isSelected }))
    if (TskShellFolder* entry = EntryAt(item->Index()); entry && !entry->IsFolder())
      AFiles->Add(entry->FullObjectName());
}

// ---- Navigation ------------------------------------------------------------------------------------------

void TskCustomShellListView::Back() {
  if (!FRootFolder || ItemIDCount(FRootFolder->AbsoluteID()) == 0) return;
  TItemIDListPtr parent = CopyItemIDList(FRootFolder->AbsoluteID());
  RemoveLastItemID(parent.get());
  GoToItemIDList(parent.get());
}

void TskCustomShellListView::Refresh() {
  const int index = ItemIndex();
  ClearSelection();
  TItemIDListPtr shown = FRootFolder ? CopyItemIDList(FRootFolder->AbsoluteID()) : DesktopItemIDList();
  ClearEntries();
  FRootFolder.reset();  // no root object counts as another folder: the list is read again
  GoToItemIDList(shown.get());
  if (index >= 0 && index < Items()->Count()) SetItemIndex(index);
}

void TskCustomShellListView::GoToItemIDList(PCItemIDList ID) {
  if (FUpdating || (FRootFolder && SameItemIDList(FRootFolder->AbsoluteID(), ID))) return;
  ClearEntries();
  FRootFolder.reset();
  FSettingRoot = false;
  FRootFolder = CreateRootFromItemIDList(ID);
  FRootLoaded = true;
  UpdateFolder();
  if (OnPathChanged) OnPathChanged(this);
}

void TskCustomShellListView::UpdateFolder() {
  if (FUpdating) return;
  TemporaryChange updating(FUpdating, true);
  const bool autoRefresh = FAutoRefresh;
  SetAutoRefresh(false);
  if (FSettingRoot) {
    if (FTreeView) FTreeView->SetRoot(FRoot);
  } else if (FRootFolder) {
    if (FTreeView) FTreeView->SelectByItemIDList(FRootFolder->AbsoluteID());
    if (FComboBox) FComboBox->SelectByItemIDList(FRootFolder->AbsoluteID());
  }
  FSettingRoot = false;
  ReadFolder();
  if (ViewStyle() == vsReport) EnumColumns();
  SetAutoRefresh(autoRefresh);
}

void TskCustomShellListView::MakeRootFolder() {
  std::unique_ptr<TskShellFolder> root = CreateRootFolder(FOldRoot, FRoot);
  ClearEntries();
  FRootFolder = std::move(root);
  FRootLoaded = true;
}

// ---- Properties ------------------------------------------------------------------------------------------

void TskCustomShellListView::SetRoot(const TRoot& Value) {
  if (Value == FRoot) return;
  FOldRoot = FRoot;
  FRoot = Value;
  MakeRootFolder();
  FSettingRoot = true;
  UpdateFolder();
}

void TskCustomShellListView::SetObjectTypes(TShellObjectTypes Value) {
  FObjectTypes = Value;
  if (!ComponentState().Contains(csLoading)) UpdateFolder();
}

void TskCustomShellListView::SetMask(const String& Value) {
  if (Value == FMask) return;
  FMask = Value;
  UpdateFolder();
}

void TskCustomShellListView::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  ReadFolder();
}

void TskCustomShellListView::SetViewStyle(TViewStyle Value) {
  TskSkinCustomListView::SetViewStyle(Value);
  if (Value == vsReport) EnumColumns();
  if (Value == vsList && !FFolders.empty()) FitListColumn(LongestName());
}

void TskCustomShellListView::SetAutoRefresh(bool Value) {
  FAutoRefresh = Value;
  if (ComponentState().Contains(csLoading)) return;
  FNotifier.reset();
  if (!Value) return;
  FNotifier = std::make_unique<TskShellChangeNotifier>(nullptr);
  FNotifier->SetWatchSubTree(false);
  if (FRootFolder) FNotifier->SetRoot(FRootFolder->PathName());
  FNotifier->SetOnChange([this] { Refresh(); });
}

void TskCustomShellListView::SetShellTreeView(TskCustomShellTreeView* Value) {
  if (Value == FTreeView) return;
  if (FTreeView) {
    FTreeView->RemoveFreeNotification(this);
    FTreeView->FListView = nullptr;
  }
  FTreeView = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellListView(this);
}

void TskCustomShellListView::SetShellComboBox(TskCustomShellComboBox* Value) {
  if (Value == FComboBox) return;
  if (FComboBox) {
    FComboBox->RemoveFreeNotification(this);
    FComboBox->FListView = nullptr;
  }
  FComboBox = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellListView(this);
}

// ---- Reading and sorting ---------------------------------------------------------------------------------

void TskCustomShellListView::ClearEntries() {
  Items()->SetCount(0);
  FFolders.clear();
}

bool TskCustomShellListView::Accepts(const TskShellFolder& Entry) const {
  const String name = ExtractFileName(Entry.FullObjectName());
  size_t start = 0;
  while (start <= FMask.size()) {
    const size_t end = std::min(FMask.find_first_of(";|", start), FMask.size());
    const String pattern = FMask.substr(start, end - start);
    if (pattern == "*" || (pattern.find('.') != String::npos && SearchFinds(name, pattern))) return true;
    start = end + 1;
  }
  return false;
}

void TskCustomShellListView::ReadFolder() {
  if (!HandleAllocated() && ComponentState().Contains(csLoading)) return;
  Items()->BeginUpdate();
  ClearEntries();
  if (IShellFolder* folder = FRootFolder ? FRootFolder->ShellFolder() : nullptr) {
    TskHourGlass busy;
    std::vector<TItemIDListPtr> ids;
    folder->EnumObjects(ObjectTypesToEnumFlags(FObjectTypes), ids);
    for (const TItemIDListPtr& id : ids) {
      auto entry = std::make_unique<TskShellFolder>(FRootFolder.get(), id.get(), BindItemFolder(folder, id.get()));
      bool accept = entry->IsFolder() || Accepts(*entry);
      if (OnAddFolder) OnAddFolder(this, entry.get(), accept);
      if (accept) FFolders.push_back(std::move(entry));
    }
    if (FSorted)
      std::stable_sort(FFolders.begin(), FFolders.end(),
                       [this](const auto& A, const auto& B) { return CompareBase(A.get(), B.get()) < 0; });
  }
  Items()->SetCount(int(FFolders.size()));
  Items()->EndUpdate();
  if (ViewStyle() == vsList && !FFolders.empty()) FitListColumn(LongestName());
}

String TskCustomShellListView::LongestName() const {
  String longest;
  for (const auto& entry : FFolders) {
    const String name = entry->DisplayName();
    if (CodePointCount(name) > CodePointCount(longest)) longest = name;
  }
  return longest;
}

void TskCustomShellListView::FitListColumn(const String& LongestName) {
  if (!HandleAllocated()) return;
  Canvas()->Font()->Assign(Font());
  SendMessage(Handle(), LVM_SETCOLUMNWIDTH, 0, Canvas()->TextWidth(LongestName) + 32);
}

int TskCustomShellListView::CompareBase(const TskShellFolder* A, const TskShellFolder* B) const {
  if (!A || !B) return 0;
  if (const int kinds = FoldersFirst(*A, *B)) return kinds;
  return int(short(FRootFolder->ShellFolder()->CompareIDs(0, A->RelativeID(), B->RelativeID()) & 0xFFFF));
}

int TskCustomShellListView::CompareColumn(TskShellFolder* A, TskShellFolder* B, int Column) {
  int result = CompareBase(A, B);
  const int kinds = FoldersFirst(*A, *B);
  bool byColumn = true;
  if (Column != 0) {
    A->LoadColumnDetails(FRootFolder.get(), Handle(), 4);
    B->LoadColumnDetails(FRootFolder.get(), Handle(), 4);
    // Only details that hold times come from a file-system folder whose find data can be read.
    byColumn = A->DetailText(4).find(':') != String::npos;
  }
  if (byColumn) {
    switch (Column) {
      case 0:
        result = kinds ? kinds : AnsiCompareText(A->DisplayName(), B->DisplayName());
        break;
      case 1:
        if (kinds) result = kinds;
        else if (!A->IsFolder()) result = Order(FindDataOf(*A).Size, FindDataOf(*B).Size);
        break;
      case 2:
        result = kinds ? kinds : AnsiCompareText(A->DetailText(2), B->DetailText(2));
        break;
      case 3:
        result = kinds ? kinds : Order(FindDataOf(*A).LastWriteTime, FindDataOf(*B).LastWriteTime);
        break;
      default:
        break;
    }
  }
  return FSortDirection ? -result : result;
}

void TskCustomShellListView::ColClick(TListColumn* Column) {
  TskSkinCustomListView::ColClick(Column);
  if (!FRootFolder || (Columns()->Count() < 4 && Column->Index() != 0)) return;
  FOldSortColumn = FSortColumn;
  FSortColumn = Column->Index();
  FSortDirection = FSortColumn == FOldSortColumn && FSortColumn != -1 ? !FSortDirection : false;
  Items()->BeginUpdate();
  std::stable_sort(FFolders.begin(), FFolders.end(),
                   [this](const auto& A, const auto& B) { return CompareColumn(A.get(), B.get(), FSortColumn) < 0; });
  Items()->EndUpdate();
  Invalidate();
}

// ---- Columns ---------------------------------------------------------------------------------------------

void TskCustomShellListView::EnumColumns() {
  if (!FRootFolder || !FRootFolder->ShellFolder()) return;
  Columns()->BeginUpdate();
  Columns()->Clear();
  if (HandleAllocated()) FRootFolder->SetViewHandle(Handle());
  std::vector<String> added;
  if (IShellFolder2* folder = FRootFolder->ShellFolder2()) {
    bool metDefault = false;
    TShellDetails header;
    for (int column = 0; folder->GetDetailsOf(nullptr, column, header); ++column) {
      uint32_t state = 0;
      folder->GetDefaultColumnState(column, state);
      if (state & SHCOLSTATE_ONBYDEFAULT) metDefault = true;
      else if (metDefault) break;
      header.Text = ColumnText(header.Text);
      AddColumn(header, added);
    }
  } else {
    AddBuiltInColumns(FRootFolder->FullObjectName().empty() ? 1 : 4, added);
  }
  Columns()->EndUpdate();
}

String TskCustomShellListView::ColumnText(const String& ShellHeader) const {
  const TskResourceStrData* strings = SkinData() ? SkinData()->ResourceStrData() : nullptr;
  if (!strings) return ShellHeader;
  for (const TBuiltInColumn& column : BuiltInColumns)
    if (SameText(ShellHeader, column.ShellHeader)) return DialogText(strings, column.Name, column.Text);
  return ShellHeader;
}

void TskCustomShellListView::AddBuiltInColumns(int Count, std::vector<String>& Added) {
  const TskResourceStrData* strings = SkinData() ? SkinData()->ResourceStrData() : nullptr;
  for (int index = 0; index < Count; ++index) {
    const TBuiltInColumn& column = BuiltInColumns[index];
    AddColumn({ column.Align, column.Chars, DialogText(strings, column.Name, column.Text) }, Added);
  }
}

void TskCustomShellListView::AddColumn(const TShellDetails& Header, std::vector<String>& Added) {
  if (Header.Text.empty()) return;
  for (const String& caption : Added)
    if (SameText(caption, Header.Text)) return;
  Added.push_back(Header.Text);
  TListColumn* column = Columns()->Add();
  column->SetCaption(Header.Text);
  column->SetAlignment(AlignmentOf(Header.Align));
  const int charWidth = HandleAllocated() ? Canvas()->TextWidth("X") : 8;
  column->SetWidth(Header.CharWidth * charWidth);
}

// ---- Items -----------------------------------------------------------------------------------------------

bool TskCustomShellListView::OwnerDataFetch(TListItem* Item, TItemRequest Request) {
  TskShellFolder* entry = EntryAt(Item->Index());
  if (!entry) return true;
  if (Request.Contains(irText) || DrawSkin()) Item->SetCaption(entry->DisplayName());
  if (Request.Contains(irImage) || DrawSkin()) Item->SetImageIndex(entry->ImageIndex(ViewStyle() == vsIcon));
  if (ViewStyle() == vsReport) {
    const int count = Columns()->Count();
    entry->LoadColumnDetails(FRootFolder.get(), HandleAllocated() ? Handle() : 0, count);
    for (int column = 1; column < count; ++column) Item->SubItems()->Add(entry->DetailText(column));
  }
  return true;
}

int TskCustomShellListView::OwnerDataFind(TItemFind Find, const String& FindString, TPoint, void*, int StartIndex,
                                          TSearchDirection, bool Wrap) {
  const int count = int(FFolders.size());
  if ((Find != ifPartialString && Find != ifExactString) || StartIndex < 0 || StartIndex >= count) return -1;
  const String wanted = UpperCase(FindString);
  int index = StartIndex;
  do {
    if (UpperCase(FFolders[size_t(index)]->DisplayName()).starts_with(wanted)) return index;
    if (++index >= count) {
      if (!Wrap) return -1;
      index = 0;
    }
  } while (index != StartIndex);
  return -1;
}

// ---- Keys, clicks, menus, editing ------------------------------------------------------------------------

void TskCustomShellListView::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinCustomListView::KeyDown(Key, Shift);
  if (!FAutoNavigate) return;
  TskShellFolder* entry = SelectedFolder();
  if (Key == VK_BACK && !IsEditing()) {
    Back();
  } else if (Key == VK_RETURN && Shift.Contains(ssAlt)) {
    InvokeItemVerb(entry, "properties", SkinData());
    Key = 0;
  } else if (Key == VK_RETURN && entry && entry->IsFolder()) {
    TItemIDListPtr id = CopyItemIDList(entry->AbsoluteID());  // the entry goes with the folder it is listed in
    GoToItemIDList(id.get());
  } else if (Key == VK_F5) {
    Refresh();
  }
}

void TskCustomShellListView::DblClick() {
  TskShellFolder* entry = SelectedFolder();
  if (FAutoNavigate && entry && entry->IsFolder()) {
    TItemIDListPtr id = CopyItemIDList(entry->AbsoluteID());
    GoToItemIDList(id.get());
  }
  TskSkinCustomListView::DblClick();
}

void TskCustomShellListView::DoContextPopup(TPoint MousePos, bool& Handled) {
  TskShellFolder* entry = SelectedFolder();
  if (!FAutoContext || !entry) {
    TskSkinCustomListView::DoContextPopup(MousePos, Handled);
    return;
  }
  InvokeShellContextMenu(this, entry, MousePos.X, MousePos.Y, SkinData());
  Handled = true;
  Refresh();
}

void TskCustomShellListView::Edit(int Index, const String* Text) {
  TskShellFolder* entry = EntryAt(Index);
  if (!entry || !Text || Text->empty()) return;
  entry->Rename(*Text);
  Invalidate();
  if (FTreeView && FTreeView->Selected()) FTreeView->Refresh(FTreeView->Selected());
}

void TskCustomShellListView::ExecuteCommand(const String& Verb, bool& Handled) {
  if (!SameText(Verb, "rename")) return;
  if (TListItem* item = Selected()) item->EditCaption();
  Handled = true;
}

void TskCustomShellListView::CommandCompleted(const String& Verb, bool Succeeded) {
  if (Succeeded && (SameText(Verb, "delete") || SameText(Verb, "paste"))) Refresh();
}

// ---- Window ----------------------------------------------------------------------------------------------

void TskCustomShellListView::WndProc(TMessage& Message) {
  if (IsMenuMessage(Message.Msg))
    if (IContextMenu2* menu = ActiveContextMenu2()) {
      menu->HandleMenuMsg(Message.Msg, Message.WParam, Message.LParam);
      Message.Result = 0;
    }
  TskSkinCustomListView::WndProc(Message);
}

void TskCustomShellListView::CreateWnd() {
  TskSkinCustomListView::CreateWnd();
  SendMessage(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(ShellSystemImageList(false)));
  SendMessage(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL, LPARAM(ShellSystemImageList(true)));
  if (!FRootLoaded) MakeRootFolder();
  UpdateFolder();
}

void TskCustomShellListView::DestroyWnd() {
  ClearEntries();
  TskSkinCustomListView::DestroyWnd();
}

void TskCustomShellListView::Loaded() {
  TskSkinCustomListView::Loaded();
  ReadFolder();
  SetAutoRefresh(FAutoRefresh);
}

void TskCustomShellListView::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomListView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FTreeView) FTreeView = nullptr;
  if (AComponent == FComboBox) FComboBox = nullptr;
}
