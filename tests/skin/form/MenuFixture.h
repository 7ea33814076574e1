#pragma once
// Skinned menus on a framed main form: a control that logs the menus' notices, menus built from caption
// lists, the open levels and their rows on the screen, and a small menu skin built in code.
#include <memory>
#include <vector>

#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TScreen.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinWindows.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

/// A focusable control that logs the menu notices it hears as "Name.Closed" and "Name.Command".
class MenuProbe : public KeyProbe {
public:
  using KeyProbe::KeyProbe;

protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_SKINMENUCLOSED) Log->push_back(Name() + ".Closed");
    if (Message.Msg == WM_SKINMENUCOMMAND) Log->push_back(Name() + ".Command");
    KeyProbe::Dispatch(Message);
  }
};

// Colours of the menu skin.
constexpr TColor MenuWindowFill = RGB(60, 60, 90);
constexpr TColor MenuRowFill = RGB(230, 230, 200);
constexpr TColor MenuRowHot = RGB(250, 160, 40);
constexpr TColor MenuDivider = RGB(120, 20, 20);

/// A menu skin in Model: a 60 x 40 window picture with a 5-pixel edge around its items, and a "menuitem"
/// record whose rows are 20 pixels high (normal and hot images, 4-pixel divider), morphing by default.
inline void BuildMenuSkin(TskSkinData& Model) {
  TskSkinModelBuilder Skin(Model);
  auto& Window = *Model.PopupWindow;
  Window.WindowPictureIndex = Skin.AddPicture(60, 40, MenuWindowFill);
  Window.LTPoint = { 5, 5 };
  Window.RTPoint = { 55, 5 };
  Window.LBPoint = { 5, 35 };
  Window.RBPoint = { 55, 35 };
  Window.ItemsRect = Rect(5, 5, 55, 35);
  Window.ScrollMarkerColor = clWhite;
  Window.ScrollMarkerActiveColor = clYellow;
  const int Rows = Skin.AddPicture(60, 44);
  auto Item = std::make_unique<TskDataSkinMenuItem>("menuitem");
  Item->ActivePictureIndex = Rows;
  Item->SkinRect = Skin.Paint(Rows, Rect(0, 0, 60, 20), MenuRowFill);
  Item->ActiveSkinRect = Skin.Paint(Rows, Rect(0, 20, 60, 40), MenuRowHot);
  Item->DividerRect = Skin.Paint(Rows, Rect(0, 40, 60, 44), MenuDivider);
  Item->TextRct = Rect(4, 0, 56, 20);
  Item->ItemLO = Item->ItemRO = 2;
  Item->FontName = "Arial";
  Item->FontHeight = 14;
  Item->FontColor = clBlack;
  Item->ActiveFontColor = clWhite;
  Item->UnEnabledFontColor = clGray;
  Item->Morphing = true;
  Model.ObjectList.push_back(std::move(Item));
  Skin.Finish();
}

class MenuTest : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    Frame = Attach(Main, &Model);
    Edit = new MenuProbe(Main, &Log, "Edit", Main, Bounds(10, 10, 100, 25));
    Main->Show();
    Edit->SetFocus();
  }

  /// A skinned popup menu of the main form holding items with these captions; each click logs
  /// "Caption.Click".
  TskSkinPopupMenu* NewMenu(const std::vector<String>& Captions) {
    auto* Menu = new TskSkinPopupMenu(Main);
    for (const String& Caption : Captions) AddItem(Menu->Items(), Caption);
    return Menu;
  }
  /// Appends an item with Caption to Parent; its click logs "Caption.Click".
  TMenuItem* AddItem(TMenuItem* Parent, const String& Caption) {
    auto* Item = new TMenuItem(Parent->Owner());
    Item->SetCaption(Caption);
    Item->OnClick = [this, Caption](TObject*) { Log.push_back(Caption + ".Click"); };
    Parent->Add(Item);
    return Item;
  }

  const std::vector<TskSkinPopupWindow*>& Levels() const { return Frame->SkinMenu->PopupList(); }
  TskSkinPopupWindow* Level(size_t Index) const { return Levels().at(Index); }
  /// The row of Window showing Caption; null when none.
  static TskSkinMenuItem* Row(TskSkinPopupWindow* Window, const String& Caption) {
    for (const auto& Item : Window->ItemList)
      if (Item->MenuItem->Caption() == Caption) return Item.get();
    return nullptr;
  }
  /// The screen point in the middle of Window's row Caption.
  static TPoint RowPoint(TskSkinPopupWindow* Window, const String& Caption) {
    const TRect& R = Row(Window, Caption)->ObjectRect;
    return Window->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }
  /// The caption of Window's highlighted row ("" when none).
  static String ActiveCaption(TskSkinPopupWindow* Window) {
    return Window->ActiveItem < 0 ? "" : Window->ItemList[size_t(Window->ActiveItem)]->MenuItem->Caption();
  }
  /// The visible popup windows on the screen.
  int VisibleMenuWindows() const {
    int Count = 0;
    for (TskSkinPopupWindow* Window : Levels()) Count += IsWindowVisible(Window->Handle());
    return Count;
  }
  /// Points the pointer at P and lets the windows' 50 ms poll see it.
  void Hover(TPoint P) {
    Display->MoveTo(P.X, P.Y);
    Display->Advance(60);
  }
  void ClickAt(TPoint P) {
    Hover(P);
    Display->Click(P.X, P.Y);
  }
  /// Opens Menu below the edit for the edit.
  void OpenForEdit(TskSkinPopupMenu* Menu) {
    const TPoint P = Edit->ClientToScreen({ 0, 0 });
    ASSERT_TRUE(Menu->PopupFromRect2(Edit, Bounds(P.X, P.Y, Edit->Width(), Edit->Height()), false));
  }

  TskSkinForm* Frame { nullptr };
  MenuProbe* Edit { nullptr };
};
