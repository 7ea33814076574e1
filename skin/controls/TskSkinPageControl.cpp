#include "skin/controls/TskSkinPageControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/controls/skCheckParentBg.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinBarControls.h"

TskSkinPageControl::TskSkinPageControl(TComponent* AOwner)
    : TPageControl(AOwner), FTempImages(std::make_unique<TImageList>(nullptr)),
      FDefaultFont(std::make_unique<TFont>()) {
  FTempImages->SetSize(1, 1);
  TCustomTabControl::SetImages(FTempImages.get());
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetColor(clBtnText);
  FDefaultFont->SetHeight(13);
  SetFont(FDefaultFont.get());
}

TskSkinPageControl::~TskSkinPageControl() { TCustomTabControl::SetImages(nullptr); }

// ---- Skin ------------------------------------------------------------------------------------------------

void TskSkinPageControl::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  if (FSD && !FSD->Empty) ChangeSkinData();
}

void TskSkinPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TPageControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) {
    FSD = nullptr;
    FIndex = -1;
  }
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FSkinUpDown) FSkinUpDown = nullptr;
}

void TskSkinPageControl::GetSkinData() {
  BGPictureIndex = -1;
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
  auto* Record = FIndex == -1 ? nullptr : dynamic_cast<TskDataSkinTabControl*>(FSD->CtrlList[FIndex].get());
  if (!Record) return;
  Picture = TskSkinGeometry::ModelPicture(FSD, Record->PictureIndex);
  SkinRect = Record->SkinRect;
  ClRect = Record->ClRect;
  TabRect = Record->TabRect;
  ActiveTabRect = Record->ActiveTabRect.IsEmpty() ? TabRect : Record->ActiveTabRect;
  FocusTabRect = Record->FocusTabRect.IsEmpty() ? Record->ActiveTabRect : Record->FocusTabRect;
  if (FocusTabRect.IsEmpty()) FocusTabRect = ActiveTabRect;
  MouseInTabRect = Record->MouseInTabRect;
  TabsBGRect = Record->TabsBGRect;
  LTPoint = Record->LTPoint;
  RTPoint = Record->RTPoint;
  LBPoint = Record->LBPoint;
  RBPoint = Record->RBPoint;
  TabLeftOffset = Record->TabLeftOffset;
  TabRightOffset = Record->TabRightOffset;
  FontName = Record->FontName;
  FontStyle = Record->FontStyle;
  FontHeight = Record->FontHeight;
  FontColor = Record->FontColor;
  ActiveFontColor = Record->ActiveFontColor;
  FocusFontColor = Record->FocusFontColor;
  MouseInFontColor = Record->MouseInFontColor;
  UpDown = Record->UpDown;
  BGPictureIndex = Record->BGPictureIndex;
  TabStretchEffect = Record->TabStretchEffect;
  ShowFocus = Record->ShowFocus;
  FocusOffsetX = Record->FocusOffsetX;
  FocusOffsetY = Record->FocusOffsetY;
  LeftStretch = Record->LeftStretch;
  TopStretch = Record->TopStretch;
  RightStretch = Record->RightStretch;
  BottomStretch = Record->BottomStretch;
  StretchEffect = Record->StretchEffect;
  StretchType = Record->StretchType;
  // The close button's mouse-over and pressed images fall back to the normal and mouse-over ones; the
  // fallback is kept here, the shared record stays as the skin wrote it.
  CloseButtonRect = Record->CloseButtonRect;
  CloseButtonActiveRect = Record->CloseButtonActiveRect.IsEmpty() ? CloseButtonRect : Record->CloseButtonActiveRect;
  CloseButtonDownRect = Record->CloseButtonDownRect.IsEmpty() ? CloseButtonActiveRect : Record->CloseButtonDownRect;
  ButtonTransparent = Record->ButtonTransparent;
  ButtonTransparentColor = Record->ButtonTransparentColor;
  TabLeftBottomActiveRect = Record->TabLeftBottomActiveRect;
  TabLeftBottomFocusRect =
      Record->TabLeftBottomFocusRect.IsEmpty() ? TabLeftBottomActiveRect : Record->TabLeftBottomFocusRect;
}

