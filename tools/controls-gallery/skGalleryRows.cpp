#include "tools/controls-gallery/skGalleryRows.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "platform/display/HeadlessPresenter.h"
#include "platform/base/TStrings.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinLinkLabel.h"
#include "skin/boxctrls/TskSkinNumEdit.h"
#include "skin/boxctrls/TskSkinScrollBox.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinCustomTreeView.h"
#include "skin/controls/TskSkinMenuButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "app/catalogue/FormatCatalogue.h"
#include "platform/ui/toolkit/TForm.h"
#include "skin/core/TskSkinData.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskSelectSkinDialog.h"
#include "skin/dialogs/TskSelectSkinDlgForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinDirectoryListBox.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/dialogs/TskSkinDriveComboBox.h"
#include "skin/dialogs/TskSkinFileListBox.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/controls/TskSkinStatusBar.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormFinders.h"
#include "skin/ribbon/TskAppButton.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskAppMenuPage.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"
#include "platform/base/MainThread.h"
#include "resources/EmbeddedSkins.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/core/TskCompressedSkinList.h"

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

/// Enter, then the time for the hover transition to end.
TEnter Settled(TEnter Enter) {
  return [Enter](TControl* Control, HeadlessPresenter& Display) {
    Enter(Control, Display);
    Display.Advance(200);
  };
}

TPoint CaptionPoint(TControl* C) { return { C->Width() / 3, C->Height() / 2 }; }
TPoint DropDownPoint(TControl* C) { return { C->Width() - 7, C->Height() / 2 }; }

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
                   { "悬停", Settled(Pointer(CaptionPoint)) },
                   { "按下", Settled(Pointer(CaptionPoint, true)) },
                   { "焦点", Settled(Focused()) },
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
                 { { "正常", nullptr }, { "悬停", Settled(Pointer(CaptionPoint)) }, { "按下", Settled(Pointer(CaptionPoint, true)) }, { "禁用", Disabled() } });
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
    { "正常", nullptr }, { "悬停", Settled(Pointer(CaptionPoint)) }, { "按下", Settled(Pointer(CaptionPoint, true)) }, { "组内按下", Down() }, { "禁用", Disabled() }
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
                                                { "悬停", Settled(Pointer(CaptionPoint)) },
                                                { "菜单打开", Settled(Pointer(DropDownPoint, true)) },
                                                { "禁用", Disabled() } };
  Gallery.AddRow("菜单按钮", MenuButton("resizebutton", false), States);
  Gallery.AddRow("分体菜单按钮", MenuButton("resizebutton", true),
                 { { "正常", nullptr },
                   { "悬停主体", Settled(Pointer(CaptionPoint)) },
                   { "按下主体", Settled(Pointer(CaptionPoint, true)) },
                   { "菜单打开", Settled(Pointer(DropDownPoint, true)) } });
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

/// A borderless panel of W x H on Parent that holds a view and its external bars, so a cell shows them
/// together.
TPanel* ViewHolder(TWinControl* Parent, int W, int H) {
  auto* Holder = new TPanel(Parent);
  Holder->SetParent(Parent);
  Holder->SetBevelOuter(bvNone);
  Holder->SetBounds(0, 0, W, H);
  return Holder;
}

/// A scroll bar of Kind docked to Side of Holder.
TskSkinScrollBar* DockedBar(TskControlsGallery& Gallery, TPanel* Holder, TScrollBarKind Kind, TAlign Side) {
  auto* Bar = new TskSkinScrollBar(Holder);
  Bar->SetKind(Kind);
  if (Kind == sbVertical) {
    Bar->SetSkinDataName("vscrollbar");
    Bar->SetDefaultHeight(0);
    Bar->SetWidth(19);
  }
  Bar->SetAlign(Side);
  Bar->SetParent(Holder);
  Bar->SetSkinData(Gallery.Skin());
  return Bar;
}

/// The list of a job-list cell (made after its two bars).
TskSkinListView* JobList(TControl* Holder) {
  return static_cast<TskSkinListView*>(static_cast<TWinControl*>(Holder)->Controls(2));
}

void AddJobLists(TskControlsGallery& Gallery) {
  auto Make = [&Gallery](TWinControl* Parent) -> TControl* {
    TPanel* Holder = ViewHolder(Parent, 420, 150);
    TskSkinScrollBar* VBar = DockedBar(Gallery, Holder, sbVertical, alRight);
    TskSkinScrollBar* HBar = DockedBar(Gallery, Holder, sbHorizontal, alBottom);
    auto* List = new TskSkinListView(Holder);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetGridLines(true);
    List->SetHeaderSkinDataName("resizetoolbutton");
    List->SetAlign(alClient);
    List->SetParent(Holder);
    const std::pair<const char*, int> Columns[] = { { "输入文件", 80 }, { "视频时间", 70 }, { "文件大小", 70 },
                                                    { "输出文件", 80 }, { "转换进度", 70 }, { "当前时间", 80 },
                                                    { "转换大小", 80 } };
    for (const auto& [Caption, Width] : Columns) {
      TListColumn* Column = List->Columns()->Add();
      Column->SetCaption(Caption);
      Column->SetWidth(Width);
    }
    const char* Rows[][7] = {
      { "旅行.mp4", "00:12:31", "182 MB", "旅行.wmv", "100%", "00:12:31", "96 MB" },
      { "会议记录.avi", "01:02:05", "1.2 GB", "会议记录.wmv", "45%", "00:27:56", "310 MB" },
      { "生日聚会.mov", "00:05:12", "88 MB", "生日聚会.wmv", "等待", "00:00:00", "0 KB" },
      { "毕业典礼.mkv", "00:48:40", "2.1 GB", "毕业典礼.wmv", "等待", "00:00:00", "0 KB" },
      { "猫.flv", "00:01:02", "9 MB", "猫.wmv", "等待", "00:00:00", "0 KB" },
      { "演唱会.mpg", "02:10:00", "3.4 GB", "演唱会.wmv", "等待", "00:00:00", "0 KB" },
      { "滑雪.3gp", "00:03:33", "21 MB", "滑雪.wmv", "等待", "00:00:00", "0 KB" },
    };
    for (const auto& Row : Rows) {
      TListItem* Item = List->Items()->Add();
      Item->SetCaption(Row[0]);
      for (int C = 1; C < 7; ++C) Item->SubItems()->Add(Row[C]);
    }
    List->SetSkinData(Gallery.Skin());
    List->SetVScrollBar(VBar);
    List->SetHScrollBar(HBar);
    return Holder;
  };
  auto Select = [](int Row, bool Focus, bool DrawSkin, int ScrollX) -> TEnter {
    return [=](TControl* Control, HeadlessPresenter&) {
      TskSkinListView* List = JobList(Control);
      List->SetDrawSkin(DrawSkin);
      if (Row >= 0) List->SetItemIndex(Row);
      if (Focus) List->SetFocus();
      if (ScrollX) List->HScrollBar()->SetPosition(ScrollX);
    };
  };
  Gallery.AddRow("任务列表", Make,
                 { { "选中一行", Select(1, false, false, 0) },
                   { "焦点行", Select(1, true, false, 0) },
                   { "皮肤绘制的行", Select(1, true, true, 0) },
                   { "横向滚动", Select(2, false, false, 200) } });
}

void AddTrees(TskControlsGallery& Gallery) {
  auto Make = [&Gallery](TWinControl* Parent) -> TControl* {
    TPanel* Holder = ViewHolder(Parent, 200, 150);
    TskSkinScrollBar* VBar = DockedBar(Gallery, Holder, sbVertical, alRight);
    auto* Tree = new TskSkinTreeView(Holder);
    Tree->SetAlign(alClient);
    Tree->SetParent(Holder);
    const char* Folders[] = { "视频", "音乐", "图片", "文档" };
    for (const char* Folder : Folders) {
      TTreeNode* Node = Tree->Items()->Add(nullptr, Folder);
      for (int I = 1; I <= 4; ++I) Tree->Items()->AddChild(Node, String(Folder) + " " + std::to_string(I));
    }
    Tree->Items()->GetFirstNode()->Expand(false);
    Tree->Items()->GetFirstNode()->GetNextSibling()->GetNextSibling()->Expand(false);
    Tree->SetSkinData(Gallery.Skin());
    Tree->SetVScrollBar(VBar);
    return Holder;
  };
  auto Select = [](bool Focus, bool DrawSkin) -> TEnter {
    return [=](TControl* Control, HeadlessPresenter&) {
      auto* Tree = static_cast<TskSkinTreeView*>(static_cast<TWinControl*>(Control)->Controls(1));
      Tree->SetDrawSkin(DrawSkin);
      Tree->SetSelected(Tree->Items()->GetFirstNode()->GetFirstChild());
      if (Focus) Tree->SetFocus();
    };
  };
  Gallery.AddRow("树", Make,
                 { { "原生绘制", Select(false, false) },
                   { "皮肤绘制", Select(false, true) },
                   { "皮肤绘制 焦点", Select(true, true) } });
}

