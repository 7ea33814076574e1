#pragma once
// The skinned hint window: the application's hint window while a TskSkinHint serves the application, and
// the window of that component's own requests. It takes its picture, mask, corners, client rectangle and
// font from the serving component's skin (the hint-window record), resized to the text by its corners;
// without a skin it is a plain clInfoBk window with a clBtnShadow line. The serving component's line
// separator breaks the text into lines. A hint that would leave the work area flips to the other side of
// its anchor. Where windows can be layered it follows the component's alpha settings and fades in.
#include "platform/ui/toolkit/THintWindow.h"

class TCustomImageList;
class TskSkinData;
class TskSkinHint;

/// The skinned hint window; see the file comment.
class TskSkinHintWindow : public THintWindow {
public:
  explicit TskSkinHintWindow(TComponent* AOwner);
  ~TskSkinHintWindow() override;

  /// Shows AHint with its top-left corner at Rect's; the extended hint when the serving component holds
  /// a title or an image list. Nothing without a serving component.
  void ActivateHint(TRect Rect, const String& AHint) override;
  /// A hint with a bold title above the text and an image left of it.
  void ActivateHintEx(TRect Rect, const String& AHintTitle, const String& AHint, int AImageIndex,
                      TCustomImageList* AImageList);
  /// Shows AHint centred on ARect, below it or (ATop) above it.
  void ActivateHintFromRect(const TRect& ARect, const String& AHint, bool ATop);
  TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData) override;

  /// The first active TskSkinHint of the main form; null when none.
  static TskSkinHint* FindHintComponent();

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

private:
  /// Shows AHint at the top-left of Rect or, FromRect, centred on Rect.
  void Activate(TRect Rect, const String& AHint, bool FromRect, bool ATop);
  /// Skin and font of this activation.
  void Prepare(TskSkinHint* Hint);
  TSize CalcHintSize();
  void SetHintRegion();
  void ApplyAlpha(TskSkinHint* Hint);
  void FadeIn(TskSkinHint* Hint);
  void PaintText(TCanvas* C, const TRect& Area);

  TRect NewClRect;
  TPoint NewLTPoint;
  TPoint NewRTPoint;
  TPoint NewLBPoint;
  TPoint NewRBPoint;
  TskSkinData* FSD { nullptr };
  bool FOldAlphaBlend { false };
  Byte FOldAlphaBlendValue { 0 };
  bool AExtendedStyle { false };
  String FTitle;
  int FImageIndex { 0 };
  TCustomImageList* FImageList { nullptr };
};
