#include "app/program/ControlQueries.h"

#include <optional>

#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
#include "skin/boxctrls/TskSkinCustomOfficeComboBox.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupWindow.h"

namespace {

/// Whether the user could see AControl now: it and all its parents are showing.
bool IsShowing(TControl* AControl) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) return Windowed->Showing();
  return AControl->Visible() && AControl->Parent() && AControl->Parent()->Showing();
}

/// The name a request gives AForm: its Name, else its class name.
String FormName(TCustomForm* AForm) { return AForm->Name().empty() ? AForm->ClassName() : AForm->Name(); }

/// The control named AName among ARoot's controls and theirs, and among the components ARoot owns and
/// the controls of those without a parent; null when there is none.
TControl* FindNamed(TWinControl* ARoot, const String& AName) {
  for (int I = 0; I < ARoot->ControlCount(); ++I) {
    TControl* Child = ARoot->Controls(I);
    if (SameText(Child->Name(), AName)) return Child;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child))
      if (TControl* Found = FindNamed(Windowed, AName)) return Found;
  }
  for (int I = 0; I < ARoot->ComponentCount(); ++I) {
    TComponent* Owned = ARoot->Components(I);
    if (auto* Control = dynamic_cast<TControl*>(Owned); Control && SameText(Owned->Name(), AName)) return Control;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Owned); Windowed && !Windowed->Parent())
      if (TControl* Found = FindNamed(Windowed, AName)) return Found;
  }
  return nullptr;
}

/// The showing control a request names ("Form.Control", "Form" or "Control"), looked for in the top-level
/// windows from the topmost down; null when there is none.
TControl* FindShowing(const String& APath) {
  const size_t Dot = APath.find('.');
  const String First = APath.substr(0, Dot);
  TControl* Found = nullptr;
  EnumWindows([&](HWND Window) {
    TWinControl* Root = FindControl(Window);
    if (!Root || !Root->Showing()) return true;
    auto* Form = dynamic_cast<TCustomForm*>(Root);
    const bool Named = Form && SameText(FormName(Form), First);
    if (Dot != String::npos)
      Found = Named ? FindNamed(Root, APath.substr(Dot + 1)) : nullptr;
    else
      Found = Named ? Root : FindNamed(Root, First);
    if (Found && !IsShowing(Found)) Found = nullptr;
    return !Found;
  });
  return Found;
}

/// The screen rectangle of the menu item named AName on a showing menu bar or in an open menu; none when
/// it shows nowhere.
std::optional<TRect> FindMenuItem(const String& AName) {
  std::optional<TRect> Found;
  const auto Consider = [&](TControl* Where, TMenuItem* Item, bool Visible, const TRect& R) {
    if (!Visible || !Item || !SameText(Item->Name(), AName)) return;
    const TPoint Origin = Where->ClientToScreen(R.TopLeft());
    Found = Bounds(Origin.X, Origin.Y, R.Width(), R.Height());
  };
  EnumWindows([&](HWND Window) {
    TWinControl* Root = FindControl(Window);
    if (!Root || !Root->Showing()) return true;
    if (auto* Menu = dynamic_cast<TskSkinPopupWindow*>(Root))
      for (const auto& Row : Menu->ItemList) Consider(Menu, Row->MenuItem, Row->FVisible, Row->ObjectRect);
    EnumChildWindows(Window, [&](HWND Child) {
      if (auto* Bar = dynamic_cast<TskSkinMainMenuBar*>(FindControl(Child)); Bar && Bar->Showing())
        for (int I = 0; I < Bar->ItemCount(); ++I)
          Consider(Bar, Bar->Item(I)->MenuItem, Bar->Item(I)->Visible, Bar->Item(I)->ObjectRect);
      return !Found;
    });
    return !Found;
  });
  return Found;
}

String RectText(const TRect& R) {
  return IntToStr(R.Left) + " " + IntToStr(R.Top) + " " + IntToStr(R.Right) + " " + IntToStr(R.Bottom);
}

/// AControl's rectangle in screen coordinates.
TRect ScreenRect(TControl* AControl) {
  if (!AControl->Parent()) return AControl->BoundsRect();
  const TPoint Origin = AControl->Parent()->ClientToScreen({ AControl->Left(), AControl->Top() });
  return Bounds(Origin.X, Origin.Y, AControl->Width(), AControl->Height());
}

String Rows(TCustomListView* AList) {
  String Answer;
  for (int I = 0; I < AList->Items()->Count(); ++I) {
    TListItem* Row = AList->Items()->Item(I);
    const TRect R = Row->DisplayRect(drBounds);
    const TPoint Origin = AList->ClientToScreen({ R.Left, R.Top });
    Answer += RectText(Bounds(Origin.X, Origin.Y, R.Width(), R.Height())) + "\t" + (Row->Selected() ? "*" : "-") +
              "\t" + Row->Caption();
    for (int K = 0; K < Row->SubItems()->Count(); ++K) Answer += "\t" + Row->SubItems()->Strings(K);
    Answer += "\n";
  }
  return Answer;
}

/// The item index of a skinned combo box and whether its drop-down list shows; none for other controls.
std::optional<String> Choice(TControl* AControl) {
  const auto Answer = [](int AIndex, const TWinControl* AList) {
    return IntToStr(AIndex) + (AList->Showing() ? " open\n" : " closed\n");
  };
  if (auto* Combo = dynamic_cast<TskSkinCustomComboBox*>(AControl))
    return Answer(Combo->ItemIndex(), Combo->ListBox());
  if (auto* Combo = dynamic_cast<TskSkinCustomOfficeComboBox*>(AControl))
    return Answer(Combo->ItemIndex(), Combo->ListBox());
  return std::nullopt;
}

}  // namespace

String AnswerControlQuery(const String& Request) {
  const size_t Space = Request.find(' ');
  const String Verb = Request.substr(0, Space);
  const String Path = Space == String::npos ? String() : Request.substr(Space + 1);
  if (Verb != "where" && Verb != "rows" && Verb != "choice") return "error: unknown request \"" + Verb + "\"\n";
  if (Path.empty()) return "error: no control named\n";
  TControl* Control = FindShowing(Path);
  if (Verb == "where") {
    if (Control) return RectText(ScreenRect(Control)) + "\n";
    const std::optional<TRect> Item = FindMenuItem(Path);
    return Item ? RectText(*Item) + "\n" : "none\n";
  }
  if (!Control) return "none\n";
  if (Verb == "choice") return Choice(Control).value_or("error: " + Path + " is no combo box\n");
  auto* List = dynamic_cast<TCustomListView*>(Control);
  return List ? Rows(List) : "error: " + Path + " is no list view\n";
}
