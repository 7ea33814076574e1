#pragma once
// What the skinned list and tree views share over their platform view: the model and the record names,
// the font and colour without skin, and the two external skinned scroll bars that stand in for the view's
// own (hidden with the view, forgotten when freed). Each view reads its record and keeps its bars in step.
#include <memory>

#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "skin/controls/IskSkinChangeable.h"

class TskSkinData;
class TskSkinScrollBar;

/// The skin binding of a platform view (TView: the list or the tree view); see the file comment.
template <class TView> class TskSkinnedView : public TView, public IskSkinChangeable {
public:
  /// Without skin "Tahoma" 13 and clWindow; the record ARecordName, the selection on the "listbox" record.
  TskSkinnedView(TComponent* AOwner, const String& ARecordName);

  /// Brings the external bars' visibility, range, page and position to the window's scroll information.
  virtual void UpDateScrollBars() = 0;

  TskSkinData* SkinData() const override { return FSD; }
  /// Stores the model (registered for its removal); a model holding a skin is read at once.
  void SetSkinData(TskSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }
  const String& ItemSkinDataName() const { return FItemSkinDataName; }
  void SetItemSkinDataName(const String& Value) { FItemSkinDataName = Value; }

  TFont* DefaultFont() const { return FDefaultFont.get(); }
  /// Without a record the view's Font takes it too.
  void SetDefaultFont(TFont* Value);
  TColor DefaultColor() const { return FDefaultColor; }
  /// Without a record the view's Color takes it too.
  void SetDefaultColor(TColor Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

  TskSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  /// The bar is enabled, hidden until needed and scrolls the view; then the bars are synchronised.
  void SetVScrollBar(TskSkinScrollBar* Value);
  TskSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TskSkinScrollBar* Value);

protected:
  /// A bar moved by the user: the view scrolls to it.
  virtual void OnVScrollBarChange(TObject* Sender) = 0;
  virtual void OnHScrollBarChange(TObject* Sender) = 0;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// The view's handling, then its bars follow its visibility.
  void WndProc(TMessage& Message) override;
  /// Bars aligned in a parent take their places again after a skin change.
  void RealignBars();
  /// Without a record: DefaultColor and DefaultFont.
  void TakeDefaultLook();
  /// A record's look: its font (DefaultFont without UseSkinFont) in its FontColor, the view in its BGColor.
  template <class TRecord> void TakeRecordLook(const TRecord& Record) {
    if (FUseSkinFont) {
      this->Font()->SetName(Record.FontName);
      this->Font()->SetStyle(Record.FontStyle);
      this->Font()->SetHeight(Record.FontHeight);
    } else {
      this->SetFont(FDefaultFont.get());
    }
    this->Font()->SetColor(Record.FontColor);
    this->SetColor(Record.BGColor);
  }
  /// The font's charset: the model's string table's, else DefaultFont's.
  void TakeCharset();

  TskSkinData* FSD { nullptr };
  String FSkinDataName;
  String FItemSkinDataName { "listbox" };
  int FIndex { -1 };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  TColor FDefaultColor { clWindow };
  TskSkinScrollBar* FVScrollBar { nullptr };
  TskSkinScrollBar* FHScrollBar { nullptr };
  bool FInCheckScrollBars { false };
};
