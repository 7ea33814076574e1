// A report list view, a tree view and a page control on a form shown by the SDL2 presenter on a real X
// server: the screen shows what they painted. The screenshot is kept as ViewsDisplay.png in the build
// folder for a look by eye. Skipped without DISPLAY.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TListView.h"
#include "platform/ui/toolkit/TPageControl.h"
#include "platform/ui/toolkit/TTreeView.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XScreenshot.h"

namespace {

class ViewsDisplay : public SdlAppFixture {};

TListView* JobList(TForm* Form) {
  auto* List = new TListView(Form);
  List->SetBounds(8, 8, 330, 134);
  List->SetViewStyle(vsReport);
  List->SetRowSelect(true);
  List->SetGridLines(true);
  List->SetHideSelection(false);
  struct Column {
    const char* Caption;
    int Width;
    TAlignment Alignment;
  };
  for (const Column& C : { Column { "File", 118, taLeftJustify }, Column { "Format", 64, taLeftJustify },
                           Column { "Size", 70, taRightJustify }, Column { "Progress", 74, taRightJustify } }) {
    TListColumn* Col = List->Columns()->Add();
    Col->SetCaption(C.Caption);
    Col->SetWidth(C.Width);
    Col->SetAlignment(C.Alignment);
  }
  const char* Rows[][4] = { { "holiday.avi", "MP4", "182.4 MB", "100%" },  { "interview.mov", "AVI", "96.0 MB", "42%" },
                            { "concert.mkv", "WMV", "1.2 GB", "0%" },      { "lecture.flv", "MP3", "64.7 MB", "0%" },
                            { "trailer.mp4", "FLAC", "23.9 MB", "0%" } };
  for (const auto& Row : Rows) {
    TListItem* Item = List->Items()->Add();
    Item->SetCaption(Row[0]);
    for (int I = 1; I < 4; ++I) Item->SubItems()->Add(Row[I]);
  }
  List->SetParent(Form);
  return List;
}

TTreeView* FolderTree(TForm* Form) {
  auto* Tree = new TTreeView(Form);
  Tree->SetBounds(346, 8, 166, 134);
  Tree->SetHideSelection(false);
  TTreeNodes* Nodes = Tree->Items();
  TTreeNode* Videos = Nodes->Add(nullptr, "Videos");
  TTreeNode* Holiday = Nodes->AddChild(Videos, "Holiday 2025");
  Nodes->AddChild(Holiday, "Beach");
  TTreeNode* Hotel = Nodes->AddChild(Holiday, "Hotel");
  Nodes->AddChild(Videos, "Interviews");
  Nodes->AddChild(Nodes->Add(nullptr, "Music"), "Live");
  Nodes->Add(nullptr, "Downloads");
  Tree->SetParent(Form);
  Videos->Expand(false);
  Holiday->Expand(false);
  Hotel->SetSelected(true);
  return Tree;
}

TPageControl* OptionPages(TForm* Form) {
  auto* Pages = new TPageControl(Form);
  Pages->SetBounds(8, 150, 504, 122);
  Pages->SetParent(Form);
  for (const char* Caption : { "Video", "Audio", "Output folder" }) {
    auto* Sheet = new TTabSheet(Form);
    Sheet->SetCaption(Caption);
    Sheet->SetPageControl(Pages);
  }
  return Pages;
}

TEST_F(ViewsDisplay, TheScreenShowsAReportListATreeAndAPageControl) {
  auto* Form = new TForm(App.get());
  Form->SetBounds(60, 60, 528, 300);
  Form->SetCaption("Views");
  TListView* List = JobList(Form);
  FolderTree(Form);
  OptionPages(Form);
  Form->Show();
  List->SetFocus();
  List->Items()->Item(1)->SetSelected(true);
  List->Items()->Item(1)->SetFocused(true);
  ProcessPendingMessages();

  const TRect Whole = Bounds(Form->Left(), Form->Top(), Form->Width(), Form->Height());
  const Surface& Backing = *WindowSystem::Get().Find(Form->Handle())->Backing;
  XScreenshot Shot;
  int Mismatches = -1;
  const bool Shown = RunUntil([&] {
    if (!Shot.Take(Whole)) return false;
    Mismatches = 0;
    for (int Y = 0; Y < Whole.Height(); ++Y)
      for (int X = 0; X < Whole.Width(); ++X)
        Mismatches += Shot.At(Whole.Left + X, Whole.Top + Y) != PixelToColor(Backing.Pixel(X, Y));
    return Mismatches == 0;
  });
  EXPECT_TRUE(Shown) << Mismatches << " pixels differ";

  const TRect Row = List->Items()->Item(1)->DisplayRect(drBounds);
  const TPoint InRow = List->ClientToScreen({ Row.Left + 200, Row.Top + Row.Height() / 2 });
  EXPECT_EQ(Shot.At(InRow.X, InRow.Y), ColorToRGB(clHighlight));

  TBitmap Picture;
  Picture.SetPixelFormat(pf32bit);
  Picture.SetSize(Whole.Width(), Whole.Height());
  for (int Y = 0; Y < Whole.Height(); ++Y) {
    auto* Line = static_cast<uint32_t*>(Picture.ScanLine(Y));
    for (int X = 0; X < Whole.Width(); ++X) Line[X] = 0xFF000000u | ColorToPixel(Shot.At(Whole.Left + X, Whole.Top + Y));
  }
  TPngImage Png;
  Png.Assign(&Picture);
  Png.SaveToFile(REVIEW_PICTURES "ViewsDisplay.png");
}

}  // namespace
