#pragma once
// The device context: where drawing goes (a surface), how logical coordinates map onto it, what limits
// it (the clip), and the drawing state (selected objects, colours, modes).
//
// Coordinates. Drawing calls take logical coordinates. device = logical - window origin + viewport
// origin; surface = device + device offset. A memory DC's device offset is (0, 0) and its surface is the
// selected bitmap's. A DC over a foreign surface (a window DC onto a backing surface) has the window's
// position as its device offset and the window's visible area as its base clip (in device coordinates).
//
// Clipping. The application clip (SelectClipRgn, IntersectClipRect, ExcludeClipRect; device coordinates)
// is intersected with the base clip and the surface bounds; the result, in surface coordinates, is
// SurfaceClip(), and every drawing call, of this library or another, must go through it.
//
// For the text layer: Target(), LogicalToSurface(), SurfaceClip(), TextColor(), BkColor(), BkMode() and
// Font() give what drawing text needs; FillSolid() paints the opaque background and BlendCoverage()
// lays an 8-bit coverage mask (glyphs, underline, strike-out) in a colour, both through the clip.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stretch modes; every mode stretches by nearest neighbour.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;

// Mix modes of pens (SetROP2).
constexpr int R2_BLACK = 1;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_COPYPEN = 13;
constexpr int R2_WHITE = 16;

/// A device context; create it through CreateCompatibleDC, CreateDisplayDC or CreateSurfaceDC (Gdi.h)
/// and free it with DeleteDC.
class DeviceContext : public GdiObject {
public:
  enum class Kind { Memory, Display };

  /// A memory DC (draws into its selected bitmap) or a display DC over Target (null: draws nowhere
  /// until Bind gives it a surface).
  DeviceContext(Kind AKind, Surface* Target = nullptr, TPoint DeviceOffset = {},
                std::optional<Region> BaseClip = std::nullopt);
  ~DeviceContext() override;

  int ObjectType() const override { return FKind == Kind::Memory ? OBJ_MEMDC : OBJ_DC; }
  bool IsMemoryDC() const { return FKind == Kind::Memory; }

  /// Points a display DC at another surface, device offset and base clip (window system).
  void Bind(Surface* Target, TPoint DeviceOffset, std::optional<Region> BaseClip);
  TPoint DeviceOffset() const { return FDeviceOffset; }

  // Where drawing goes.
  /// The surface drawn into, or null (nothing to draw into: every call draws nothing).
  Surface* Target() const;
  TPoint LogicalToDevice(TPoint P) const;
  TPoint LogicalToSurface(TPoint P) const;
  /// The rectangle's corners mapped to the surface, normalised so that Left <= Right, Top <= Bottom.
  TRect LogicalToSurface(const TRect& R) const;
  TPoint DeviceToLogical(TPoint P) const;
  /// Effective clip in surface coordinates (application clip, base clip, surface bounds).
  const Region& SurfaceClip() const;
  /// The DC's own extent in device coordinates: the bitmap, the base clip's box, or the surface.
  TRect DeviceBounds() const;

  // Drawing state.
  TPoint WindowOrg() const { return FState.WindowOrg; }
  void SetWindowOrg(TPoint P);
  TPoint ViewportOrg() const { return FState.ViewportOrg; }
  void SetViewportOrg(TPoint P);
  /// The application clip in device coordinates, or null when there is none.
  const Region* ClipRegion() const { return FState.Clip ? &*FState.Clip : nullptr; }
  void SetClipRegion(std::optional<Region> Clip);
  TColor TextColor() const { return FState.TextColor; }
  void SetTextColor(TColor C) { FState.TextColor = C; }
  TColor BkColor() const { return FState.BkColor; }
  void SetBkColor(TColor C) { FState.BkColor = C; }
  int BkMode() const { return FState.BkMode; }
  void SetBkMode(int Mode) { FState.BkMode = Mode; }
  int StretchMode() const { return FState.StretchMode; }
  void SetStretchMode(int Mode) { FState.StretchMode = Mode; }
  int Rop2() const { return FState.Rop2; }
  void SetRop2(int Mode) { FState.Rop2 = Mode; }
  TPoint BrushOrg() const { return FState.BrushOrg; }
  void SetBrushOrg(TPoint P) { FState.BrushOrg = P; }
  /// Current position (MoveToEx/LineTo) in logical coordinates.
  TPoint CurrentPosition() const { return FState.Position; }
  void SetCurrentPosition(TPoint P) { FState.Position = P; }

  BitmapObject* Bitmap() const;
  PenObject* Pen() const;
  BrushObject* Brush() const;
  /// The selected font, or null for the text layer's default face.
  TFontObject* Font() const;
  /// The selected object of an OBJ_* type (GetCurrentObject).
  GdiObject* CurrentObject(int Type) const;
  /// Selects a bitmap, pen, brush or font and returns the previous one of that type; null when the
  /// object cannot be selected here (a bitmap selected elsewhere, a bitmap into a display DC).
  GdiObject* Select(GdiObject* Object);

  /// SaveDC: pushes the state and returns the new depth (1 for the first save).
  int Save();
  /// RestoreDC: a positive Level restores that saved state, a negative one counts back from the last.
  bool Restore(int Level);

  // Pixel primitives in surface coordinates, through SurfaceClip().
  /// Fills R with a colour as opaque pixels (alpha 255: painted areas of a 32-bit bitmap are solid).
  void FillSolid(const TRect& R, TColor Color);
  /// Mixes Color into the pixels under an 8-bit coverage mask (255 = full colour) whose top-left is at
  /// (X, Y); alpha is left as it is.
  void BlendCoverage(int X, int Y, const uint8_t* Mask, int Width, int Height, int MaskStride, TColor Color);
  /// Combines Color with the pixels of R by a mix mode (R2_*) on the colour bits; R2_COPYPEN fills as
  /// FillSolid does, the other modes leave alpha as it is.
  void MixRect(const TRect& R, TColor Color, int Mode);
  /// Writes Color on the horizontal run [X1, X2) of row Y with the DC's mix mode (shapes and lines).
  void MixSpan(int Y, int X1, int X2, TColor Color) { MixRect({ X1, Y, X2, Y + 1 }, Color, FState.Rop2); }

  /// The screen size that display DCs report (the window system sets it).
  static TSize ScreenSize();
  static void SetScreenSize(TSize Size);

private:
  struct State {
    TPoint WindowOrg;
    TPoint ViewportOrg;
    std::optional<Region> Clip;
    TColor TextColor { clBlack };
    TColor BkColor { clWhite };
    int BkMode { OPAQUE };
    int StretchMode { BLACKONWHITE };
    int Rop2 { R2_COPYPEN };
    TPoint BrushOrg;
    TPoint Position;
    GdiObject* Bitmap { nullptr };
    GdiObject* Pen { nullptr };
    GdiObject* Brush { nullptr };
    GdiObject* Font { nullptr };
  };

  void HoldAll(const State& S);
  void ReleaseAll(const State& S);
  void SetSelectedBitmap(GdiObject* Bitmap);
  void InvalidateClip() { FClipValid = false; }
  /// Calls Fn(Rect) for each part of R inside the clip.
  template <class Fn> void ForEachClipped(const TRect& R, Fn&& F) const;

  Kind FKind { Kind::Memory };
  Surface* FSurface { nullptr };
  TPoint FDeviceOffset;
  std::optional<Region> FBaseClip;
  State FState;
  std::vector<State> FSaved;
  mutable Region FSurfaceClip;
  mutable bool FClipValid { false };
};
