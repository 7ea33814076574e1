#include "skin/dialogs/TskCustomShellTreeView.h"

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/SystemImageList.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskShellChangeNotifier.h"
#include "skin/dialogs/skHourGlass.h"
#include "skin/dialogs/skShellContextMenu.h"

namespace {

bool IsMenuMessage(UINT Msg) {
  return Msg == WM_INITMENUPOPUP || Msg == WM_DRAWITEM || Msg == WM_MEASUREITEM || Msg == WM_MENUCHAR;
}

}  // namespace

TskCustomShellTreeView::TskCustomShellTreeView(TComponent* AOwner) : TskSkinCustomTreeView(AOwner) {
  SetShowRoot(false);
  SetRightClickSelect(true);
}

TskCustomShellTreeView::~TskCustomShellTreeView() {
  FNotifier.reset();
  SetShellListView(nullptr);
  SetShellComboBox(nullptr);
  ClearNodes();
}

TskShellFolder* TskCustomShellTreeView::FolderOf(const TTreeNode* Node) {
  return Node ? static_cast<TskShellFolder*>(Node->Data()) : nullptr;
}

String TskCustomShellTreeView::Path() const {
  TskShellFolder* folder = SelectedFolder();
  return folder ? folder->PathName() : String();
}

void TskCustomShellTreeView::SetPath(const String& Value) {
  FPath = Value;
  TItemIDListPtr id = DesktopShellFolder()->ParseDisplayName(Value);
  if (!id) throw EInvalidPath(Format("Error setting path: \"%s\"", Value));
  SelectByItemIDList(id.get());
  if (TTreeNode* node = Selected()) {
    node->Expand(false);
    SelectionChanged(node);
  }
  FPath = Value;
}

TskShellFolder* TskCustomShellTreeView::SelectedFolder() const {
  return FolderOf(Selected());
}

TskShellFolder* TskCustomShellTreeView::NodeFolder(int Index) const {
  return FolderOf(Items()->Item(Index));
}

void TskCustomShellTreeView::SetRoot(const TRoot& Value) {
  if (Value == FRoot) return;  // paths compare with letter case
  FOldRoot = FRoot;
  FRoot = Value;
  RootChanged();
}

void TskCustomShellTreeView::SetObjectTypes(TShellObjectTypes Value) {
  FObjectTypes = Value;
  RootChanged();
}

void TskCustomShellTreeView::SetUseShellImages(bool Value) {
  FUseShellImages = Value;
  SendOwnImageList();
}

void TskCustomShellTreeView::SetShellListView(TskCustomShellListView* Value) {
  if (Value == FListView) return;
  if (FListView) {
    FListView->RemoveFreeNotification(this);
    FListView->FTreeView = nullptr;
  }
  FListView = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellTreeView(this);
}

void TskCustomShellTreeView::SetShellComboBox(TskCustomShellComboBox* Value) {
  if (Value == FComboBox) return;
  if (FComboBox) {
    FComboBox->RemoveFreeNotification(this);
    FComboBox->FTreeView = nullptr;
  }
  FComboBox = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetRoot(FRoot);
  Value->SetShellTreeView(this);
}

void TskCustomShellTreeView::SetAutoRefresh(bool Value) {
  FAutoRefresh = Value;
  if (ComponentState().Contains(csLoading)) return;
  FNotifier.reset();
  if (!Value) return;
  TskShellFolder* watched = FNodeToMonitor ? FolderOf(FNodeToMonitor) : FRootFolder.get();
  FNotifier = std::make_unique<TskShellChangeNotifier>(nullptr);
  FNotifier->SetWatchSubTree(false);
  if (watched) FNotifier->SetRoot(watched->PathName());
  FNotifier->SetOnChange([this] {
    if (Selected()) Refresh(Selected());
  });
}

// ---- Root ------------------------------------------------------------------------------------------------

