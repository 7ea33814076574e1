#pragma once
// The tree view window's own behaviour, owned by a TCustomTreeView and fed with what reaches its
// DefaultHandler: the rows of the nodes that show, painting (lines, buttons, images, text, selection),
// hit testing, keyboard and mouse, scrolling and the scroll information, the TVM_* messages and the
// in-place text editor.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/toolkit/LabelEditor.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/ViewTypes.h"

class TCustomTreeView;
class TTreeNode;

/// The window side of a tree view: owned by its TCustomTreeView, which feeds it the messages its DefaultHandler
/// receives and whose items and properties it reads; it never exists without that owner.
class NativeTreeView {
public:
  explicit NativeTreeView(TCustomTreeView& Tree);
  ~NativeTreeView();
  NativeTreeView(const NativeTreeView&) = delete;
  NativeTreeView& operator=(const NativeTreeView&) = delete;

  /// Handles a message of the tree view's window; false leaves it to the default window procedure.
  bool Handle(TMessage& Message);

  // ---- What the tree view tells the window ----
  void NodeAdded(TTreeNode* Node);
  /// Node and its children are about to go.
  void NodeRemoving(TTreeNode* Node);
  /// Nodes were removed or reordered.
  void StructureChanged();
  /// Node was expanded or collapsed (its flag already says which).
  void ExpansionChanged(TTreeNode* Node);
  void SelectionChanged(TTreeNode* Old, TTreeNode* New);
  void RedrawNode(TTreeNode* Node);
  /// An option, the font or an image list changed: everything is laid out and painted again.
  void LayoutChanged();
  void SetUpdating(bool Updating);

  TTreeNode* TopNode();
  void SetTopNode(TTreeNode* Node);
  /// The node whose row holds a client point; null when none.
  TTreeNode* NodeAt(TPoint P);
  bool Editing() const { return FEditor.Active(); }

private:
  enum class HitPart { Nowhere, Indent, Button, StateIcon, Icon, Label, Right };

  void Attach(HWND Wnd);
  void Detach();
  void UpdateMetrics();
  TRect Client() const;
  /// The rows that show, rebuilt when the tree changed; the widest row's right edge with them.
  const std::vector<TTreeNode*>& Rows();
  int RowOf(const TTreeNode* Node);
  /// Rows below Node while it is expanded.
  static int VisibleBelow(const TTreeNode* Node);
  /// Where the node's lines and button go (its level counted from the first level that has them).
  int LevelOffset(const TTreeNode* Node) const;
  int TextWidth(TTreeNode* Node);
  /// The rectangles of a node's row in client coordinates (scrolled).
  TRect LineRect(int Row) const;
  TRect ButtonRect(const TTreeNode* Node, int Row) const;
  TRect StateIconRect(const TTreeNode* Node, int Row) const;
  TRect IconRect(const TTreeNode* Node, int Row) const;
  TRect TextRect(TTreeNode* Node, int Row);
  HitPart HitTest(TPoint P, TTreeNode*& Node);
  /// Rows that fit whole in the client area.
  int VisibleCount();

  // ---- Scrolling ----
  void UpdateScrolling();
  void UpdateScrollInfo();
  void ScrollTo(int X, int Top);
  void OnScroll(int Bar, WPARAM WParam);
  void EnsureVisible(TTreeNode* Node);

  // ---- Painting ----
  void Paint(HDC DC);
  void PaintRow(HDC DC, int Row);
  void PaintLines(HDC DC, TTreeNode* Node, int Row);
  void PaintButton(HDC DC, const TRect& R, bool Expanded);

  // ---- Input ----
  void MouseDown(TPoint P, bool Right, bool Double);
  void KeyDown(WPARAM Key);
  void CharTyped(char32_t Char);
  bool BeginEdit(TTreeNode* Node);

  TCustomTreeView& FTree;
  HWND FWnd { 0 };
  bool FMetricsStale { true };
  /// A DC with the tree's font for measuring texts.
  HDC FMeasure { nullptr };
  int FItemHeight { 16 };
  int FTextHeight { 13 };
  HIMAGELIST FNormalImages { 0 };
  HIMAGELIST FStateImages { 0 };
  /// Rows that show (kept up to date as nodes come, go, expand and collapse).
  int FVisibleCount { 0 };
  std::vector<TTreeNode*> FRows;
  bool FRowsStale { true };
  /// The widest row's right edge, unscrolled.
  int FContentWidth { 0 };
  int FTop { 0 };
  int FScrollX { 0 };
  bool FUpdating { false };
  int FLayoutDepth { 0 };
  String FSearch;
  DWORD FSearchTime { 0 };
  LabelEditor FEditor;
  TTreeNode* FEditNode { nullptr };
};