void AddPageControls(TskControlsGallery& Gallery) {
  auto Make = [&Gallery](bool Close, TTabPosition Position) {
    return [&Gallery, Close, Position](TWinControl* Parent) -> TControl* {
      auto* Pages = new TskSkinPageControl(Parent);
      Pages->SetBounds(0, 0, 250, 110);
      Pages->SetParent(Parent);
      Pages->SetTabPosition(Position);
      const char* Captions[] = { "常规", "视频", "音频", "字幕", "高级选项", "输出" };
      for (const char* Caption : Captions) {
        auto* Sheet = new TskSkinTabSheet(Pages);
        Sheet->SetCaption(Caption);
        Sheet->SetPageControl(Pages);
      }
      Pages->SetShowCloseButtons(Close);
      Pages->SetSkinData(Gallery.Skin());
      Pages->SetWidth(240);  // the tabs overflow: the skinned scroller shows
      return Pages;
    };
  };
  auto Page = [](int Index, bool Focus) -> TEnter {
    return [=](TControl* Control, HeadlessPresenter&) {
      auto* Pages = static_cast<TskSkinPageControl*>(Control);
      Pages->SetActivePageIndex(Index);
      if (Focus) Pages->SetFocus();
    };
  };
  auto OverTab = [](int Tab, bool OnClose) {
    return Pointer([=](TControl* Control) {
      auto* Pages = static_cast<TskSkinPageControl*>(Control);
      const TRect R = Pages->TCustomTabControl::TabRect(Tab);
      if (!OnClose) return TPoint { R.Left + 8, R.Top + R.Height() / 2 };
      auto* Sheet = static_cast<TskSkinCustomTabSheet*>(Pages->Pages(Tab));
      const TRect B = Sheet->ButtonRect.Offset(R.Left, R.Top);
      return TPoint { (B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2 };
    });
  };
  Gallery.AddRow("页面控件", Make(false, tpTop),
                 { { "第一页", nullptr }, { "第三页 焦点", Page(2, true) }, { "悬停标签", OverTab(1, false) } });
  Gallery.AddRow("关闭按钮", Make(true, tpTop),
                 { { "正常", nullptr }, { "悬停关闭", OverTab(0, true) }, { "按下关闭", [&](TControl* C, HeadlessPresenter& D) {
                      OverTab(0, true)(C, D);
                      const TPoint P = D.Pointer();
                      D.ButtonDown(P.X, P.Y);
                    } } });
  Gallery.AddRow("底部与侧面标签", Make(false, tpBottom),
                 { { "底部", nullptr }, { "左侧", [](TControl* C, HeadlessPresenter&) {
                      static_cast<TskSkinPageControl*>(C)->SetTabPosition(tpLeft);
                    } } });
}

}  // namespace

void AddStandardControlRows(TskControlsGallery& Gallery) {
  AddScrollBars(Gallery);
  AddUpDowns(Gallery);
  AddCheckRadioBoxes(Gallery);
}

void AddButtonRows(TskControlsGallery& Gallery) {
  TOpenedMenu Menu;
  const std::unique_ptr<TCustomImageList> Icons = MakeIcons();
  AddPushButtons(Gallery, Icons.get());
  AddSpeedButtons(Gallery, Icons.get());
  AddMenuButtons(Gallery, &Menu);
}

