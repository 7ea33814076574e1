#pragma once
// A list of equally sized pictures drawn by index: toolbar glyphs, item images, hint images. Each image
// is kept as 32-bit premultiplied pixels with its transparency (from a mask, a mask colour or the
// picture's own alpha); Draw paints it enabled or greyed through the virtual DoDraw, which lists that
// draw differently (pictures with partial alpha) replace. The handle names the list to the handle-level
// calls (ImageListCalls.h), which draw through DoDraw too.
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/gdi/Colors.h"
#include "platform/ui/winsys/UiTypes.h"

class TBitmap;
class TCanvas;
class TIcon;

/// The handle of an image list: a number that names one live list (0: none).
using HIMAGELIST = uintptr_t;

// Drawing styles of DoDraw and the handle-level calls.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;

/// An image list; see the file comment.
class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* AOwner);
  /// A list of AWidth x AHeight images.
  TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TCustomImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  /// A new size (at least 1) removes every image.
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  void SetSize(int AWidth, int AHeight);
  int Count() const { return int(FImages.size()); }
  /// Filled behind each image when drawn (clNone: the images are drawn transparently).
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  HIMAGELIST Handle() const { return FHandle; }
  /// The list whose handle it is; null for a handle that names no live list.
  static TCustomImageList* FromHandle(HIMAGELIST List);

  /// Appends the images Image holds (Image's width divided by Width, at least one, each cut or padded to
  /// the list's size); Mask (monochrome: black opaque, white transparent) may be null, then a 32-bit
  /// picture's own alpha applies when it has any, else the image is opaque. Answers the index of the
  /// first one added.
  int Add(TBitmap* Image, TBitmap* Mask);
  /// As Add with the pixels of MaskColor transparent (clDefault: the picture's bottom-left colour).
  int AddMasked(TBitmap* Image, TColor MaskColor);
  /// As Add / AddMasked at Index (0..Count).
  void Insert(int Index, TBitmap* Image, TBitmap* Mask);
  void InsertMasked(int Index, TBitmap* Image, TColor MaskColor);
  /// Replaces the image at Index by the first image of Image.
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor);
  void Delete(int Index);
  void Clear();
  /// Copies the image at Index into Image (pf32bit, premultiplied); false for a bad index.
  bool GetBitmap(int Index, TBitmap* Image) const;
  /// Makes Icon a new icon of the image at Index as DoDraw draws it (enabled, transparent) onto nothing,
  /// so lists that draw their pictures themselves give those; false for a bad index or no icon.
  bool GetIcon(int Index, TIcon* Icon);

  /// Draws the image at Index with its top-left at (X, Y), greyed when not Enabled; nothing for a bad
  /// index.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) {
    Draw(Canvas, X, Y, Index, ILD_NORMAL, Enabled);
  }
  /// The same with an ILD_* style.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, UINT Style, bool Enabled);

  /// Any change of the images, the size or the background colour.
  TNotifyEvent OnChange;

protected:
  /// Paints image Index (valid) at (X, Y): the background colour first unless ILD_TRANSPARENT or
  /// BkColor is clNone, then the image blended by its alpha; a disabled image as a grey relief.
  virtual void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled);
  virtual void Change();
  /// The image at Index (valid), for DoDraw overrides.
  TBitmap* Image(int Index) const { return FImages[size_t(Index)].get(); }

private:
  using ImageVector = std::vector<std::unique_ptr<TBitmap>>;
  /// The list's images cut from Image, transparent where Mask is white, where the colour is MaskColor
  /// (UseMaskColor) or by the picture's own alpha.
  ImageVector Cut(TBitmap* Image, TBitmap* Mask, bool UseMaskColor, TColor MaskColor) const;
  void InsertImages(int Index, ImageVector Images);
  void CheckIndex(int Index, int Limit) const;

  int FWidth { 16 };
  int FHeight { 16 };
  TColor FBkColor { clNone };
  ImageVector FImages;
  HIMAGELIST FHandle { 0 };
};
