#include "skin/ribbon/TskAppMenu.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinHint.h"
#include "skin/ribbon/TskAppMenuPage.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/skSkinPiece.h"
#include "skin/ribbon/skUniqueName.h"

namespace {

constexpr int MinItemWidth = 100;
/// The distance of the page area from the menu's top and from its bottom and right edges.
constexpr int PageAreaTop = 25;
constexpr int PageAreaMargin = 25;
/// The top of a list that starts with a page item.
constexpr int FirstPageItemTop = 30;
constexpr int ItemGap = 8;
constexpr int ListTop = 7;
/// Page items kept this far from the list's edges when scrolled into view.
constexpr int PageItemMargin = 30;
constexpr int ScrollBarWidth = 19;
constexpr int GripSize = 10;
/// The scroll bar leaves this much room for the size grip.
constexpr int GripRoom = 20;

}  // namespace

TskAppMenu::TskAppMenu(TComponent* AOwner) : TskSkinControl(AOwner), FItems(std::make_unique<TskAppMenuItems>(this)) {
  FControlStyle.Include(csAcceptsControls).Include(csNoDesignVisible);
  FWidth = 250;
  FHeight = 200;
  SetSkinDataName("appmenu");
}

TskAppMenu::~TskAppMenu() { FItems.reset(); }

// ---- Properties ----

void TskAppMenu::SetItems(TskAppMenuItems* Value) {
  FItems->Assign(Value);
  Repaint();
}

void TskAppMenu::SetItemWidth(int Value) {
  FItemWidth = std::max(Value, MinItemWidth);
  if (FActivePage) FActivePage->UpDateSize();
  Repaint();
}

void TskAppMenu::SetItemImageList(TCustomImageList* Value) {
  if (FItemImageList) FItemImageList->RemoveFreeNotification(this);
  FItemImageList = Value;
  if (FItemImageList) FItemImageList->FreeNotification(this);
  Repaint();
}

void TskAppMenu::SetItemPageImageList(TCustomImageList* Value) {
  if (FItemPageImageList) FItemPageImageList->RemoveFreeNotification(this);
  FItemPageImageList = Value;
  if (FItemPageImageList) FItemPageImageList->FreeNotification(this);
  Repaint();
}

void TskAppMenu::SetSkinHint(TskSkinHint* Value) {
  if (FSkinHint) FSkinHint->RemoveFreeNotification(this);
  FSkinHint = Value;
  if (FSkinHint) FSkinHint->FreeNotification(this);
}

void TskAppMenu::CreateParams(TCreateParams& Params) {
  TskSkinControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskAppMenu::Loaded() {
  TskSkinControl::Loaded();
  for (int i = 0; i < FItems->Count(); ++i)
    if (TskAppMenuPage* Page = FItems->Items(i)->Page()) {
      Page->AppMenu = this;
      Page->FreeNotification(this);
      Page->SetVisible(Page == FActivePage);
    }
}

void TskAppMenu::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == SkinData()) BeforeChangeSkinData();
  TskSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  if (AComponent == FActivePage) FActivePage = nullptr;
  if (AComponent == FItemImageList) FItemImageList = nullptr;
  if (AComponent == FItemPageImageList) FItemPageImageList = nullptr;
  if (AComponent == FScrollBar) FScrollBar = nullptr;
  if (FItems)
    for (int i = 0; i < FItems->Count(); ++i)
      if (FItems->Items(i)->FPage == AComponent) FItems->Items(i)->FPage = nullptr;
}

// ---- Skin ----

void TskAppMenu::GetSkinData() {
  TskSkinControl::GetSkinData();
  FData = FIndex == -1 ? nullptr : dynamic_cast<TskDataSkinAppMenu*>(SkinRecord());
  FDataPicture = FData ? TskSkinGeometry::ModelPicture(SkinData(), FData->PictureIndex) : nullptr;
  if (!FDataPicture) {
    BeforeChangeSkinData();
    return;
  }
  FDataBGPicture = TskSkinGeometry::ModelPicture(SkinData(), FData->BGPictureIndex);
  FDataPageBGPicture = TskSkinGeometry::ModelPicture(SkinData(), FData->BGPagePictureIndex);
}

void TskAppMenu::BeforeChangeSkinData() {
  TskSkinControl::BeforeChangeSkinData();
  FData = nullptr;
  FDataPicture = FDataBGPicture = FDataPageBGPicture = nullptr;
}

TRect TskAppMenu::GetPageBounds() {
  GetSkinData();
  const int Left = FItemWidth + (FData ? FData->PageOffset : 0);
  return Bounds(Left, PageAreaTop, FWidth - Left - PageAreaMargin, FHeight - 2 * PageAreaMargin);
}

