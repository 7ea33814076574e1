// What lies behind a control, painted into a bitmap of the control's own through the controls' real
// erase and paint messages: the parent's background and painting, the earlier windowless siblings.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TGraphicControl.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "skin/core/skParentBackground.h"

namespace {

using PaintLog = std::vector<std::string>;

// A note of a paint, marked "(copy)" when the control painted as a neighbour's background.
void Note(PaintLog* Log, TControl* Control, const char* What) {
  Log->push_back(Control->Name() + "." + What + (Control->ControlState().Contains(csPaintCopy) ? "(copy)" : ""));
}

// A top-level parent that is no form: its erase fills its colour, its painting a red band along its top
// far wider than itself.
class BackgroundParent : public TCustomControl {
public:
  explicit BackgroundParent(PaintLog* ALog) : TCustomControl(nullptr), Log(ALog) {
    SetName("parent");
    FVisible = false;
    SetColor(clWhite);
  }
  bool IsRootWindow() const override { return true; }

  PaintLog* Log;

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_ERASEBKGND)
      Note(Log, this, "Erase");
    TCustomControl::Dispatch(Message);
  }
  void Paint() override {
    Note(Log, this, "Paint");
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(0, 0, 1000, 5));
  }
};

// A windowless control filling itself with Fill; Raise makes its painting throw.
class Patch : public TGraphicControl {
public:
  Patch(TWinControl* AParent, const char* AName, TRect R, TColor AFill, PaintLog* ALog)
      : TGraphicControl(AParent), Fill(AFill), Log(ALog) {
    SetName(AName);
    SetBoundsRect(R);
    SetParent(AParent);
  }

  TColor Fill;
  PaintLog* Log;
  bool Raise { false };

protected:
  void Paint() override {
    Note(Log, this, "Paint");
    if (Raise)
      throw std::runtime_error("paint failed");
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }
};

// A windowed control that notes its painting and fills itself blue.
class Panel : public TCustomControl {
public:
  Panel(TWinControl* AParent, const char* AName, TRect R, PaintLog* ALog) : TCustomControl(AParent), Log(ALog) {
    SetName(AName);
    SetBoundsRect(R);
    SetParent(AParent);
  }

  PaintLog* Log;

protected:
  void Paint() override {
    Note(Log, this, "Paint");
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }
};

class skParentBackgroundTest : public ::testing::Test {
protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    Display.emplace(TSize { 400, 300 });
    Parent = std::make_unique<BackgroundParent>(&Log);
    Parent->SetBounds(10, 10, 60, 40);
  }
  void TearDown() override {
    Parent.reset();
    Display.reset();
  }

  // A black sheet of the given size to paint into.
  void NewSheet(int Width, int Height) {
    Sheet = std::make_unique<TBitmap>();
    Sheet->SetPixelFormat(pf32bit);
    Sheet->SetSize(Width, Height);
    Sheet->Canvas()->Brush()->SetColor(clBlack);
    Sheet->Canvas()->FillRect(Rect(0, 0, Width, Height));
  }
  // The sheet's rows, one character per pixel: W white, R red, G green, B blue, . black, ? anything else.
  std::vector<std::string> Rows() {
    const std::map<TColor, char> Legend { { clWhite, 'W' }, { clRed, 'R' }, { clLime, 'G' }, { clBlue, 'B' },
                                          { clBlack, '.' } };
    std::vector<std::string> Result;
    for (int Y = 0; Y < Sheet->Height(); ++Y) {
      std::string Row;
      for (int X = 0; X < Sheet->Width(); ++X) {
        const auto It = Legend.find(Sheet->Canvas()->Pixels(X, Y));
        Row += It == Legend.end() ? '?' : It->second;
      }
      Result.push_back(Row);
    }
    return Result;
  }

  PaintLog Log;
  std::optional<HeadlessPresenter> Display;
  std::unique_ptr<BackgroundParent> Parent;
  std::unique_ptr<TBitmap> Sheet;
};

}  // namespace