void TskCustomShellTreeView::InitRoot() {
  if (ComponentState().Contains(csLoading)) return;
  String failure;
  try {
    FRootFolder = CreateRootFolder(FOldRoot, FRoot);
  } catch (const Exception& E) {
    failure = E.Message;
  }
  if (FRootFolder) {
    TemporaryChange loading(FLoadingRoot, true);
    ClearNodes();
    PCItemIDList id = FRootFolder->AbsoluteID();
    TTreeNode* node = Items()->AddObject(nullptr, ItemDisplayText(DesktopShellFolder().get(), id, SHGDN_NORMAL),
                                         new TskShellFolder(nullptr, id, FRootFolder->ShellFolderRef()));
    if (ShowsShellImages()) SetShellIcons(node, id);
    node->SetHasChildren(FRootFolder->SubFolders());
    node->Expand(false);
    node->SetSelected(true);
  }
  if (!failure.empty()) throw Exception(failure);
}

void TskCustomShellTreeView::RootChanged() {
  if (FUpdating) return;
  {
    TemporaryChange updating(FUpdating, true);
    InitRoot();
  }
  if (FListView) FListView->SetRoot(FRoot);
}

// ---- Nodes -----------------------------------------------------------------------------------------------

void TskCustomShellTreeView::SetShellIcons(TTreeNode* Node, PCItemIDList AbsoluteID) {
  Node->SetImageIndex(ShellImageIndex(AbsoluteID, false, false));
  Node->SetSelectedIndex(ShellImageIndex(AbsoluteID, false, true));
}

void TskCustomShellTreeView::AddFolderNode(TTreeNode* Node, PCItemIDList ID, TTreeNode* ParentNode) {
  TskShellFolder* parent = FolderOf(ParentNode);
  auto* folder = new TskShellFolder(parent, ID, BindItemFolder(parent->ShellFolder(), ID));
  Node->SetData(folder);
  Node->SetText(folder->DisplayName());
  if (ShowsShellImages()) {
    SetShellIcons(Node, folder->AbsoluteID());
    if (Node->SelectedIndex() == 0) Node->SetSelectedIndex(Node->ImageIndex());
  }
  bool hasChildren = folder->SubFolders();
  if (FObjectTypes.Contains(otNonFolders) && folder->ShellFolder())
    hasChildren = FolderHasItems(folder->ShellFolder(), ObjectTypesToEnumFlags(FObjectTypes));
  Node->SetHasChildren(hasChildren);
  bool canAdd = true;
  if (OnAddFolder) OnAddFolder(this, folder, canAdd);
  if (!canAdd) Node->Delete();
}

void TskCustomShellTreeView::PopulateNode(TTreeNode* Node) {
  TskShellFolder* folder = FolderOf(Node);
  if (!folder || !folder->ShellFolder()) return;
  TskHourGlass busy;
  Items()->BeginUpdate();
  std::vector<TItemIDListPtr> items;
  if (folder->ShellFolder()->EnumObjects(ObjectTypesToEnumFlags(FObjectTypes), items))
    for (const TItemIDListPtr& id : items) AddFolderNode(Items()->AddChild(Node, String()), id.get(), Node);
  IShellFolder* shell = folder->ShellFolder();
  Node->CustomSort([shell](TTreeNode* A, TTreeNode* B) {
    return int(short(shell->CompareIDs(0, FolderOf(A)->RelativeID(), FolderOf(B)->RelativeID()) & 0xFFFF));
  });
  Items()->EndUpdate();
}

TTreeNode* TskCustomShellTreeView::FindNodeByItemIDList(PCItemIDList ID, TTreeNode* Start) const {
  if (!Start) return nullptr;
  const int level = Start->Level();
  for (TTreeNode* node = Start; node && (node == Start || node->Level() > level); node = node->GetNext())
    if (SameItemIDList(FolderOf(node)->AbsoluteID(), ID)) return node;
  return nullptr;
}

void TskCustomShellTreeView::ClearNodes() {
  Items()->BeginUpdate();
  Items()->Clear();  // Delete frees each node's folder
  Items()->EndUpdate();
}

void TskCustomShellTreeView::Delete(TTreeNode* Node) {
  delete FolderOf(Node);
  Node->SetData(nullptr);
  TskSkinCustomTreeView::Delete(Node);
}

