#pragma once
// The toolkit's painter over a device context: pen, brush and font selected on demand, shapes, text and
// pictures in logical coordinates of whatever DC it is given.
#include <atomic>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/base/TPersistent.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"

class TBitmap;
class TGraphic;

/// Raster operation of CopyRect.
using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

/// A canvas. Binding it to a DC (SetHandle) keeps the DC's origins and clip; the canvas selects its
/// font, pen and brush into the DC when a call needs them (re-selecting after they change) and gives the
/// DC's own objects back when it lets go. A canvas without a DC asks CreateHandle for one; a descendant
/// that makes its own DC owns it. Drawing calls fire OnChanging before and OnChange after. Lock serialises
/// threads drawing on one canvas (a recursive mutex).
class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  /// The DC with font, pen and brush selected; raises EInvalidOperation "Canvas does not allow drawing"
  /// when there is none to be had.
  HDC Handle();
  /// Binds the canvas to DC (null unbinds), giving the previous DC its own objects back.
  void SetHandle(HDC DC);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

  TPoint PenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  /// The colour at (X, Y); CLR_INVALID outside the clip.
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Color);
  /// The bounding box of the area that can be drawn, in logical coordinates.
  TRect ClipRect();

  void MoveTo(int X, int Y);
  /// A line from the pen position to (X, Y), which is left out and becomes the pen position.
  void LineTo(int X, int Y);
  void Polyline(const TPoint* Points, int Count);
  void Polygon(const TPoint* Points, int Count);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  /// Fills R with the brush (right and bottom edges excluded).
  void FillRect(const TRect& R);
  /// A one-pixel frame in the brush's colour on R's outermost pixels.
  void FrameRect(const TRect& R);
  void DrawFocusRect(const TRect& R);

  /// Text at (X, Y) over the brush's colour (nothing behind it with a clear brush); the pen position
  /// moves to the text's end.
  void TextOut(int X, int Y, std::string_view Text);
  /// Text at (X, Y) clipped to R; R is first filled with the brush unless it is clear.
  void TextRect(const TRect& R, int X, int Y, std::string_view Text);
  TSize TextExtent(std::string_view Text);
  int TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
  int TextHeight(std::string_view Text) { return TextExtent(Text).cy; }

  /// The picture at its own size with its top-left at (X, Y), transparency honoured.
  void Draw(int X, int Y, TGraphic* Graphic);
  /// The picture stretched to R.
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  /// Copies Source of another canvas onto Dest with CopyMode, stretching when the sizes differ.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  /// Copies Source of Bitmap onto Dest (stretching when the sizes differ), its pixels of Color taking
  /// the brush: its colour with a solid brush, the destination as it was with a clear one.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

  void Lock();
  void Unlock();
  /// Lock without waiting; false when another thread holds it.
  bool TryLock();
  int LockCount() const { return FLockCount; }

  /// Lets go of the selected objects; the next call selects them again.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  /// Called when a DC is needed and there is none; descendants that can make one set it with SetHandle.
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();

private:
  void RequireHandle();
  void RequireFont();
  void RequirePen();
  void RequireBrush();
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void DeselectHandles();
  void Select(HGDIOBJ Object, HGDIOBJ& Original);

  HDC FHandle { nullptr };
  bool FFontSelected { false };
  bool FPenSelected { false };
  bool FBrushSelected { false };
  HGDIOBJ FOriginalFont { nullptr };
  HGDIOBJ FOriginalPen { nullptr };
  HGDIOBJ FOriginalBrush { nullptr };
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  TCopyMode FCopyMode { cmSrcCopy };
  std::recursive_mutex FLock;
  std::atomic<int> FLockCount { 0 };
};
