#pragma once
// An image list of named PNG pictures with alpha. The platform list underneath holds one blank
// placeholder per item, so every consumer of an image list (views, menus, buttons, tool bars) sees the
// right count and asks this list to draw: an item draws with alpha blending, half transparent when
// disabled; an index without an item draws nothing.
#include <memory>
#include <vector>

#include "platform/base/TCollectionItem.h"
#include "platform/base/TTypedCollection.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TCustomImageList.h"

/// The library's name for the platform's PNG picture.
using TskPngImage = TPngImage;

class TskPngImageList;

/// One named PNG picture of a TskPngImageList; its placeholder lives at its index in the platform list.
class TskPngImageItem : public TCollectionItem {
public:
  explicit TskPngImageItem(TCollection* Collection);
  ~TskPngImageItem() override;

  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  TskPngImage* PngImage() const { return FPngImage.get(); }
  /// Copies the picture and reports the change.
  void SetPngImage(TskPngImage* Value);
  /// From another item: its picture and name.
  void Assign(TPersistent* Source) override;

protected:
  /// Name, or the platform's when empty.
  String GetDisplayName() const override;

private:
  TskPngImageList* Owner() const;

  std::unique_ptr<TskPngImage> FPngImage;
  String FName;
};

/// The items of a TskPngImageList.
class TskPngImageItems : public TTypedCollection<TskPngImageItem> {
public:
  explicit TskPngImageItems(TskPngImageList* List) : FPngImageList(List) {}

  TskPngImageList* FPngImageList;

protected:
  TPersistent* GetOwner() const override;
};

/// The PNG image list; see the file comment.
class TskPngImageList : public TCustomImageList {
public:
  explicit TskPngImageList(TComponent* AOwner);
  ~TskPngImageList() override;

  TskPngImageItems* PngImages() const { return FPngImages.get(); }
  void SetPngImages(TskPngImageItems* Value) { FPngImages->Assign(Value); }
  int PngWidth() const { return Width(); }
  int PngHeight() const { return Height(); }
  /// A new size empties the platform list and removes every item; while the list is being loaded the items
  /// stay and get new placeholders of the new size.
  void SetPngWidth(int Value);
  void SetPngHeight(int Value);

protected:
  void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override;

private:
  friend class TskPngImageItem;
  void Resized();
  /// A blank monochrome image of the list's size at Index of the platform list.
  void InsertPlaceholder(int Index);

  std::unique_ptr<TskPngImageItems> FPngImages;
};

/// Appends one item per name of the program's PNG resources (EmbeddedResources.h), named by it and holding
/// that picture, which draws into the list's width and height. A name the program lacks raises
/// EResNotFound before any item is added, and a resource that is no PNG its format error likewise.
void AddResourcePngs(TskPngImageList* List, const std::vector<String>& Names);

/// Makes Png half transparent as a disabled image shows: alpha halved (rounded half to even) or, for grey
/// and palette pictures, 127; pixels of a bit-transparency colour get alpha 0.
void MakeHalfTransparent(TskPngImage* Png);