void TskSkinPageControl::SetTabSize() {
  const int H = TabHeight() > 0 ? TabHeight() : FIndex != -1 ? TabRect.Height() : FDefaultItemHeight;
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(Word(TabWidth()), Word(H)));
}

void TskSkinPageControl::GrowTempImages(int Amount) {
  if (Sided())
    FTempImages->SetHeight(std::max(FTempImages->Height() + Amount, 1));
  else
    FTempImages->SetWidth(std::max(FTempImages->Width() + Amount, 1));
  Perform(TCM_SETIMAGELIST, 0, LPARAM(FTempImages->Handle()));
  Realign();
}

void TskSkinPageControl::ChangeSkinData() {
  GetSkinData();
  if (FShowCloseButtons) {
    const int Old = FCloseSize;
    FCloseSize = FIndex == -1 || CloseButtonRect.IsEmpty() ? 14 : CloseButtonRect.Width();
    GrowTempImages(FCloseSize - Old);
  }
  const TFontCharset Charset =
      FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->Charset();
  if (FIndex == -1 || !FUseSkinFont) {
    SetFont(FDefaultFont.get());
  } else {
    Font()->SetName(FontName);
    Font()->SetHeight(FontHeight);
    Font()->SetStyle(FontStyle);
  }
  Font()->SetCharset(Charset);
  if (FIndex != -1) Font()->SetColor(FontColor);
  SetTabSize();
  SyncScroller();
  Realign();
  DestroyScroller();
  CheckScroller();
  if (ActivePage()) ActivePage()->Invalidate();
  Invalidate();
}

void TskSkinPageControl::Loaded() {
  TPageControl::Loaded();
  if (FIndex != -1) return;
  SetTabSize();
  SyncScroller();
  Realign();
}

void TskSkinPageControl::UpDateTabs() {
  SetTabSize();
  if (MultiLine()) DestroyScroller();
  Realign();
}

void TskSkinPageControl::SetDefaultItemHeight(int Value) {
  FDefaultItemHeight = Value;
  if (FIndex != -1) return;
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(Word(TabWidth()), Word(Value)));
  SyncScroller();
  Realign();
}

// ---- Options ---------------------------------------------------------------------------------------------

void TskSkinPageControl::SetTabExtededDraw(bool Value) {
  FTabExtendedDraw = Value;
  Invalidate();
}

void TskSkinPageControl::SetTabMargin(int Value) {
  if (Value < -1 || Value == FTabMargin) return;
  FTabMargin = Value;
  Repaint();
}

void TskSkinPageControl::SetTabSpacing(int Value) {
  if (Value == FTabSpacing) return;
  FTabSpacing = Value;
  Repaint();
}

void TskSkinPageControl::SetTabLayout(TskButtonLayout Value) {
  if (Value == FTabLayout) return;
  FTabLayout = Value;
  Repaint();
}

void TskSkinPageControl::SetTextInHorizontal(bool Value) {
  FTextInHorizontal = Value;
  Invalidate();
}

void TskSkinPageControl::SetTabsBGTransparent(bool Value) {
  if (FTabsBGTransparent == Value) return;
  FTabsBGTransparent = Value;
  Invalidate();
}

void TskSkinPageControl::SetTabsInCenter(bool Value) {
  if (TabWidth() == 0) return;
  FTabsInCenter = Value;
  if (Value) {
    SetTabPosition(tpTop);
    SetMultiLine(false);
    FTabsBGTransparent = true;
  }
  Invalidate();
}

void TskSkinPageControl::SetTabsOffset(int Value) {
  FTabsOffset = Value;
  if (Value > 0) {
    SetTabPosition(tpTop);
    SetMultiLine(false);
    FTabsBGTransparent = true;
  }
  Invalidate();
}

void TskSkinPageControl::SetShowCloseButtons(bool Value) {
  if (FShowCloseButtons != Value) {
    FShowCloseButtons = Value;
    GrowTempImages(Value ? FCloseSize : -FCloseSize);
  }
  Invalidate();
}

