#pragma once
// The main window with its dialogs as the program makes them, on the headless presenter, filled through its
// own add commands: the open and folder dialogs answered as a user would, the job list read row by row.
#include <gmock/gmock.h>

#include <filesystem>
#include <initializer_list>
#include <vector>

#include "app/engine/TFFConverterEngine.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "app/program/ConverterForms.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMemo.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskShellFolder.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "tests/app/support/FrontEndHarness.h"
#include "tests/app/support/TFakeFFConverter.h"

/// The converter's windows on the scripted engine (or the real one) with the job list's helpers.
class JobListTest : public FrontEndHarness {
protected:
  void TearDown() override {
    FrontEndHarness::TearDown();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form7 = nullptr;
  }

  /// Makes and shows the four windows on Converter; answers the main window.
  TForm1* Start(IFFConverter& Converter) {
    Services.Converter = &Converter;
    ShowForm([this](TApplication& App) {
      CreateConverterForms(App, Services);
      return Form1;
    });
    return Form1;
  }
  TForm1* Start() { return Start(Engine); }

  // ---- The add commands with their dialogs answered ----
  /// Adds File through the single add: the open dialog starts on it and its Open button is clicked.
  void AddFile(const String& File) {
    Form1->OpenDialog1->SetFileName(File);
    Answer("TskOpenDlgForm", [this](TCustomForm* Form) { Click(static_cast<TskOpenDlgForm*>(Form)->OpenButton); });
    Form1->btnAdd->Click();
    Answer("TskOpenDlgForm", {});
  }
  /// Adds the files Names of Folder through the several-files add, selected together in the dialog's list.
  void AddFiles(const String& Folder, std::initializer_list<String> Names) {
    Form1->OpenDialog2->SetInitialDir(Folder);
    Form1->OpenDialog2->SetFileName("");
    const std::vector<String> Chosen(Names);
    Answer("TskOpenDlgForm", [this, Chosen](TCustomForm* Form) {
      auto* Dialog = static_cast<TskOpenDlgForm*>(Form);
      Display->PumpUntilIdle();
      TskSkinFileListView* List = Dialog->FileListView;
      for (int I = 0; I < List->EntryCount(); ++I)
        if (std::ranges::count(Chosen, List->EntryAt(I)->DisplayName()))
          List->Items()->Item(I)->SetSelected(true);
      Click(Dialog->OpenButton);
    });
    Form1->Button8->Click();
    Answer("TskOpenDlgForm", {});
  }
  /// Adds Folder through the folder add: the folder dialog opens on it and OK is clicked (Cancel with
  /// Cancelled).
  void AddFolder(const String& Folder, bool Cancelled = false) {
    Form1->skSkinSelectDirectoryDialog1->SetDirectory(Folder);
    Answer("TskSelDirDlgForm", [this, Cancelled](TCustomForm* Form) {
      auto* Dialog = static_cast<TskSelDirDlgForm*>(Form);
      Display->PumpUntilIdle();
      Click(Cancelled ? Dialog->CancelButton : Dialog->OkButton);
    });
    Form1->Button12->Click();
    Answer("TskSelDirDlgForm", {});
  }
  /// Copies the clip to Folder/Name and answers the copy's path.
  String CopyOfClip(const String& Folder, const String& Name) {
    std::filesystem::create_directories(Folder);
    std::filesystem::copy_file(Media().Clip, Folder + "/" + Name);
    return Folder + "/" + Name;
  }

  // ---- The job list ----
  TskSkinListView* List() const { return Form1->lvFiles; }
  int RowCount() const { return List()->Items()->Count(); }
  TListItem* Row(int Index) const { return List()->Items()->Item(Index); }
  String Cell(int RowIndex, int Cell) const { return Row(RowIndex)->SubItems()->Strings(Cell); }
  /// The caption and the cells of a row.
  std::vector<String> Contents(int RowIndex) const {
    std::vector<String> Texts { Row(RowIndex)->Caption() };
    for (int I = 0; I < Row(RowIndex)->SubItems()->Count(); ++I) Texts.push_back(Cell(RowIndex, I));
    return Texts;
  }
  /// One cell of every row, in list order.
  std::vector<String> Column(int Cell) const {
    std::vector<String> Texts;
    for (int I = 0; I < RowCount(); ++I) Texts.push_back(this->Cell(I, Cell));
    return Texts;
  }
  /// The input files of the rows, in list order.
  std::vector<String> Inputs() const {
    std::vector<String> Files;
    for (int I = 0; I < RowCount(); ++I) Files.push_back(Row(I)->Caption());
    return Files;
  }
  /// The slot each row is tied to, in list order.
  std::vector<int> Slots() const {
    std::vector<int> Tied;
    for (int I = 0; I < RowCount(); ++I) Tied.push_back(Form1->JobSlots.SlotOf(Row(I)));
    return Tied;
  }
  int SelectedIndex() const { return List()->Selected() ? List()->Selected()->Index() : -1; }
  /// The log's lines, in order.
  std::vector<String> Log() const {
    std::vector<String> Lines;
    for (int I = 0; I < Form1->mmoLog->Lines()->Count(); ++I) Lines.push_back(Form1->mmoLog->Lines()->Strings(I));
    return Lines;
  }
  String OutputFolder() const { return HomeDir() + "/Zorvik视频软件/输出"; }

  TFakeFFConverter Engine;
  TConverterServices Services;
};
