// Windows of controls made again, the notices of property changes and the properties that follow the
// parent, and controls built while loading.
#include <map>

#include "platform/base/Exception.h"
#include "platform/gdi/Text.h"
#include "tests/platform/ui/ControlFixture.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

TEST_F(ControlTest, RecreateWndKeepsTextBoundsChildrenFocusAndRawSubclasses) {
  auto* C = Add<Probe>(Root.get(), "C", Bounds(10, 10, 80, 60));
  auto* G = Add<Probe>(C, "G", Bounds(5, 5, 20, 20));
  auto* L = Add<GraphicProbe>(C, "L", Bounds(30, 5, 20, 20));
  ShowRoot();
  C->SetText("Hello");
  G->SetFocus();

  std::vector<std::string> Seen;
  WNDPROC Saved = nullptr;
  const WindowProc Raw([&](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
    if (Msg == WM_NCCREATE || Msg == WM_CREATE || Msg == WM_USER + 7) Seen.push_back(Format("raw %x", Msg));
    return CallWindowProc(Saved, Wnd, Msg, W, L);
  });
  Saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(C->Handle(), GWL_WNDPROC, LONG_PTR(&Raw)));
  const TWndMethod Previous = C->WindowProc();
  C->SetWindowProc([&, Previous](TMessage& M) {
    if (M.Msg == WM_CREATE || M.Msg == WM_USER + 7) Seen.push_back(Format("object %x", M.Msg));
    Previous(M);
  });

  const HWND Old = C->Handle();
  C->RecreateWnd();
  ASSERT_TRUE(C->HandleAllocated());
  EXPECT_NE(C->Handle(), Old);
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_EQ(C->Text(), "Hello");
  EXPECT_EQ(GetWindowText(C->Handle()), "Hello");
  EXPECT_EQ(C->BoundsRect(), Bounds(10, 10, 80, 60));
  TRect Placed;
  GetWindowRect(C->Handle(), &Placed);
  EXPECT_EQ(Placed, Bounds(110, 110, 80, 60));
  ASSERT_TRUE(G->HandleAllocated());
  EXPECT_EQ(GetParent(G->Handle()), C->Handle());
  EXPECT_TRUE(IsWindowVisible(G->Handle()));
  EXPECT_EQ(L->Parent(), C);
  EXPECT_TRUE(G->Focused());
  EXPECT_EQ(Seen, (std::vector<std::string> { "raw 81", "raw 1", "object 1" }));

  // Raw procedures still come first and go away by identity on the new window.
  Seen.clear();
  SendMessage(C->Handle(), WM_USER + 7, 0, 0);
  SetWindowLongPtr(C->Handle(), GWL_WNDPROC, LONG_PTR(Saved));
  SendMessage(C->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(Seen, (std::vector<std::string> { "raw 407", "object 407", "object 407" }));
  Root.reset();  // the handlers above refer to this test's locals
}

