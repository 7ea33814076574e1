#pragma once
// The platform tree view dressed by the skin.
//
// Font, colours and the node buttons' images come from the record SkinDataName (kind "treeview"); lines
// are a quarter of the way from the background to the font colour ($808080 without skin). The native
// scroll bars never show (no non-client area): two external skinned bars assigned to VScrollBar and
// HScrollBar mirror the window's scroll information (UpDateScrollBars) and scroll the tree. The vertical
// bar hands the tree its full position through the scroll information before SB_THUMBPOSITION, so trees
// of more than 65,535 rows scroll to their end.
//
// With DrawSkin on, every node is painted by the control: fading connector lines, drawn or image buttons
// (ButtonImageList, else the skin's expand images, else plus and minus), the node's image, its text, and
// the selected node on the list-box record ItemSkinDataName; without that record the native control draws.
// Turning DrawSkin off gives the nodes back to the native drawing.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TCustomTreeView.h"
#include "skin/controls/TskSkinnedView.h"

class TskSkinData;
class TskSkinScrollBar;

/// The skinned tree view; see the file comment.
class TskSkinCustomTreeView : public TskSkinnedView<TCustomTreeView> {
public:
  explicit TskSkinCustomTreeView(TComponent* AOwner);
  ~TskSkinCustomTreeView() override;

  /// Re-reads the skin: font, colours, line and button colours, button images, bars.
  void ChangeSkinData() override;
  void UpDateScrollBars() override;

  bool DrawSkin() const { return FDrawSkin; }
  /// On: the node painter becomes OnAdvancedCustomDrawItem (replacing any other). Off: it is removed when
  /// still installed.
  virtual void SetDrawSkin(bool Value);
  TCustomImageList* ButtonImageList() const { return FButtonImageList; }
  void SetButtonImageList(TCustomImageList* Value);
  int ButtonNoExpandImageIndex() const { return FButtonNoExpandImageIndex; }
  void SetButtonNoExpandImageIndex(int Value) { FButtonNoExpandImageIndex = Value; }
  int ButtonExpandImageIndex() const { return FButtonExpandImageIndex; }
  void SetButtonExpandImageIndex(int Value) { FButtonExpandImageIndex = Value; }

  TColor LineColor() const { return FLineColor; }
  TColor ButtonColor() const { return FButtonColor; }
  /// Half the side of a node button for the current button images.
  int ButtonSize();
  TBitmap* ExpandImage() const { return FExpandImage.get(); }
  TBitmap* NoExpandImage() const { return FNoExpandImage.get(); }

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void Change(TTreeNode* Node) override;

private:
  struct TNodePainter;

  void ReadButtonImages(TskSkinData* Model, int PictureIndex, const TRect& Expand, const TRect& NoExpand);
  void OnVScrollBarChange(TObject* Sender) override;
  void OnHScrollBarChange(TObject* Sender) override;

  // ---- Nodes (TskSkinTreeViewNodes.cpp) ----
  void SkinDrawNode(TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw);
  void DrawLinesAndButton(const TRect& R, TTreeNode* Node);
  void DrawNodeImage(const TRect& R, int Index);

  std::unique_ptr<TBitmap> FExpandImage;
  std::unique_ptr<TBitmap> FNoExpandImage;
  int FThirdImages { 0 };
  int FThirdImageWidth { 0 };
  int FThirdImageHeight { 0 };
  int FThirdImagesCount { 0 };
  TCustomImageList* FButtonImageList { nullptr };
  int FButtonNoExpandImageIndex { 0 };
  int FButtonExpandImageIndex { 1 };
  TColor FLineColor { clBlack };
  TColor FButtonColor { clBlack };
  int FButtonSize { 5 };
  bool FDrawSkin { false };
};

/// The published skinned tree view.
class TskSkinTreeView : public TskSkinCustomTreeView {
public:
  using TskSkinCustomTreeView::TskSkinCustomTreeView;
};
