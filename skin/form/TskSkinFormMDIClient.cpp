// The MDI main form's frame and the form's MDI client window: the subclass that gives the client its
// background, and the skinned scroll bars over the client while children reach outside it.
#include <algorithm>

#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMDIClient.h"

namespace {

/// The thickness the bars ask for without a skin.
constexpr int MDIScrollBarSize = 17;
/// How far a bar's button scrolls the children.
constexpr int MDIScrollStep = 10;

/// Where the visible children lie in the client: the smallest left and top, the largest right and bottom.
struct TChildExtent {
  int Left { 100000 };
  int Top { 100000 };
  int Right { -100000 };
  int Bottom { -100000 };
};

}  // namespace

// ---- The client window ----------------------------------------------------------------------------------

void TskSkinForm::SubclassMDIClient() {
  if (FForm->FormStyle() != fsMDIForm || !FForm->ClientHandle()) return;
  if (!FMDIClient) FMDIClient = std::make_unique<TskSkinMDIClient>(this);
  if (FMDIClient->Handle() == FForm->ClientHandle()) return;
  CreateMDIScrollBars();
  FMDIClient->Attach(FForm->ClientHandle());
  NudgeWidth();
}

void TskSkinForm::MDIClientResized() {
  RefitMDIChildren();
  const bool Logo = !FLogoBitMap->Empty();
  const bool MDIPicture = FSkinSupport && FSD->MDIBGPictureIndex >= 0;
  // A stretched background changes all over when the client's size does.
  if (Logo || (FSkinSupport && !MDIPicture && FSD->StretchEffect) || (MDIPicture && FSD->MDIBGStretchEffect))
    FMDIClient->Repaint();
  UpdateMDIScrollBars(true);
}

void TskSkinForm::ApplySkinToMDIClient() {
  if (FMDIHScrollBar) FMDIHScrollBar->SetSkinData(FSD);
  if (FMDIVScrollBar) FMDIVScrollBar->SetSkinData(FSD);
  if (!FMDIClient) return;
  FMDIClient->Repaint();
  RefitMDIChildren();
}

// ---- Scroll bars ------------------------------------------------------------------------------------------

void TskSkinForm::SetShowMDIScrollBars(bool Value) {
  FShowMDIScrollBars = Value;
  UpdateMDIScrollBars(true);
}

void TskSkinForm::CreateMDIScrollBars() {
  if (FMDIHScrollBar) return;
  auto Make = [this](TScrollBarKind Kind, const char* SkinName) {
    auto* Bar = new TskSkinScrollBar(this);
    Bar->SetVisible(false);
    Bar->SetKind(Kind);
    Bar->SetSkinDataName(SkinName);
    if (Kind == sbHorizontal) {
      Bar->SetDefaultHeight(MDIScrollBarSize);
      Bar->SetBothMarkerWidth(MDIScrollBarSize);
    } else {
      Bar->SetDefaultHeight(0);
      Bar->SetDefaultWidth(MDIScrollBarSize);
    }
    Bar->SetSkinData(FSD);
    Bar->SetParent(FForm);
    Bar->OnUpButtonClick = [this, Bar](TObject*) {
      Bar->SimplySetPosition(Bar->Position() + MDIScrollStep);
      SyncMDIScrollBars();
    };
    Bar->OnDownButtonClick = [this, Bar](TObject*) {
      Bar->SimplySetPosition(Bar->Position() - MDIScrollStep);
      SyncMDIScrollBars();
    };
    Bar->OnPageUp = Bar->OnPageDown = Bar->OnLastChange = [this](TObject*) { SyncMDIScrollBars(); };
    return Bar;
  };
  FMDIHScrollBar = Make(sbHorizontal, "hscrollbar");
  FMDIVScrollBar = Make(sbVertical, "vscrollbar");
}

