// Dragging controls over each other under real input: automatic and coded drags, the threshold, the
// targets' answers, drops, cancels and the cursor.
#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/ControlFixture.h"

namespace {

const char* StateName(TDragState State) {
  return State == dsDragEnter ? "Enter" : State == dsDragMove ? "Move" : "Leave";
}

std::string NameOf(TObject* Object) { return Object ? static_cast<TComponent*>(Object)->Name() : "null"; }

/// A (windowed, dragged by a press), B (windowed, takes drops) and C (windowless, refuses) side by side on
/// the root at (100, 100): A at screen x 110-150, B at 180-220, C at 240-280, all at y 110-140.
class ControlDragTest : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    A = Add<Probe>(Root.get(), "A", Bounds(10, 10, 40, 30));
    B = Add<Probe>(Root.get(), "B", Bounds(80, 10, 40, 30));
    C = Add<GraphicProbe>(Root.get(), "C", Bounds(140, 10, 40, 30));
    A->SetDragMode(dmAutomatic);
    for (TControl* Control : { static_cast<TControl*>(A), static_cast<TControl*>(B), static_cast<TControl*>(C) }) {
      Control->OnStartDrag = [this](TObject* Sender) { Note(NameOf(Sender) + ".StartDrag"); };
      Control->OnEndDrag = [this](TObject* Sender, TObject* Target, int X, int Y) {
        Note(Format("%s.EndDrag(%s,%d,%d)", NameOf(Sender), NameOf(Target), X, Y));
      };
      Control->OnDragOver = [this](TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
        Note(Format("%s.DragOver(%s,%s,%d,%d)", NameOf(Sender), NameOf(Source), StateName(State), X, Y));
        Accept = Sender == B;
      };
      Control->OnDragDrop = [this](TObject* Sender, TObject* Source, int X, int Y) {
        Note(Format("%s.DragDrop(%s,%d,%d)", NameOf(Sender), NameOf(Source), X, Y));
      };
    }
    ShowRoot();
  }
  void Note(const std::string& What) { Log.push_back(What); }
  /// The drag events logged, without the mouse-enter and focus notices.
  EventLog TakeDrag() {
    EventLog Result;
    for (const std::string& E : Take())
      if (E.find("Drag") != std::string::npos || E.find("Mouse") != std::string::npos ||
          E.find("Click") != std::string::npos)
        Result.push_back(E);
    return Result;
  }

  Probe* A { nullptr };
  Probe* B { nullptr };
  GraphicProbe* C { nullptr };
};

TEST_F(ControlDragTest, AnAutomaticDragPassesTheThresholdAndDropsOnTheControlThatAccepts) {
  Screen->MoveTo(120, 120);
  Screen->ButtonDown(120, 120);
  EXPECT_EQ(TakeDrag(), (EventLog { "A.StartDrag" })) << "the press runs no mouse events of A";
  EXPECT_TRUE(A->Dragging());
  Screen->MoveTo(125, 115);
  EXPECT_TRUE(TakeDrag().empty()) << "within the threshold of 5 pixels";
  Screen->MoveTo(190, 120);
  Screen->MoveTo(195, 125);
  EXPECT_EQ(TakeDrag(), (EventLog { "B.DragOver(A,Enter,10,10)", "B.DragOver(A,Move,15,15)" }));
  EXPECT_EQ(GetCursor(), SystemCursorHandle(crDrag));
  Screen->MoveTo(250, 120);
  EXPECT_EQ(TakeDrag(), (EventLog { "B.DragOver(A,Leave,70,10)", "C.DragOver(A,Enter,10,10)" }))
      << "a windowless control is a target too";
  EXPECT_EQ(GetCursor(), SystemCursorHandle(crNoDrop)) << "C refuses";
  Screen->MoveTo(200, 130);
  Screen->ButtonUp(200, 130);
  EXPECT_EQ(TakeDrag(), (EventLog { "C.DragOver(A,Leave,-40,20)", "B.DragOver(A,Enter,20,20)", "B.DragDrop(A,20,20)",
                                    "A.EndDrag(B,20,20)" }));
  EXPECT_FALSE(A->Dragging());
  EXPECT_EQ(TControl::DraggedControl(), nullptr);
  EXPECT_EQ(GetCapture(), HWND(0));
  Screen->Click(120, 120);
  EXPECT_EQ(TakeDrag(), (EventLog { "A.StartDrag", "A.EndDrag(null,10,10)" }))
      << "a click without moving starts and ends a drag and clicks nothing";
}

TEST_F(ControlDragTest, ARefusingTargetEscAndARightPressEndTheDragWithoutATarget) {
  struct Case {
    const char* Name;
    std::function<void()> End;
    EventLog Expected;
  };
  const Case Cases[] = {
    { "release over C", [this] { Screen->MoveTo(250, 120); Screen->ButtonUp(250, 120); },
      { "B.DragOver(A,Leave,70,10)", "C.DragOver(A,Enter,10,10)", "C.DragOver(A,Leave,10,10)",
        "A.EndDrag(null,140,10)" } },
    { "Esc over B", [this] { Screen->KeyDown(VK_ESCAPE); },
      { "B.DragOver(A,Leave,10,10)", "A.EndDrag(null,80,10)" } },
    { "right press over B", [this] { Screen->ButtonDown(190, 120, PointerButton::Right); },
      { "B.DragOver(A,Leave,10,10)", "A.EndDrag(null,80,10)" } },
  };
  for (const Case& K : Cases) {
    SCOPED_TRACE(K.Name);
    A->SetFocus();
    Screen->MoveTo(120, 120);
    Screen->ButtonDown(120, 120);
    Screen->MoveTo(190, 120);
    ASSERT_EQ(TakeDrag(), (EventLog { "A.StartDrag", "B.DragOver(A,Enter,10,10)" }));
    K.End();
    EXPECT_EQ(TakeDrag(), K.Expected);
    EXPECT_FALSE(A->Dragging());
    Screen->ButtonUp(190, 120);
    Screen->ButtonUp(190, 120, PointerButton::Right);
    Take();
  }
}

TEST_F(ControlDragTest, ACodedImmediateDragOfAWindowlessControlFollowsThePointerAtOnce) {
  Screen->MoveTo(190, 120);
  C->BeginDrag(true);
  EXPECT_EQ(TakeDrag(), (EventLog { "C.StartDrag", "B.DragOver(C,Enter,10,10)" }));
  EXPECT_EQ(TControl::CaptureControl(), C) << "through its parent's window";
  Screen->MoveTo(191, 120);
  EXPECT_EQ(TakeDrag(), (EventLog { "B.DragOver(C,Move,11,10)" })) << "no threshold";
  Screen->ButtonUp(191, 120);
  EXPECT_EQ(TakeDrag(), (EventLog { "B.DragDrop(C,11,10)", "C.EndDrag(B,11,10)" }));
}

}  // namespace
