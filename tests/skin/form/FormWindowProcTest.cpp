// The frame's window procedure: which messages the form's own procedure still sees and what the frame
// answers, the skin-change window and the walks over the form's controls, also after a failed load.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

using FormWindowProc = FormFrameTest;

/// A skinned control that logs the two passes of a skin change under its name, and whether its form's
/// frame painted meanwhile.
class TPassLog : public TskSkinControl {
public:
  TPassLog(TComponent* AOwner, AppLog* ALog, TskSkinForm* AFrame) : TskSkinControl(AOwner), Log(ALog), Frame(AFrame) {}
  void BeforeChangeSkinData() override {
    TskSkinControl::BeforeChangeSkinData();
    Log->push_back(Name() + ".before" + (Frame->StopPainting() ? " (frame stopped)" : ""));
  }
  void ChangeSkinData() override {
    TskSkinControl::ChangeSkinData();
    Log->push_back(Name() + ".change");
  }

private:
  AppLog* Log;
  TskSkinForm* Frame;
};

TEST_F(FormWindowProc, TheFormsOwnProcedureSeesWhatTheFrameLeavesIt) {
  BuildFrameSkin(Model);
  // Outlives the test: the form's procedure keeps hearing messages until the form is gone.
  static std::vector<UINT> Seen;
  Main->Show();
  const TWndMethod Own = Main->WindowProc();
  Main->SetWindowProc([Own](TMessage& M) {
    Seen.push_back(M.Msg);
    Own(M);
  });
  auto* Frame = Attach(Main, &Model);
  TBitmap Print;
  Print.SetSize(Main->Width(), Main->Height());
  const HDC PrintDC = Print.Canvas()->Handle();
  const TPoint Client = Main->ClientToScreen({ 5, 5 });
  struct Row {
    const char* Name;
    UINT Msg;
    WPARAM W;
    LPARAM L;
    bool SkinnedCalls;
    LRESULT SkinnedResult;
    bool SystemCalls;
  };
  NCCALCSIZE_PARAMS Calc {};
  const Row Rows[] = {
    { "WM_NCCALCSIZE", WM_NCCALCSIZE, 1, LPARAM(&Calc), false, 0, true },
    { "WM_NCHITTEST", WM_NCHITTEST, 0, MAKELPARAM(Client.X, Client.Y), false, HTCLIENT, true },
    { "WM_NCPAINT", WM_NCPAINT, 0, 0, false, 0, true },
    { "WM_ERASEBKGND", WM_ERASEBKGND, WPARAM(PrintDC), 0, false, 1, false },
    { "SC_KEYMENU", WM_SYSCOMMAND, SC_KEYMENU, 0, false, 0, false },
    { "SC_RESTORE", WM_SYSCOMMAND, SC_RESTORE, 0, true, 0, true },
    { "WM_SKINFRAMEQUERY", WM_SKINFRAMEQUERY, 0, 0, false, SkinFrameSkinned, false },
    { "WM_SMARTEFFECTSSHOW", WM_SMARTEFFECTSSHOW, 0, 0, true, 0, true },
    { "WM_SMARTEFFECTSDONE", WM_SMARTEFFECTSDONE, 0, 0, true, 0, true },
    { "WM_SKINPRINTNC without DC", WM_SKINPRINTNC, 0, 0, false, 0, true },
    { "WM_SKINPRINTNC", WM_SKINPRINTNC, WPARAM(PrintDC), 0, false, SkinNCPrinted, true },
    { "WM_SKINPRINTNCEX", WM_SKINPRINTNCEX, WPARAM(PrintDC), SkinPrintNCExKey, false, SkinPrintNCExKey, true },
    { "WM_SKINPRINTNCEX other key", WM_SKINPRINTNCEX, WPARAM(PrintDC), 5, true, 0, true },
  };
  for (const bool Skinnable : { true, false }) {
    Model.SetSkinnableForm(Skinnable);
    ASSERT_EQ(Frame->SkinnableForm(), Skinnable);
    for (const Row& R : Rows) {
      Calc.rgrc[0] = Bounds(0, 0, 300, 200);
      Seen.clear();
      const LRESULT Result = SendMessage(Main->Handle(), R.Msg, R.W, R.L);
      const bool Called = std::count(Seen.begin(), Seen.end(), R.Msg) > 0;
      EXPECT_EQ(Called, Skinnable ? R.SkinnedCalls : R.SystemCalls) << R.Name << (Skinnable ? "" : " (system frame)");
      if (Skinnable) {
        EXPECT_EQ(Result, R.SkinnedResult) << R.Name;
      }
    }
  }
  EXPECT_EQ(SendMessage(Main->Handle(), WM_SKINFRAMEQUERY, 0, 0), SkinFrameSkinned)
      << "before the desktop compositing systems the answer is the same for a system frame";
  Model.SetSkinnableForm(true);
  Calc.rgrc[0] = Bounds(0, 0, 300, 200);
  SendMessage(Main->Handle(), WM_NCCALCSIZE, 1, LPARAM(&Calc));
  EXPECT_EQ(Calc.rgrc[0], Rect(10, 30, 290, 190)) << "the client area sits where the skin's sits";
}

