#include "platform/ui/toolkit/TCustomTabControl.h"

#include "platform/ui/toolkit/NativeTabControl.h"
#include "platform/ui/winsys/Ui.h"

TCustomTabControl::TCustomTabControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()), FNative(std::make_unique<NativeTabControl>(*this)) {
  FCanvas->SetControl(this);
  SetBounds(FLeft, FTop, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

TCustomTabControl::~TCustomTabControl() {
  DestroyHandle();
  FCanvas->SetControl(nullptr);
}

// ---- Properties ----------------------------------------------------------------------------------------

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  LayoutChanged();
}

void TCustomTabControl::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  LayoutChanged();
}

void TCustomTabControl::SetTabHeight(int Value) {
  if (FTabHeight == Value) return;
  FTabHeight = Value;
  SendItemSize();
}

void TCustomTabControl::SetTabWidth(int Value) {
  if (FTabWidth == Value) return;
  FTabWidth = Value;
  SendItemSize();
}

void TCustomTabControl::SetStyle(TTabStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  LayoutChanged();
}

void TCustomTabControl::SetHotTrack(bool Value) {
  if (FHotTrack == Value) return;
  FHotTrack = Value;
  FNative->LayoutChanged();
}

void TCustomTabControl::SetRaggedRight(bool Value) {
  if (FRaggedRight == Value) return;
  FRaggedRight = Value;
  LayoutChanged();
}

void TCustomTabControl::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  Perform(TCM_SETIMAGELIST, 0, LPARAM(Value ? Value->Handle() : 0));
  Realign();
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
}

void TCustomTabControl::SendItemSize() {
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(Word(FTabWidth), Word(FTabHeight)));
  Realign();
}

void TCustomTabControl::LayoutChanged() {
  FNative->LayoutChanged();
  Realign();
}

// ---- Tabs ----------------------------------------------------------------------------------------------

int TCustomTabControl::TabIndex() { return int(Perform(TCM_GETCURSEL, 0, 0)); }

void TCustomTabControl::SetTabIndex(int Value) { Perform(TCM_SETCURSEL, WPARAM(intptr_t(Value)), 0); }

TRect TCustomTabControl::DisplayRect() {
  TRect R = HandleAllocated() ? ClientRect() : Rect(0, 0, Width(), Height());
  Perform(TCM_ADJUSTRECT, 0, LPARAM(&R));
  return R;
}

TRect TCustomTabControl::TabRect(int Index) {
  TRect R;
  if (!Perform(TCM_GETITEMRECT, WPARAM(intptr_t(Index)), LPARAM(&R))) return TRect {};
  return R;
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) {
  TCHITTESTINFO Info;
  Info.pt = { X, Y };
  return int(Perform(TCM_HITTEST, 0, LPARAM(&Info)));
}

int TCustomTabControl::RowCount() { return int(Perform(TCM_GETROWCOUNT, 0, 0)); }

void TCustomTabControl::SetTabs(std::vector<TTabEntry> Tabs) {
  if (Tabs == FTabs) return;
  FTabs = std::move(Tabs);
  LayoutChanged();
}

// ---- Virtual handlers and window ---------------------------------------------------------------------

bool TCustomTabControl::CanChange() {
  bool Allow = true;
  if (OnChanging) OnChanging(this, Allow);
  return Allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

// The children align in the display rectangle as the window procedure answers it.
void TCustomTabControl::AdjustClientRect(TRect& Rect) { Perform(TCM_ADJUSTRECT, 0, LPARAM(&Rect)); }

void TCustomTabControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  Params.WindowClass.style = CS_DBLCLKS;
}

// Painting always goes through PaintWindow, so a descendant can replace it whole.
void TCustomTabControl::Dispatch(TMessage& Message) { DispatchPaintingThemselves(Message); }

void TCustomTabControl::PaintWindow(HDC DC) {
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

void TCustomTabControl::DefaultHandler(TMessage& Message) {
  if (!FNative->Handle(Message)) TWinControl::DefaultHandler(Message);
}
