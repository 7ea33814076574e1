#include "engine/tasklist/TPreviewer.h"

#include "engine/libav/FFUtils.h"
#include "engine/libav/MyUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"

namespace {

constexpr const char* PreviewClass = "TPreviewForm";

void RegisterPreviewClass() {
  WNDCLASS Class;
  if (GetClassInfo(PreviewClass, &Class)) return;
  Class.lpszClassName = PreviewClass;
  Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClass(Class);
}

}  // namespace

TPreviewer::TPreviewer() = default;

TPreviewer::~TPreviewer() {
  RunInMainThread([this] {
    MessageHooks().Remove(this);
    if (FFormHandle) DestroyWindow(FFormHandle);
    if (FProc) FreeObjectInstance(FProc);
  });
}

bool TPreviewer::PaintFrame(TBitmap* ABitmap, int AFrameNumber, Int64 APTS) {
  if (FClosed) return false;
  FBitmap = ABitmap;
  FFrameNumber = AFrameNumber;
  FPTS = APTS;
  RunInMainThread([this] { Paint(); });
  return !FClosed;
}

void TPreviewer::Paint() {
  if (FClosed) return;
  if (!FShown) FShown = std::make_unique<TBitmap>();
  FShown->Assign(FBitmap);
  if (!FFormHandle) CreateForm();
  SetWindowText(FFormHandle, TimeToText(FPTS));
  InvalidateRect(FFormHandle, nullptr, false);
  UpdateWindow(FFormHandle);
}

void TPreviewer::CreateForm() {
  RegisterPreviewClass();
  FFormHandle = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, PreviewClass, "", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               0, 0, FShown->Width(), FShown->Height(), 0, 0);
  FProc = MakeObjectInstance([this](TMessage& AMessage) { WndProc(AMessage); });
  SetWindowLongPtr(FFormHandle, GWL_WNDPROC, LONG_PTR(FProc));
  // The frame's size is known once the window exists: grow the window by it, so the client area holds
  // the picture, and centre it on the screen.
  TRect Window;
  TRect Client;
  GetWindowRect(FFormHandle, &Window);
  GetClientRect(FFormHandle, &Client);
  const int Width = FShown->Width() + Window.Width() - Client.Width();
  const int Height = FShown->Height() + Window.Height() - Client.Height();
  SetWindowPos(FFormHandle, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width, Height, SWP_NOACTIVATE);
  // A press anywhere on the picture drags the window, as a press on its caption would.
  MessageHooks().Push(this, [this](TMsg& AMsg, bool& AHandled) {
    if (AMsg.message != WM_LBUTTONDOWN || !FFormHandle || AMsg.hwnd != FFormHandle) return;
    SendMessage(FFormHandle, WM_NCLBUTTONDOWN, HTCAPTION, PointToLParam(AMsg.pt));
    AHandled = true;
  });
  ShowWindow(FFormHandle, SW_SHOW);
}

void TPreviewer::WndProc(TMessage& AMessage) {
  const HWND Wnd = FFormHandle;
  switch (AMessage.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT Paint;
      HDC DC = BeginPaint(Wnd, &Paint);
      TCanvas Canvas;
      Canvas.SetHandle(DC);
      if (FShown) Canvas.Draw(0, 0, FShown.get());
      Canvas.SetHandle(nullptr);
      EndPaint(Wnd, &Paint);
      return;
    }
    case WM_CLOSE:
      // The user closed it: the window goes, the previewer stays and refuses further frames.
      FClosed = true;
      break;
    case WM_NCDESTROY:
      FFormHandle = 0;
      MessageHooks().Remove(this);
      break;
  }
  AMessage.Result = DefWindowProc(Wnd, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}
