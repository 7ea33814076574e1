// The frame component: attaching to a form and leaving it, its stored values on a form built in code,
// the skin application with its size limits and client size, and the switch to the system's frame.
#include "platform/base/Exception.h"
#include "platform/ui/toolkit/TButton.h"
#include "skin/form/TskCustomRibbon.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/skFormFinders.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

using SkinForm = FormFrameTest;

/// The converter's about box as its stored description builds it: a frame bound to the model the main
/// window holds, with the values the about box stores, in their stored order.
class TAboutBox : public TForm {
public:
  using TForm::TForm;
  static inline TskSkinData* Model = nullptr;
  TskSkinForm* Frame { nullptr };

protected:
  void CreateComponents() override { Frame = new TskSkinForm(this); }
  void AssignProperties() override {
    SetBounds(200, 150, 300, 200);
    SetBorderStyle(bsSingle);
    SetCaption("关于");
    Frame->SetPositionInMonitor(skpDesktopCenter);
    Frame->SetClientWidth(350);
    Frame->SetClientHeight(230);
    Frame->SetShowIcon(true);
    Frame->SetAlphaBlendValue(0);
    Frame->SetMenusAlphaBlendValue(0);
    TFont Caption;
    Caption.SetName("Arial");
    Caption.SetHeight(14);
    Caption.SetStyle({ fsBold });
    Frame->SetDefCaptionFont(&Caption);
    Frame->SetSkinData(Model);
    Frame->SetMagnetic(true);
    Frame->SetMagneticSize(10);
    Frame->SetBorderIcons({});
  }
};

/// The converter's main window as far as its frame goes: the frame, the hint component it refers to and
/// the stored values, the model set first.
class TMainWindow : public TForm {
public:
  using TForm::TForm;
  static inline TskSkinData* Model = nullptr;
  TskSkinForm* Frame { nullptr };
  TskSkinHint* Hint { nullptr };

protected:
  void CreateComponents() override {
    Frame = new TskSkinForm(this);
    Hint = new TskSkinHint(this);
  }
  void AssignProperties() override {
    SetBounds(50, 50, 700, 500);
    SetBorderStyle(bsSingle);
    Frame->SetSkinData(Model);
    Frame->SetMenusSkinData(Model);
    Frame->SetBorderIcons({ TskBorderIcon::biMinimize });
  }
  void ResolveReferences() override { Frame->SetSkinHint(Hint); }
};

TEST_F(SkinForm, MainWindowBuiltInCodeKeepsItsStoredFrameValues) {
  TMainWindow::Model = &Model;
  auto* Window = TCustomForm::Build<TMainWindow>(App.get());
  TskSkinForm* Frame = Window->Frame;
  EXPECT_EQ(Frame->BorderIcons(), TskBorderIcons { TskBorderIcon::biMinimize });
  EXPECT_TRUE(Window->BorderIcons().Empty()) << "the system's buttons stay away";
  EXPECT_EQ(Frame->MenusSkinData(), &Model);
  EXPECT_EQ(Frame->SkinHint(), Window->Hint);
  EXPECT_EQ(Frame->AlphaBlendValue(), 200);
  EXPECT_EQ(Frame->MenusAlphaBlendValue(), 200);
  EXPECT_EQ(Frame->MagneticSize(), 5);
  EXPECT_EQ(Frame->PositionInMonitor(), skpDefault);
  delete Window->Hint;
  EXPECT_EQ(Frame->SkinHint(), nullptr) << "a removed component is forgotten";
}

TEST_F(SkinForm, AttachTakesTheFormsFrameAndDetachGivesTheProcedureBackWithoutItsShortcutHandler) {
  Main->Show();
  auto* Frame = new TskSkinForm(Main);
  EXPECT_TRUE(Main->BorderIcons().Empty());
  EXPECT_TRUE(bool(Main->OnShortCut));
  EXPECT_EQ(SendMessage(Main->Handle(), WM_SKINFRAMEQUERY, 0, 0), SkinFrameSkinned);
  EXPECT_EQ(GetSkinFormComponent(Main), Frame);
  delete Frame;
  EXPECT_EQ(GetSkinFormComponent(Main), nullptr);
  EXPECT_EQ(SendMessage(Main->Handle(), WM_SKINFRAMEQUERY, 0, 0), 0) << "the form's own procedure answers";
  EXPECT_TRUE(Main->BorderIcons().Empty()) << "the caption buttons stay away";
  EXPECT_FALSE(bool(Main->OnShortCut)) << "no handler is left pointing at the freed frame";
  TForm* Plain = NewForm(Main->BoundsRect());
  EXPECT_EQ(Main->ClientRect(), Plain->ClientRect()) << "the form's own frame at once";
  auto* Edit = new KeyProbe(Main, &Log, "Edit", Main, Bounds(10, 10, 100, 25));
  Edit->SetFocus();
  Display->Key(VK_F1);
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(112)" });
}

