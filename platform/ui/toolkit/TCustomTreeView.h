#pragma once
// The tree view: nodes in rows, indented by level, with lines, expand buttons and images.
//
// Model and window. The nodes, the selection and the expansion live in this object, so nodes exist before
// the window and survive RecreateWnd. The window's own behaviour (layout, painting, hit testing, keyboard
// and mouse, scrolling, the TVM_* messages, editing in place) is the NativeTreeView this object owns; it
// handles what reaches DefaultHandler, so a WndProc override sees every message first.
//
// Scroll information is kept in the window's SB_VERT / SB_HORZ state whether or not the bars show:
// vertical in rows (range 0..rows that show-1, page = rows that fit whole, position = top row),
// horizontal in pixels (range 0..widest row-1, page = client width). WM_VSCROLL / WM_HSCROLL with
// SB_THUMBPOSITION take the full 32-bit position a caller set with SetScrollInfo just before (the
// message itself carries 16 bits).
//
// Notifications. Selecting a node, by the user or by code, asks CanChange (OnChanging) and then reports
// Change (OnChange). Expanding and collapsing ask CanExpand / CanCollapse (OnExpanding / OnCollapsing)
// and report Expand / Collapse (OnExpanded / OnCollapsed). CustomDrawItem (OnAdvancedCustomDrawItem) runs
// at item pre-paint with Canvas bound to the paint DC (brush: Color, font: Font); DefaultDraw false makes
// the window draw nothing of that node's row.
#include <memory>

#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TTreeNodes.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/toolkit/ViewTypes.h"

class NativeTreeView;

/// The tree view; see the file comment.
class TCustomTreeView : public TWinControl {
public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return FItems.get(); }
  /// The selected node; null when none.
  TTreeNode* Selected() const { return FSelected; }
  /// Selects Node (null: none), asking CanChange first.
  void SetSelected(TTreeNode* Node);
  /// The node in the top row; setting it scrolls.
  TTreeNode* TopItem();
  void SetTopItem(TTreeNode* Node);
  /// The node at a client point (its row); null when none.
  TTreeNode* GetNodeAt(int X, int Y);
  /// Some node's text is being edited in place.
  bool IsEditing() const;

  // ---- Options ----
  /// Pixels a level is indented by (TVM_SETINDENT).
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  /// Lines and buttons at the top level too.
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value) { SetOption(FShowRoot, Value); }
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value) { SetOption(FShowLines, Value); }
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value) { SetOption(FShowButtons, Value); }
  /// The selection shows only while the tree has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetOption(FHideSelection, Value); }
  /// A right click selects the node under the mouse.
  bool RightClickSelect() const { return FRightClickSelect; }
  void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
  /// Texts cannot be edited in place.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // ---- Images (the window's image lists follow with TVM_SETIMAGELIST) ----
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value) { SetImageList(FImages, Value, TVSIL_NORMAL); }
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value) { SetImageList(FStateImages, Value, TVSIL_STATE); }

  TCanvas* Canvas() const { return FCanvas.get(); }

  // ---- Events ----
  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;
  /// Before a node is drawn: the handler may set its ImageIndex / SelectedIndex.
  TTVExpandedEvent OnGetImageIndex;
  TTVExpandedEvent OnGetSelectedIndex;
  /// A node is about to be freed.
  TTVExpandedEvent OnDeletion;

protected:
  /// Whether the selection may move to Node: OnChanging.
  virtual bool CanChange(TTreeNode* Node);
  /// The selection moved to Node: OnChange.
  virtual void Change(TTreeNode* Node);
  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node);
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node);
  /// Whether Node's text may be edited: not ReadOnly, then OnEditing.
  virtual bool CanEdit(TTreeNode* Node);
  /// An edit of Node ended: Text is the edited text, null when the edit was cancelled. Runs OnEdited and
  /// takes the text it leaves as the node's text.
  virtual void Edit(TTreeNode* Node, const String* Text);
  /// Node is about to be freed: OnDeletion.
  virtual void Delete(TTreeNode* Node);
  /// Before Node is drawn: OnGetImageIndex, OnGetSelectedIndex.
  virtual void GetImageIndex(TTreeNode* Node);
  virtual void GetSelectedIndex(TTreeNode* Node);
  /// At item pre-paint: OnAdvancedCustomDrawItem; answers DefaultDraw.
  virtual bool CustomDrawItem(TTreeNode* Node, TCustomDrawState State, TCustomDrawStage Stage, bool& PaintImages);

  void CreateParams(TCreateParams& Params) override;
  void DefaultHandler(TMessage& Message) override;
  /// The window's own painting, also when windowless children make the control paint them after it.
  void PaintWindow(HDC DC) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TTreeNode;
  friend class TTreeNodes;
  friend class NativeTreeView;

  void SetOption(bool& Field, bool Value);
  void SetImageList(TCustomImageList*& Field, TCustomImageList* Value, WPARAM Kind);

  // ---- What the nodes tell the tree ----
  /// Selects Node (null: none) unless CanChange refuses; true when the selection is Node afterwards.
  bool Select(TTreeNode* Node);
  /// Expands or collapses a node, asking first; true when it changed.
  bool ExpandNode(TTreeNode* Node, bool Expand);
  void NodeAdded(TTreeNode* Node);
  /// Node and its children are about to be freed.
  void NodeRemoving(TTreeNode* Node);
  void NodeRemoved();
  void NodeChanged(TTreeNode* Node);
  void UpdateStateChanged(bool Updating);

  std::unique_ptr<TTreeNodes> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<NativeTreeView> FNative;
  TTreeNode* FSelected { nullptr };
  int FIndent { 19 };
  bool FShowRoot { true };
  bool FShowLines { true };
  bool FShowButtons { true };
  bool FHideSelection { true };
  bool FRightClickSelect { false };
  bool FReadOnly { false };
  TBorderStyle FBorderStyle { bsSingle };
  TCustomImageList* FImages { nullptr };
  TCustomImageList* FStateImages { nullptr };
};
