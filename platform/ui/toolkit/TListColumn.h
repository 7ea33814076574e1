#pragma once
// One column of a list view's report view.
#include "platform/base/TAlignment.h"
#include "platform/base/TCollectionItem.h"

class TListColumns;

/// A column: the header's caption, image and text alignment, and its width. MinWidth and MaxWidth (0: no
/// limit) bound the width set by code and by dragging the header's divider.
class TListColumn : public TCollectionItem {
public:
  explicit TListColumn(TCollection* Collection);

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  /// The width Value becomes within MinWidth and MaxWidth.
  int ConstrainedWidth(int Value) const;

  void Assign(TPersistent* Source) override;

protected:
  String GetDisplayName() const override;

private:
  String FCaption;
  int FWidth { 50 };
  TAlignment FAlignment { taLeftJustify };
  int FImageIndex { -1 };
  int FMinWidth { 0 };
  int FMaxWidth { 0 };
};
