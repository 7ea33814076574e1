#pragma once
// A holder for one picture of any supported format, chosen by file extension when loading.
#include <memory>

#include "platform/base/TPersistent.h"
#include "platform/gdi/TGraphic.h"

class TBitmap;
class TIcon;

/// Holds one graphic (or none). Files load by extension: ".bmp" as TBitmap, ".png" as TPngImage, ".jpg" and
/// ".jpeg" as TJPEGImage, ".gif" as TGIFImage, ".ico" as TIcon; any other extension raises EInvalidGraphic "Unknown picture
/// file extension (.xxx)". A load that fails leaves the picture as it was. Changes of the graphic fire OnChange.
class TPicture : public TPersistent {
public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return FGraphic.get(); }
  /// Holds a copy of Value, of Value's own format; null empties the picture.
  void SetGraphic(TGraphic* Value);
  /// The graphic as a bitmap; a picture holding no bitmap gets a new empty one in place of its graphic.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  /// The graphic as an icon; a picture holding no icon gets a new empty one in place of its graphic.
  TIcon* Icon();
  void SetIcon(TIcon* Value);
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  void LoadFromFile(const String& FileName);
  /// Stores the graphic in its own format; an empty picture stores nothing.
  void SaveToFile(const String& FileName);

  /// From a TPicture or a TGraphic a copy of the graphic; null empties the picture.
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

protected:
  /// Into a graphic: that graphic assigns this picture's graphic.
  void AssignTo(TPersistent* Dest) override;
  virtual void Changed(TObject* Sender);

private:
  void TakeGraphic(std::unique_ptr<TGraphic> Graphic);

  std::unique_ptr<TGraphic> FGraphic;
};

/// A file-dialog filter of the picture types LoadFromFile reads: all of them first, then each type.
String GraphicFilter();