namespace {

void AddPanels(TskControlsGallery& Gallery) {
  auto Panel = [&Gallery](bool Checked, bool Roll) {
    return Maker<TskSkinPanel>(Gallery, [Checked, Roll](TskSkinPanel* P) {
      P->SetBounds(0, 0, 150, 70);
      P->SetCaptionMode(true);
      P->SetCaption("预览");
      P->SetCheckedMode(Checked);
      P->SetChecked(Checked);
      P->SetRollUpMode(Roll);
    });
  };
  const std::vector<TskGalleryState> States = { { "正常", nullptr }, { "禁用", Disabled() } };
  Gallery.AddRow("面板", Panel(false, false), States);
  Gallery.AddRow("带复选框与卷起标记的面板", Panel(true, true), States);
  auto Group = Maker<TskSkinGroupBox>(Gallery, [](TskSkinGroupBox* G) {
    G->SetBounds(0, 0, 160, 70);
    G->SetCaption("输出设置");
  });
  Gallery.AddRow("分组框", Group, States);
}

void AddBars(TskControlsGallery& Gallery, TCustomImageList* Icons) {
  auto Bar = Maker<TskSkinToolBar>(Gallery, [Icons](TskSkinToolBar* T) {
    T->SetBounds(0, 0, 220, 40);
    const char* Captions[] = { "添加", "输出", "开始" };
    for (int i = 0; i < 3; ++i) {
      auto* B = new TskSkinSpeedButton(T);
      B->SetParent(T);
      B->SetUseSkinSize(false);
      B->SetBounds(4 + i * 62, 0, 58, 30);
      B->SetCaption(Captions[i]);
      B->SetImageIndex(i % 2);
      B->SetFlat(true);
    }
    T->SetImages(Icons);
  });
  Gallery.AddRow("工具栏", Bar, { { "正常", nullptr } });
  auto Scrolling = Maker<TskSkinToolBar>(Gallery, [](TskSkinToolBar* T) {
    T->SetBounds(0, 0, 160, 30);
    T->SetCanScroll(true);
    for (int i = 0; i < 5; ++i) {
      auto* B = new TskSkinSpeedButton(T);
      B->SetParent(T);
      B->SetUseSkinSize(false);
      B->SetBounds(i * 50, 0, 48, 24);
      B->SetCaption("按钮" + std::to_string(i + 1));
    }
    T->SetBounds(0, 0, 160, 30);
  });
  Gallery.AddRow("可滚动工具栏", Scrolling, { { "溢出", nullptr } });
  auto Status = Maker<TskSkinStatusBar>(Gallery, [](TskSkinStatusBar* S) {
    S->SetAlign(alNone);
    S->SetBounds(0, 0, 220, 21);
    S->SetCaption("就绪");
  });
  Gallery.AddRow("状态栏", Status,
                 { { "无尺寸柄", nullptr },
                   { "尺寸柄", [](TControl* C, HeadlessPresenter&) { static_cast<TskSkinStatusBar*>(C)->SetSizeGrip(true); } } });
}

void AddSliders(TskControlsGallery& Gallery) {
  auto Slider = Maker<TskSkinSlider>(Gallery, [](TskSkinSlider* S) {
    S->SetBounds(0, 0, 150, 40);
    S->SetValue(40);
  });
  auto Thumb = [](TControl* C) {
    const TRect& R = static_cast<TskSkinSlider*>(C)->ThumbRect();
    return TPoint { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
  };
  Gallery.AddRow("滑块", Slider,
                 { { "正常", nullptr }, { "拖动滑块", Pointer(Thumb, true) }, { "焦点", Focused() }, { "禁用", Disabled() } });
  auto Vertical = Maker<TskSkinSlider>(Gallery, [](TskSkinSlider* S) {
    S->SetOrientation(soVertical);
    S->SetBounds(0, 0, 40, 120);
    S->SetValue(70);
  });
  Gallery.AddRow("竖直滑块", Vertical, { { "正常", nullptr }, { "禁用", Disabled() } });
}

void AddLabels(TskControlsGallery& Gallery) {
  auto Label = Maker<TskSkinStdLabel>(Gallery, [](TskSkinStdLabel* L) {
    L->SetAutoSize(false);
    L->SetBounds(0, 0, 90, 18);
    L->SetCaption("输出文件夹：默认位置");
  });
  Gallery.AddRow("标签", Label,
                 { { "正常", nullptr },
                   { "省略号",
                     [](TControl* C, HeadlessPresenter&) { static_cast<TskSkinStdLabel*>(C)->SetEllipsType(sketEndEllips); } },
                   { "禁用", Disabled() } });
  auto Text = Maker<TskSkinTextLabel>(Gallery, [](TskSkinTextLabel* L) {
    L->Lines()->Add("视频：H.264 1280×720");
    L->Lines()->Add("音频：AAC 128 kbps");
    L->Lines()->Add("时长：00:03:25");
  });
  Gallery.AddRow("多行文本标签", Text, { { "正常", nullptr }, { "禁用", Disabled() } });
  auto Splitter = Maker<TskSkinSplitter>(Gallery, [](TskSkinSplitter* S) { S->SetBounds(0, 0, 10, 60); });
  Gallery.AddRow("分隔条", Splitter, { { "正常", nullptr } });
  auto Bevel = [&Gallery](TBevelShape Shape, bool Divider) {
    return Maker<TskSkinBevel>(Gallery, [Shape, Divider](TskSkinBevel* B) {
      B->SetBounds(0, 0, 120, 30);
      B->SetShape(Shape);
      B->SetDividerMode(Divider);
    });
  };
  Gallery.AddRow("斜面框", Bevel(bsBox, false), { { "凹陷", nullptr } });
  Gallery.AddRow("斜面分隔线", Bevel(bsTopLine, true), { { "分隔模式", nullptr } });
}

/// A PNG list of three pictures with soft edges, drawn on a paint panel enabled and disabled.
void AddPngList(TskControlsGallery& Gallery) {
  auto Shared = std::make_shared<TskPngImageList>(nullptr);
  Shared->SetPngWidth(24);
  Shared->SetPngHeight(24);
  const TColor Colors[] = { RGB(59, 107, 183), RGB(40, 160, 90), RGB(220, 120, 30) };
  for (TColor Color : Colors) {
    TBitmap B;
    B.SetPixelFormat(pf24bit);
    B.SetSize(24, 24);
    B.Canvas()->Brush()->SetColor(Color);
    B.Canvas()->FillRect(Rect(0, 0, 24, 24));
    TskPngImage Png;
    Png.Assign(&B);
    Png.CreateAlpha();
    for (int Y = 0; Y < 24; ++Y)
      for (int X = 0; X < 24; ++X) {
        const double D = std::hypot(X - 11.5, Y - 11.5);
        Png.AlphaScanline(Y)[X] = uint8_t(std::clamp(int((12.0 - D) * 255 / 2), 0, 255));
      }
    Shared->PngImages()->Add()->SetPngImage(&Png);
  }
  auto Sheet = Maker<TskSkinPaintPanel>(Gallery, [Shared](TskSkinPaintPanel* P) {
    P->SetBounds(0, 0, 110, 40);
    P->SetBorderStyle(TskSkinBorderStyle::bvNone);
    P->OnPanelPaint = [Shared, P](TCanvas* C, const TRect&) {
      for (int i = 0; i < Shared->Count(); ++i) Shared->Draw(C, 6 + i * 34, 8, i, P->Enabled());
    };
  });
  Gallery.AddRow("PNG 图像列表", Sheet, { { "正常", nullptr }, { "禁用（半透明）", Disabled() } });
}

}  // namespace

void AddPanelRows(TskControlsGallery& Gallery) {
  const std::unique_ptr<TCustomImageList> Icons = MakeIcons();
  AddPanels(Gallery);
  AddBars(Gallery, Icons.get());
  AddSliders(Gallery);
  AddLabels(Gallery);
  AddPngList(Gallery);
}

/// A folder of Chinese, long and plain names for the shell views, removed when the gallery ends.
class TShellSample {
public:
  TShellSample() {
    String pattern = (std::filesystem::temp_directory_path() / "zorvik-gallery.XXXXXX").string();
    FPath = ::mkdtemp(pattern.data());
    for (const char* folder : { "视频", "视频/旅行", "视频/旅行/二〇二六 春节", "音乐", "图片", "文档" })
      std::filesystem::create_directory(FPath + "/" + folder);
    const std::pair<const char*, size_t> files[] = { { "旅行.mp4", 182000 }, { "会议记录.avi", 1200 },
                                                    { "生日聚会 全场.mov", 88000 }, { "猫.flv", 9000 },
                                                    { "readme.txt", 300 } };
    for (const auto& [name, size] : files) std::ofstream(FPath + "/" + name) << String(size, 'x');
  }
  ~TShellSample() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  const String& Path() const { return FPath; }

private:
  String FPath;
};

void AddShellViews(TskControlsGallery& Gallery) {
  const TShellSample Sample;
  auto MakeTree = [&Gallery, &Sample](TWinControl* Parent) -> TControl* {
    TPanel* Holder = ViewHolder(Parent, 220, 170);
    TskSkinScrollBar* VBar = DockedBar(Gallery, Holder, sbVertical, alRight);
    auto* Tree = new TskSkinDirTreeView(Holder);
    Tree->SetAlign(alClient);
    Tree->SetParent(Holder);
    Tree->SetRoot(Sample.Path());
    Tree->SetPath(Sample.Path() + "/视频/旅行/二〇二六 春节");
    Tree->SetSkinData(Gallery.Skin());
    Tree->SetVScrollBar(VBar);
    return Holder;
  };
  auto Tree = [](bool DrawSkin) -> TEnter {
    return [=](TControl* Control, HeadlessPresenter&) {
      auto* Tree = static_cast<TskSkinDirTreeView*>(static_cast<TWinControl*>(Control)->Controls(1));
      Tree->SetDrawSkin(DrawSkin);
      Tree->SetFocus();
    };
  };
  Gallery.AddRow("文件夹树", MakeTree, { { "原生绘制", Tree(false) }, { "皮肤绘制", Tree(true) } });

  // As wide as its columns, so each look takes a line of its own.
  auto MakeList = [&Gallery, &Sample](TWinControl* Parent) -> TControl* {
    TPanel* Holder = ViewHolder(Parent, 530, 170);
    TskSkinScrollBar* VBar = DockedBar(Gallery, Holder, sbVertical, alRight);
    TskSkinScrollBar* HBar = DockedBar(Gallery, Holder, sbHorizontal, alBottom);
    auto* List = new TskSkinFileListView(Holder);
    List->SetAlign(alClient);
    List->SetParent(Holder);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetRoot(Sample.Path());
    List->SetSkinData(Gallery.Skin());
    List->SetVScrollBar(VBar);
    List->SetHScrollBar(HBar);
    return Holder;
  };
  auto List = [](bool DrawSkin) -> TEnter {
    return [=](TControl* Control, HeadlessPresenter&) {
      auto* List = static_cast<TskSkinFileListView*>(static_cast<TWinControl*>(Control)->Controls(2));
      List->SetDrawSkin(DrawSkin);
      List->SetItemIndex(5);
      List->SetFocus();
    };
  };
  Gallery.AddRow("文件列表", MakeList, { { "原生绘制", List(false) }, { "皮肤绘制", List(true) } });

  auto MakeLookIn = [&Gallery, &Sample](TWinControl* Parent) -> TControl* {
    TPanel* Holder = ViewHolder(Parent, 240, 190);
    auto* Combo = new TskSkinShellComboBox(Holder);
    Combo->SetParent(Holder);
    Combo->SetBounds(0, 0, 240, 20);
    Combo->SetDropDownCount(8);
    Combo->SetSkinData(Gallery.Skin());
    Combo->SetRoot(Sample.Path());
    Combo->SetPath(Sample.Path() + "/视频/旅行/二〇二六 春节");
    return Holder;
  };
  // The open list is a window of its own over the form: the cell shows its picture below the combo box.
  auto Opened = [](TControl* Control, HeadlessPresenter& Display) {
    auto* Holder = static_cast<TWinControl*>(Control);
    auto* Combo = static_cast<TskSkinShellComboBox*>(Holder->Controls(0));
    Combo->DropDown();
    Display.PumpUntilIdle();
    const TRect List = Combo->ListBox()->BoundsRect();  // on the screen
    auto Picture = std::make_shared<TBitmap>();
    Picture->SetSize(List.Width(), List.Height());
    for (int Y = 0; Y < List.Height(); ++Y)
      for (int X = 0; X < List.Width(); ++X)
        Picture->Canvas()->SetPixels(X, Y, Display.PixelAt(List.Left + X, List.Top + Y));
    Combo->CloseUp(false);
    auto* Shown = new TskSkinPaintPanel(Holder);
    Shown->OnPanelPaint = [Picture](TCanvas* C, const TRect&) { C->Draw(0, 0, Picture.get()); };
    Shown->SetBorderStyle(TskSkinBorderStyle::bvNone);
    Shown->SetBounds(0, Combo->Height(), List.Width(), List.Height());
    Shown->SetParent(Holder);
    Shown->SetSkinData(Combo->SkinData());
  };
  auto Closed = [](TControl* Control, HeadlessPresenter&) {
    auto* Holder = static_cast<TWinControl*>(Control);
    Holder->SetHeight(Holder->Controls(0)->Height());
  };
  Gallery.AddRow("查找范围", MakeLookIn, { { "收起", Closed }, { "列表打开", Opened } });
}

void AddViewRows(TskControlsGallery& Gallery) {
  AddJobLists(Gallery);
  AddTrees(Gallery);
  AddPageControls(Gallery);
  AddShellViews(Gallery);
}

namespace {

/// A PNG list of Size pictures filled from the program's pictures Names; shared by the cells drawing it.
std::shared_ptr<TskPngImageList> ProgramList(int Size, const std::vector<String>& Names) {
  auto List = std::make_shared<TskPngImageList>(nullptr);
  List->SetPngWidth(Size);
  List->SetPngHeight(Size);
  AddResourcePngs(List.get(), Names);
  return List;
}

/// A borderless paint panel of the size W x H that Paint draws on, enabled or not as the panel is.
TskControlsGallery::TMake PaintedPanel(TskControlsGallery& Gallery, int W, int H,
                                       std::function<void(TCanvas*, bool Enabled)> Paint) {
  return Maker<TskSkinPaintPanel>(Gallery, [W, H, Paint](TskSkinPaintPanel* P) {
    P->SetBounds(0, 0, W, H);
    P->SetBorderStyle(TskSkinBorderStyle::bvNone);
    P->OnPanelPaint = [Paint, P](TCanvas* C, const TRect&) { Paint(C, P->Enabled()); };
  });
}

void AddCategoryPictures(TskControlsGallery& Gallery) {
  auto Categories = ProgramList(36, { "CAT00_VIDEO", "CAT01_AUDIO", "CAT02_HD", "CAT03_TV", "CAT04_CAMCORDER",
                                      "CAT05_FILMREEL", "CAT06_PHONE", "CAT07_TOUCHPLAYER", "CAT08_GAMEPAD",
                                      "CAT09_MEDIAPLAYER", "CAT10_MP4", "CAT11_FLASH", "CAT12_WEB", "CAT13_MPG",
                                      "CAT14_MOV", "CAT15_AVI", "CAT16_MKV", "CAT17_WMV", "CAT18_ASF", "CAT19_RM",
                                      "CAT20_VOB", "CAT21_HEADPHONES", "CAT22_AUDIOCD", "CAT23_MICROPHONE" });
  auto Sheet = PaintedPanel(Gallery, 12 * 40 + 4, 2 * 40 + 4, [Categories](TCanvas* C, bool Enabled) {
    for (int i = 0; i < Categories->Count(); ++i) Categories->Draw(C, 4 + i % 12 * 40, 4 + i / 12 * 40, i, Enabled);
  });
  Gallery.AddRow("类别图片（24 幅）", Sheet, { { "正常", nullptr }, { "禁用（半透明）", Disabled() } });
}

void AddButtonPictures(TskControlsGallery& Gallery) {
  auto Large = ProgramList(32, { "FORMAT_VIDEO", "FORMAT_VIDEO_ALT", "FORMAT_AUDIO", "TOOL_ADD", "TOOL_REMOVE",
                                 "TOOL_CLEAR", "TOOL_OPTIONS", "BATCH_START", "BATCH_STOP", "BATCH_PAUSE",
                                 "BATCH_RESUME" });
  auto Small = ProgramList(16, { "PREVIEW_PLAY", "PREVIEW_PAUSE", "PREVIEW_STOP", "PREVIEW_MUTE", "PREVIEW_UNMUTE",
                                 "PREVIEW_SNAPSHOT", "PREVIEW_SETTINGS", "RENAME" });
  auto Sheet = PaintedPanel(Gallery, 11 * 38 + 4, 64, [Large, Small](TCanvas* C, bool Enabled) {
    for (int i = 0; i < Large->Count(); ++i) Large->Draw(C, 4 + i * 38, 4, i, Enabled);
    for (int i = 0; i < Small->Count(); ++i) Small->Draw(C, 4 + i * 26, 44, i, Enabled);
  });
  Gallery.AddRow("格式与按钮图标", Sheet, { { "正常", nullptr }, { "禁用（半透明）", Disabled() } });
}

/// The preview panel as the window shows it (dark, with the placeholder), the about box's picture and
/// the job list's cover at half its size.
void AddScenePictures(TskControlsGallery& Gallery) {
  auto Pictures = std::make_shared<std::vector<TskPngImage>>(3);
  const char* Names[] = { "PREVIEW_PLACEHOLDER", "ABOUT_PICTURE", "LIST_COVER" };
  for (int i = 0; i < 3; ++i) LoadFromResourceName((*Pictures)[i], Names[i]);
  auto Preview = PaintedPanel(Gallery, 210 + 12 + 87, 135, [Pictures](TCanvas* C, bool) {
    C->Brush()->SetColor(clBtnText);
    C->FillRect(Rect(0, 0, 210, 135));
    C->Draw(67, 33, &(*Pictures)[0]);
    C->Draw(222, 0, &(*Pictures)[1]);
  });
  Gallery.AddRow("预览占位与关于图片", Preview, { { "正常", nullptr } });
  auto Cover = PaintedPanel(Gallery, 284, 113, [Pictures](TCanvas* C, bool) { C->StretchDraw(Rect(0, 0, 284, 113), &(*Pictures)[2]); });
  Gallery.AddRow("列表封面（缩小）", Cover, { { "正常", nullptr } });
}

/// The converter's tool bar: flat speed buttons with captions under their images from the bar's list.
void AddPictureToolBar(TskControlsGallery& Gallery) {
  auto Tools = ProgramList(32, { "TOOL_ADD", "TOOL_REMOVE", "TOOL_CLEAR", "TOOL_OPTIONS" });
  auto Bar = Maker<TskSkinToolBar>(Gallery, [Tools](TskSkinToolBar* T) {
    T->SetBounds(0, 0, 290, 69);
    const char* Captions[] = { "添加", "删除", "清空", "选项" };
    for (int i = 0; i < 4; ++i) {
      auto* B = new TskSkinSpeedButton(T);
      B->SetParent(T);
      B->SetUseSkinSize(false);
      B->SetBounds(8 + i * 68, 2, 64, 64);
      B->SetCaption(Captions[i]);
      B->SetLayout(blGlyphTop);
      B->SetImageIndex(i);
    }
    T->SetImages(Tools.get());
    T->SetFlat(true);
  });
  auto Button = [](int Index) {
    return [Index](TControl* C) {
      const TRect R = static_cast<TWinControl*>(C)->Controls(Index)->BoundsRect();
      return TPoint { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
    };
  };
  Gallery.AddRow("带图像的工具栏", Bar,
                 { { "正常", nullptr },
                   { "悬停“删除”", Settled(Pointer(Button(1))) },
                   { "按下“清空”", Settled(Pointer(Button(2), true)) },
                   { "禁用“选项”",
                     [](TControl* C, HeadlessPresenter&) { static_cast<TWinControl*>(C)->Controls(3)->SetEnabled(false); } } });
}

}  // namespace

void AddPictureRows(TskControlsGallery& Gallery) {
  AddCategoryPictures(Gallery);
  AddButtonPictures(Gallery);
  AddScenePictures(Gallery);
  AddPictureToolBar(Gallery);
}

void AddBoxRows(TskControlsGallery& Gallery) {
  auto Combo = Maker<TskSkinComboBox>(Gallery, [](TskSkinComboBox* Box) {
    for (const char* S : { "高清 MP4 (H.264)", "标清 AVI", "手机 3GP", "音频 MP3" }) Box->Items()->Add(S);
    Box->SetBounds(0, 0, 160, 20);
    Box->SetItemIndex(0);
  });
  auto Button = [](TControl* C) { return TPoint { C->Width() - 8, C->Height() / 2 }; };
  Gallery.AddRow("组合框", Combo,
                 { { "正常", nullptr }, { "悬停按钮", Pointer(Button) }, { "聚焦", Focused() }, { "禁用", Disabled() } });
  auto List = Maker<TskSkinListBox>(Gallery, [](TskSkinListBox* Box) {
    for (int I = 1; I <= 12; ++I) Box->Items()->Add("列表项 第" + std::to_string(I) + "行");
    Box->SetBounds(0, 0, 150, 110);
    Box->SetItemIndex(1);
  });
  Gallery.AddRow("列表框", List, { { "正常", nullptr }, { "禁用", Disabled() } });
  auto Captioned = Maker<TskSkinListBox>(Gallery, [](TskSkinListBox* Box) {
    for (int I = 1; I <= 4; ++I) Box->Items()->Add("预设 " + std::to_string(I));
    Box->SetCaption("输出格式");
    Box->SetCaptionMode(true);
    Box->SetBounds(0, 0, 150, 110);
    Box->SetItemIndex(2);
  });
  Gallery.AddRow("带标题的列表框", Captioned, { { "正常", nullptr }, { "悬停向下", Pointer([](TControl* C) {
                                                   return TPoint { C->Width() - 27, 8 };
                                                 }) } });
}

void AddComboEditRows(TskControlsGallery& Gallery) {
  auto Combo = Maker<TskSkinComboBox>(Gallery, [](TskSkinComboBox* Box) {
    for (const char* S : { "输出目录", "输出格式", "视频比特率", "音频采样率" }) Box->Items()->Add(S);
    Box->SetBounds(0, 0, 160, 20);
    Box->SetStyle(skcbEditStyle);
    Box->SetItemIndex(0);
  });
  const auto Completed = [](TControl* Control, HeadlessPresenter& Display) {
    auto* Box = static_cast<TskSkinComboBox*>(Control);
    Box->SetFocus();
    Box->SetText("输出");
    Box->SetItemIndex(1);
    Box->SetSelStart(2);
    Box->SetSelLength(2);
    Display.PumpUntilIdle();
  };
  Gallery.AddRow("可编辑组合框", Combo,
                 { { "正常", nullptr }, { "补全", Completed }, { "聚焦", Focused() }, { "禁用", Disabled() } });
}

namespace {

/// A plain panel holding a ribbon of three tabs with two caption-area buttons; its form shows the
/// ribbon's application menu, with two commands, a page item and an exit command, when it opens.
TskControlsGallery::TMake RibbonMaker(TskControlsGallery& Gallery, TCustomImageList* Icons, int Height) {
  return [&Gallery, Icons, Height](TWinControl* Parent) -> TControl* {
    auto* Host = new TPanel(Parent);
    Host->SetBevelOuter(bvNone);
    Host->SetBounds(0, 0, 476, Height);
    Host->SetParent(Parent);
    auto* Ribbon = new TskRibbon(Host);
    Ribbon->SetParent(Host);
    Ribbon->SetSkinData(Gallery.Skin());
    Ribbon->SetAppButtonCaption("文件");
    Ribbon->SetAppButtonImageList(Icons);  // the first picture, without an index of its own
    for (const char* Caption : { "开始", "转换设置", "视图" }) Ribbon->Tabs()->Add()->Page()->SetCaption(Caption);
    TskRibbonPage* Page = Ribbon->Tabs()->GetItem(0)->Page();
    for (int i = 0; i < 8; ++i) {
      auto* Button = new TskSkinButton(Host);
      Button->SetBounds(6 + i * 62, 8, 56, 60);
      Button->SetCaption(i % 2 ? "转换" : "添加文件");
      Button->SetSkinData(Gallery.Skin());
      Button->SetParent(Page);
    }
    Ribbon->SetTabIndex(0);
    Page->GetScrollInfo();
    Ribbon->SetButtonsImageList(Icons);
    for (int i = 0; i < 2; ++i) Ribbon->Buttons()->Add()->SetImageIndex(i);
    auto* Menu = new TskAppMenu(Host);
    Menu->SetSkinData(Gallery.Skin());
    Menu->SetParent(Host);
    Menu->SetItemImageList(Icons);
    Ribbon->SetAppMenu(Menu);
    for (const char* Caption : { "新建任务", "打开文件" }) Menu->Items()->Add()->SetCaption(Caption);
    TskAppMenuItem* Recent = Menu->Items()->Add();
    Recent->SetCaption("最近使用");
    Recent->SetPage(Menu->CreatePage());
    Menu->Items()->Add()->SetCaption("退出");
    auto* Label = new TskSkinStdLabel(Host);
    Label->SetCaption("最近转换的文件");
    Label->SetBounds(10, 10, 160, 20);
    Label->SetSkinData(Gallery.Skin());
    Label->SetParent(Recent->Page());
    return Host;
  };
}

TskRibbon* RibbonOf(TControl* Host) { return static_cast<TskRibbon*>(static_cast<TWinControl*>(Host)->Controls(0)); }

}  // namespace

void AddRibbonRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  const std::unique_ptr<TCustomImageList> Icons = MakeIcons();
  const auto HoverTab = [](TControl* Host, HeadlessPresenter& Display) {
    TskRibbon* Ribbon = RibbonOf(Host);
    const TRect R = Ribbon->Tabs()->GetItem(1)->ItemRect;
    const TPoint P = Ribbon->ClientToScreen({ R.Left + 5, R.Top + 5 });
    Display.MoveTo(P.X, P.Y);
  };
  const auto PressButton = [](TControl* Host, HeadlessPresenter& Display) {
    TskRibbon* Ribbon = RibbonOf(Host);
    const TRect R = Ribbon->Buttons()->GetItem(1)->ItemRect;
    const TPoint P = Ribbon->ClientToScreen({ R.Left + 5, R.Top + 5 });
    Display.MoveTo(P.X, P.Y);
    Display.ButtonDown(P.X, P.Y);
  };
  const auto Focused = [](TControl* Host, HeadlessPresenter&) {
    RibbonOf(Host)->SetFocus();
    RibbonOf(Host)->MDIChildMaximize();
  };
  Gallery.AddRow("功能区", RibbonMaker(Gallery, Icons.get(), 115),
                 { { "正常（页面溢出时带滚动按钮）", nullptr },
                   { "指针在标签上", HoverTab },
                   { "按下标题区按钮", PressButton },
                   { "获得焦点、带 MDI 按钮", Focused } });
  // The menu opens as a click on the application button opens it, so the button shows pressed.
  const auto OpenOn = [](int Item) {
    return [Item](TControl* Host, HeadlessPresenter& Display) {
      TskRibbon* Ribbon = RibbonOf(Host);
      const TPoint P = Ribbon->AppButton()->ClientToScreen({ 10, 10 });
      Display.Click(P.X, P.Y);
      Display.PumpUntilIdle();
      Ribbon->AppMenu()->SetItemIndex(Item);
    };
  };
  Gallery.AddRow("应用程序菜单", RibbonMaker(Gallery, Icons.get(), 270),
                 { { "打开，选中命令", OpenOn(1) }, { "打开，显示页面", OpenOn(2) } });
  // A framed form carrying the ribbon; a skin whose menu record has a caption piece shows it in the caption
  // bar while the menu is open.
  const auto Framed = [&](bool Open) {
    const TskBorderIcons Main { TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize };
    TForm* Form = FramedForm(Gallery.Skin(), bsSizeable, Main, "视频格式转换", { 520, 330 });
    TControl* Host = RibbonMaker(Gallery, Icons.get(), Form->ClientHeight())(Form);
    Host->SetWidth(Form->ClientWidth());
    GetSkinFormComponent(Form)->SetSkinRibbon(RibbonOf(Host));
    Display.PumpUntilIdle();
    if (Open) OpenOn(0)(Host, Display);
    Display.Advance(200);
    Display.PumpUntilIdle();
    std::unique_ptr<TBitmap> Picture = WindowPicture(Form);
    delete Form;
    Display.PumpUntilIdle();
    return Picture;
  };
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Forms;
  Forms.emplace_back("带功能区的窗体", Framed(false));
  Forms.emplace_back("应用程序菜单打开", Framed(true));
  Gallery.AddPictureRow("窗体上的功能区", Forms);
}

namespace {

/// The converter's category combo: the 15 categories with their 36 x 36 pictures, 50-pixel rows, four shown.
void SetUpCategoryCombo(TskSkinOfficeComboBox* Box, TCustomImageList* Pictures) {
  Box->SetBounds(0, 0, 160, 51);
  Box->SetUseSkinFont(false);
  Box->SetDropDownCount(4);
  Box->SetListBoxItemHeight(50);
  Box->SetListBoxHeaderHeight(20);
  Box->SetListBoxShowLines(true);
  Box->SetImages(Pictures);
  for (const FormatCategory& Category : FormatCategories()) {
    TskSkinOfficeItem* Item = Box->Items()->Add();
    Item->SetCaption(String(Category.Caption));
    Item->SetImageIndex(Category.ImageIndex);
  }
  Box->SetItemIndex(0);
}

/// The open category combo with the pointer on its third row, combo and list as the screen shows them.
std::unique_ptr<TBitmap> OpenCategoryCombo(TskControlsGallery& Gallery, HeadlessPresenter& Display,
                                           TCustomImageList* Pictures) {
  auto* Form = new TForm(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(620, 300, 200, 300);
  Form->SetColor(Gallery.Skin() && !Gallery.Skin()->Empty ? Gallery.Skin()->SkinColors()->cBtnFace() : clBtnFace);
  Form->Show();
  auto* Box = new TskSkinOfficeComboBox(Form);
  Box->SetParent(Form);
  SetUpCategoryCombo(Box, Pictures);
  Box->SetLeft(8);
  Box->SetTop(8);
  Box->SetSkinData(Gallery.Skin());
  Display.PumpUntilIdle();
  Box->DropDown();
  const TRect Row = Box->ListBox()->Items()->Items(2)->ItemRect;
  const TPoint Hover = Box->ListBox()->ClientToScreen({ Row.Left + 20, Row.Top + Row.Height() / 2 });
  Display.MoveTo(Hover.X, Hover.Y);
  Display.PumpUntilIdle();
  const TRect List = Box->ListBox()->BoundsRect();
  const TPoint Origin = Form->ClientToScreen({ 0, 0 });
  const int W = Form->Width(), H = List.Bottom + 8 - Origin.Y;
  auto Image = std::make_unique<TBitmap>();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) Image->Canvas()->SetPixels(X, Y, Display.PixelAt(Origin.X + X, Origin.Y + Y));
  Display.MoveTo(5, 5);
  delete Form;
  Display.PumpUntilIdle();
  return Image;
}

}  // namespace

void AddOfficeRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  auto Pictures = ProgramList(36, { "CAT00_VIDEO", "CAT01_AUDIO", "CAT02_HD", "CAT03_TV", "CAT04_CAMCORDER",
                                    "CAT05_FILMREEL", "CAT06_PHONE", "CAT07_TOUCHPLAYER", "CAT08_GAMEPAD",
                                    "CAT09_MEDIAPLAYER", "CAT10_MP4", "CAT11_FLASH", "CAT12_WEB", "CAT13_MPG",
                                    "CAT14_MOV", "CAT15_AVI", "CAT16_MKV", "CAT17_WMV", "CAT18_ASF", "CAT19_RM",
                                    "CAT20_VOB", "CAT21_HEADPHONES", "CAT22_AUDIOCD", "CAT23_MICROPHONE" });
  auto Combo = Maker<TskSkinOfficeComboBox>(Gallery, [Pictures](TskSkinOfficeComboBox* Box) {
    SetUpCategoryCombo(Box, Pictures.get());
  });
  Gallery.AddRow("类别组合框", Combo,
                 { { "正常", nullptr }, { "悬停按钮", Pointer([](TControl* C) { return TPoint { C->Width() - 8, C->Height() / 2 }; }) },
                   { "聚焦", Focused() }, { "禁用", Disabled() } });
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Open;
  Open.emplace_back("展开，悬停第三项", OpenCategoryCombo(Gallery, Display, Pictures.get()));
  Gallery.AddPictureRow("展开的类别组合框", Open);
  auto List = Maker<TskSkinOfficeListBox>(Gallery, [Pictures](TskSkinOfficeListBox* Box) {
    Box->SetBounds(0, 0, 220, 200);
    Box->SetImages(Pictures.get());
    Box->SetShowLines(true);
    Box->SetShowCheckBoxes(true);
    Box->SetItemHeight(56);
    const char* Groups[] = { "视频", "音频" };
    for (int G = 0; G < 2; ++G) {
      TskSkinOfficeItem* Header = Box->Items()->Add();
      Header->SetHeader(true);
      Header->SetCaption(Groups[G]);
      for (int I = 0; I < 3; ++I) {
        TskSkinOfficeItem* Item = Box->Items()->Add();
        Item->SetTitle(G == 0 ? "视频格式 " + std::to_string(I + 1) : "音频格式 " + std::to_string(I + 1));
        Item->SetCaption("适用于电脑与手机播放");
        Item->SetImageIndex(G == 0 ? 10 + I : 21 + I);
        Item->SetChecked(I == 1);
        Item->SetEnabled(I != 2);
      }
    }
    Box->SetItemIndex(1);
  });
  Gallery.AddRow("分组列表（带标题、图片、勾选）", List, { { "正常", nullptr }, { "聚焦", Focused() }, { "禁用", Disabled() } });
}