void TskSkinPageControl::SetHideBorder(bool Value) {
  FHideBorder = Value;
  Realign();
  Invalidate();
}

void TskSkinPageControl::SetTabImages(TCustomImageList* Value) {
  if (FImages) GrowTempImages(-(Sided() ? FImages->Height() : FImages->Width()));
  FImages = Value;
  if (FImages) {
    FImages->FreeNotification(this);
    GrowTempImages(Sided() ? FImages->Height() : FImages->Width());
  }
  Invalidate();
}

// ---- Geometry --------------------------------------------------------------------------------------------

int TskSkinPageControl::VisibleTabCount() const {
  int N = 0;
  for (int I = 0; I < PageCount(); ++I) N += Pages(I)->TabVisible() ? 1 : 0;
  return N;
}

TskSkinCustomTabSheet* TskSkinPageControl::SheetOfTab(int Index) const {
  for (int I = 0, Tab = 0; I < PageCount(); ++I) {
    if (!Pages(I)->TabVisible()) continue;
    if (Tab++ == Index) return dynamic_cast<TskSkinCustomTabSheet*>(Pages(I));
  }
  return nullptr;
}

int TskSkinPageControl::TabsOffsetNow() {
  if (FTabsOffset > 0) return FTabsOffset;
  if (!FTabsInCenter || TabWidth() == 0) return 0;
  return std::max(Width() / 2 - (TabWidth() * VisibleTabCount()) / 2, 0);
}

TRect TskSkinPageControl::PageArea() {
  TRect R = GetClientRect();
  Perform(TCM_ADJUSTRECT, 0, LPARAM(&R));
  return R;
}

void TskSkinPageControl::AdjustPageArea(TRect& R) {
  if (FHideBorder) {
    R = Rect(0, -2, Width(), Height());
    return;
  }
  const bool Skin = FIndex != -1;
  const int L = ClRect.Left, T = ClRect.Top;
  const int Rb = SkinRect.Width() - ClRect.Right, Bb = SkinRect.Height() - ClRect.Bottom;
  const int CW = ClientWidth(), CH = ClientHeight();
  switch (TabPosition()) {
  case tpTop:
    R = Skin ? Rect(L, R.Top - 6 + T, CW - Rb, CH - Bb) : Rect(1, R.Top - 5, CW - 1, CH - 1);
    if (FHideTabs) R.Top -= 1;
    break;
  case tpBottom:
    R = Skin ? Rect(L, R.Top - 4 + T, CW - Rb, R.Bottom + 4 - Bb) : Rect(1, 1, CW - 1, R.Bottom + 3);
    if (Skin && FHideTabs) R.Bottom += 1;
    break;
  case tpLeft:
    R = Skin ? Rect(R.Left + L - 4, R.Top - 4 + T, CW - Rb, CH - Bb) : Rect(R.Left - 3, R.Top - 5, CW - 1, CH - 1);
    if (FHideTabs) R.Left -= 1;
    break;
  case tpRight:
    R = Skin ? Rect(L, R.Top - 4 + T, R.Right - Rb + 4, CH - Bb) : Rect(R.Left - 3, R.Top - 5, R.Right + 3, CH - 1);
    if (FHideTabs) R.Right += 1;
    break;
  }
}

void TskSkinPageControl::AdjustTabRect(TRect& R) {
  switch (TabPosition()) {
  case tpTop:
    R = R.Offset(MultiLine() ? 0 : -2, -2);
    if (CenteredOrOffset()) R = R.Offset(TabsOffsetNow(), 0);
    break;
  case tpBottom:
    R = R.Offset(MultiLine() ? 0 : -2, 2);
    break;
  case tpLeft:
    R = R.Offset(-2, 0);
    break;
  case tpRight:
    R = R.Offset(2, 0);
    break;
  }
}

// ---- Messages --------------------------------------------------------------------------------------------

void TskSkinPageControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SKINPRINTNC:
    Message.Result = SKINPRINTNC_ANSWER;
    return;
  case WM_SIZE:
    GetSkinData();
    TPageControl::WndProc(Message);
    if (!MultiLine()) CheckScroller();
    return;
  case WM_ERASEBKGND:
    if (VisibleTabCount() > 0) {
      Message.Result = 1;
      return;
    }
    GetSkinData();
    if (FIndex != -1) {
      PaintPageAreaBackground(HDC(Message.WParam));
      Message.Result = 1;
      return;
    }
    break;
  case WM_CHECKPARENTBG:
    if (FTabsBGTransparent) Repaint();
    return;
  case WM_MOUSEWHEEL:
    TPageControl::WndProc(Message);
    if (FMouseWheelSupport && Focused()) WheelPages(int16_t(HIWORD(Message.WParam)));
    return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    if (CenteredOrOffset()) Invalidate();
    break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_LBUTTONDBLCLK:
    if (CenteredOrOffset())
      Message.LParam =
          MAKELPARAM(Word(GET_X_LPARAM(Message.LParam) - TabsOffsetNow()), Word(GET_Y_LPARAM(Message.LParam)));
    break;
  case CM_MOUSELEAVE:
    TPageControl::WndProc(Message);
    MouseLeft();
    return;
  }
  TPageControl::WndProc(Message);
  switch (Message.Msg) {
  case TCM_ADJUSTRECT:
    if (Message.WParam == 0 && Message.LParam) {
      GetSkinData();
      AdjustPageArea(*reinterpret_cast<TRect*>(Message.LParam));
    }
    break;
  case TCM_GETITEMRECT:
    if (Message.Result && Style() == tsTabs) AdjustTabRect(*reinterpret_cast<TRect*>(Message.LParam));
    break;
  case TCM_SETCURSEL:
    if (!ComponentState().Contains(csLoading)) Invalidate();
    break;
  case WM_HSCROLL:
    Repaint();
    break;
  }
}

void TskSkinPageControl::Change() {
  SyncScroller();
  TPageControl::Change();
  Invalidate();
  if (ActivePage()) ActivePage()->Invalidate();
}

void TskSkinPageControl::WheelPages(int Delta) {
  if (Delta == 0 || !ActivePage()) return;
  const int Step = Delta < 0 ? 1 : -1;
  for (int I = ActivePage()->PageIndex() + Step; I >= 0 && I < PageCount(); I += Step)
    if (Pages(I)->TabVisible()) {
      SetActivePage(Pages(I));
      Change();
      return;
    }
}

// ---- Hidden tabs and border ------------------------------------------------------------------------------

void TskSkinPageControl::HideTabs() {
  if (FOldTabHeight != -1 || VisibleTabCount() == 0) return;
  FHideTabs = true;
  FOldTabPosition = TabPosition();
  FOldMultiLine = MultiLine();
  if (Sided()) SetTabPosition(tpTop);
  SetMultiLine(false);
  FOldTabHeight = TabHeight();
  SetTabHeight(1);
  DestroyScroller();
  Realign();
}

void TskSkinPageControl::ShowTabs() {
  if (FOldTabHeight == -1) return;
  SetTabPosition(FOldTabPosition);
  SetMultiLine(FOldMultiLine);
  FHideTabs = false;
  SetTabHeight(FOldTabHeight);
  if (TabHeight() <= 0) SetTabSize();
  FOldTabHeight = -1;
  Realign();
  if (!MultiLine()) CheckScroller();
}

void TskSkinPageControl::HideBorderAndTabs() {
  SetTabPosition(tpTop);
  FHideTabs = true;
  FHideBorder = true;
  DestroyScroller();
  Realign();
}

void TskSkinPageControl::ShowBorderAndTabs() {
  FHideBorder = false;
  FHideTabs = false;
  ShowTabs();
  Realign();
}

// ---- Scroller --------------------------------------------------------------------------------------------

// A row of side tabs runs downward: its tabs end at their bottoms, the row at the control's height.
int TskSkinPageControl::TabEnd(int Index) {
  const TRect R = ItemRect(Index);
  return Sided() ? R.Bottom : R.Right;
}

