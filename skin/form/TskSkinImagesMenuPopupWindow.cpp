#include "skin/form/TskSkinImagesMenuPopupWindow.h"

#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skDataSkinWindows.h"
#include "skin/core/skRegions.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinImagesMenu.h"
#include "skin/form/skLayering.h"

namespace {

// The built-in look of the cell frames.
constexpr TColor CellFrame = RGB(59, 107, 183);
constexpr TColor CellDown = RGB(162, 188, 228);
constexpr TColor CellHot = RGB(193, 212, 243);

/// The label record of the skin; null when none.
TskDataSkinLabelControl* LabelRecord(TskSkinData* SD) {
  if (!SD || SD->Empty) return nullptr;
  const int Index = SD->GetControlIndex("label");
  return Index < 0 ? nullptr : dynamic_cast<TskDataSkinLabelControl*>(SD->CtrlList[size_t(Index)].get());
}

/// The work area the grid stays in: of the active form's monitor, else the visible main form's, else the
/// menu's owner form's.
TRect GridWorkArea(TComponent* MenuOwner) {
  TCustomForm* Form = Screen ? Screen->ActiveCustomForm() : nullptr;
  if (!Form && Application && Application->MainForm() && Application->MainForm()->Visible())
    Form = Application->MainForm();
  if (!Form) Form = dynamic_cast<TCustomForm*>(MenuOwner);
  TRect R = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  GetMonitorWorkArea(Form && Form->HandleAllocated() ? Form->Handle() : 0, true, R);
  return R;
}

}  // namespace

TskSkinImagesMenuPopupWindow::TskSkinImagesMenuPopupWindow(TskSkinImagesMenu* AImagesMenu)
    : TCustomControl(AImagesMenu), ImagesMenu(AImagesMenu) {
  FVisible = false;
}

TskSkinImagesMenuPopupWindow::~TskSkinImagesMenuPopupWindow() {
  if (FHooked && Application) Application->OnMessage().Remove(this);
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TskSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
  Params.WndParent = 0;
}

bool TskSkinImagesMenuPopupWindow::SkinSupport() const {
  // A popup record whose picture is missing gives the plain look.
  TskSkinData* SD = ImagesMenu->SkinData();
  return SD && !SD->Empty && TskSkinGeometry::ModelPicture(SD, SD->PopupWindow->WindowPictureIndex);
}

int TskSkinImagesMenuPopupWindow::Count() const { return ImagesMenu->ImagesItems()->Count(); }

bool TskSkinImagesMenuPopupWindow::IsHeader(int Index) const {
  return ImagesMenu->ImagesItems()->Items(Index)->Header();
}

// ---- Layout and showing --------------------------------------------------------------------------------

void TskSkinImagesMenuPopupWindow::CalcItemsRect() {
  TCustomImageList* Images = ImagesMenu->Images();
  const int cw = Images->Width() + 10, ch = Images->Height() + 10;
  RowWidth = ImagesMenu->ColumnsCount() * cw;
  const TPoint Start = SkinSupport() ? ImagesMenu->SkinData()->PopupWindow->ItemsRect.TopLeft() : TPoint { 5, 5 };
  const TskDataSkinLabelControl* Label = LabelRecord(ImagesMenu->SkinData());
  const int x0 = Start.X;
  int x = x0, y = Start.Y;
  for (int i = 0; i < Count(); ++i) {
    TskImagesMenuItem* Item = ImagesMenu->ImagesItems()->Items(i);
    if (Item->Header() || Item->Button()) {
      if (x != x0) y += ch + 1;
      const int h = Item->Header() && Label ? RectHeight(Label->SkinRect) : ch;
      Item->ItemRect = Rect(x0, y, x0 + RowWidth, y + h);
      y += h + 1;
      x = x0;
      continue;
    }
    Item->ItemRect = Rect(x, y, x + cw, y + ch);
    x += cw;
    if (x + cw > x0 + RowWidth) {
      x = x0;
      y += ch + 1;
    }
  }
}