int TskAppMenu::GetAppMenuCaptionOffset() const { return FItemWidth + (FData ? FData->CaptionLeftOffset : 0); }

bool TskAppMenu::CanDrawAppMenuCaption() const { return FData && !IsEmptyRect(FData->CaptionRect); }

void TskAppMenu::DrawAppMenuCaption(TCanvas* Cnvs, const TRect& R) {
  if (!FData || IsEmptyRect(FData->CaptionRect)) return;
  const auto Piece = CopySkinPiece(FDataPicture, FData->CaptionRect);
  Cnvs->StretchDraw(Rect(R.Left + FData->CaptionLeftOffset, FData->CaptionTopOffset, R.Right + FData->CaptionLeftOffset,
                         R.Bottom),
                    Piece.get());
}

// ---- Pages ----

TskAppMenuPage* TskAppMenu::CreatePage() {
  TCustomForm* Form = GetParentForm(this);
  auto* Page = new TskAppMenuPage(Form);
  Page->SetParent(this);
  Page->AppMenu = this;
  Page->UpDateSize();
  Page->SetName(MakeUniqueName("skAppMenuPage%d", Form));
  SetActivePage(Page);
  Repaint();
  return Page;
}

int TskAppMenu::ItemIndexOfPage(const TskAppMenuPage* Page) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->Page() == Page) return i;
  return -1;
}

void TskAppMenu::SetActivePage(TskAppMenuPage* Value) {
  TskAppMenuPage* Old = FActivePage;
  if (Old) {
    Old->Hide();
    Old->FStopScroll = true;
  }
  FActivePage = Value;
  if (Value && !ComponentState().Contains(csLoading)) {
    Value->FreeNotification(this);
    Value->Hide();
    Value->SetParent(this);
    Value->AppMenu = this;
    Value->UpDateSize();
    Value->Show();
    Value->BringToFront();
    Value->FStopScroll = !Visible();
    if (Value->CanScroll()) Value->GetScrollInfo();
    if (Value != Old && OnChangePage) OnChangePage(this);
  }
  Repaint();
}

// ---- Layout and scrolling ----

TskAppMenu::TListMetrics TskAppMenu::Metrics() const {
  TListMetrics M;
  if (FIndex == -1 || !FData) return M;
  M.PageHeight = RectHeight(FData->PageItemRect);
  M.CommandHeight = RectHeight(FData->ItemRect);
  M.Same = EqualRects(FData->PageItemRect, FData->ItemRect);
  if (!IsEmptyRect(FData->BackButtonRect)) M.Top = RectHeight(FData->BackButtonRect) + 5;
  return M;
}

void TskAppMenu::CalcItemRects() {
  FBackButtonRect = TRect();
  const TListMetrics M = Metrics();
  if (M.Top != 0) {
    const int W = RectWidth(FData->BackButtonRect), H = RectHeight(FData->BackButtonRect);
    FBackButtonRect = CanDrawAppMenuCaption() ? Rect(23, 0, 23 + W, H) : Rect(23, 3, 23 + W, H + 3);
  }
  int Y = M.Top + ListTop - FScrollOffset;
  bool First = true, AfterCommand = false;
  for (int i = 0; i < FItems->Count(); ++i) {
    TskAppMenuItem* Item = FItems->Items(i);
    if (!Item->Visible()) continue;
    if (Item->Page()) {
      if (First && !M.Same) Y = FirstPageItemTop - FScrollOffset;
      else if (AfterCommand && !M.Same) Y += ItemGap;
      Item->ItemRect = Rect(0, Y, FItemWidth, Y + M.PageHeight);
      Y += M.PageHeight + (M.Same ? 0 : ItemGap);
    } else {
      Item->ItemRect = M.Same ? Rect(0, Y, FItemWidth, Y + M.CommandHeight)
                              : Rect(ItemGap, Y, FItemWidth - ItemGap, Y + M.CommandHeight);
      Y += M.CommandHeight;
    }
    First = false;
    AfterCommand = !Item->Page();
  }
}

TskAppMenu::TScrollRange TskAppMenu::CalcScrollRange() const {
  const TListMetrics M = Metrics();
  int A = M.Top + ListTop;
  bool First = true, AfterCommand = false;
  for (int i = 0; i < FItems->Count(); ++i) {
    const TskAppMenuItem* Item = FItems->Items(i);
    if (!Item->Visible()) continue;
    if (Item->Page()) {
      if (First && !M.Same) A = FirstPageItemTop;
      else if (AfterCommand && !M.Same) A += ItemGap;
      A += M.PageHeight + (M.Same ? 0 : ItemGap);
    } else {
      A += M.CommandHeight;
    }
    First = false;
    AfterCommand = !Item->Page();
  }
  if (FItems->Count() > 0 && FItems->Items(FItems->Count() - 1)->Page()) A += PageAreaMargin;
  return { 0, A + 1, FHeight };
}

