#include <memory>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryRows.h"

namespace {

using TEnter = std::function<void(TControl*, HeadlessPresenter&)>;

/// Long enough for the hover transition to end.
constexpr Int64 Settle = 200;

/// Stands for a menu that opened: the sheet shows the button while its menu is open, not the menu.
class TOpenedMenu : public IskSkinPopupMenu {
public:
  bool PopupFromRect2(TControl*, const TRect&, bool) override { return true; }
};

/// Two 16 x 16 icons of the converter's kind, drawn here: a green "play" triangle and a blue folder.
std::unique_ptr<TCustomImageList> MakeIcons() {
  auto Icons = std::make_unique<TCustomImageList>(nullptr, 16, 16);
  TBitmap Play;
  Play.SetSize(16, 16);
  TCanvas* C = Play.Canvas();
  C->Brush()->SetColor(clFuchsia);
  C->FillRect(Rect(0, 0, 16, 16));
  C->Brush()->SetColor(RGB(46, 160, 67));
  C->Pen()->SetColor(RGB(30, 120, 50));
  const TPoint Triangle[] = { { 4, 2 }, { 13, 8 }, { 4, 14 } };
  C->Polygon(Triangle, 3);
  Icons->AddMasked(&Play, clFuchsia);
  TBitmap Folder;
  Folder.SetSize(16, 16);
  C = Folder.Canvas();
  C->Brush()->SetColor(clFuchsia);
  C->FillRect(Rect(0, 0, 16, 16));
  C->Brush()->SetColor(RGB(240, 190, 60));
  C->FillRect(Rect(1, 3, 7, 6));
  C->FillRect(Rect(1, 5, 15, 14));
  C->Brush()->SetColor(RGB(200, 150, 30));
  C->FrameRect(Rect(1, 5, 15, 14));
  Icons->AddMasked(&Folder, clFuchsia);
  return Icons;
}

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

TEnter Pointer(bool Pressed = false, bool Right = false) {
  return [Pressed, Right](TControl* Control, HeadlessPresenter& Display) {
    const TPoint P = Control->ClientToScreen({ Right ? Control->Width() - 7 : Control->Width() / 3, Control->Height() / 2 });
    Display.MoveTo(P.X, P.Y);
    if (Pressed) Display.ButtonDown(P.X, P.Y);
    Display.Advance(Settle);
  };
}

TEnter Focused() {
  return [](TControl* Control, HeadlessPresenter& Display) {
    static_cast<TWinControl*>(Control)->SetFocus();
    Display.Advance(Settle);
  };
}

TEnter Disabled() {
  return [](TControl* Control, HeadlessPresenter&) { Control->SetEnabled(false); };
}

TEnter Down() {
  return [](TControl* Control, HeadlessPresenter&) {
    if (auto* Button = dynamic_cast<TskSkinButton*>(Control)) {
      Button->SetGroupIndex(1);
      Button->SetDown(true);
    } else if (auto* Speed = dynamic_cast<TskSkinSpeedButton*>(Control)) {
      Speed->SetGroupIndex(1);
      Speed->SetDown(true);
    }
  };
}

void AddPushButtons(TskControlsGallery& Gallery, TCustomImageList* Icons) {
  auto Plain = Maker<TskSkinButton>(Gallery, [](TskSkinButton* B) {
    B->SetBounds(0, 0, 90, 25);
    B->SetCaption("开始转换");
  });
  Gallery.AddRow("按钮", Plain,
                 { { "正常", nullptr },
                   { "悬停", Pointer() },
                   { "按下", Pointer(true) },
                   { "焦点", Focused() },
                   { "默认（点亮）",
                     [](TControl* C, HeadlessPresenter&) {
                       auto* B = static_cast<TskSkinButton*>(C);
                       B->SetCanFocused(true);
                       B->SetDefault(true);
                       B->Perform(CM_FOCUSCHANGED, 0, 0);
                       B->Invalidate();
                     } },
                   { "组内按下", Down() },
                   { "禁用", Disabled() } });
  auto Iconed = Maker<TskSkinButton>(Gallery, [Icons](TskSkinButton* B) {
    B->SetBounds(0, 0, 110, 28);
    B->SetUseSkinSize(false);
    B->SetCaption("添加文件");
    B->SetImageList(Icons);
    B->SetImageIndex(0);
    B->SetSpacing(4);
  });
  Gallery.AddRow("图标按钮", Iconed,
                 { { "正常", nullptr }, { "悬停", Pointer() }, { "按下", Pointer(true) }, { "禁用", Disabled() } });
}

void AddSpeedButtons(TskControlsGallery& Gallery, TCustomImageList* Icons) {
  auto Tool = [&Gallery, Icons](bool Flat) {
    return Maker<TskSkinSpeedButton>(Gallery, [Icons, Flat](TskSkinSpeedButton* B) {
      B->SetBounds(0, 0, 60, 40);
      B->SetUseSkinSize(false);
      B->SetCaption("输出");
      B->SetLayout(blGlyphTop);
      B->SetImageList(Icons);
      B->SetImageIndex(1);
      B->SetFlat(Flat);
    });
  };
  const std::vector<TskGalleryState> States = {
    { "正常", nullptr }, { "悬停", Pointer() }, { "按下", Pointer(true) }, { "组内按下", Down() }, { "禁用", Disabled() }
  };
  Gallery.AddRow("工具按钮", Tool(false), States);
  Gallery.AddRow("扁平工具按钮", Tool(true), States);
}

void AddMenuButtons(TskControlsGallery& Gallery, IskSkinPopupMenu* Menu) {
  auto MenuButton = [&Gallery, Menu](const String& Record, bool TrackMode) {
    return Maker<TskSkinMenuButton>(Gallery, [Menu, Record, TrackMode](TskSkinMenuButton* B) {
      B->SetSkinDataName(Record);
      B->SetUseSkinSize(false);
      B->SetBounds(0, 0, 100, 28);
      B->SetCaption("转换后操作");
      B->SetSkinPopupMenu(Menu);
      B->SetTrackButtonMode(TrackMode);
    });
  };
  const std::vector<TskGalleryState> States = { { "正常", nullptr },
                                                { "悬停", Pointer() },
                                                { "菜单打开", Pointer(true, true) },
                                                { "禁用", Disabled() } };
  Gallery.AddRow("菜单按钮", MenuButton("resizebutton", false), States);
  Gallery.AddRow("分体菜单按钮", MenuButton("resizebutton", true),
                 { { "正常", nullptr },
                   { "悬停主体", Pointer() },
                   { "按下主体", Pointer(true) },
                   { "菜单打开", Pointer(true, true) } });
  Gallery.AddRow("工具菜单按钮", MenuButton("toolmenubutton", false), States);
  auto MenuSpeed = [&Gallery, Menu](bool Flat, bool Standard) {
    return Maker<TskSkinMenuSpeedButton>(Gallery, [Menu, Flat, Standard](TskSkinMenuSpeedButton* B) {
      B->SetSkinDataName("resizetoolbutton");
      B->SetUseSkinSize(false);
      B->SetBounds(0, 0, 70, 28);
      B->SetCaption("视图");
      B->SetSkinPopupMenu(Menu);
      B->SetFlat(Flat);
      B->FDrawStandardArrow = Standard;
      B->FArrowType = 4;
    });
  };
  Gallery.AddRow("菜单速按钮", MenuSpeed(false, false), States);
  Gallery.AddRow("扁平菜单速按钮", MenuSpeed(true, true), States);
}

}  // namespace

void AddButtonRows(TskControlsGallery& Gallery) {
  TOpenedMenu Menu;
  const std::unique_ptr<TCustomImageList> Icons = MakeIcons();
  AddPushButtons(Gallery, Icons.get());
  AddSpeedButtons(Gallery, Icons.get());
  AddMenuButtons(Gallery, &Menu);
}