void TskSkinImagesMenuPopupWindow::PrepareWindow() {
  CalcItemsRect();
  const TskImagesMenuItems* Items = ImagesMenu->ImagesItems();
  const int ContentHeight = Count() == 0 ? 0 : Items->Items(Count() - 1)->ItemRect.Bottom - Items->Items(0)->ItemRect.Top;
  if (!SkinSupport()) {
    WindowPicture = MaskPicture = nullptr;
    SetBounds(Left(), Top(), RowWidth + 10, ContentHeight + 10);
    return;
  }
  TskSkinData* SD = ImagesMenu->SkinData();
  const TskDataSkinPopupWindow& PW = *SD->PopupWindow;
  WindowPicture = TskSkinGeometry::ModelPicture(SD, PW.WindowPictureIndex);
  MaskPicture = TskSkinGeometry::ModelPicture(SD, PW.MaskPictureIndex);
  const int W = WindowPicture->Width(), H = WindowPicture->Height();
  const int NewW = W + RowWidth - RectWidth(PW.ItemsRect), NewH = H + ContentHeight - RectHeight(PW.ItemsRect);
  SetBounds(Left(), Top(), NewW, NewH);
  NewLTPoint = PW.LTPoint;
  NewRTPoint = { NewW + PW.RTPoint.X - W, PW.RTPoint.Y };
  NewLBPoint = { PW.LBPoint.X, NewH + PW.LBPoint.Y - H };
  NewRBPoint = { NewW + PW.RBPoint.X - W, NewH + PW.RBPoint.Y - H };
  NewItemsRect = Rect(PW.ItemsRect.Left, PW.ItemsRect.Top, NewW + PW.ItemsRect.Right - W, NewH + PW.ItemsRect.Bottom - H);
  if (MaskPicture) {
    HRGN Rgn = nullptr;
    CreateSkinRegion(Rgn, PW.LTPoint, PW.RTPoint, PW.LBPoint, PW.RBPoint, PW.ItemsRect, NewLTPoint, NewRTPoint,
                     NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, NewW, NewH);
    SetWindowRgn(Handle(), Rgn, true);
  }
}