TEST_F(ControlTest, PropertyChangesAnnounceThemselvesAndReachTheChildren) {
  auto* C = Add<Probe>(Root.get(), "C", Bounds(10, 10, 80, 60));
  auto* Follows = Add<GraphicProbe>(C, "Follows", Bounds(5, 5, 20, 20));
  auto* Own = Add<GraphicProbe>(C, "Own", Bounds(30, 5, 20, 20));
  Own->SetColor(clYellow);
  Own->Font()->SetHeight(20);
  ShowRoot();
  const std::map<UINT, std::string> Notices { { CM_TEXTCHANGED, "Text" },        { CM_COLORCHANGED, "Color" },
                                               { CM_FONTCHANGED, "Font" },        { CM_VISIBLECHANGED, "Visible" },
                                               { CM_ENABLEDCHANGED, "Enabled" },  { CM_PARENTCOLORCHANGED, "ParentColor" },
                                               { CM_PARENTFONTCHANGED, "ParentFont" } };
  std::vector<std::string> Seen;
  for (TControl* Control : std::initializer_list<TControl*> { C, Follows, Own }) {
    const TWndMethod Previous = Control->WindowProc();
    Control->SetWindowProc([&, Control, Previous](TMessage& M) {
      if (const auto It = Notices.find(M.Msg); It != Notices.end()) Seen.push_back(Control->Name() + " " + It->second);
      Previous(M);
    });
  }
  struct Step {
    std::function<void()> Change;
    std::vector<std::string> Expected;
  };
  const Step Steps[] = {
    { [&] { C->SetText("x"); }, { "C Text" } },
    { [&] { C->SetText("x"); }, {} },
    { [&] { C->SetColor(clAqua); }, { "C Color", "Follows ParentColor", "Follows Color", "Own ParentColor" } },
    { [&] { C->Font()->SetHeight(-15); }, { "C Font", "Follows ParentFont", "Follows Font", "Own ParentFont" } },
    { [&] { C->SetVisible(false); }, { "C Visible" } },
    { [&] { C->SetVisible(false); }, {} },
    { [&] { C->SetEnabled(false); }, { "C Enabled" } },
  };
  for (const Step& S : Steps) {
    Seen.clear();
    S.Change();
    EXPECT_EQ(Seen, S.Expected);
  }
  EXPECT_EQ(Follows->Color(), clAqua);
  EXPECT_EQ(Own->Color(), clYellow);
  EXPECT_EQ(Follows->Font()->Height(), -15);
  EXPECT_EQ(Own->Font()->Height(), 20);
  EXPECT_FALSE(IsWindowVisible(C->Handle()));
  EXPECT_FALSE(IsWindowEnabled(C->Handle()));

  // The caption follows the name while it equals the name.
  EXPECT_EQ(Follows->Caption(), "Follows");
  Follows->SetName("Renamed");
  EXPECT_EQ(Follows->Caption(), "Renamed");
  C->SetName("Other");
  EXPECT_EQ(C->Caption(), "x");
  Root.reset();  // the handlers above refer to this test's locals
}

TEST_F(ControlTest, ReadingOrderAnd3DLookFollowTheParentUntilSetAndTextStaysLeftToRight) {
  auto* Panel = Add<Probe>(Root.get(), "Panel", Bounds(10, 10, 80, 60));
  auto* Follows = Add<GraphicProbe>(Panel, "Follows", Bounds(5, 5, 20, 20));
  auto* Own = Add<GraphicProbe>(Panel, "Own", Bounds(30, 5, 20, 20));
  Own->SetBiDiMode(bdRightToLeftReadingOnly);
  Own->SetCtl3D(false);
  Own->SetCtl3D(true);
  EXPECT_FALSE(Own->ParentBiDiMode());
  EXPECT_FALSE(Own->ParentCtl3D());

  Panel->SetBiDiMode(bdRightToLeft);
  Panel->SetCtl3D(false);
  EXPECT_EQ(Follows->BiDiMode(), bdRightToLeft);
  EXPECT_FALSE(Follows->Ctl3D());
  EXPECT_TRUE(Follows->ParentBiDiMode() && Follows->ParentCtl3D());
  EXPECT_EQ(Own->BiDiMode(), bdRightToLeftReadingOnly);
  EXPECT_TRUE(Own->Ctl3D());
  Own->SetParentBiDiMode(true);
  EXPECT_EQ(Own->BiDiMode(), bdRightToLeft);

  EXPECT_FALSE(Follows->UseRightToLeftReading() || Follows->UseRightToLeftAlignment());
  EXPECT_EQ(Follows->DrawTextBiDiModeFlags(DT_LEFT | DT_SINGLELINE), DT_LEFT | DT_SINGLELINE);
  EXPECT_EQ(Follows->DragMode(), dmManual);
  EXPECT_EQ(Follows->DragKind(), dkDrag);
  EXPECT_EQ(Follows->DragCursor(), crDrag);
  EXPECT_FALSE(Panel->DockSite());
}