// ---- Selection and refresh -------------------------------------------------------------------------------

void TskCustomShellTreeView::SelectByItemIDList(PCItemIDList ID) {
  if (ComponentState().Contains(csLoading)) return;
  if (TskShellFolder* selected = SelectedFolder(); selected && SameItemIDList(selected->AbsoluteID(), ID)) return;
  TTreeNode* found = nullptr;
  {
    TemporaryChange updating(FUpdating, true);
    Items()->BeginUpdate();
    TTreeNode* node = Items()->GetFirstNode();
    for (const TItemIDListPtr& ancestor : ItemIDAncestors(ID))
      if (TTreeNode* step = FindNodeByItemIDList(ancestor.get(), node)) {
        step->Expand(false);
        node = step;
      }
    found = FindNodeByItemIDList(ID, node);
    SetSelected(found);
    Items()->EndUpdate();
  }
  if (!found) return;
  if (FListView) FListView->GoToItemIDList(FolderOf(found)->AbsoluteID());
  if (FComboBox) FComboBox->SelectByItemIDList(FolderOf(found)->AbsoluteID());
}

void TskCustomShellTreeView::ExpandMyComputer() {
  TItemIDListPtr computer = SHGetSpecialFolderLocation(CSIDL_DRIVES);
  SelectByItemIDList(computer.get());
  if (Selected()) Selected()->Expand(false);
}

bool TskCustomShellTreeView::CanChange(TTreeNode* Node) {
  const bool allowed = TskSkinCustomTreeView::CanChange(Node);
  if (allowed && !FUpdating && Node) SelectionChanged(Node);
  return allowed;
}

void TskCustomShellTreeView::SelectionChanged(TTreeNode* Node) {
  const bool autoRefresh = FAutoRefresh;
  SetAutoRefresh(false);
  TskShellFolder* folder = FolderOf(Node);
  if (!folder->IsFolder() && Node->Parent()) folder = FolderOf(Node->Parent());
  {
    TemporaryChange updating(FUpdating, true);
    if (FComboBox) FComboBox->SelectByItemIDList(folder->AbsoluteID());
    if (FListView) FListView->GoToItemIDList(folder->AbsoluteID());
  }
  TemporaryChange monitored(FNodeToMonitor, Node);
  SetAutoRefresh(autoRefresh);
}

bool TskCustomShellTreeView::CanExpand(TTreeNode* Node) {
  bool allowed = TskSkinCustomTreeView::CanExpand(Node);
  if (!allowed) return false;
  TskShellFolder* folder = FolderOf(Node);
  if (folder->IsFolder()) {
    if (Node->HasChildren() && Node->Count() == 0) PopulateNode(Node);
  } else {
    const String path = folder->PathName();
    IShellOpenService::Current().Open(path, ExtractFileDir(path));
  }
  Node->SetHasChildren(Node->Count() > 0);
  return allowed;
}

void TskCustomShellTreeView::Refresh(TTreeNode* Node) {
  TskShellFolder* folder = FolderOf(Node);
  if (!folder || !folder->ShellFolder()) return;
  TItemIDListPtr top = TopItem() ? CopyItemIDList(FolderOf(TopItem())->AbsoluteID()) : nullptr;
  TItemIDListPtr selected = Selected() ? CopyItemIDList(FolderOf(Selected())->AbsoluteID()) : nullptr;
  TskHourGlass busy;
  Items()->BeginUpdate();
  auto* copy = new TskShellFolder(FolderOf(Node->Parent()), folder->RelativeID(), folder->ShellFolderRef());
  TTreeNode* fresh = Items()->InsertObject(Node, folder->DisplayName(), copy);
  PopulateNode(fresh);
  if (ShowsShellImages()) SetShellIcons(fresh, FolderOf(fresh)->AbsoluteID());
  fresh->SetHasChildren(fresh->Count() > 0 || FolderOf(fresh)->SubFolders());
  const int level = Node->Level();
  for (TTreeNode* old = Node; old && (old == Node || old->Level() > level); old = old->GetNext())
    if (old->Expanded())
      if (TTreeNode* same = FindNodeByItemIDList(FolderOf(old)->AbsoluteID(), fresh)) same->Expand(false);
  Node->Delete();
  if (selected) SetSelected(FindNodeByItemIDList(selected.get(), Items()->GetFirstNode()));
  if (top)
    if (TTreeNode* node = FindNodeByItemIDList(top.get(), Items()->GetFirstNode())) SetTopItem(node);
  Items()->EndUpdate();
}