TEST_F(SkinForm, OnlyAFormCanCarryAFrame) {
  TButton Button(nullptr);
  EXPECT_THROW(TskSkinForm Frame(&Button), EInvalidCast);
  EXPECT_THROW(TskSkinForm Frame(nullptr), EInvalidCast);
}

TEST_F(SkinForm, FindersAnswerTheFirstFrameOfAFormAndNothingWithout) {
  auto* First = new TskSkinForm(Main);
  new TskSkinForm(Main);
  EXPECT_EQ(GetSkinFormComponent(Main), First);
  EXPECT_EQ(GetSkinFormComponent(NewForm(Bounds(0, 0, 200, 200))), nullptr);
  EXPECT_EQ(GetSkinFormComponent(nullptr), nullptr);
  EXPECT_EQ(GetMaximizedMDIChildSkinForm(), nullptr) << "the main form holds no children";
  EXPECT_EQ(GetActiveMDIChildSkinForm(), nullptr);
}

TEST_F(SkinForm, MaximizedChildFinderFollowsTheRequestedState) {
  Main->SetFormStyle(fsMDIForm);
  TForm* Child1 = NewForm(Bounds(0, 0, 200, 150));
  Child1->SetFormStyle(fsMDIChild);
  TForm* Child2 = NewForm(Bounds(0, 0, 200, 150));
  Child2->SetFormStyle(fsMDIChild);
  new TskSkinForm(Child1);
  auto* Frame2 = new TskSkinForm(Child2);
  EXPECT_EQ(GetMaximizedMDIChildSkinForm(), nullptr);
  Frame2->SetWindowState(wsMaximized);
  EXPECT_EQ(GetMaximizedMDIChildSkinForm(), Frame2);
}

// The about box is made once the main window holds its model (empty until the start-up skin arrives),
// and keeps its client size through the skin's arrival.
TEST_F(SkinForm, AboutBoxBuiltInCodeHoldsItsStoredValuesAndItsClientSizeThroughTheSkinsArrival) {
  TAboutBox::Model = &Model;
  auto* About = TCustomForm::Build<TAboutBox>(App.get());
  TskSkinForm* Frame = About->Frame;
  EXPECT_EQ(Frame->SkinData(), &Model);
  EXPECT_FALSE(Frame->SkinSupport()) << "an empty model gives the built-in look";
  EXPECT_EQ(Frame->PositionInMonitor(), skpDesktopCenter);
  EXPECT_TRUE(Frame->ShowIcon());
  EXPECT_TRUE(Frame->Magnetic());
  EXPECT_EQ(Frame->MagneticSize(), 10);
  EXPECT_EQ(Frame->AlphaBlendValue(), 0);
  EXPECT_EQ(Frame->MenusAlphaBlendValue(), 0);
  EXPECT_EQ(Frame->DefCaptionFont()->Name(), "Arial");
  EXPECT_TRUE(Frame->BorderIcons().Empty());
  // Defaults nobody stored.
  EXPECT_EQ(Frame->MaxMenuItemsInWindow(), 0);
  EXPECT_EQ(Frame->DefMenuItemHeight(), 20);
  EXPECT_TRUE(Frame->UseSkinFontInMenu());
  EXPECT_TRUE(Frame->UseDefaultSysMenu());
  EXPECT_TRUE(Frame->UseDefaultObjectHint());
  EXPECT_EQ(Frame->GetProductVersion(), "10.10");
  EXPECT_EQ(About->ClientWidth(), 350);
  EXPECT_EQ(About->ClientHeight(), 230);
  EXPECT_EQ(About->Width(), 350 + 3 + 3) << "the built-in frame: 3-pixel borders";
  EXPECT_EQ(About->Height(), 230 + 19 + 3 + 3) << "and a 19-pixel caption";

  std::vector<String> Steps;
  Frame->OnBeforeChangeSkinData = [&](TObject*) { Steps.push_back("before"); };
  Frame->OnChangeSkinData = [&](TObject*) {
    Steps.push_back(Frame->SkinSupport() && !Frame->StopPainting() && About->Width() >= Frame->GetMinWidth()
                        ? "change: skinned within its limits"
                        : "change: wrong state");
  };
  Frame->OnAfterChangeSkinData = [&](TObject*) {
    Steps.push_back("after: client " + std::to_string(About->ClientWidth()) + "x" +
                    std::to_string(About->ClientHeight()));
  };
  LoadTestSkin(Model);
  EXPECT_EQ(Steps, (std::vector<String> { "before", "change: skinned within its limits", "after: client 350x230" }));
  EXPECT_TRUE(Frame->SkinSupport());
  const TRect& Cl = Model.ClRect;
  EXPECT_EQ(About->Width(), 350 + Cl.Left + Model.FPicture->Width() - Cl.Right) << "the skin's frame is around it";
  EXPECT_EQ(About->Height(), 230 + Cl.Top + Model.FPicture->Height() - Cl.Bottom);

  LoadTestSkin(Model);
  EXPECT_EQ(About->ClientWidth(), 350) << "every skin application gives it again";
  EXPECT_EQ(About->ClientHeight(), 230);
}