int TskSkinPageControl::HiddenTabCount() {
  const int RowEnd = (Sided() ? Height() : Width()) - 3;
  int N = 0;
  for (int I = 0; I < TabCount(); ++I) N += TabEnd(I) > RowEnd || TabEnd(I) <= 0 ? 1 : 0;
  return N;
}

int TskSkinPageControl::TabsScrolledOffLeft() {
  int N = 0;
  for (int I = 0; I < TabCount(); ++I) N += TabEnd(I) <= 0 ? 1 : 0;
  return N;
}

void TskSkinPageControl::DestroyScroller() { delete std::exchange(FSkinUpDown, nullptr); }

void TskSkinPageControl::CheckScroller() {
  if (!HandleAllocated()) return;
  const int N = HiddenTabCount();
  if (N == 0 || MultiLine()) {
    DestroyScroller();
    return;
  }
  if (!FSkinUpDown && !FHideTabs) {
    FSkinUpDown = new TskSkinUpDown(this);
    FSkinUpDown->SetBounds(0, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
    FSkinUpDown->SetMin(0);
    FSkinUpDown->SetMax(N);
    FSkinUpDown->SetPosition(TabsScrolledOffLeft());
    FSkinUpDown->SetIncrement(1);
    FSkinUpDown->OnChange = [this](TObject* Sender) { ScrollerChange(Sender); };
    FSkinUpDown->SetSkinDataName(UpDown);
    FSkinUpDown->SetParent(this);
    FSkinUpDown->SetSkinData(FSD);
  }
  if (FSkinUpDown) {
    FSkinUpDown->SetMax(N);
    PlaceScroller();
  }
}

void TskSkinPageControl::PlaceScroller() {
  const TRect Display = PageArea();
  const int H = FSkinUpDown->Height();
  int Top;
  if (TabPosition() == tpTop)
    Top = FIndex == -1 ? 0 : std::max(Display.Top - H - ClRect.Top, 0);
  else
    Top = FIndex == -1 ? Height() - H : std::min(SkinRect.Height() + Display.Bottom - ClRect.Bottom, Height() - H);
  FSkinUpDown->SetBounds(Width() - FSkinUpDown->Width(), Top, FSkinUpDown->Width(), H);
}

void TskSkinPageControl::ScrollerChange(TObject*) {
  const int N = HiddenTabCount();
  if (N > 0) FSkinUpDown->SetMax(N);
  Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Word(FSkinUpDown->Position())), 0);
}

void TskSkinPageControl::SyncScroller() {
  if (!FSkinUpDown) return;
  FSkinUpDown->SetPosition(TabsScrolledOffLeft());
  Invalidate();
}

// ---- Mouse -----------------------------------------------------------------------------------------------

TRect TskSkinPageControl::CloseArea(TskSkinCustomTabSheet* Page, int TabIndex) {
  const TRect T = ItemRect(TabIndex);
  return Page->ButtonRect.Offset(T.Left, T.Top);
}

void TskSkinPageControl::TestActive(int X, int Y) {
  if (FHideTabs) return;
  FOldActiveTab = FActiveTab;
  FOldActiveTabIndex = FActiveTabIndex;
  FActiveTabIndex = -1;
  for (int I = 0; I < TabCount(); ++I)
    if (ItemRect(I).Contains({ X, Y })) {
      FActiveTabIndex = I;
      break;
    }
  TskSkinCustomTabSheet* Page = FActiveTabIndex == -1 ? nullptr : SheetOfTab(FActiveTabIndex);
  FActiveTab = Page ? Page->PageIndex() : -1;
  if (FActiveTabIndex != FOldActiveTabIndex) {
    if (FOldActiveTabIndex != -1 && FOldActiveTabIndex != TabIndex())
      if (TskSkinCustomTabSheet* Old = SheetOfTab(FOldActiveTabIndex)) {
        Old->ButtonMouseIn = false;
        Old->ButtonMouseDown = false;
      }
    Invalidate();
  }
  if (FShowCloseButtons && Page) {
    const bool In = CloseArea(Page, FActiveTabIndex).Contains({ X, Y });
    if (In != Page->ButtonMouseIn) {
      Page->ButtonMouseIn = In;
      if (!In) Page->ButtonMouseDown = false;
      Invalidate();
    }
  }
}