void TskSkinImagesMenuPopupWindow::Show(const TRect& PopupRect) {
  PrepareWindow();
  const TRect WA = GridWorkArea(ImagesMenu->Owner());
  int X = PopupRect.Left, Y = PopupRect.Bottom;
  if (Y + Height() > WA.Bottom) Y = PopupRect.Top - Height();
  if (X + Width() > WA.Right) X = WA.Right - Width();
  X = std::max(X, WA.Left);
  Y = std::max(Y, WA.Top);
  const bool Fade = ImagesMenu->AlphaBlend && ImagesMenu->AlphaBlendAnimation && CanLayer();
  if (ImagesMenu->AlphaBlend && CanLayer()) {
    SetWindowLongPtr(Handle(), GWL_EXSTYLE, LONG_PTR(GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED));
    SetWindowAlpha(Handle(), Fade ? 0 : ImagesMenu->AlphaBlendValue);
  }
  SetWindowPos(Handle(), HWND_TOPMOST, X, Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (Fade) {
    if (Application) Application->ProcessMessages();
    int Alpha = 0;
    Cardinal Last = GetTickCount();
    while (Alpha < ImagesMenu->AlphaBlendValue) {
      if (GetTickCount() - Last <= 5) continue;
      Last = GetTickCount();
      Alpha = std::min(Alpha + 10, int(ImagesMenu->AlphaBlendValue));
      SetWindowAlpha(Handle(), Byte(Alpha));
    }
  }
  if (Application) {
    Application->OnMessage().Push(this, [this](TMsg& Msg, bool& Handled) { AppMessageHook(Msg, Handled); }, true);
    FHooked = true;
  }
  SetCapture(Handle());
}

void TskSkinImagesMenuPopupWindow::Hide(bool AProcessEvents) {
  TskSkinHint* Hint = ImagesMenu->SkinHint();
  if (ImagesMenu->ShowHints && Hint) Hint->HideHint();
  SetWindowPos(Handle(), 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetVisible(false);
  if (FHooked && Application) Application->OnMessage().Remove(this);
  FHooked = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  ImagesMenu->CloseMenu(AProcessEvents);
}

void TskSkinImagesMenuPopupWindow::AppMessageHook(TMsg& Msg, bool& Handled) {
  switch (Msg.message) {
  case WM_KEYDOWN:
    ProcessKey(Word(Msg.wParam));
    Msg.message = 0;
    Handled = true;
    return;
  case WM_MOUSEWHEEL:
    Msg.message = 0;
    Handled = true;
    return;
  case WM_MOVE:
  case WM_SIZE:
  case WM_ACTIVATE:
  case WM_KILLFOCUS:
  case WM_CANCELMODE:
  case WM_MOUSEACTIVATE:
  case WM_NCLBUTTONDOWN:
  case WM_NCRBUTTONDOWN:
  case WM_NCMBUTTONDOWN:
  case WM_SYSKEYDOWN:
  case WM_SYSCHAR:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_PARENTNOTIFY: Hide(false); return;
  default: return;
  }
}

// ---- Keys ----------------------------------------------------------------------------------------------

void TskSkinImagesMenuPopupWindow::ProcessKey(Word Key) {
  const int Before = MouseInItem;
  switch (Key) {
  case VK_RETURN:
  case VK_SPACE:
    if (MouseInItem != -1) ImagesMenu->SetItemIndex(MouseInItem);
    Hide(true);
    return;
  case VK_ESCAPE: Hide(false); return;
  case VK_LEFT: FindLeftItem(); break;
  case VK_UP: FindUpItem(); break;
  case VK_RIGHT: FindRightItem(); break;
  case VK_DOWN: FindDownItem(); break;
  default: return;
  }
  if (MouseInItem != Before) Invalidate();
}

int TskSkinImagesMenuPopupWindow::FirstPickable() const {
  if (Count() == 0) return -1;
  return IsHeader(0) && Count() > 1 ? 1 : 0;
}

void TskSkinImagesMenuPopupWindow::FindRightItem() {
  if (MouseInItem == -1 || MouseInItem == Count() - 1) {
    MouseInItem = FirstPickable();
    return;
  }
  for (int i = MouseInItem + 1; i < Count(); ++i)
    if (!IsHeader(i)) {
      MouseInItem = i;
      return;
    }
}

void TskSkinImagesMenuPopupWindow::FindLeftItem() {
  if (MouseInItem == -1 || MouseInItem == 0 || (MouseInItem == 1 && IsHeader(0) && Count() >= 2)) {
    MouseInItem = Count() - 1;
    return;
  }
  for (int i = MouseInItem - 1; i >= 0; --i)
    if (!IsHeader(i)) {
      MouseInItem = i;
      return;
    }
}

void TskSkinImagesMenuPopupWindow::FindDownItem() {
  if (MouseInItem == -1) {
    MouseInItem = FirstPickable();
    return;
  }
  const TRect& From = ImagesMenu->ImagesItems()->Items(MouseInItem)->ItemRect;
  for (int i = MouseInItem + 1; i < Count(); ++i) {
    const TskImagesMenuItem* Item = ImagesMenu->ImagesItems()->Items(i);
    if (!Item->Header() && Item->ItemRect.Top > From.Top && (Item->Button() || Item->ItemRect.Left == From.Left)) {
      MouseInItem = i;
      return;
    }
  }
}

void TskSkinImagesMenuPopupWindow::FindUpItem() {
  if (MouseInItem == -1) {
    MouseInItem = Count() - 1;
    return;
  }
  const TRect& From = ImagesMenu->ImagesItems()->Items(MouseInItem)->ItemRect;
  for (int i = MouseInItem - 1; i >= 0; --i) {
    const TskImagesMenuItem* Item = ImagesMenu->ImagesItems()->Items(i);
    if (!Item->Header() && Item->ItemRect.Top < From.Top && (Item->Button() || Item->ItemRect.Left == From.Left)) {
      MouseInItem = i;
      return;
    }
  }
}

// ---- Mouse ---------------------------------------------------------------------------------------------

int TskSkinImagesMenuPopupWindow::ItemAt(TPoint P) const {
  for (int i = 0; i < Count(); ++i)
    if (!IsHeader(i) && ImagesMenu->ImagesItems()->Items(i)->ItemRect.Contains(P)) return i;
  return -1;
}

void TskSkinImagesMenuPopupWindow::UpdateMouseInItem(int X, int Y) {
  MouseInItem = ItemAt({ X, Y });
  TskSkinHint* Hint = ImagesMenu->SkinHint();
  if (MouseInItem == -1 && Hint) Hint->HideHint();
  if (MouseInItem == OldMouseInItem) return;
  OldMouseInItem = MouseInItem;
  Invalidate();
  if (!ImagesMenu->ShowHints || !Hint || MouseInItem == -1) return;
  Hint->HideHint();
  const String& Text = ImagesMenu->ImagesItems()->Items(MouseInItem)->Hint();
  if (!Text.empty()) Hint->ActivateHint2(Text);
}

void TskSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  UpdateMouseInItem(X, Y);
}

void TskSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (TskSkinHint* Hint = ImagesMenu->SkinHint()) Hint->HideHint();
  FDown = true;
  FItemDown = ItemAt({ X, Y }) != -1;
  Invalidate();
}

void TskSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  const int Index = ItemAt({ X, Y });
  if (FDown && Index != -1) {
    ImagesMenu->SetItemIndex(Index);
    Hide(true);
    return;
  }
  // The release elsewhere keeps the grid open: the capture is taken again.
  FDown = FItemDown = false;
  ReleaseCapture();
  SetCapture(Handle());
  Invalidate();
}

void TskSkinImagesMenuPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
  case WM_ERASEBKGND: Message.Result = 1; return;
  case CM_MOUSELEAVE:
    if (TskSkinHint* Hint = ImagesMenu->SkinHint()) Hint->HideHint();
    MouseInItem = OldMouseInItem = -1;
    Invalidate();
    break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: {
    TCustomControl::Dispatch(Message);
    // With the capture every click arrives here: one outside the grid closes it without a pick.
    TPoint P;
    GetCursorPos(&P);
    if (Visible() && WindowFromPoint(P) != Handle()) Hide(false);
    return;
  }
  default: break;
  }
  TCustomControl::Dispatch(Message);
}

// ---- Painting ------------------------------------------------------------------------------------------

TskDataSkinButtonControl* TskSkinImagesMenuPopupWindow::ButtonRecord() const {
  if (!SkinSupport()) return nullptr;
  TskSkinData* SD = ImagesMenu->SkinData();
  int Index = SD->GetControlIndex("menuitembutton");
  if (Index < 0) Index = SD->GetControlIndex("resizebutton");
  return Index < 0 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(SD->CtrlList[size_t(Index)].get());
}

void TskSkinImagesMenuPopupWindow::DrawItemFrame(TCanvas* C, const TRect& R, bool AActive) {
  TskDataSkinButtonControl* Record = ButtonRecord();
  TBitmap* Picture = Record ? TskSkinGeometry::ModelPicture(ImagesMenu->SkinData(), Record->PictureIndex) : nullptr;
  if (!Picture) {
    C->Brush()->SetColor(CellFrame);
    C->FrameRect(R);
    C->Brush()->SetColor(AActive ? CellDown : CellHot);
    C->FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
    return;
  }
  TRect Source = AActive && !IsEmptyRect(Record->DownSkinRect) ? Record->DownSkinRect : Record->ActiveSkinRect;
  if (IsEmptyRect(Source)) Source = Record->SkinRect;
  const int W = RectWidth(R), H = RectHeight(R);
  const int dW = W - RectWidth(Record->SkinRect), dH = H - RectHeight(Record->SkinRect);
  const TRect& Cl = Record->ClRect;
  TBitmap B;
  ComposeSkinImage(Record->LTPoint, Record->RTPoint, Record->LBPoint, Record->RBPoint, Cl, Record->LTPoint,
                   { Record->RTPoint.X + dW, Record->RTPoint.Y }, { Record->LBPoint.X, Record->LBPoint.Y + dH },
                   { Record->RBPoint.X + dW, Record->RBPoint.Y + dH }, Rect(Cl.Left, Cl.Top, Cl.Right + dW, Cl.Bottom + dH),
                   &B, Picture, Source, W, H, true, Record->LeftStretch, Record->TopStretch, Record->RightStretch,
                   Record->BottomStretch, Record->StretchEffect, Record->StretchType);
  C->Draw(R.Left, R.Top, &B);
}

void TskSkinImagesMenuPopupWindow::DrawItemText(TCanvas* C, const TRect& R, const String& Text, int State) {
  TFont* F = C->Font();
  TskSkinData* SD = ImagesMenu->SkinData();
  TskDataSkinButtonControl* Record = ButtonRecord();
  if (Record && ImagesMenu->UseSkinFont) {
    F->SetName(Record->FontName);
    F->SetHeight(Record->FontHeight);
    F->SetStyle(Record->FontStyle);
  } else {
    F->Assign(ImagesMenu->DefaultFont());
  }
  F->SetCharset(SD && SD->ResourceStrData() ? SD->ResourceStrData()->CharSet() : ImagesMenu->DefaultFont()->Charset());
  if (Record) {
    TColor Normal = Record->FontColor;
    const int ItemIndex = SD->GetIndex("menuitem") >= 0 ? SD->GetIndex("menuitem") : SD->GetIndex("MENUITEM");
    if (ItemIndex >= 0)
      if (auto* Item = dynamic_cast<TskDataSkinMenuItem*>(SD->ObjectList[size_t(ItemIndex)].get())) Normal = Item->FontColor;
    F->SetColor(State == 2 ? Record->DownFontColor : State == 1 ? Record->ActiveFontColor : Normal);
  } else {
    F->SetColor(clWindowText);
  }
  C->Brush()->SetStyle(bsClear);
  TRect M = R;
  DrawText(C->Handle(), Text, M, DT_CALCRECT | DT_SINGLELINE);
  TRect T = R;
  DrawText(C->Handle(), Text, T, DT_SINGLELINE | DT_VCENTER | (RectWidth(M) <= RectWidth(R) ? DT_CENTER : DT_LEFT));
}

