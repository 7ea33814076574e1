#include "platform/ui/toolkit/TTreeNode.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/toolkit/TCustomTreeView.h"
#include "platform/ui/toolkit/TTreeNodes.h"

TTreeNode::TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent) : FOwner(AOwner), FParent(AParent) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
  return FParent ? FParent->FChildren : FOwner->FRoots;
}

void TTreeNode::Changed() { TreeView()->NodeChanged(this); }

void TTreeNode::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  FTextWidth = -1;
  Changed();
}

void TTreeNode::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TTreeNode::SetSelectedIndex(int Value) {
  if (FSelectedIndex == Value) return;
  FSelectedIndex = Value;
  Changed();
}

void TTreeNode::SetStateIndex(int Value) {
  if (FStateIndex == Value) return;
  FStateIndex = Value;
  Changed();
}

int TTreeNode::Level() const {
  int Result = 0;
  for (const TTreeNode* P = FParent; P; P = P->FParent) ++Result;
  return Result;
}

int TTreeNode::AbsoluteIndex() const {
  int Result = 0;
  for (const TTreeNode* N = GetPrev(); N; N = N->GetPrev()) ++Result;
  return Result;
}

TTreeNode* TTreeNode::Item(int Index) const {
  return Index >= 0 && Index < Count() ? FChildren[size_t(Index)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& List = Siblings();
  return size_t(FIndex) + 1 < List.size() ? List[size_t(FIndex) + 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const { return FIndex > 0 ? Siblings()[size_t(FIndex) - 1].get() : nullptr; }

TTreeNode* TTreeNode::GetNext() const {
  if (!FChildren.empty()) return FChildren.front().get();
  for (const TTreeNode* N = this; N; N = N->FParent)
    if (TTreeNode* Next = N->GetNextSibling()) return Next;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* Prev = GetPrevSibling();
  if (!Prev) return FParent;
  while (!Prev->FChildren.empty()) Prev = Prev->FChildren.back().get();
  return Prev;
}

TTreeNode* TTreeNode::GetNextVisible() const {
  if (FExpanded && !FChildren.empty()) return FChildren.front().get();
  for (const TTreeNode* N = this; N; N = N->FParent)
    if (TTreeNode* Next = N->GetNextSibling()) return Next;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
  TTreeNode* Prev = GetPrevSibling();
  if (!Prev) return FParent;
  while (Prev->FExpanded && !Prev->FChildren.empty()) Prev = Prev->FChildren.back().get();
  return Prev;
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* P = FParent; P; P = P->FParent)
    if (!P->FExpanded) return false;
  return true;
}

bool TTreeNode::HasAsParent(const TTreeNode* Node) const {
  for (const TTreeNode* P = FParent; P; P = P->FParent)
    if (P == Node) return true;
  return false;
}

void TTreeNode::SetHasChildren(bool Value) {
  if (FHasChildren == Value) return;
  FHasChildren = Value;
  Changed();
}

void TTreeNode::SetExpanded(bool Value) {
  if (Value)
    Expand(false);
  else
    Collapse(false);
}

void TTreeNode::Expand(bool Recurse) {
  TreeView()->ExpandNode(this, true);
  if (!Recurse) return;
  for (size_t I = 0; I < FChildren.size(); ++I) FChildren[I]->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  if (Recurse)
    for (size_t I = 0; I < FChildren.size(); ++I) FChildren[I]->Collapse(true);
  TreeView()->ExpandNode(this, false);
}

void TTreeNode::CustomSort(const TTVCompare& Compare) {
  std::stable_sort(FChildren.begin(), FChildren.end(),
                   [&](const auto& A, const auto& B) { return Compare(A.get(), B.get()) < 0; });
  TTreeNodes::Renumber(FChildren, 0);
  TreeView()->NodeRemoved();
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool Value) {
  if (Value)
    TreeView()->Select(this);
  else if (Selected())
    TreeView()->Select(nullptr);
}

TRect TTreeNode::DisplayRect(bool TextOnly) {
  TRect R;
  static_assert(sizeof(HTREEITEM) <= sizeof(TRect));
  std::memcpy(static_cast<void*>(&R), &FItemId, sizeof(HTREEITEM));
  if (!TreeView()->Perform(TVM_GETITEMRECT, TextOnly ? 1 : 0, LPARAM(&R))) return TRect {};
  return R;
}

void TTreeNode::MakeVisible() { TreeView()->Perform(TVM_ENSUREVISIBLE, 0, LPARAM(FItemId)); }

bool TTreeNode::EditText() { return TreeView()->Perform(TVM_EDITLABEL, 0, LPARAM(FItemId)) != 0; }

void TTreeNode::EndEdit(bool Cancel) { TreeView()->Perform(TVM_ENDEDITLABELNOW, Cancel ? 1 : 0, 0); }

void TTreeNode::Delete() { FOwner->Delete(this); }

void TTreeNode::DeleteChildren() {
  while (!FChildren.empty()) FOwner->Delete(FChildren.back().get());
}