void TskSkinPageControl::MouseLeft() {
  TestActive(-1, -1);
  if (FOldActiveTabIndex != -1 && FOldActiveTabIndex != TabIndex())
    if (TskSkinCustomTabSheet* Old = SheetOfTab(FOldActiveTabIndex)) {
      Old->ButtonMouseIn = false;
      Old->ButtonMouseDown = false;
      Invalidate();
    }
}

void TskSkinPageControl::MouseMove(TShiftState Shift, int X, int Y) {
  TPageControl::MouseMove(Shift, X, Y);
  TestActive(X, Y);
}

void TskSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPageControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || FHideTabs) return;
  // Centred or offset tabs arrive here with x moved back for the native hit test.
  const int AX = X + (CenteredOrOffset() ? TabsOffsetNow() : 0);
  TestActive(AX, Y);
  if (!FShowCloseButtons || FActiveTabIndex == -1) return;
  TskSkinCustomTabSheet* Page = SheetOfTab(FActiveTabIndex);
  if (!Page) return;
  const bool In = CloseArea(Page, FActiveTabIndex).Contains({ AX, Y });
  Page->ButtonMouseIn = In;
  Page->ButtonMouseDown = In;
  Invalidate();
}

void TskSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPageControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || FHideTabs || !FShowCloseButtons) return;
  const int AX = X + (CenteredOrOffset() ? TabsOffsetNow() : 0);
  TestActive(AX, Y);
  if (FActiveTabIndex == -1) return;
  TskSkinCustomTabSheet* Page = SheetOfTab(FActiveTabIndex);
  if (!Page) return;
  const bool In = CloseArea(Page, FActiveTabIndex).Contains({ AX, Y });
  Page->ButtonMouseIn = In;
  Page->ButtonMouseDown = false;
  Invalidate();
  if (In) CloseActivePage();
}

void TskSkinPageControl::CloseActivePage() {
  auto* Page = dynamic_cast<TskSkinCustomTabSheet*>(ActivePage());
  if (!Page) return;
  bool CanClose = true;
  if (OnClose) OnClose(Page, CanClose);
  if (!CanClose) {
    Page->ButtonMouseIn = false;
    Page->ButtonMouseDown = false;
    Invalidate();
    return;
  }
  Page->SetTabVisible(false);
  if (FFreeOnClose) delete Page;
  if (OnAfterClose) OnAfterClose(this);
}

// ---- Tab sheet -------------------------------------------------------------------------------------------

TskSkinCustomTabSheet::TskSkinCustomTabSheet(TComponent* AOwner)
    : TTabSheet(AOwner), FWallPaper(std::make_unique<TBitmap>()) {
  SetAlign(alClient);
}

TskSkinCustomTabSheet::~TskSkinCustomTabSheet() { SetPageControl(nullptr); }

void TskSkinCustomTabSheet::SetWallPaper(TBitmap* Value) {
  FWallPaper->Assign(Value);
  Invalidate();
}

void TskSkinCustomTabSheet::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SKINPRINTNC:
    Message.Result = SKINPRINTNC_ANSWER;
    return;
  case WM_ERASEBKGND:
    PaintBG(HDC(Message.WParam));
    Message.Result = 1;
    return;
  }
  TTabSheet::WndProc(Message);
  if (Message.Msg != WM_SIZE) return;
  Repaint();
  // Children showing parts of a stretched skin background must follow the new size.
  auto* Control = dynamic_cast<TskSkinPageControl*>(PageControl());
  TskSkinData* Model = Control ? Control->SkinData() : nullptr;
  if (Model && !Model->Empty && Control->StretchEffect) SendCheckParentBg(this);
}