void TskSkinForm::SyncMDIScrollBars() {
  const int DX = FOldHSrollBarPosition - FMDIHScrollBar->Position();
  const int DY = FOldVSrollBarPosition - FMDIVScrollBar->Position();
  if (DX == 0 && DY == 0) return;
  FStopCheckChildMove = true;
  for (int i = 0; i < FForm->MDIChildCount(); ++i)
    if (TCustomForm* Child = FForm->MDIChildren(i); Child->Visible())
      Child->SetBounds(Child->Left() + DX, Child->Top() + DY, Child->Width(), Child->Height());
  FStopCheckChildMove = false;
  FOldHSrollBarPosition = FMDIHScrollBar->Position();
  FOldVSrollBarPosition = FMDIVScrollBar->Position();
  UpdateMDIScrollBars(false);
}

void TskSkinForm::UpdateMDIScrollBars(bool Recalc) {
  if (!FMDIHScrollBar || !FMDIVScrollBar) return;
  if (ComponentState().Contains(csDestroying) || FForm->ComponentState().Contains(csDestroying)) return;
  // Showing or hiding a bar changes the room the other one has: one more pass lays both out again.
  if (PlaceMDIScrollBars(Recalc) && (FMDIHScrollBar->Visible() || FMDIVScrollBar->Visible()))
    PlaceMDIScrollBars(Recalc);
}

bool TskSkinForm::PlaceMDIScrollBars(bool Recalc) {
  TskSkinScrollBar* H = FMDIHScrollBar;
  TskSkinScrollBar* V = FMDIVScrollBar;
  const bool WasH = H->Visible(), WasV = V->Visible();
  const TRect Area = MDIClientArea();
  const int CW = Area.Width(), CH = Area.Height();
  bool NeedH = false, NeedV = false;
  TChildExtent E;
  if (!FMDIChildMaximized && FShowMDIScrollBars) {
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
      TCustomForm* Child = FForm->MDIChildren(i);
      if (!Child->Visible() || Child->Handle() == ChangeVisibleChildHanle) continue;
      E.Left = std::min(E.Left, Child->Left());
      E.Top = std::min(E.Top, Child->Top());
      E.Right = std::max(E.Right, Child->Left() + Child->Width());
      E.Bottom = std::max(E.Bottom, Child->Top() + Child->Height());
    }
    NeedH = E.Left < 0 || E.Right > CW;
    NeedV = E.Top < 0 || E.Bottom > CH;
    // A bar takes room from the other direction: children that fit beside one bar may not fit beside two.
    if (NeedV && !NeedH && E.Left >= 0) NeedH = E.Right > CW - V->Width();
    if (NeedH && !NeedV && E.Top >= 0) NeedV = E.Bottom > CH - H->Height();
  }
  H->SetBoth(NeedH && NeedV);
  if (NeedH) H->SetBounds(Area.Left, Area.Bottom - H->Height(), CW, H->Height());
  if (NeedV) V->SetBounds(Area.Right - V->Width(), Area.Top, V->Width(), CH - (NeedH ? H->Height() : 0));
  if (Recalc) {
    if (NeedH) {
      const int P = E.Left < 0 ? -E.Left : 0;
      const int Page = CW - (NeedV ? V->Width() : 0);
      H->SetRange(0, std::max(E.Right, CW) + P - 1, P, Page);
      H->SetLargeChange(Page);
    }
    if (NeedV) {
      const int P = E.Top < 0 ? -E.Top : 0;
      const int Page = CH - (NeedH ? H->Height() : 0);
      V->SetRange(0, std::max(E.Bottom, CH) + P - 1, P, Page);
      V->SetLargeChange(Page);
    }
    // The children now lie where these positions say; scrolling counts from here.
    FOldHSrollBarPosition = NeedH ? H->Position() : 0;
    FOldVSrollBarPosition = NeedV ? V->Position() : 0;
  }
  H->SetVisible(NeedH);
  V->SetVisible(NeedV);
  return WasH != NeedH || WasV != NeedV;
}
