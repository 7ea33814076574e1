#include "tests/app/support/FrontEndHarness.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace {

/// A new folder under the system's temporary folder, named for this process and test.
fs::path NewTestRoot() {
  static std::atomic<int> Counter { 0 };
  const fs::path Root =
      fs::temp_directory_path() / ("zorvik-frontend-" + std::to_string(getpid()) + "-" + std::to_string(Counter++));
  fs::remove_all(Root);
  fs::create_directories(Root);
  return Root;
}

/// AFileName filled with ASize bytes that no demuxer takes for media (the same bytes every run).
void WriteRandomBytes(const fs::path& AFileName, size_t ASize) {
  std::mt19937 Random(20240601);
  std::ofstream File(AFileName, std::ios::binary);
  for (size_t I = 0; I < ASize; ++I) File.put(char(Random() & 0xFF));
}

/// Whether the user could click AControl now: it and its parents are showing.
bool Showing(TControl* AControl) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) return Windowed->Showing();
  return AControl->Visible() && AControl->Parent() && AControl->Parent()->Showing();
}

/// The name a failure message gives a form.
String NameOf(TCustomForm* AForm) { return AForm->Name().empty() ? AForm->ClassName() : AForm->Name(); }

}  // namespace

void FrontEndHarness::SetUp() {
  const fs::path Root = NewTestRoot();
  FRoot = Root.string();
  fs::create_directories(Root / "install");
  fs::create_directories(Root / "home");
  FInstallDir = (Root / "install").string() + "/";
  FHomeDir = (Root / "home").string();
  OverrideExePath(FInstallDir);
  if (const char* Home = std::getenv("HOME")) FSavedHome = Home;
  setenv("HOME", FHomeDir.c_str(), 1);

  AppTest::SetUp();
  SetDefaultModalResponder([](TCustomForm* Form) {
    ADD_FAILURE() << "no responder answers the modal form " << NameOf(Form) << " \"" << Form->Caption() << "\""
                  << (MessageText(Form).empty() ? "" : ": " + MessageText(Form)) << "; it is cancelled";
    Form->SetModalResult(mrCancel);
  });
}

void FrontEndHarness::TearDown() {
  ClearModalResponders();
  AppTest::TearDown();
  OverrideExePath("");
  if (FSavedHome)
    setenv("HOME", FSavedHome->c_str(), 1);
  else
    unsetenv("HOME");
  std::error_code Ignored;
  fs::remove_all(FRoot, Ignored);
}

// ---- Media ----

const TFrontEndMedia& FrontEndHarness::Media() {
  if (!FMedia) MakeMedia();
  return *FMedia;
}

void FrontEndHarness::MakeMedia() {
  const TMediaFixtures& Made = MediaFixtures();
  const fs::path Folder = fs::path(FRoot) / "media";
  const fs::path Mixed = Folder / "mixed";
  fs::create_directories(Mixed / "sub");
  fs::create_directories(Folder / "empty");
  const auto CopyClip = [&](const fs::path& ATo) { fs::copy_file(Made.ClipMKV, ATo); };
  CopyClip(Folder / "clip.mkv");
  fs::copy_file(Made.AudioWAV, Folder / "tone.wav");
  WriteRandomBytes(Folder / "corrupt.mp4", 64 * 1024);
  CopyClip(Folder / "测试 视频.a.b.mkv");
  CopyClip(Folder / "noext");
  CopyClip(Folder / ".hidden.mkv");
  CopyClip(Mixed / "clip.mkv");
  CopyClip(Mixed / ".hidden.mkv");
  CopyClip(Mixed / "sub" / "clip.mkv");
  fs::copy_file(Folder / "corrupt.mp4", Mixed / "corrupt.mp4");
  if (mkfifo((Mixed / "pipe").c_str(), 0600) != 0) throw Exception("Cannot make the FIFO " + (Mixed / "pipe").string());
  FMedia = TFrontEndMedia {
    .Folder = Folder.string(),
    .Clip = (Folder / "clip.mkv").string(),
    .Tone = (Folder / "tone.wav").string(),
    .Corrupt = (Folder / "corrupt.mp4").string(),
    .Awkward = (Folder / "测试 视频.a.b.mkv").string(),
    .NoExtension = (Folder / "noext").string(),
    .Hidden = (Folder / ".hidden.mkv").string(),
    .Mixed = Mixed.string(),
    .Empty = (Folder / "empty").string(),
  };
}

// ---- Forms ----

TCustomForm* FrontEndHarness::ShowForm(const TFormFactory& AFactory) {
  TCustomForm* Form = AFactory(*App);
  if (!Form->Visible()) Form->Show();
  Display->PumpUntilIdle();
  return Form;
}