namespace {

void AddEdits(TskControlsGallery& Gallery, TCustomImageList* Icons) {
  const auto Edit = [&Gallery, Icons](bool ButtonMode, bool Images) {
    return Maker<TskSkinEdit>(Gallery, [ButtonMode, Images, Icons](TskSkinEdit* E) {
      E->SetBounds(0, 0, 200, 20);
      E->SetText("/home/用户/Zorvik视频软件/输出");
      if (ButtonMode) {
        E->SetSkinDataName("buttonedit");
        E->SetButtonMode(true);
      }
      if (Images) {
        E->SetImages(Icons);
        E->SetLeftImageIndex(1);
        E->SetRightImageIndex(0);
      }
    });
  };
  const auto ReadOnly = [](TControl* Control, HeadlessPresenter&) { static_cast<TskSkinEdit*>(Control)->SetReadOnly(true); };
  const auto Centre = [](TControl* C) { return TPoint { C->Width() / 2, C->Height() / 2 }; };
  Gallery.AddRow("编辑框", Edit(false, false),
                 { { "正常", nullptr },
                   { "悬停", Pointer(Centre) },
                   { "焦点", Focused() },
                   { "只读", ReadOnly },
                   { "禁用", Disabled() } });
  const auto ButtonPoint = [](TControl* C) {
    const TRect& R = static_cast<TskSkinEdit*>(C)->EditButtonRect();
    return TPoint { (R.Left + R.Right) / 2 - 2, C->Height() / 2 - 2 };
  };
  Gallery.AddRow("按钮编辑框", Edit(true, false),
                 { { "正常", nullptr },
                   { "按钮悬停", Pointer(ButtonPoint) },
                   { "按钮按下", Pointer(ButtonPoint, true) },
                   { "禁用", Disabled() } });
  Gallery.AddRow("图像按钮编辑框", Edit(false, true),
                 { { "正常", nullptr }, { "焦点", Focused() }, { "禁用", Disabled() } });
  // The numeric edit takes no skin of its own: the frame around it is its holder's.
  TskControlsGallery::TMake Num = [](TWinControl* Parent) -> TControl* {
    auto* E = new TskSkinNumEdit(Parent);
    E->SetBounds(0, 0, 80, 20);
    E->SetText("1280");
    E->SetParent(Parent);
    return E;
  };
  Gallery.AddRow("数字编辑框", Num, { { "正常", nullptr }, { "焦点", Focused() } });
}

void AddLinkLabels(TskControlsGallery& Gallery) {
  const auto Link = [&Gallery](bool Glow) {
    return Maker<TskSkinLinkLabel>(Gallery, [Glow](TskSkinLinkLabel* L) {
      L->SetAutoSize(false);
      L->SetBounds(0, 0, 150, Glow ? 30 : 20);
      L->SetCaption("访问 Zorvik 网站");
      L->SetGlowEffect(Glow);
      L->SetGlowSize(6);
    });
  };
  const auto Start = [](TControl*) { return TPoint { 4, 4 }; };
  Gallery.AddRow("链接标签", Link(false), { { "正常", nullptr }, { "悬停", Pointer(Start) }, { "禁用", Disabled() } });
  Gallery.AddRow("发光链接标签", Link(true), { { "正常", nullptr }, { "悬停", Pointer(Start) } });
}

/// A scroll box holding a picture larger than itself, with its two bars beside it on a plain panel.
void AddScrollBoxes(TskControlsGallery& Gallery) {
  TskControlsGallery::TMake Make = [&Gallery](TWinControl* Parent) -> TControl* {
    auto* Holder = new TPanel(Parent);
    Holder->SetBounds(0, 0, 170, 120);
    Holder->SetBevelOuter(bvNone);
    Holder->SetParent(Parent);
    auto* Box = new TskSkinScrollBox(Holder);
    Box->SetBounds(0, 0, 151, 101);
    Box->SetParent(Holder);
    Box->SetSkinData(Gallery.Skin());
    auto* Picture = new TPanel(Box);
    Picture->SetBounds(0, 0, 300, 200);
    Picture->SetColor(RGB(120, 170, 220));
    Picture->SetCaption("预览图片 300×200");
    Picture->SetParent(Box);
    auto* VBar = new TskSkinScrollBar(Holder);
    VBar->SetKind(sbVertical);
    VBar->SetSkinDataName("vscrollbar");
    VBar->SetDefaultHeight(0);
    VBar->SetBounds(151, 0, 19, 101);
    VBar->SetParent(Holder);
    VBar->SetSkinData(Gallery.Skin());
    auto* HBar = new TskSkinScrollBar(Holder);
    HBar->SetBounds(0, 101, 151, 19);
    HBar->SetParent(Holder);
    HBar->SetSkinData(Gallery.Skin());
    Box->SetVScrollBar(VBar);
    Box->SetHScrollBar(HBar);
    return Holder;
  };
  const auto Scrolled = [](TControl* Control, HeadlessPresenter&) {
    auto* Box = static_cast<TskSkinScrollBox*>(static_cast<TWinControl*>(Control)->Controls(0));
    Box->VScroll(60);
    Box->HScroll(80);
  };
  Gallery.AddRow("滚动框", Make, { { "正常", nullptr }, { "已滚动", Scrolled } });
}

}  // namespace

