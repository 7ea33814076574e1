#pragma once
// The nodes of a tree view.
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/base/TPersistent.h"
#include "platform/ui/toolkit/TTreeNode.h"

class TCustomTreeView;

/// The nodes of a tree view. They live in the tree view object, so they exist before its window and
/// survive RecreateWnd. Count and Item count every node in display order, expanded or not.
class TTreeNodes : public TPersistent {
public:
  explicit TTreeNodes(TCustomTreeView* AOwner);
  ~TTreeNodes() override;

  TCustomTreeView* Owner() const { return FOwner; }
  int Count() const { return FCount; }
  /// The node at an absolute index; null outside the tree.
  TTreeNode* Item(int Index) const;
  TTreeNode* operator[](int Index) const { return Item(Index); }
  TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }
  /// The node a message names; null for a handle that names no node of this tree.
  TTreeNode* GetNodeFromId(HTREEITEM Id) const;

  /// A new last sibling of Sibling (null: a new last top-level node).
  TTreeNode* Add(TTreeNode* Sibling, const String& S) { return AddObject(Sibling, S, nullptr); }
  TTreeNode* AddObject(TTreeNode* Sibling, const String& S, void* Data);
  /// A new first sibling of Sibling (null: a new first top-level node).
  TTreeNode* AddFirst(TTreeNode* Sibling, const String& S);
  /// A new last child of Parent (null: a new last top-level node).
  TTreeNode* AddChild(TTreeNode* Parent, const String& S) { return AddChildObject(Parent, S, nullptr); }
  TTreeNode* AddChildObject(TTreeNode* Parent, const String& S, void* Data);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const String& S);
  /// A new node right before Sibling (null: a new last top-level node).
  TTreeNode* Insert(TTreeNode* Sibling, const String& S) { return InsertObject(Sibling, S, nullptr); }
  TTreeNode* InsertObject(TTreeNode* Sibling, const String& S, void* Data);
  void Delete(TTreeNode* Node);
  void Clear();

  /// Nested: layout and repaint wait until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  friend class NativeTreeView;

  /// Puts a new node into Parent's children (null: the top level) at Position.
  TTreeNode* InsertNode(TTreeNode* Parent, size_t Position, const String& S, void* Data);
  /// Tells the tree that Node and its children go (children first) and lets their handles go.
  void Forget(TTreeNode* Node);
  static void Renumber(std::vector<std::unique_ptr<TTreeNode>>& List, size_t From);

  TCustomTreeView* FOwner;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
  std::unordered_map<HTREEITEM, TTreeNode*> FIds;
  HTREEITEM FNextId { 1 };
  int FCount { 0 };
  int FUpdateCount { 0 };
};