TControl* FrontEndHarness::FindNamedControl(TWinControl* ARoot, const String& AName) {
  for (int I = 0; I < ARoot->ControlCount(); ++I) {
    TControl* Child = ARoot->Controls(I);
    if (SameText(Child->Name(), AName)) return Child;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child))
      if (TControl* Found = FindNamedControl(Windowed, AName)) return Found;
  }
  for (int I = 0; I < ARoot->ComponentCount(); ++I) {
    TComponent* Owned = ARoot->Components(I);
    if (SameText(Owned->Name(), AName))
      if (auto* Control = dynamic_cast<TControl*>(Owned)) return Control;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Owned); Windowed && !Windowed->Parent())
      if (TControl* Found = FindNamedControl(Windowed, AName)) return Found;
  }
  return nullptr;
}

// ---- Input ----

void FrontEndHarness::Click(TControl* AControl, std::source_location AWhere) {
  if (!AControl || !Showing(AControl)) {
    ADD_FAILURE_AT(AWhere.file_name(), AWhere.line())
        << "cannot click " << (AControl ? AControl->Name() + ", which is not showing" : "a missing control");
    return;
  }
  ClickOn(AControl);
}

void FrontEndHarness::DoubleClick(TControl* AControl, std::source_location AWhere) {
  Click(AControl, AWhere);
  Click(AControl, AWhere);
}

void FrontEndHarness::Pick(TskSkinOfficeComboBox* Combo, int Index) {
  Click(Combo);
  ASSERT_TRUE(Combo->IsPopupVisible()) << Combo->Name();
  TskPopupOfficeListBox* List = Combo->ListBox();
  TskSkinOfficeItem* Item = List->Items()->Items(Index);
  const auto Whole = [&] { return Item->ItemRect.Top >= 0 && Item->ItemRect.Bottom <= List->ClientHeight(); };
  for (int Turns = 0; !Whole() && List->ScrollBar && Turns < List->Items()->Count(); ++Turns) {
    TskSkinScrollBar* Bar = List->ScrollBar;
    const bool Below = Item->ItemRect.Top > 0;
    const TPoint Arrow = Bar->ClientToScreen({ Bar->Width() / 2, Below ? Bar->Height() - 4 : 4 });
    Display->Click(Arrow.X, Arrow.Y);
  }
  ASSERT_TRUE(Whole()) << Combo->Name() << " item " << Index;
  const auto Centre = [&](const TskSkinOfficeItem* AItem) {
    return List->ClientToScreen({ AItem->ItemRect.Left + 10, (AItem->ItemRect.Top + AItem->ItemRect.Bottom) / 2 });
  };
  // A pointer reaches the item over another one, as a hand moves it: the list selects the item the pointer
  // moves onto, which need not be the one it hovered when it last showed.
  for (int Other = 0; Other < List->Items()->Count(); ++Other) {
    const TskSkinOfficeItem* Passed = List->Items()->Items(Other);
    if (Other == Index || Passed->Header() || Passed->ItemRect.Top < 0 || Passed->ItemRect.Bottom > List->ClientHeight())
      continue;
    const TPoint Over = Centre(Passed);
    Display->MoveTo(Over.X, Over.Y);
    break;
  }
  const TPoint P = Centre(Item);
  Display->MoveTo(P.X, P.Y);
  Display->Click(P.X, P.Y);
}

void FrontEndHarness::Pick(TskSkinComboBox* Combo, int Index) {
  Click(Combo);
  ASSERT_TRUE(Combo->IsPopupVisible()) << Combo->Name();
  TskListBox* List = Combo->ListBox()->ListBox;
  const TRect R = List->ItemRect(Index);
  ASSERT_TRUE(R.Top >= 0 && R.Bottom <= List->ClientHeight()) << Combo->Name() << " entry " << Index;
  const TPoint P = List->ClientToScreen({ 5, (R.Top + R.Bottom) / 2 });
  Display->MoveTo(P.X, P.Y);
  Display->Click(P.X, P.Y);
}

// ---- Modal dialogs ----

String FrontEndHarness::MessageText(TCustomForm* ABox) {
  TControl* Message = FindNamedControl(ABox, "Message");
  return Message ? Message->Caption() : String();
}

void FrontEndHarness::Press(TCustomForm* AForm, const String& AName, std::source_location AWhere) {
  TControl* Control = FindNamedControl(AForm, AName);
  if (!Control) {
    ADD_FAILURE_AT(AWhere.file_name(), AWhere.line()) << NameOf(AForm) << " has no control " << AName;
    return;
  }
  Click(Control, AWhere);
}

// ---- The loop ----

bool FrontEndHarness::PumpUntil(const std::function<bool()>& ADone, Cardinal ATimeout, std::source_location AWhere) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeout);
  for (;;) {
    Display->PumpUntilIdle();
    if (ADone()) return true;
    if (std::chrono::steady_clock::now() >= Deadline) {
      ADD_FAILURE_AT(AWhere.file_name(), AWhere.line()) << "the condition did not hold within " << ATimeout << " ms";
      return false;
    }
    // Hand-overs wake the wait at once; messages posted by other threads are seen at the next slice.
    WaitServing(ADone, 10);
  }
}