void TskAppMenu::UpdateScrollInfo() { ApplyScrollRange(CalcScrollRange()); }

void TskAppMenu::ApplyScrollRange(const TScrollRange& Range) {
  if (Range.Max > Range.Page && !FScrollBar)
    CreateScrollBar();
  else if (Range.Max <= Range.Page && FScrollBar)
    FreeScrollBar();
  if (!FScrollBar) return;
  FScrollBar->SetRange(Range.Min, Range.Max, FScrollOffset, Range.Page);
  FScrollBar->SetLargeChange(Range.Page);
}

void TskAppMenu::CreateScrollBar() {
  FScrollBar = new TskSkinScrollBar(this);
  FScrollBar->Hide();
  FScrollBar->SetParent(this);
  FScrollBar->SetDefaultHeight(0);
  FScrollBar->SetDefaultWidth(ScrollBarWidth);
  FScrollBar->SetSmallChange(28);
  FScrollBar->SetLargeChange(28);
  FScrollBar->SetSkinDataName("vscrollbar");
  FScrollBar->SetKind(sbVertical);
  FScrollBar->SetSkinData(SkinData());
  FScrollBar->OnChange = [this](TObject* Sender) { ScrollBarChange(Sender); };
  PlaceScrollBar();
  FScrollBar->Show();
  Repaint();
}

void TskAppMenu::FreeScrollBar() {
  FScrollBar->Hide();
  delete std::exchange(FScrollBar, nullptr);
  Repaint();
}

void TskAppMenu::PlaceScrollBar() {
  const int W = FScrollBar->Width();
  FScrollBar->SetBounds(FWidth - W, 0, W, SizeGripShown() ? FHeight - GripRoom : FHeight);
}

void TskAppMenu::ScrollBarChange(TObject*) {
  FScrollOffset = FScrollBar->Position();
  Repaint();
}

// Brings the item into view through the bar, whose change event moves the list: the last item to the
// end, the first to the top, any other by the least distance; page items keep their margin.
void TskAppMenu::ScrollToItem(int Index) {
  if (Index == FItems->Count() - 1) return FScrollBar->SetPosition(FScrollBar->Max());
  if (Index == 0) return FScrollBar->SetPosition(FScrollBar->Min());
  const TskAppMenuItem* Item = FItems->Items(Index);
  int Shift = 0;
  if (Item->ItemRect.Top < 0)
    Shift = Item->ItemRect.Top;
  else if (Item->ItemRect.Bottom > FHeight)
    Shift = Item->ItemRect.Bottom - FHeight;
  if (Item->Page()) {
    const int Top = Item->ItemRect.Top - Shift, Bottom = Item->ItemRect.Bottom - Shift;
    if (Top < PageItemMargin)
      Shift -= PageItemMargin - Top;
    else if (Bottom > FHeight - PageItemMargin)
      Shift += Bottom - (FHeight - PageItemMargin);
  }
  if (Shift != 0) FScrollBar->SetPosition(FScrollBar->Position() + Shift);
}

bool TskAppMenu::SizeGripShown() const {
  const TskSkinForm* Frame = Ribbon ? Ribbon->BSF : nullptr;
  return Frame && Frame->WindowState() != wsMaximized && Frame->Form() &&
         Frame->Form()->BorderStyle() != bsSingle && !Frame->RollUpState();
}

void TskAppMenu::Resized() {
  if (FActivePage) FActivePage->UpDateSize();
  if (FOldHeight != -1 && FOldHeight != FHeight) {
    const TScrollRange Range = CalcScrollRange();
    if (FScrollOffset > 0) FScrollOffset = std::max(FScrollOffset + FOldHeight - FHeight, 0);
    ApplyScrollRange(Range);
  }
  if (FScrollBar) PlaceScrollBar();
  Repaint();
  FOldHeight = FHeight;
}

// ---- Selection ----

bool TskAppMenu::Usable(int Index) const {
  const TskAppMenuItem* Item = FItems->Items(Index);
  return Item->Visible() && Item->Enabled();
}

void TskAppMenu::SetItemIndex(int Value) {
  FItemIndex = Value;
  const bool Exists = Value >= 0 && Value < FItems->Count();
  if (Exists)
    if (TskAppMenuPage* Page = FItems->Items(Value)->Page(); Page && Page != FActivePage) SetActivePage(Page);
  if (FScrollBar && Exists) ScrollToItem(Value);
  Repaint();
}

