#pragma once
// What the windowed and the windowless skinned control with resizable skin geometry share (TBase is
// TskSkinControl or TskGraphicSkinControl): the record's geometry (TskSkinGeometry.h), sizes snapping to
// what the record allows, the look without skin (DefaultWidth, DefaultHeight, DefaultFont) and the skinned
// look drawn from the record's picture at the control's size.
#include <memory>

#include "platform/gdi/TFont.h"
#include "skin/controls/TskGraphicSkinControl.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/controls/TskSkinGeometry.h"

/// A skinned control with resizable skin geometry; see the file comment.
template <class TBase> class TskSkinCustomBase : public TBase, public TskSkinGeometry {
public:
  explicit TskSkinCustomBase(TComponent* AOwner);
  ~TskSkinCustomBase() override;

  /// The size without skin (0: leave the size); applied at once while there is no record.
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  /// The font without skin ("Tahoma" 13); a change runs DefaultFontChange and repaints without a record.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  /// Take the font from the record (descendants read it).
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

  /// A rectangle in skin coordinates mapped to the control's current size.
  TRect MapSkinRect(const TRect& R) const { return TskSkinGeometry::MapSkinRect(R, this->FWidth, this->FHeight); }

  /// Also copies the record's geometry and picture and sets the resize mode.
  void GetSkinData() override;
  /// Re-reads the skin and takes the size the record allows (DefaultWidth and DefaultHeight without one);
  /// the region is cut and the control repainted once.
  void ChangeSkinData() override;
  /// A size change with a record snaps to it (CalcSize), then the region is cut and the control repainted;
  /// a call that changes no size repaints nothing.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  /// Runs after DefaultFont is assigned or changes; nothing here.
  virtual void DefaultFontChange() {}
  /// Adjusts a requested size to the record and computes the New geometry for it (nothing without one).
  virtual void CalcSize(int& W, int& H);
  /// Gives the window the region of the record's mask; a windowless control has none: nothing here.
  virtual void SetControlRegion() {}
  /// Whether a nine-part record is composed whole into the off-screen bitmap.
  virtual bool ComposesNinePart() const { return true; }
  /// Draws the ARect piece of APicture with the record's geometry at the control's size into B.
  void DrawSkinPicture(TBitmap* B, TBitmap* APicture, const TRect& ARect);

  /// Fills B with clBtnFace.
  void CreateControlDefaultImage(TBitmap* B) override;
  /// The record's picture at the control's size; the built-in look when the record has no picture.
  void CreateControlSkinImage(TBitmap* B) override;

private:
  void DefaultFontChanged();

  int FDefaultWidth { 0 };
  int FDefaultHeight { 0 };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
};

extern template class TskSkinCustomBase<TskSkinControl>;
extern template class TskSkinCustomBase<TskGraphicSkinControl>;