// ---- Commands, editing, menus ----------------------------------------------------------------------------

void TskCustomShellTreeView::ExecuteCommand(const String& Verb, bool& Handled) {
  if (SameText(Verb, "rename") && Selected()) {
    Selected()->EditText();
    Handled = true;
  }
}

void TskCustomShellTreeView::CommandCompleted(const String& Verb, bool Succeeded) {
  if (!Succeeded || !Selected()) return;
  if (SameText(Verb, "delete")) {
    if (!FileExists(SelectedFolder()->PathName())) Selected()->Delete();
  } else if (SameText(Verb, "paste")) {
    Refresh(Selected());
  }
}

void TskCustomShellTreeView::DoContextPopup(TPoint MousePos, bool& Handled) {
  auto* menu = dynamic_cast<TPopupMenu*>(PopupMenuComponent());
  if (FAutoContext && !(menu && menu->AutoPopup())) {
    InvokeShellContextMenu(this, SelectedFolder(), MousePos.X, MousePos.Y, SkinData());
    Handled = true;
    return;
  }
  TskSkinCustomTreeView::DoContextPopup(MousePos, Handled);
}

void TskCustomShellTreeView::Edit(TTreeNode* Node, const String* Text) {
  if (!Text) return;
  String name = *Text;
  if (OnEdited) OnEdited(this, Node, name);
  if (FolderOf(Node)->Rename(name)) Node->SetText(name);
  if (Node->Parent()) Refresh(Node->Parent());
}

// ---- Window and images -----------------------------------------------------------------------------------

HIMAGELIST TskCustomShellTreeView::OwnImageList() const {
  if (Images()) return Images()->Handle();
  return FUseShellImages ? ShellSystemImageList(false) : 0;
}

void TskCustomShellTreeView::SendOwnImageList() {
  if (!HandleAllocated()) return;
  TemporaryChange changing(FImageListChanging, true);
  SendMessage(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(OwnImageList()));
}

void TskCustomShellTreeView::GetImageIndex(TTreeNode* Node) {
  if (Images()) TskSkinCustomTreeView::GetImageIndex(Node);
}

void TskCustomShellTreeView::GetSelectedIndex(TTreeNode* Node) {
  if (Images()) TskSkinCustomTreeView::GetSelectedIndex(Node);
}

void TskCustomShellTreeView::WndProc(TMessage& Message) {
  if (IsMenuMessage(Message.Msg)) {
    if (IContextMenu2* menu = ActiveContextMenu2()) menu->HandleMenuMsg(Message.Msg, Message.WParam, Message.LParam);
    Message.Result = 0;
    return;  // never passed on
  }
  if (Message.Msg == TVM_SETIMAGELIST && Message.WParam == TVSIL_NORMAL && !FImageListChanging)
    Message.LParam = LPARAM(OwnImageList());
  TskSkinCustomTreeView::WndProc(Message);
}

void TskCustomShellTreeView::CreateWnd() {
  TskSkinCustomTreeView::CreateWnd();
  ClearNodes();
  if (!Images()) SendOwnImageList();
  if (FLoadingRoot) return;
  InitRoot();
  if (!FPath.empty()) SetPath(FPath);
}

void TskCustomShellTreeView::DestroyWnd() {
  ClearNodes();
  TskSkinCustomTreeView::DestroyWnd();
}

void TskCustomShellTreeView::Loaded() {
  TskSkinCustomTreeView::Loaded();
  InitRoot();
  SetAutoRefresh(FAutoRefresh);
}

void TskCustomShellTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomTreeView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FListView) FListView = nullptr;
  if (AComponent == FComboBox) FComboBox = nullptr;
}