TEST_F(skParentBackgroundTest, PaintsTheParentThenTheEarlierOverlappingWindowlessSiblings) {
  auto* Green = new Patch(Parent.get(), "green", Rect(5, 6, 15, 10), clLime, &Log);
  new Patch(Parent.get(), "touching", Rect(0, 0, 10, 12), clBlue, &Log);
  auto* Hidden = new Patch(Parent.get(), "hidden", Rect(12, 3, 20, 8), clBlue, &Log);
  Hidden->SetVisible(false);
  new Panel(Parent.get(), "windowed", Rect(20, 3, 25, 8), &Log);
  auto* Child = new Panel(Parent.get(), "child", Rect(10, 2, 30, 12), &Log);
  new Patch(Parent.get(), "above", Rect(12, 3, 20, 8), clBlue, &Log);

  NewSheet(20, 10);
  DrawParentBackground(Child, Sheet->Canvas());

  EXPECT_EQ(Log, (PaintLog { "parent.Erase(copy)", "parent.Paint(copy)", "green.Paint(copy)" }))
      << "a sibling only touching the edge, a hidden, a windowed and a later one are left out";
  EXPECT_EQ(Rows(), (std::vector<std::string> { "RRRRRRRRRRRRRRRRRRRR", "RRRRRRRRRRRRRRRRRRRR", "RRRRRRRRRRRRRRRRRRRR",
                                                "WWWWWWWWWWWWWWWWWWWW", "GGGGGWWWWWWWWWWWWWWW", "GGGGGWWWWWWWWWWWWWWW",
                                                "GGGGGWWWWWWWWWWWWWWW", "GGGGGWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
                                                "WWWWWWWWWWWWWWWWWWWW" }));
  EXPECT_FALSE(Parent->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(Green->ControlState().Contains(csPaintCopy));
}

TEST_F(skParentBackgroundTest, APartOfTheControlGetsWhatLiesBehindItWithinTheParent) {
  new Patch(Parent.get(), "green", Rect(40, 6, 60, 10), clLime, &Log);
  auto* Child = new Panel(Parent.get(), "child", Rect(45, 0, 75, 12), &Log);

  NewSheet(12, 6);
  DrawParentBackgroundAt(Child, Rect(5, 3, 17, 9), Sheet->Canvas());

  // The sheet's left edge is the parent's column 50; the parent ends at column 60, and the sheet beyond it
  // keeps its own pixels although the parent's red band reaches further.
  EXPECT_EQ(Rows(), (std::vector<std::string> { "RRRRRRRRRR..", "RRRRRRRRRR..", "WWWWWWWWWW..", "GGGGGGGGGG..",
                                                "GGGGGGGGGG..", "GGGGGGGGGG.." }));
}

TEST_F(skParentBackgroundTest, AFormGivesOnlyItsErasedBackground) {
  TApplication App(nullptr);
  TForm Form(nullptr);
  Form.SetBounds(0, 0, 80, 60);
  Form.SetColor(clBlue);
  bool FormPainted = false;
  Form.OnPaint = [&](TObject*) { FormPainted = true; };
  auto* Child = new Panel(&Form, "child", Rect(10, 10, 14, 12), &Log);

  NewSheet(4, 2);
  DrawParentBackground(Child, Sheet->Canvas());

  EXPECT_EQ(Rows(), (std::vector<std::string> { "BBBB", "BBBB" }));
  EXPECT_FALSE(FormPainted);
}

TEST_F(skParentBackgroundTest, AnMdiMainFormGivesItsDocumentClientsBackground) {
  TApplication App(nullptr);
  TForm Form(nullptr);
  Form.SetBounds(0, 0, 80, 60);
  Form.SetColor(clBlue);
  Form.SetFormStyle(fsMDIForm);
  Form.HandleNeeded();
  ASSERT_TRUE(Form.ClientHandle());
  // The document client erases red; every other message goes on to its own procedure.
  WNDPROC Previous = nullptr;
  const WindowProc RedErase([&Previous](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
    if (Msg != WM_ERASEBKGND)
      return CallWindowProc(Previous, Wnd, Msg, WParam, LParam);
    TCanvas Canvas;
    Canvas.SetHandle(reinterpret_cast<HDC>(WParam));
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(0, 0, 80, 60));
    Canvas.SetHandle(0);
    return 1;
  });
  Previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(Form.ClientHandle(), GWL_WNDPROC, LONG_PTR(&RedErase)));
  auto* Child = new Panel(&Form, "child", Rect(10, 10, 14, 12), &Log);

  NewSheet(4, 2);
  DrawParentBackground(Child, Sheet->Canvas());
  SetWindowLongPtr(Form.ClientHandle(), GWL_WNDPROC, LONG_PTR(Previous));

  EXPECT_EQ(Rows(), (std::vector<std::string> { "RRRR", "RRRR" }));
}

TEST_F(skParentBackgroundTest, APainterThatRaisesLeavesMarksAndTheDeviceContextAsTheyWere) {
  auto* Failing = new Patch(Parent.get(), "failing", Rect(0, 0, 20, 20), clLime, &Log);
  Failing->Raise = true;
  auto* Child = new Panel(Parent.get(), "child", Rect(10, 10, 20, 20), &Log);
  NewSheet(10, 10);
  const HDC DC = Sheet->Canvas()->Handle();
  const int Depth = SaveDC(DC);
  RestoreDC(DC, Depth);

  EXPECT_THROW(DrawParentBackground(Child, Sheet->Canvas()), std::runtime_error);

  EXPECT_FALSE(Parent->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(Failing->ControlState().Contains(csPaintCopy));
  TPoint Origin;
  GetViewportOrgEx(DC, &Origin);
  EXPECT_EQ(Origin.X, 0);
  EXPECT_EQ(Origin.Y, 0);
  TRect Clip;
  GetClipBox(DC, &Clip);
  EXPECT_EQ(Clip, Rect(0, 0, 10, 10));
  EXPECT_EQ(SaveDC(DC), Depth) << "no saved state left behind";
}

TEST_F(skParentBackgroundTest, NothingWithoutAControlOrAParent) {
  NewSheet(4, 4);
  const std::vector<std::string> Black = Rows();
  TCustomControl Orphan(nullptr);
  DrawParentBackground(nullptr, Sheet->Canvas());
  DrawParentBackground(&Orphan, Sheet->Canvas());
  DrawParentBackgroundAt(&Orphan, Rect(0, 0, 2, 2), Sheet->Canvas());
  EXPECT_EQ(Rows(), Black);
  EXPECT_TRUE(Log.empty());
}