TEST_F(FormWindowProc, ASkinChangeRereadsTheControlsOfItsModelFirstDroppingThenReading) {
  TskSkinData Other(nullptr);
  BuildFrameSkin(Model);
  BuildFrameSkin(Other);
  Main->Show();
  auto* Frame = Attach(Main, &Model);
  auto Make = [&](const char* Name, TWinControl* Parent, TskSkinData* Bound) {
    auto* Control = new TPassLog(Main, &Log, Frame);
    Control->SetName(Name);
    Control->SetBounds(0, 0, 80, 80);
    Control->SetParent(Parent);
    Control->SetSkinData(Bound);
    return Control;
  };
  TPassLog* Outer = Make("Outer", Main, &Model);
  Make("Inner", Outer, &Model);
  Make("Foreign", Main, &Other);
  Make("Unbound", Main, nullptr);
  std::vector<String> Events;
  Frame->OnAfterChangeSkinData = [&](TObject*) { Events.push_back("after"); };
  Log.clear();
  Model.ClearSkin();
  EXPECT_EQ(Log, (AppLog { "Outer.before (frame stopped)", "Inner.before (frame stopped)", "Outer.change",
                           "Inner.change" }));
  Log.clear();
  Other.ClearSkin();
  EXPECT_EQ(Log, AppLog { "Foreign.change" }) << "another model's change reads only its controls";
  EXPECT_EQ(Events, (std::vector<String> { "after", "after" }));
}

TEST_F(FormWindowProc, NothingPaintsAndTimersRestUntilTheNewSkinIsInPlaceAndAFailedLoadEndsThatToo) {
  Main->Show();
  auto* Frame = Attach(Main, &Model);
  EXPECT_EQ(FrameColor(Main, 0, 50), ColorToRGB(cl3DDkShadow)) << "the built-in frame's dark outer line";
  EXPECT_TRUE(Frame->MouseTimer()->Enabled());
  bool StoppedMeanwhile = false;
  TColor Meanwhile = clNone;
  Frame->OnBeforeChangeSkinData = [&](TObject*) {
    StoppedMeanwhile = Frame->StopPainting() && !Frame->MouseTimer()->Enabled();
    // Paint a mark over the frame and ask the frame to paint: the mark stays.
    const HDC DC = GetWindowDC(Main->Handle());
    const HBRUSH Mark = CreateSolidBrush(clYellow);
    FillRect(DC, Rect(0, 0, 8, 8), Mark);
    DeleteObject(Mark);
    ReleaseDC(Main->Handle(), DC);
    SendMessage(Main->Handle(), WM_NCPAINT, 0, 0);
    Meanwhile = Display->PixelAt(Main->Left() + 1, Main->Top() + 1);
  };
  const std::filesystem::path Folder =
      std::filesystem::temp_directory_path() / ("formframe-" + std::to_string(getpid()));
  std::filesystem::create_directories(Folder);
  // A skin ini whose frame picture is missing: the load fails after it began.
  std::ofstream(Folder / "broken.ini") << "[VERSION]\nver=1\n[PICTURES]\npicture=missing.bmp\n"
                                          "[FORMINFO]\nbuttonsoffset=0\n[SKINOBJECTS]\ncount=0\n"
                                          "[SKINCONTROLS]\ncount=0\n";
  EXPECT_ANY_THROW(Model.LoadFromFile((Folder / "broken.ini").string()));
  std::filesystem::remove_all(Folder);
  EXPECT_TRUE(StoppedMeanwhile);
  EXPECT_EQ(Meanwhile, clYellow);
  EXPECT_FALSE(Frame->StopPainting()) << "the load's end reached the frame";
  EXPECT_TRUE(Frame->MouseTimer()->Enabled());
  Main->Invalidate();
  Frame->UpDateFormNC();
  EXPECT_EQ(FrameColor(Main, 1, 1), ColorToRGB(clBtnFace)) << "the built-in frame paints again";

  BuildFrameSkin(Model);
  Model.SendSkinDataMessage(WM_CHANGESKINDATA);
  EXPECT_EQ(FrameColor(Main, 100, 5), FrameCaption) << "and the skinned one once a skin is in place";
  EXPECT_EQ(FrameColor(Main, 2, 100), FrameBorder);
}

}  // namespace