TEST_F(ControlTest, ControlsBuiltWhileLoadingTakeTheirParentsLookAndWindowsAtLoaded) {
  Root->SetColor(clAqua);
  ShowRoot();
  Root->BeginLoading();
  auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(5, 5, 20, 20));
  auto* Windowed = Add<Probe>(Root.get(), "Windowed", Bounds(30, 5, 20, 20));
  Windowed->SetAlign(alBottom);
  EXPECT_EQ(Child->Color(), clWindow);  // no notices while the parent's properties are still being set
  EXPECT_FALSE(Windowed->HandleAllocated());
  Root->EndLoading();
  EXPECT_EQ(Child->Color(), clAqua);
  EXPECT_TRUE(Child->ParentColor());
  ASSERT_TRUE(Windowed->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Windowed->Handle()));
  EXPECT_EQ(Windowed->BoundsRect(), Bounds(0, 80, 200, 20));
}

TEST_F(ControlTest, TreeQueries) {
  auto* P = Add<Probe>(Root.get(), "P", Bounds(10, 10, 80, 60));
  auto* Inner = Add<GraphicProbe>(P, "Inner", Bounds(5, 5, 20, 20));
  auto* Disabled = Add<GraphicProbe>(P, "Disabled", Bounds(30, 5, 20, 20));
  Disabled->SetEnabled(false);
  ShowRoot();
  EXPECT_TRUE(Root->ContainsControl(Inner));
  EXPECT_FALSE(P->ContainsControl(Root.get()));
  EXPECT_EQ(GetParentForm<TestRoot>(Inner), Root.get());
  EXPECT_EQ(P->ControlAtPos({ 10, 10 }, false), Inner);
  EXPECT_EQ(P->ControlAtPos({ 35, 10 }, false), nullptr);
  EXPECT_EQ(P->ControlAtPos({ 35, 10 }, true), Disabled);
  EXPECT_EQ(Root->ControlAtPos({ 20, 20 }, false, true), P);
  EXPECT_EQ(Inner->ClientToScreen({ 1, 2 }), (TPoint { 116, 117 }));
  EXPECT_EQ(FindControl(P->Handle()), P);
  EXPECT_THROW(Root->SetParent(P), EInvalidOperation);
  EXPECT_EQ(Root->Parent(), nullptr);
}

TEST_F(ControlTest, TabOrderIsThePlaceAmongTheWindowedSiblings) {
  auto* E1 = Add<Probe>(Root.get(), "E1", Bounds(0, 0, 10, 10));
  Add<GraphicProbe>(Root.get(), "G", Bounds(0, 0, 10, 10));
  auto* P = Add<Probe>(Root.get(), "P", Bounds(0, 0, 10, 10));
  auto* Inner = Add<Probe>(P, "Inner", Bounds(0, 0, 10, 10));
  auto* E3 = Add<Probe>(Root.get(), "E3", Bounds(0, 0, 10, 10));
  EXPECT_EQ(E3->TabOrder(), 2);
  E3->SetTabOrder(0);
  EXPECT_EQ(Root->TabList(), (std::vector<TWinControl*> { E3, E1, P }));
  E3->SetTabOrder(99);
  EXPECT_EQ(E3->TabOrder(), 2);
  std::vector<TWinControl*> All;
  Root->GetTabOrderList(All);
  EXPECT_EQ(All, (std::vector<TWinControl*> { E1, P, Inner, E3 }));
  EXPECT_EQ(Root->TabOrder(), -1);

  // Tab navigation wraps around and passes controls that cannot take the focus or are no tab stops.
  for (TWinControl* C : All) C->SetTabStop(true);
  E1->SetTabStop(false);
  Inner->SetEnabled(false);
  ShowRoot();
  EXPECT_EQ(Root->FindNextControl(P, true, true, false), E3);
  EXPECT_EQ(Root->FindNextControl(E3, true, true, false), P);
  EXPECT_EQ(Root->FindNextControl(P, false, true, false), E3);
  EXPECT_EQ(Root->FindNextControl(nullptr, true, false, true), E1);
  Root->SelectNext(E3, true, true);
  EXPECT_TRUE(P->Focused());
}

}  // namespace
