#include "platform/ui/toolkit/TTreeNodes.h"

#include "platform/ui/toolkit/TCustomTreeView.h"

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::Item(int Index) const {
  if (Index < 0 || Index >= FCount) return nullptr;
  TTreeNode* Node = GetFirstNode();
  for (int I = 0; I < Index && Node; ++I) Node = Node->GetNext();
  return Node;
}

TTreeNode* TTreeNodes::GetNodeFromId(HTREEITEM Id) const {
  const auto It = FIds.find(Id);
  return It == FIds.end() ? nullptr : It->second;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const String& S, void* Data) {
  TTreeNode* Parent = Sibling ? Sibling->FParent : nullptr;
  return InsertNode(Parent, Parent ? Parent->FChildren.size() : FRoots.size(), S, Data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const String& S) {
  return InsertNode(Sibling ? Sibling->FParent : nullptr, 0, S, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const String& S, void* Data) {
  return InsertNode(Parent, Parent ? Parent->FChildren.size() : FRoots.size(), S, Data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const String& S) { return InsertNode(Parent, 0, S, nullptr); }

TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const String& S, void* Data) {
  if (!Sibling) return AddChildObject(nullptr, S, Data);
  return InsertNode(Sibling->FParent, size_t(Sibling->FIndex), S, Data);
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, size_t Position, const String& S, void* Data) {
  auto& List = Parent ? Parent->FChildren : FRoots;
  auto Node = std::make_unique<TTreeNode>(this, Parent);
  TTreeNode* Result = Node.get();
  Result->FText = S;
  Result->FData = Data;
  Result->FItemId = FNextId++;
  List.insert(List.begin() + std::ptrdiff_t(Position), std::move(Node));
  Renumber(List, Position);
  FIds[Result->FItemId] = Result;
  ++FCount;
  if (Parent) Parent->FHasChildren = true;
  FOwner->NodeAdded(Result);
  return Result;
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (!Node || Node->FOwner != this || GetNodeFromId(Node->FItemId) != Node) return;
  FOwner->NodeRemoving(Node);
  Forget(Node);
  auto& List = Node->Siblings();
  TTreeNode* Parent = Node->FParent;
  const size_t Position = size_t(Node->FIndex);
  std::unique_ptr<TTreeNode> Gone = std::move(List[Position]);
  List.erase(List.begin() + std::ptrdiff_t(Position));
  Renumber(List, Position);
  if (Parent && Parent->FChildren.empty()) {
    Parent->FHasChildren = false;
    Parent->FExpanded = false;
  }
  Gone.reset();
  FOwner->NodeRemoved();
}

void TTreeNodes::Clear() {
  while (!FRoots.empty()) Delete(FRoots.back().get());
}

// The tree hears of every node of a subtree before it goes, children first, and the handles stop naming
// them.
void TTreeNodes::Forget(TTreeNode* Node) {
  for (auto& Child : Node->FChildren) Forget(Child.get());
  FOwner->Delete(Node);
  FIds.erase(Node->FItemId);
  --FCount;
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0) FOwner->UpdateStateChanged(true);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) FOwner->UpdateStateChanged(false);
}

void TTreeNodes::Renumber(std::vector<std::unique_ptr<TTreeNode>>& List, size_t From) {
  for (size_t I = From; I < List.size(); ++I) List[I]->FIndex = int(I);
}
