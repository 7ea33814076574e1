#pragma once
// One node of a tree view.
#include <memory>
#include <vector>

#include "platform/base/TPersistent.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/toolkit/ViewTypes.h"

class TCustomTreeView;
class TTreeNodes;

/// A node: text, images, data and its children, expanded or collapsed. A node owns its children;
/// TTreeNodes owns the top-level nodes. Expanding and collapsing from code asks CanExpand / CanCollapse
/// (OnExpanding / OnCollapsing) like the user's clicks do.
class TTreeNode : public TPersistent {
public:
  TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent);
  ~TTreeNode() override;

  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;
  /// The name of the node in messages (TVM_GETITEMRECT, TVM_ENSUREVISIBLE).
  HTREEITEM ItemId() const { return FItemId; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  /// The image while the node is selected.
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  /// The image of the tree's state list (-1: none).
  int StateIndex() const { return FStateIndex; }
  void SetStateIndex(int Value);

  // ---- Place in the tree ----
  TTreeNode* Parent() const { return FParent; }
  /// Depth: 0 for a top-level node.
  int Level() const;
  /// Position among its siblings.
  int Index() const { return FIndex; }
  /// Position in the whole tree in display order (every node counted, expanded or not).
  int AbsoluteIndex() const;
  int Count() const { return int(FChildren.size()); }
  /// Child Index; null for an index outside the children.
  TTreeNode* Item(int Index) const;
  TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
  TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  /// The next node in display order, expanded or not; null after the last.
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  /// The next node that shows (every ancestor expanded); null after the last.
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;
  /// Every ancestor is expanded.
  bool IsVisible() const;
  bool HasAsParent(const TTreeNode* Node) const;

  // ---- Children and expansion ----
  /// Whether the node shows an expand button: set when a child is added, cleared when the last one goes,
  /// and settable for children that are yet to be added (OnExpanding adds them).
  bool HasChildren() const { return FHasChildren; }
  void SetHasChildren(bool Value);
  bool Expanded() const { return FExpanded; }
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  /// Orders the children by Compare (a stable sort).
  void CustomSort(const TTVCompare& Compare);

  // ---- Selection, view, editing ----
  bool Selected() const;
  void SetSelected(bool Value);
  /// The line (whole width) or the text's rectangle in the tree's client coordinates (TVM_GETITEMRECT);
  /// empty when the node does not show.
  TRect DisplayRect(bool TextOnly);
  /// Expands the ancestors and scrolls the node into view.
  void MakeVisible();
  /// Starts editing the text in place; false when refused.
  bool EditText();
  /// Ends an edit of the tree (Cancel: without taking the text).
  void EndEdit(bool Cancel);

  /// Removes the node with its children and frees it.
  void Delete();
  void DeleteChildren();

private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  friend class NativeTreeView;

  /// The list the node lives in: its parent's children or the top-level nodes.
  std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
  /// The node's text, image or state changed: the tree repaints it.
  void Changed();

  TTreeNodes* FOwner;
  TTreeNode* FParent;
  int FIndex { 0 };
  HTREEITEM FItemId { 0 };
  String FText;
  void* FData { nullptr };
  int FImageIndex { 0 };
  int FSelectedIndex { 0 };
  int FStateIndex { -1 };
  bool FHasChildren { false };
  bool FExpanded { false };
  /// Width of the text in the tree's font; -1 until measured.
  int FTextWidth { -1 };
  /// The node's row among the rows that show, as the tree last laid them out.
  int FRow { -1 };
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
};
