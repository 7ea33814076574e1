#pragma once
// The abstract picture: a size, a way to draw itself onto a canvas, and storage in streams and files.
#include "platform/base/TPersistent.h"
#include "platform/base/TStream.h"
#include "platform/base/Types.h"

class TCanvas;

/// A picture of some format (bitmap, PNG, JPEG, GIF). Each change fires OnChange and sets Modified.
/// Loading that fails raises (EInvalidGraphic for damaged data) and leaves the picture as it was.
class TGraphic : public TPersistent {
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  /// Whether drawing leaves some pixels of the picture out (what counts as transparent is the format's).
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  /// Draws the picture stretched onto Rect of ACanvas's DC (TCanvas::Draw and StretchDraw call it).
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

  bool Modified() const { return FModified; }
  void SetModified(bool Value);

  TNotifyEvent OnChange;

protected:
  /// Marks the picture modified and fires OnChange.
  virtual void Changed(TObject* Sender);

private:
  bool FTransparent { false };
  bool FModified { false };
};