TEST_F(SkinForm, ApplyingASkinEnforcesItsSmallestFrame) {
  BuildFrameSkin(Model);
  const struct {
    TSize Before;
    TSize After;
  } Cases[] = {
    { { 50, 30 }, { 200, 40 } },
    { { 50, 50 }, { 200, 50 } },
    { { 250, 30 }, { 250, 40 } },
    { { 250, 50 }, { 250, 50 } },
  };
  for (const auto& Case : Cases) {
    TForm* Form = NewForm(Bounds(10, 10, Case.Before.cx, Case.Before.cy));
    Form->HandleNeeded();
    auto* Frame = Attach(Form, &Model);
    EXPECT_EQ(Form->Width(), Case.After.cx) << Case.Before.cx << "x" << Case.Before.cy;
    EXPECT_EQ(Form->Height(), Case.After.cy) << Case.Before.cx << "x" << Case.Before.cy;
    EXPECT_EQ(Frame->GetMinWidth(), 200);
    EXPECT_EQ(Frame->GetMinHeight(), 40);
    delete Form;
  }
}

TEST_F(SkinForm, ANotSkinnableModelOrARibbonHandsTheFrameToTheSystem) {
  BuildFrameSkin(Model);
  Model.SetSkinnableForm(false);
  Main->HandleNeeded();
  auto* Frame = new TskSkinForm(Main);
  Frame->SetBorderIcons({ TskBorderIcon::biMinimize });
  Frame->SetSkinData(&Model);
  EXPECT_FALSE(Frame->SkinnableForm());
  EXPECT_EQ(Main->BorderIcons(), (TBorderIcons { biSystemMenu, biMinimize }));
  Model.SetSkinnableForm(true);
  EXPECT_TRUE(Frame->SkinnableForm()) << "the model's change reaches the frame";
  EXPECT_TRUE(Main->BorderIcons().Empty());

  auto* Ribbon = new TskCustomRibbon(Main);
  Frame->SetSkinRibbon(Ribbon);
  EXPECT_EQ(Ribbon->BSF, Frame);
  Frame->SetUseRibbon(true);
  EXPECT_FALSE(Frame->SkinnableForm());
  Frame->SetSkinData(&Model);
  EXPECT_FALSE(Frame->SkinnableForm()) << "whatever the model says";
  delete Ribbon;
  EXPECT_EQ(Frame->SkinRibbon(), nullptr);
}

}  // namespace

namespace {

TEST_F(SkinForm, AFreedModelLeavesTheBuiltInFrame) {
  auto* Owned = new TskSkinData(Main);
  BuildFrameSkin(*Owned);
  Main->Show();
  auto* Frame = Attach(Main, Owned);
  ASSERT_TRUE(Frame->SkinSupport());
  EXPECT_EQ(FrameColor(Main, 100, 5), FrameCaption);
  delete Owned;
  EXPECT_EQ(Frame->SkinData(), nullptr);
  EXPECT_FALSE(Frame->SkinSupport());
  const int ClientWidth = Main->ClientWidth();
  EXPECT_EQ(Main->Width() - ClientWidth, 6) << "the built-in frame's borders";
  Main->Invalidate();
  EXPECT_EQ(FrameColor(Main, 0, 50), ColorToRGB(cl3DDkShadow));
}

}  // namespace
