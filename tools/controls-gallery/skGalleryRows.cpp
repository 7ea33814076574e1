#include "tools/controls-gallery/skGalleryRows.h"

#include "platform/display/HeadlessPresenter.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinUpDown.h"
#include "tools/controls-gallery/TskControlsGallery.h"

namespace {

using TEnter = std::function<void(TControl*, HeadlessPresenter&)>;

/// A control of class T on Parent, set up by Setup and then bound to the gallery's skin.
template <class T>
TskControlsGallery::TMake Maker(TskControlsGallery& Gallery, std::function<void(T*)> Setup) {
  return [&Gallery, Setup](TWinControl* Parent) -> TControl* {
    auto* Control = new T(Parent);
    Control->SetParent(Parent);
    Setup(Control);
    Control->SetSkinData(Gallery.Skin());
    return Control;
  };
}

/// The pointer at (X, Y) of the control; Pressed also holds the left button down there.
TEnter Pointer(std::function<TPoint(TControl*)> Where, bool Pressed = false) {
  return [Where, Pressed](TControl* Control, HeadlessPresenter& Display) {
    const TPoint P = Control->ClientToScreen(Where(Control));
    Display.MoveTo(P.X, P.Y);
    if (Pressed) Display.ButtonDown(P.X, P.Y);
  };
}

TEnter Disabled() {
  return [](TControl* Control, HeadlessPresenter&) { Control->SetEnabled(false); };
}

TEnter Focused() {
  return [](TControl* Control, HeadlessPresenter&) { static_cast<TWinControl*>(Control)->SetFocus(); };
}

TPoint ThumbCentre(TControl* Control) {
  const TRect& R = static_cast<TskSkinScrollBar*>(Control)->Buttons[0].R;
  return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
}

void AddScrollBars(TskControlsGallery& Gallery) {
  auto Horizontal = Maker<TskSkinScrollBar>(Gallery, [](TskSkinScrollBar* Bar) {
    Bar->SetBounds(0, 0, 220, 19);
    Bar->SetRange(0, 100, 30, 20);
  });
  auto IncreaseEnd = [](TControl* C) { return TPoint { C->Width() - 8, C->Height() / 2 }; };
  Gallery.AddRow("滚动条", Horizontal,
                 { { "正常", nullptr },
                   { "悬停按钮", Pointer(IncreaseEnd) },
                   { "按下按钮", Pointer(IncreaseEnd, true) },
                   { "悬停滑块", Pointer(ThumbCentre) },
                   { "拖动滑块", Pointer(ThumbCentre, true) },
                   { "焦点", [](TControl* C, HeadlessPresenter&) {
                      static_cast<TskSkinScrollBar*>(C)->SetCanFocused(true);
                      static_cast<TskSkinScrollBar*>(C)->SetFocus();
                    } },
                   { "禁用", Disabled() } });
  auto Vertical = Maker<TskSkinScrollBar>(Gallery, [](TskSkinScrollBar* Bar) {
    Bar->SetKind(sbVertical);
    Bar->SetSkinDataName("vscrollbar");
    Bar->SetDefaultHeight(0);
    Bar->SetBounds(0, 0, 19, 130);
    Bar->SetRange(0, 100, 60, 0);
  });
  auto LowEnd = [](TControl* C) { return TPoint { C->Width() / 2, 8 }; };
  Gallery.AddRow("垂直滚动条", Vertical,
                 { { "正常", nullptr },
                   { "悬停按钮", Pointer(LowEnd) },
                   { "按下按钮", Pointer(LowEnd, true) },
                   { "悬停滑块", Pointer(ThumbCentre) },
                   { "禁用", Disabled() } });
}

void AddUpDowns(TskControlsGallery& Gallery) {
  auto Horizontal = Maker<TskSkinUpDown>(Gallery, [](TskSkinUpDown* UpDown) { UpDown->SetBounds(0, 0, 50, 25); });
  auto Right = [](TControl* C) { return TPoint { C->Width() * 3 / 4, C->Height() / 2 }; };
  auto Left = [](TControl* C) { return TPoint { C->Width() / 4, C->Height() / 2 }; };
  Gallery.AddRow("微调按钮", Horizontal,
                 { { "正常", nullptr },
                   { "悬停增加", Pointer(Right) },
                   { "按下减少", Pointer(Left, true) },
                   { "禁用", Disabled() } });
  auto Vertical = Maker<TskSkinUpDown>(Gallery, [](TskSkinUpDown* UpDown) {
    UpDown->SetOrientation(udVertical);
    UpDown->SetSkinDataName("vupdown");
    UpDown->SetBounds(0, 0, 20, 40);
  });
  auto Top = [](TControl* C) { return TPoint { C->Width() / 2, C->Height() / 4 }; };
  Gallery.AddRow("垂直微调按钮", Vertical,
                 { { "正常", nullptr }, { "悬停增加", Pointer(Top) }, { "按下增加", Pointer(Top, true) } });
  auto Free = Maker<TskSkinUpDown>(Gallery, [](TskSkinUpDown* UpDown) {
    UpDown->SetUseSkinSize(false);
    UpDown->SetBounds(0, 0, 60, 22);
  });
  Gallery.AddRow("自由尺寸微调", Free,
                 { { "正常", nullptr }, { "悬停增加", Pointer(Right) }, { "按下减少", Pointer(Left, true) },
                   { "禁用", Disabled() } });
}

TEnter Checked(TCheckBoxState State, TEnter Then = nullptr) {
  return [State, Then](TControl* Control, HeadlessPresenter& Display) {
    static_cast<TskSkinCheckRadioBox*>(Control)->SetState(State);
    if (Then) Then(Control, Display);
  };
}

void AddCheckRadioBoxes(TskControlsGallery& Gallery) {
  auto Caption = [](TControl* C) { return TPoint { 60, C->Height() / 2 }; };
  auto Flat = Maker<TskSkinCheckRadioBox>(Gallery, [](TskSkinCheckRadioBox* Box) {
    Box->SetBounds(0, 0, 170, 25);
    Box->SetCaption("转换完成后关机");
  });
  Gallery.AddRow("复选框", Flat,
                 { { "未选中", nullptr },
                   { "选中", Checked(cbChecked) },
                   { "不确定", Checked(cbGrayed) },
                   { "悬停", Pointer(Caption) },
                   { "按下", Pointer(Caption, true) },
                   { "焦点", Checked(cbChecked, Focused()) },
                   { "禁用", Checked(cbChecked, Disabled()) } });
  auto Raised = Maker<TskSkinCheckRadioBox>(Gallery, [](TskSkinCheckRadioBox* Box) {
    Box->SetFlat(false);
    Box->SetBounds(0, 0, 170, 25);
    Box->SetCaption("保持原始宽高比");
  });
  Gallery.AddRow("复选框（立体）", Raised,
                 { { "未选中", nullptr },
                   { "选中", Checked(cbChecked) },
                   { "不确定", Checked(cbGrayed) },
                   { "悬停", Checked(cbChecked, Pointer(Caption)) },
                   { "焦点", Focused() },
                   { "禁用", Checked(cbChecked, Disabled()) } });
  auto Radio = Maker<TskSkinCheckRadioBox>(Gallery, [](TskSkinCheckRadioBox* Box) {
    Box->SetRadio(true);
    Box->SetSkinDataName("radiobox");
    Box->SetBounds(0, 0, 170, 25);
    Box->SetCaption("输出到源文件夹");
  });
  Gallery.AddRow("单选框", Radio,
                 { { "未选中", nullptr },
                   { "选中", Checked(cbChecked) },
                   { "悬停", Pointer(Caption) },
                   { "焦点", Checked(cbChecked, Focused()) },
                   { "禁用", Checked(cbChecked, Disabled()) } });
}

}  // namespace

void AddStandardControlRows(TskControlsGallery& Gallery) {
  AddScrollBars(Gallery);
  AddUpDowns(Gallery);
  AddCheckRadioBoxes(Gallery);
}
