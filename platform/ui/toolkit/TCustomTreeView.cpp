#include "platform/ui/toolkit/TCustomTreeView.h"

#include "platform/ui/toolkit/NativeTreeView.h"
#include "platform/ui/winsys/Ui.h"

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TTreeNodes>(this)),
      FCanvas(std::make_unique<TControlCanvas>()),
      FNative(std::make_unique<NativeTreeView>(*this)) {
  FCanvas->SetControl(this);
  SetBounds(FLeft, FTop, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
}

// The window goes first, while the nodes and the window side it calls are still whole; the nodes are
// freed without events.
TCustomTreeView::~TCustomTreeView() {
  DestroyHandle();
  FCanvas->SetControl(nullptr);
}

// ---- Properties ----------------------------------------------------------------------------------------

void TCustomTreeView::SetIndent(int Value) { Perform(TVM_SETINDENT, WPARAM(std::max(Value, 0)), 0); }

void TCustomTreeView::SetOption(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  FNative->LayoutChanged();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

// The window's own image list follows through the message, so a subclass sees (and may replace) it.
void TCustomTreeView::SetImageList(TCustomImageList*& Field, TCustomImageList* Value, WPARAM Kind) {
  if (Field == Value) return;
  if (Field) Field->RemoveFreeNotification(this);
  Field = Value;
  if (Value) Value->FreeNotification(this);
  Perform(TVM_SETIMAGELIST, Kind, LPARAM(Value ? Value->Handle() : 0));
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

void TCustomTreeView::SetSelected(TTreeNode* Node) { Select(Node); }

TTreeNode* TCustomTreeView::TopItem() { return FNative->TopNode(); }

void TCustomTreeView::SetTopItem(TTreeNode* Node) { FNative->SetTopNode(Node); }

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) { return FNative->NodeAt({ X, Y }); }

bool TCustomTreeView::IsEditing() const { return FNative->Editing(); }

// ---- Window --------------------------------------------------------------------------------------------

void TCustomTreeView::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TCustomTreeView::PaintWindow(HDC DC) {
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

void TCustomTreeView::DefaultHandler(TMessage& Message) {
  if (!FNative->Handle(Message)) TWinControl::DefaultHandler(Message);
}

// ---- Virtual handlers ----------------------------------------------------------------------------------

bool TCustomTreeView::CanChange(TTreeNode* Node) {
  bool Allow = true;
  if (OnChanging) OnChanging(this, Node, Allow);
  return Allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
  if (OnChange) OnChange(this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool Allow = true;
  if (OnExpanding) OnExpanding(this, Node, Allow);
  return Allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
  if (OnExpanded) OnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
  bool Allow = true;
  if (OnCollapsing) OnCollapsing(this, Node, Allow);
  return Allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node) {
  if (OnCollapsed) OnCollapsed(this, Node);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node) {
  if (FReadOnly) return false;
  bool Allow = true;
  if (OnEditing) OnEditing(this, Node, Allow);
  return Allow;
}

void TCustomTreeView::Edit(TTreeNode* Node, const String* Text) {
  if (!Text) return;
  String S = *Text;
  const HTREEITEM Id = Node->ItemId();
  if (OnEdited) OnEdited(this, Node, S);
  if (FItems->GetNodeFromId(Id) == Node) Node->SetText(S);
}

void TCustomTreeView::Delete(TTreeNode* Node) {
  if (OnDeletion) OnDeletion(this, Node);
}

void TCustomTreeView::GetImageIndex(TTreeNode* Node) {
  if (OnGetImageIndex) OnGetImageIndex(this, Node);
}

void TCustomTreeView::GetSelectedIndex(TTreeNode* Node) {
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, Node);
}

bool TCustomTreeView::CustomDrawItem(TTreeNode* Node, TCustomDrawState State, TCustomDrawStage Stage,
                                     bool& PaintImages) {
  bool DefaultDraw = true;
  if (OnAdvancedCustomDrawItem) OnAdvancedCustomDrawItem(this, Node, State, Stage, PaintImages, DefaultDraw);
  return DefaultDraw;
}

// ---- What the nodes tell the tree ----------------------------------------------------------------------

// Handlers may free the node they are asked about, so it is looked up again by its handle afterwards.
bool TCustomTreeView::Select(TTreeNode* Node) {
  if (Node == FSelected) return true;
  const HTREEITEM Id = Node ? Node->ItemId() : 0;
  if (!CanChange(Node)) return false;
  if (Node && FItems->GetNodeFromId(Id) != Node) return false;
  TTreeNode* Old = FSelected;
  FSelected = Node;
  FNative->SelectionChanged(Old, Node);
  Change(Node);
  return FSelected == Node;
}

bool TCustomTreeView::ExpandNode(TTreeNode* Node, bool Expand) {
  const HTREEITEM Id = Node->ItemId();
  if (Expand) {
    if (Node->FExpanded || !Node->FHasChildren || !CanExpand(Node) || FItems->GetNodeFromId(Id) != Node) return false;
    if (Node->FChildren.empty()) {
      Node->SetHasChildren(false);
      return false;
    }
    Node->FExpanded = true;
    FNative->ExpansionChanged(Node);
    this->Expand(Node);
    return true;
  }
  if (!Node->FExpanded || !CanCollapse(Node) || FItems->GetNodeFromId(Id) != Node) return false;
  Node->FExpanded = false;
  FNative->ExpansionChanged(Node);
  if (FSelected && FSelected->HasAsParent(Node)) Select(Node);
  if (FItems->GetNodeFromId(Id) == Node) Collapse(Node);
  return true;
}

void TCustomTreeView::NodeAdded(TTreeNode* Node) { FNative->NodeAdded(Node); }

void TCustomTreeView::NodeRemoving(TTreeNode* Node) {
  if (FSelected == Node || (FSelected && FSelected->HasAsParent(Node))) FSelected = nullptr;
  FNative->NodeRemoving(Node);
}

void TCustomTreeView::NodeRemoved() { FNative->StructureChanged(); }

void TCustomTreeView::NodeChanged(TTreeNode* Node) { FNative->RedrawNode(Node); }

void TCustomTreeView::UpdateStateChanged(bool Updating) { FNative->SetUpdating(Updating); }
