#pragma once
// The list window inside a skinned list box: a platform list box of fixed owner-drawn rows that keeps the
// strings, the selection and its scroll state, draws every row itself from its owner's skin fields, and
// hands its input to the owner's ListBox* operations.
//
// It has no non-client area, so its own scroll bars never show, but it keeps their range and position:
// the owner's skinned bars read them whenever the list erases its background or gains or loses an item
// (every scroll repaints with an erase). The wheel scrolls one row a message, by the list's own scroll
// message. Each row is drawn into a bitmap of its own and copied in one step; the background is the
// skin's client picture tiled, clWindow without skin or when that picture is empty.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TListBox.h"

class TskSkinCustomListBox;

/// The inner list of a skinned list box; see the file comment.
class TskListBox : public TListBox {
public:
  explicit TskListBox(TComponent* AOwner);

  /// The owning list box; null until the owner sets it right after creating the list.
  TskSkinCustomListBox* SkinListBox { nullptr };

  /// Horizontal scroll offset in pixels: item images and text are drawn shifted left by it.
  int HorizontalExtentValue() const { return FHorizontalExtentValue; }
  void SetHorizontalExtentValue(int Value);

  /// Covers W x H at (X, Y) of Canvas with the owner's skin client picture tiled from the top-left;
  /// clWindow when the picture part is empty. The tiled image is kept for the next call of the same size.
  void PaintClientTile(TCanvas* Canvas, int X, int Y, int W, int H);
  /// Forgets the kept tiled image (the skin's pictures changed).
  void ForgetTile() { FTile.reset(); }
  /// The whole background (a fresh skin lookup first): clWindow without skin, else PaintClientTile.
  void PaintBackgroundDC(HDC DC);
  /// Draws item Index with State into R of DC by the painter the owner's skin calls for.
  void DrawItemTo(HDC DC, int Index, const TRect& R, TOwnerDrawState State);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  /// The inherited window; then the owner's ListBoxCreateWnd.
  void CreateWnd() override;
  /// Public for the owner's caption check button.
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  /// The owner's ListBoxWProc first (it may drop the message); after the list's own handling, the
  /// owner's bars follow erases and item changes, and the wheel scrolls one row.
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;

private:
  /// The state of a row in a full repaint: the selected row, focused while the list has the focus.
  TOwnerDrawState GetItemDrawState(int Index);
  void DrawDefaultItem(TBitmap* B, int Index, TOwnerDrawState State);
  void DrawSkinItem(TBitmap* B, int Index, TOwnerDrawState State);
  void DrawStretchSkinItem(TBitmap* B, int Index, TOwnerDrawState State);
  /// The item's image and text into TextRect of Canvas (shared by the three painters).
  void DrawImageAndText(TCanvas* Canvas, int Index, const TRect& TextRect);
  /// The font of the skinned painters: the skin's with UseSkinFont, else the owner's DefaultFont.
  void SetSkinItemFont(TCanvas* Canvas);
  void Wheel(int Delta);

  int FHorizontalExtentValue { 0 };
  /// What the kept tiled image was made from: every scroll erases the whole list, so it is reused often.
  struct TTileKey {
    const TBitmap* Picture { nullptr };
    TRect Source;
    int W { 0 };
    int H { 0 };
    bool operator==(const TTileKey&) const = default;
  };
  TTileKey FTileKey;
  TBitmap FRowBitmap;
  std::unique_ptr<TBitmap> FTile;
};
