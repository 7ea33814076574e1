#pragma once
// The popup window of an images menu: the grid's cells, header rows and button rows on the skin's popup
// picture (or a plain framed window), a frame around the selected and the hot cell, keys that move the
// highlight by rows and columns. While it shows it holds the mouse capture, so a click anywhere reaches it
// (outside, it closes without a pick), and the application's exclusive message hook: keys go to the grid,
// the wheel does nothing, and moves, activation changes and other clicks close it.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TCustomControl.h"

class TskDataSkinButtonControl;
class TskSkinImagesMenu;

/// The window of an open images menu; see the file comment.
class TskSkinImagesMenuPopupWindow : public TCustomControl {
public:
  explicit TskSkinImagesMenuPopupWindow(TskSkinImagesMenu* AImagesMenu);
  ~TskSkinImagesMenuPopupWindow() override;

  /// Lays the items out, sizes and places the window below PopupRect (above when it does not fit) and
  /// shows it with the capture and the hook.
  void Show(const TRect& PopupRect);
  /// Hides the window, gives the hook and the capture back and tells the menu (AProcessEvents: a pick).
  void Hide(bool AProcessEvents);
  /// A key of the grid: Enter or Space picks, Esc closes, the arrows move the highlight.
  void ProcessKey(Word Key);
  bool IsRootWindow() const override { return true; }

  /// The item under the mouse or chosen by the keys; -1 none.
  int MouseInItem { -1 };

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void AppMessageHook(TMsg& Msg, bool& Handled);
  void CalcItemsRect();
  void PrepareWindow();
  /// The non-header item at P; -1 none.
  int ItemAt(TPoint P) const;
  void UpdateMouseInItem(int X, int Y);
  bool IsHeader(int Index) const;
  int Count() const;
  void FindRightItem();
  void FindLeftItem();
  void FindDownItem();
  void FindUpItem();
  /// The first item that can be picked (the second when the first is a header).
  int FirstPickable() const;
  void DrawItemFrame(TCanvas* C, const TRect& R, bool AActive);
  void DrawItemText(TCanvas* C, const TRect& R, const String& Text, int State);
  void DrawHeaderRow(TCanvas* C, const TRect& R, const String& Caption);
  /// The "menuitembutton" (else "resizebutton") record; null without skin support.
  TskDataSkinButtonControl* ButtonRecord() const;
  bool SkinSupport() const;

  TskSkinImagesMenu* ImagesMenu;
  TPoint NewLTPoint;
  TPoint NewRTPoint;
  TPoint NewLBPoint;
  TPoint NewRBPoint;
  TRect NewItemsRect;
  TBitmap* WindowPicture { nullptr };
  TBitmap* MaskPicture { nullptr };
  int OldMouseInItem { -1 };
  bool FDown { false };
  bool FItemDown { false };
  bool FHooked { false };
  /// The row width of the grid.
  int RowWidth { 0 };
};