void AddEditRows(TskControlsGallery& Gallery) {
  const std::unique_ptr<TCustomImageList> Icons = MakeIcons();
  AddEdits(Gallery, Icons.get());
  AddLinkLabels(Gallery);
  AddScrollBoxes(Gallery);
}

namespace {

/// A drive combo box listing one volume of each kind, mounted in the sample folder.
class TGalleryDriveComboBox : public TskSkinDriveComboBox {
public:
  TGalleryDriveComboBox(TComponent* AOwner, String AFolder)
      : TskSkinDriveComboBox(AOwner), FFolder(std::move(AFolder)) {}

protected:
  std::vector<TVolume> ReadDriveVolumes() override {
    return { { .MountPoint = "/", .FileSystem = "ext4", .Label = "系统" },
             { .MountPoint = FFolder + "/视频", .FileSystem = "vfat", .Removable = true },
             { .MountPoint = FFolder + "/音乐", .FileSystem = "iso9660", .Label = "音乐光盘" },
             { .MountPoint = FFolder + "/文档", .FileSystem = "cifs", .Source = "//nas/文档" } };
  }

private:
  String FFolder;
};

void AddFileBoxes(TskControlsGallery& Gallery, const TShellSample& Sample) {
  auto Filter = Maker<TskSkinFilterComboBox>(Gallery, [](TskSkinFilterComboBox* Box) {
    Box->SetBounds(0, 0, 220, 20);
    Box->SetFilter("视频文件 (*.mp4;*.avi;*.mov)|*.mp4;*.avi;*.mov|所有文件 (*.*)|*.*");
  });
  Gallery.AddRow("文件类型组合框", Filter, { { "正常", nullptr }, { "聚焦", Focused() }, { "禁用", Disabled() } });

  const String Folder = Sample.Path();
  auto Drives = [&Gallery, Folder](const String& Drive) -> TskControlsGallery::TMake {
    return [&Gallery, Folder, Drive](TWinControl* Parent) -> TControl* {
      auto* Box = new TGalleryDriveComboBox(Parent, Folder);
      Box->SetParent(Parent);
      Box->SetBounds(0, 0, 260, 20);
      Box->SetSkinData(Gallery.Skin());
      Box->HandleNeeded();
      Box->SetDrive(Drive);
      return Box;
    };
  };
  Gallery.AddRow("驱动器组合框·硬盘", Drives("/"), { { "正常", nullptr } });
  Gallery.AddRow("驱动器组合框·可移动", Drives(Folder + "/视频"), { { "正常", nullptr } });
  Gallery.AddRow("驱动器组合框·光盘", Drives(Folder + "/音乐"), { { "正常", nullptr } });
  Gallery.AddRow("驱动器组合框·网络", Drives(Folder + "/文档"), { { "正常", nullptr } });

  auto Directories = Maker<TskSkinDirectoryListBox>(Gallery, [Folder](TskSkinDirectoryListBox* List) {
    List->SetBounds(0, 0, 240, 170);
    List->SetDirectory(Folder + "/视频");
  });
  Gallery.AddRow("目录列表框", Directories, { { "正常", nullptr }, { "聚焦", [](TControl* C, HeadlessPresenter&) {
                                                 static_cast<TskSkinDirectoryListBox*>(C)->ListBox->SetFocus();
                                               } } });
  auto Files = Maker<TskSkinFileListBox>(Gallery, [Folder](TskSkinFileListBox* List) {
    List->SetBounds(0, 0, 200, 130);
    List->HandleNeeded();
    List->SetDirectory(Folder);
    List->SetFileType({ skftNormal, skftDirectory });
    List->SetItemIndex(List->Items()->Count() - 1);
  });
  Gallery.AddRow("文件列表框", Files, { { "正常", nullptr } });
}

/// The select-skin dialog in the gallery's look, the program's two skins offered.
void AddSelectSkinDialog(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  TskCompressedSkinList Skins(nullptr);
  TskSkinListItem* Product = Skins.Skins()->Add();
  Product->SetName("product");
  Product->SetDescription("产品皮肤");
  Product->SetSkin(ProductSkinContainer());
  TskSkinListItem* Test = Skins.Skins()->Add();
  Test->SetName("test");
  Test->SetDescription("测试皮肤（每块一种颜色）");
  Test->SetSkin(TestSkinContainer());
  TskSelectSkinDialog Dialog(nullptr);
  Dialog.SetTitle("选择皮肤");
  Dialog.SetSkinList(&Skins);
  Dialog.SetSkinData(Gallery.Skin());
  Dialog.SetCtrlSkinData(Gallery.Skin());
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Cells;
  for (int Index : { 0, 1 }) {
    Queue([&, Index] {
      Display.PumpUntilIdle();
      Cells.emplace_back(Index == 0 ? "预览产品皮肤" : "预览测试皮肤", WindowPicture(Dialog.DlgFrm()));
      Dialog.DlgFrm()->SetModalResult(mrCancel);
    });
    Dialog.Execute(Index);
  }
  Gallery.AddPictureRow("选择皮肤对话框", Cells);
}

/// The select-directory dialog in the gallery's look over the sample folder, as the converter opens it
/// (no tool bar) and with the path edit and New Folder button.
void AddSelectDirectoryDialog(TskControlsGallery& Gallery, HeadlessPresenter& Display, const TShellSample& Sample) {
  TskSkinSelectDirectoryDialog Dialog(nullptr);
  Dialog.SetTitle("选择输出目录");
  Dialog.SetSkinData(Gallery.Skin());
  Dialog.SetCtrlSkinData(Gallery.Skin());
  Dialog.SetDirectory(Sample.Path() + "/视频/旅行");
  Dialog.SetDialogWidth(300);
  Dialog.SetDialogHeight(320);
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Cells;
  for (bool ToolBar : { false, true }) {
    Dialog.SetShowToolBar(ToolBar);
    Queue([&, ToolBar] {
      Display.PumpUntilIdle();
      Cells.emplace_back(ToolBar ? "带路径与新建文件夹" : "转换器所用", WindowPicture(Dialog.DlgFrm()));
      Dialog.DlgFrm()->SetModalResult(mrCancel);
    });
    Dialog.Execute();
  }
  Gallery.AddPictureRow("选择目录对话框", Cells);
}

}  // namespace

void AddFileControlRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  const TShellSample Sample;
  AddFileBoxes(Gallery, Sample);
  AddSelectSkinDialog(Gallery, Display);
  AddSelectDirectoryDialog(Gallery, Display, Sample);
}

namespace {

/// The open dialog in save mode, as a descendant turns it on.
class TGallerySaveDialog : public TskSkinOpenDialog {
public:
  explicit TGallerySaveDialog(TComponent* AOwner) : TskSkinOpenDialog(AOwner) { FSaveMode = true; }
};

/// Whether screen point P shows Window: inside its bounds and not cut away by its window region.
bool Shows(TWinControl* Window, TPoint P) {
  if (!Window->BoundsRect().Contains(P)) return false;
  const HRGN Shape = CreateRectRgn(0, 0, 0, 0);
  const bool Shaped = GetWindowRgn(Window->Handle(), Shape) != RGN_ERROR;
  const bool Inside = !Shaped || PtInRegion(Shape, P.X - Window->Left(), P.Y - Window->Top());
  DeleteObject(Shape);
  return Inside;
}

/// The screen where the top-level windows of Shown are, within their joint bounds; the sheet's colour
/// elsewhere (around a window's rounded corners, beside a list dropped down from a window).
std::unique_ptr<TBitmap> ScreenPicture(HeadlessPresenter& Display, std::initializer_list<TWinControl*> Shown) {
  Display.PumpUntilIdle();
  TRect R = (*Shown.begin())->BoundsRect();
  for (TWinControl* Window : Shown) {
    const TRect B = Window->BoundsRect();
    R = Rect(std::min(R.Left, B.Left), std::min(R.Top, B.Top), std::max(R.Right, B.Right), std::max(R.Bottom, B.Bottom));
  }
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) {
      const TPoint P { R.Left + X, R.Top + Y };
      const bool Covered = std::any_of(Shown.begin(), Shown.end(), [P](TWinControl* W) { return Shows(W, P); });
      Picture->Canvas()->SetPixels(X, Y, Covered ? Display.PixelAt(P.X, P.Y) : RGB(236, 238, 242));
    }
  return Picture;
}

