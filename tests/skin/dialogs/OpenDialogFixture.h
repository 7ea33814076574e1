#pragma once
// The open dialog over the shell fixture folder on the headless presenter, run modally and driven from
// inside its loop: by the pointer and the keyboard at the places a user would reach, or by setting state
// directly where a test looks at a rule rather than at the input.
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

/// The dialog in save mode, as a descendant turns it on.
class SaveModeDialog : public TskSkinOpenDialog {
public:
  explicit SaveModeDialog(TComponent* AOwner) : TskSkinOpenDialog(AOwner) { FSaveMode = true; }
};

/// Filter: 0 "Videos" (*.avi;*.mp4), 1 "Text" (*.txt), 2 "All" (*.*); the start folder is the fixture's.
template <class TDialog> class FileDialogTest : public ShellViewTest {
protected:
  void SetUp() override {
    ShellViewTest::SetUp();
    Dialog = new TDialog(App.get());
    Dialog->SetInitialDir(Dir.Path());
    Dialog->SetFilter("Videos|*.avi;*.mp4|Text|*.txt|All|*.*");
  }

  TskOpenDlgForm* Dlg() const { return Dialog->DlgFrm(); }
  TskSkinFileListView* List() const { return Dlg()->FileListView; }
  /// Runs Steps on the open dialog, then cancels it unless a step closed it.
  void WhileOpen(std::function<void()> Steps) {
    Later([this, Steps] {
      ASSERT_NE(Dlg(), nullptr);
      Display->PumpUntilIdle();
      Steps();
      if (Dlg() && Dlg()->ModalResult() == mrNone) Dlg()->SetModalResult(mrCancel);
    });
  }
  /// Selects the listed entries of Names (added to the selection) without input.
  void Select(std::initializer_list<String> Names) {
    for (const String& Name : Names)
      for (int I = 0; I < List()->EntryCount(); ++I)
        if (List()->EntryAt(I)->DisplayName() == Name) List()->Items()->Item(I)->SetSelected(true);
  }
  /// The names of the files the list shows, in list order.
  std::vector<String> ListedFiles() const {
    std::vector<String> Names;
    for (int I = 0; I < List()->EntryCount(); ++I)
      if (!List()->EntryAt(I)->IsFolder()) Names.push_back(List()->EntryAt(I)->DisplayName());
    return Names;
  }
  /// The list index of the entry shown as Name; fails the test when there is none.
  int IndexOf(const String& Name) const {
    for (int I = 0; I < List()->EntryCount(); ++I)
      if (List()->EntryAt(I)->DisplayName() == Name) return I;
    ADD_FAILURE() << Name << " is not listed";
    return 0;
  }
  void Type(const String& Text) { Dlg()->FileNameEdit->SetText(Text); }
  void Open() { ClickOn(Dlg()->OpenButton); }

  // ---- Input as a user gives it ----
  /// Lets the double-click time pass, so that the next click is a single one.
  void Pause() { Display->Advance(GetDoubleClickTime() + 1); }
  /// Clicks the label of the entry Name (scrolled into view first) with the Held keys down.
  void ClickItem(const String& Name, std::initializer_list<UINT> Held = {}) {
    Pause();
    for (UINT Key : Held) Display->KeyDown(Key);
    const TPoint P = ItemPoint(Name);
    Display->Click(P.X, P.Y);
    for (UINT Key : Held) Display->KeyUp(Key);
  }
  void DoubleClickItem(const String& Name) {
    Pause();
    const TPoint P = ItemPoint(Name);
    Display->Click(P.X, P.Y);
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  /// Clicks into the name edit and types Text over what it held.
  void TypeName(const String& Text) {
    Pause();
    ClickOn(Dlg()->FileNameEdit);
    Display->Key(VK_END);
    Display->Key(VK_HOME, { VK_SHIFT });
    Display->TypeText(Text);
  }
  /// Types Text into the name edit and presses Enter there.
  void EnterName(const String& Text) {
    TypeName(Text);
    Display->Key(VK_RETURN);
    Display->PumpUntilIdle();
  }
  /// Opens the file-type box's list with a click on its button and clicks the row Index.
  void PickFileType(int Index) {
    Pause();
    TskSkinFilterComboBox* Box = Dlg()->FilterComboBox;
    ClickAt(Box, Box->Width() - 8, Box->Height() / 2);
    ASSERT_TRUE(Box->IsPopupVisible());
    TskListBox* Rows = Box->ListBox()->ListBox;
    const TRect Row = Rows->ItemRect(Index);
    ClickAt(Rows, 10, (Row.Top + Row.Bottom) / 2);
    Display->PumpUntilIdle();
  }
  void ClickButton(TControl* Button) {
    Pause();
    ClickOn(Button);
    Display->PumpUntilIdle();
  }

  TDialog* Dialog { nullptr };

private:
  TPoint ItemPoint(const String& Name) {
    TListItem* Item = List()->Items()->Item(IndexOf(Name));
    Item->MakeVisible(false);
    Display->PumpUntilIdle();
    const TRect R = Item->DisplayRect(drLabel);
    return At(List(), R.Left + 4, (R.Top + R.Bottom) / 2);
  }
};