void TskAppMenu::SelectUsable(int From, int Step) {
  for (int i = From; i >= 0 && i < FItems->Count(); i += Step)
    if (Usable(i)) return SetItemIndex(i);
}

void TskAppMenu::FindNextItem() {
  if (FItemIndex == -1 || FItemIndex == FItems->Count() - 1) return;
  SelectUsable(FItemIndex + 1, 1);
}

void TskAppMenu::FindPriorItem() {
  if (FItemIndex <= 0) return;
  SelectUsable(FItemIndex - 1, -1);
}

void TskAppMenu::FindFirstItem() { SelectUsable(0, 1); }

void TskAppMenu::FindLastItem() { SelectUsable(FItems->Count() - 1, -1); }

// ---- Keys ----

void TskAppMenu::KeyOnItem(Word Key) {
  if (FItemIndex < 0 || FItemIndex >= FItems->Count()) return;
  TskAppMenuItem* Item = FItems->Items(FItemIndex);
  TskAppMenuPage* Page = Item->Page();
  if (!Page) {
    if (!Ribbon) return;
    if (Key == VK_TAB)
      FindNextItem();
    else
      Ribbon->HideAppMenu(Item);
    return;
  }
  TWinControl* First = Page->FirstActiveControl();
  if (First && First->Parent() == Page && First->Visible() && First->Enabled())
    First->SetFocus();
  else if (Key == VK_TAB)
    FindNextItem();
}

void TskAppMenu::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinControl::KeyDown(Key, Shift);
  switch (Key) {
  case VK_RETURN:
  case VK_SPACE:
  case VK_TAB: KeyOnItem(Key); break;
  case VK_NEXT: FindLastItem(); break;
  case VK_PRIOR: FindFirstItem(); break;
  case VK_LEFT:
  case VK_UP: FindPriorItem(); break;
  case VK_RIGHT:
  case VK_DOWN: FindNextItem(); break;
  default: break;
  }
}

// ---- Mouse ----

void TskAppMenu::TestActive(int X, int Y) {
  if (FItems->Count() == 0) return;
  const TPoint P { X, Y };
  FOldItemActive = FItemActive;
  FItemActive = -1;
  const bool BackHot = !IsEmptyRect(FBackButtonRect) && FBackButtonRect.Contains(P);
  if (BackHot != FBackButtonActive) {
    FBackButtonActive = BackHot;
    Repaint();
  }
  for (int i = 0; i < FItems->Count(); ++i)
    if (Usable(i) && FItems->Items(i)->ItemRect.Contains(P)) {
      FItemActive = i;
      break;
    }
  if (FItemActive == FOldItemActive) return;
  if (FOldItemActive >= 0 && FOldItemActive < FItems->Count()) FItems->Items(FOldItemActive)->Active = false;
  if (FItemActive != -1) FItems->Items(FItemActive)->Active = true;
  Repaint();
}

void TskAppMenu::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TestActive(X, Y);
  if (FItemActive != FItemIndex) SetItemIndex(FItemActive);
  if (!Focused() && CanFocus()) SetFocus();
}

void TskAppMenu::MouseMove(TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseMove(Shift, X, Y);
  TestActive(X, Y);
}

void TskAppMenu::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TestActive(X, Y);
  if (FBackButtonActive && Ribbon) return Ribbon->HideAppMenu(nullptr);
  if (FItemIndex < 0 || FItemIndex >= FItems->Count() || FItemIndex != FItemActive || !Ribbon) return;
  TskAppMenuItem* Item = FItems->Items(FItemIndex);
  if (!Item->Page()) Ribbon->HideAppMenu(Item);
}

void TskAppMenu::MouseWheel(TMessage& Message) {
  if (!Focused() || WindowFromPoint(LParamToPoint(Message.LParam)) != Handle()) return;
  if (short(HIWORD(Message.WParam)) < 0)
    FindNextItem();
  else
    FindPriorItem();
}

void TskAppMenu::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_ERASEBKGND: Message.Result = 1; return;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; return;
  case WM_NCHITTEST:
    if (SizeGripShown() &&
        PtInRectIncl(Rect(FWidth - GripSize, FHeight - GripSize, FWidth, FHeight),
                     ScreenToClient(LParamToPoint(Message.LParam)))) {
      Message.Result = HTBOTTOMRIGHT;
      return;
    }
    break;
  case WM_MOUSEWHEEL: MouseWheel(Message); return;
  default: break;
  }
  TskSkinControl::Dispatch(Message);
  switch (Message.Msg) {
  case WM_SIZE: Resized(); break;
  case WM_SETFOCUS:
  case WM_KILLFOCUS: Repaint(); break;
  case CM_MOUSELEAVE: TestActive(-1, -1); break;
  default: break;
  }
}
