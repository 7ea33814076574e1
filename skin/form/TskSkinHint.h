#pragma once
// The application's skinned hint: placed on the main form, it makes the skinned hint window
// (TskSkinHintWindow.h) the application's hint window, hands a skinned control's hint title and image on
// with its hint, and shows texts of its own at the cursor after the application's hint pause.
//
// Which component serves: the first active TskSkinHint among the main form's components; a component on
// another form serves nothing. Making one active makes the main form's others inactive.
//
// Freed, the component takes its show-hint handler back from the application, and the last one gives the
// application its plain hint window again, so hints keep showing.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TApplication.h"

class TCustomImageList;
class TskSkinData;
class TskSkinHintWindow;
class TTimer;

/// The application's skinned hint; see the file comment.
class TskSkinHint : public TComponent {
public:
  explicit TskSkinHint(TComponent* AOwner);
  ~TskSkinHint() override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  /// Marks line breaks inside hint texts ("@"); empty: none.
  const String& LineSeparator() const { return FLineSeparator; }
  void SetLineSeparator(const String& Value) { FLineSeparator = Value; }
  /// The font without a skin, or with UseSkinFont off.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  /// After the hint pause shows AHint below the cursor, and hides it after the hide pause; replaces a
  /// request still waiting.
  void ActivateHint2(const String& AHint);
  /// The same with a bold title and an image.
  void ActivateHintEx2(const String& AHintTitle, const String& AHint, int AImageIndex, TCustomImageList* AImageList);
  /// After the hint pause shows AHint centred below AFromRect (above it with ATop).
  void ActivateHint3(const TRect& AFromRect, const String& AHint, bool ATop);
  /// Shows AHint at P (screen) now.
  void ActivateHint(TPoint P, const String& AHint);
  /// Shows AHint at P now with a title and an image, which become the hint's current ones.
  void ActivateHintEx(TPoint P, const String& AHintTitle, const String& AHint, int AImageIndex,
                      TCustomImageList* AImageList);
  /// Cancels a waiting request and hides the hint.
  void HideHint();
  bool IsVisible() const;
  /// Rows from the cursor's hot spot down to the bottom of its shape: timed hints go that far below it.
  static int GetCursorHeightMargin() { return CursorHeightMargin(); }

  /// The user's show-hint handler, run after the component's.
  TShowHintEvent OnShowHint;

  /// The title and image of the hint being shown (the extended hint when either is set).
  const String& HintTitle() const { return FHintTitle; }
  int HintImageIndex() const { return FHintImageIndex; }
  TCustomImageList* HintImageList() const { return FHintImageList; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// The handler the component installs as the application's OnShowHint.
  struct TApplicationShowHint {
    TskSkinHint* Hint;
    void operator()(String& HintStr, bool& CanShow, THintInfo& HintInfo) const {
      Hint->ApplicationShowHint(HintStr, CanShow, HintInfo);
    }
  };
  enum class TRequest { Plain, Extended, FromRect };

  void ApplicationShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo);
  void ClearTitle();
  void Arm(TRequest Request);
  void HintTimerShow();

  bool FActive { true };
  TskSkinData* FSD { nullptr };
  TskSkinHintWindow* HW { nullptr };
  std::unique_ptr<TFont> FDefaultFont { std::make_unique<TFont>() };
  bool FUseSkinFont { true };
  bool FAlphaBlend { false };
  Byte FAlphaBlendValue { 0 };
  bool FAlphaBlendAnimation { false };
  TTimer* HintTimer { nullptr };
  TRequest FRequest { TRequest::Plain };
  String HintText;
  String FLineSeparator { "@" };
  TRect FromRect;
  bool Top { false };
  String FHintTitle;
  int FHintImageIndex { 0 };
  TCustomImageList* FHintImageList { nullptr };
};