/// Selects the entries of the dialog's list shown as Names.
void SelectEntries(TskOpenDlgForm* Form, std::initializer_list<String> Names) {
  TskSkinFileListView* List = Form->FileListView;
  for (int I = 0; I < List->EntryCount(); ++I)
    for (const String& Name : Names)
      if (List->EntryAt(I)->DisplayName() == Name) List->Items()->Item(I)->SetSelected(true);
}

/// The open dialog as the converter adds files with it, over the sample folder: in list and detail view,
/// with the file-type list open; the save mode with its overwrite question; and the converter's notice box.
void AddFileDialogs(TskControlsGallery& Gallery, HeadlessPresenter& Display, const TShellSample& Sample) {
  const String Filter = "所有文件格式 (*.*)|*.*|支持的视频文件格式|*.AVI;*.FLV;*.MKV;*.MOV;*.MP4|"
                        "AVI文件 (*.avi)|*.avi|MP4视频格式 (*.mp4;*.m4v)|*.mp4;*.m4v|Flash视频格式 (*.flv)|*.flv|";
  auto Prepare = [&](TskSkinOpenDialog& Dialog, const String& Title) {
    Dialog.SetTitle(Title);
    Dialog.SetFilter(Filter);
    Dialog.SetSkinData(Gallery.Skin());
    Dialog.SetCtrlSkinData(Gallery.Skin());
    Dialog.SetLVHeaderSkinDataName("resizebutton");
    Dialog.SetInitialDir(Sample.Path());
  };
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Cells;
  TskSkinOpenDialog Open(nullptr);
  Prepare(Open, "打开文件");
  Open.SetMultiSelection(true);
  using TTake = std::function<std::unique_ptr<TBitmap>(TskOpenDlgForm*)>;
  auto TakeOpen = [&](const String& Caption, const TTake& Enter) {
    Queue([&, Caption, Enter] {
      TskOpenDlgForm* Form = Open.DlgFrm();
      Display.PumpUntilIdle();
      Cells.emplace_back(Caption, Enter(Form));
      Form->FilterComboBox->CloseUp(false);
      Form->SetModalResult(mrCancel);
    });
    Open.Execute();
  };
  TakeOpen("列表 · 选中一个文件", [&Display](TskOpenDlgForm* Form) {
    SelectEntries(Form, { "旅行.mp4" });
    return ScreenPicture(Display, { Form });
  });
  TakeOpen("详细信息 · 多选", [&Display](TskOpenDlgForm* Form) {
    Form->SelectViewStyle(vsReport);
    SelectEntries(Form, { "会议记录.avi", "旅行.mp4" });
    return ScreenPicture(Display, { Form });
  });
  TakeOpen("文件类型列表打开", [&Display](TskOpenDlgForm* Form) {
    Form->SelectViewStyle(vsList);
    Form->FilterComboBox->DropDown();
    return ScreenPicture(Display, { Form, Form->FilterComboBox->ListBox() });
  });
  Gallery.AddPictureRow("打开文件对话框", Cells);

  Cells.clear();
  TGallerySaveDialog Save(nullptr);
  Prepare(Save, "另存为");
  Save.SetOverwritePromt(true);
  Save.SetFilterIndex(3);
  Queue([&] {
    TskOpenDlgForm* Form = Save.DlgFrm();
    Screen->OnActiveFormChange = [&, Form](TObject*) {
      auto* Box = dynamic_cast<TskMessageForm*>(Screen->ActiveForm());
      if (!Box) return;
      Screen->OnActiveFormChange = nullptr;
      Queue([&, Form, Box] {
        Cells.emplace_back("覆盖已有文件的提问", ScreenPicture(Display, { Form, Box }));
        Box->SetModalResult(mrCancel);
      });
    };
    Display.PumpUntilIdle();
    Form->FileNameEdit->SetText("会议记录");
    Form->OpenButtonClick(Form->OpenButton);
    Form->SetModalResult(mrCancel);
  });
  Save.Execute();

  TskSkinMessage Notice(nullptr);
  Notice.SetSkinData(Gallery.Skin());
  Notice.SetCtrlSkinData(Gallery.Skin());
  Queue([&] {
    auto* Box = dynamic_cast<TskMessageForm*>(Screen->ActiveForm());
    Display.PumpUntilIdle();
    Cells.emplace_back("转换器的提示框", WindowPicture(Box));
    Box->SetModalResult(mrOk);
  });
  Notice.MessageDlg2("已将 3 个文件添加到转换列表。", "提示", mtInformation, { mbOK }, 0);
  Gallery.AddPictureRow("保存对话框与消息框", Cells);
}

}  // namespace

void AddFileDialogRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  const TShellSample Sample;
  AddFileDialogs(Gallery, Display, Sample);
}
