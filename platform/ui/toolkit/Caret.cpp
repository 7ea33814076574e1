#include "platform/ui/toolkit/Caret.h"

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

constexpr UINT_PTR BlinkTimer = 1;

struct CaretState {
  HWND Owner { 0 };
  TRect Rect;
  /// Levels of hiding; the caret shows at 0.
  int Hidden { 1 };
  /// Its rectangle is inverted on the screen now.
  bool Drawn { false };
  UINT BlinkTime { 500 };
  /// The hidden window whose timer makes the caret blink.
  HWND Blinker { 0 };
};

CaretState& Caret() {
  static CaretState State;
  return State;
}

void Invert() {
  CaretState& C = Caret();
  if (const HDC DC = GetDC(C.Owner)) {
    InvertRect(DC, C.Rect);
    ReleaseDC(C.Owner, DC);
  }
  C.Drawn = !C.Drawn;
}

/// The caret is gone with its window (or the window system was reset).
bool Alive() {
  CaretState& C = Caret();
  if (C.Owner && !IsWindow(C.Owner)) {
    C.Owner = 0;
    C.Drawn = false;
  }
  return C.Owner != 0;
}

void Erase() {
  if (Caret().Drawn) Invert();
}

bool BlinkMethod(TMessage& Message) {
  if (Message.Msg != WM_TIMER) return false;
  CaretState& C = Caret();
  if (Alive() && C.Hidden == 0)
    Invert();
  else
    KillTimer(C.Blinker, BlinkTimer);
  return true;
}

/// Draws the caret now and (re)starts its blinking from this moment.
void Blink() {
  CaretState& C = Caret();
  if (!IsWindow(C.Blinker)) C.Blinker = AllocateHWnd(&BlinkMethod, "CaretBlinker");
  if (!C.Drawn) Invert();
  SetTimer(C.Blinker, BlinkTimer, C.BlinkTime);
}

void TellInputMethod() {
  CaretState& C = Caret();
  if (C.Owner != GetFocus() || !InputLayer::Get().Focus().TextInputOn()) return;
  IPresenter* Presenter = WindowSystem::Get().Presenter();
  const Window* W = WindowSystem::Get().Find(C.Owner);
  if (!Presenter || !W) return;
  const TPoint O = WindowSystem::ClientScreenOrigin(*W);
  Presenter->SetTextInput(true, Bounds(O.X + C.Rect.Left, O.Y + C.Rect.Top, C.Rect.Width(), C.Rect.Height()));
}

}  // namespace

bool CreateCaret(HWND Wnd, HBITMAP, int Width, int Height) {
  if (!IsWindow(Wnd)) return false;
  DestroyCaret();
  CaretState& C = Caret();
  C.Owner = Wnd;
  C.Rect = Bounds(0, 0, Width > 0 ? Width : 1, Height > 0 ? Height : 1);
  C.Hidden = 1;
  C.Drawn = false;
  return true;
}

bool DestroyCaret() {
  if (!Alive()) return false;
  CaretState& C = Caret();
  Erase();
  if (IsWindow(C.Blinker)) KillTimer(C.Blinker, BlinkTimer);
  C.Owner = 0;
  return true;
}

bool ShowCaret(HWND Wnd) {
  CaretState& C = Caret();
  if (!Alive() || (Wnd && Wnd != C.Owner) || C.Hidden == 0) return false;
  if (--C.Hidden == 0) Blink();
  return true;
}

bool HideCaret(HWND Wnd) {
  CaretState& C = Caret();
  if (!Alive() || (Wnd && Wnd != C.Owner)) return false;
  ++C.Hidden;
  Erase();
  return true;
}

bool SetCaretPos(int X, int Y) {
  if (!Alive()) return false;
  CaretState& C = Caret();
  if (C.Rect.Left == X && C.Rect.Top == Y) return true;
  Erase();
  C.Rect = Bounds(X, Y, C.Rect.Width(), C.Rect.Height());
  if (C.Hidden == 0) Blink();
  TellInputMethod();
  return true;
}

bool GetCaretPos(TPoint* P) {
  if (!Alive() || !P) return false;
  *P = { Caret().Rect.Left, Caret().Rect.Top };
  return true;
}

UINT GetCaretBlinkTime() { return Caret().BlinkTime; }

bool SetCaretBlinkTime(UINT Milliseconds) {
  if (!Milliseconds) return false;
  Caret().BlinkTime = Milliseconds;
  return true;
}