void TskSkinImagesMenuPopupWindow::DrawHeaderRow(TCanvas* C, const TRect& R, const String& Caption) {
  TskDataSkinLabelControl* Label = SkinSupport() ? LabelRecord(ImagesMenu->SkinData()) : nullptr;
  TBitmap* Picture = Label ? TskSkinGeometry::ModelPicture(ImagesMenu->SkinData(), Label->PictureIndex) : nullptr;
  C->Brush()->SetStyle(bsClear);
  if (!Picture) {
    C->Font()->Assign(ImagesMenu->DefaultFont());
    TRect T = R;
    DrawText(C->Handle(), Caption, T, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return;
  }
  const TRect& S = Label->SkinRect;
  TBitmap Strip;
  ComposeHorzStripImage(Label->LTPoint.X, RectWidth(S) - Label->RTPoint.X, &Strip, Picture, S, RectWidth(R),
                        RectHeight(S), Label->StretchEffect);
  TCanvas* SC = Strip.Canvas();
  SC->Brush()->SetStyle(bsClear);
  SC->Font()->SetName(Label->FontName);
  SC->Font()->SetHeight(Label->FontHeight);
  SC->Font()->SetStyle(Label->FontStyle);
  SC->Font()->SetColor(Label->FontColor);
  TRect T = Rect(Label->ClRect.Left, Label->ClRect.Top, Strip.Width() + Label->ClRect.Right - RectWidth(S), Strip.Height());
  DrawText(SC->Handle(), Caption, T, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  C->Draw(R.Left, R.Top, &Strip);
}

void TskSkinImagesMenuPopupWindow::Paint() {
  TBitmap B;
  B.SetSize(Width(), Height());
  TCanvas* C = B.Canvas();
  if (SkinSupport() && WindowPicture) {
    const TskDataSkinPopupWindow& PW = *ImagesMenu->SkinData()->PopupWindow;
    ComposePopupSkinImage(PW.LTPoint, PW.RTPoint, PW.LBPoint, PW.RBPoint, PW.ItemsRect, NewLTPoint, NewRTPoint,
                          NewLBPoint, NewRBPoint, NewItemsRect, &B, WindowPicture,
                          Rect(0, 0, WindowPicture->Width(), WindowPicture->Height()), Width(), Height(), true,
                          PW.LeftStretch, PW.TopStretch, PW.RightStretch, PW.BottomStretch, PW.StretchEffect,
                          PW.StretchType);
  } else {
    C->Pen()->SetColor(clBtnShadow);
    C->Brush()->SetColor(clWindow);
    C->Rectangle(Rect(0, 0, Width(), Height()));
  }
  const int Selected = ImagesMenu->ShowSelectedItem ? ImagesMenu->ItemIndex() : -1;
  TCustomImageList* Images = ImagesMenu->Images();
  for (int i = 0; i < Count(); ++i) {
    TskImagesMenuItem* Item = ImagesMenu->ImagesItems()->Items(i);
    const TRect& R = Item->ItemRect;
    if (Item->Header()) {
      DrawHeaderRow(C, R, Item->Caption());
      continue;
    }
    const bool Pressing = FItemDown;
    if (i == Selected && !Pressing)
      DrawItemFrame(C, R, true);
    else if (i == MouseInItem)
      DrawItemFrame(C, R, Pressing);
    bool Drawn = false;
    if (Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count()) {
      Images->Draw(C, R.Left + 5, R.Top + 5, Item->ImageIndex(), true);
      Drawn = true;
    }
    if (Item->Button() && !Item->Caption().empty()) {
      const int State = (i == Selected && !Pressing) || (i == MouseInItem && Pressing) ? 2 : i == MouseInItem ? 1 : 0;
      DrawItemText(C, Rect(R.Left + (Drawn ? Images->Width() + 5 : 0), R.Top, R.Right, R.Bottom), Item->Caption(), State);
    }
  }
  Canvas()->Draw(0, 0, &B);
}
