#pragma once
// A sheet showing skinned controls in their states. Each cell is one control made for it on a form of the
// headless presenter, put into one state (pointer over it, pressed, focused, disabled, checked ...), and
// copied from the screen into the sheet above its caption; rows carry a title.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/base/Types.h"

class HeadlessPresenter;
class TBitmap;
class TControl;
class TForm;
class TskSkinData;
class TWinControl;

/// One state of a cell: its caption and what puts the control into it.
struct TskGalleryState {
  String Caption;
  /// Runs on the control once it shows; null for the control as made.
  std::function<void(TControl* Control, HeadlessPresenter& Display)> Enter;
};

/// Composes a gallery sheet; see the file comment.
class TskControlsGallery {
public:
  /// A sheet titled Title of controls bound to Skin (null: the built-in look), on Display's screen.
  TskControlsGallery(HeadlessPresenter& Display, TskSkinData* Skin, const String& Title);
  ~TskControlsGallery();

  TskSkinData* Skin() const { return FSkin; }
  /// Makes a control of the row's kind on Parent (bound to Skin by the caller's factory).
  using TMake = std::function<TControl*(TWinControl* Parent)>;
  /// A row: Title, then one cell per state, each with a fresh control from Make.
  void AddRow(const String& Title, const TMake& Make, const std::vector<TskGalleryState>& States);
  /// A row of pictures made elsewhere (whole windows), each above its caption.
  void AddPictureRow(const String& Title, const std::vector<std::pair<String, std::unique_ptr<TBitmap>>>& Cells);
  /// Writes the sheet as a PNG file.
  void SaveToPng(const String& FileName);

private:
  /// The control's look in the state, copied from the screen.
  std::unique_ptr<TBitmap> Capture(const TMake& Make, const TskGalleryState& State);
  void Text(int X, int Y, const String& S, int Height, bool Bold);
  /// A row's title at the row's top, on as many lines as the title column needs.
  void RowTitle(const String& Title);
  /// Places Image with Caption at the row's next cell (X, RowHeight: the row so far).
  void PlaceCell(const String& Caption, TBitmap* Image, int& X, int& RowHeight);
  /// R with a few pixels of the form around it.
  TRect Grown(const TRect& R) const;

  HeadlessPresenter& FDisplay;
  TskSkinData* FSkin;
  TForm* FForm { nullptr };
  std::unique_ptr<TBitmap> FSheet;
  int FBottom { 0 };
};
