#include "platform/ui/winsys/HitTester.h"

#include <algorithm>

#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

bool HitTester::Contains(const Window& W, TPoint P) {
  const TPoint O = WindowSystem::ScreenOrigin(W);
  const int X = P.X - O.X, Y = P.Y - O.Y;
  if (X < 0 || Y < 0 || X >= W.Rect.Width() || Y >= W.Rect.Height())
    return false;
  return !W.WindowRgn || W.WindowRgn->Contains(X, Y);
}

bool HitTester::InClient(const Window& W, TPoint P) {
  const TPoint O = WindowSystem::ClientScreenOrigin(W);
  return P.X >= O.X && P.Y >= O.Y && P.X < O.X + W.Client.Width() && P.Y < O.Y + W.Client.Height();
}

bool HitTester::TakesPoints(const Window& W) {
  return W.Usable() && (W.Style & WS_VISIBLE) && !(W.Style & WS_DISABLED) && !(W.ExStyle & WS_EX_TRANSPARENT);
}

Window* HitTester::TopLevelAt(TPoint P, const Window* After) {
  const auto& All = WindowSystem::Get().TopLevelWindows();
  auto It = All.begin();
  if (After)
    if (const auto Found = std::find(All.begin(), All.end(), After); Found != All.end())
      It = Found + 1;
  for (; It != All.end(); ++It) {
    Window& W = **It;
    if (W.Usable() && (W.Style & WS_VISIBLE) && !(W.Style & WS_MINIMIZE) && !(W.ExStyle & WS_EX_TRANSPARENT) &&
        Contains(W, P))
      return &W;
  }
  return nullptr;
}

Window* HitTester::DeepestIn(Window& W, TPoint P) {
  if (!InClient(W, P))
    return &W;
  for (Window* Child : W.Children)
    if (TakesPoints(*Child) && Contains(*Child, P))
      return DeepestIn(*Child, P);
  return &W;
}

Window* HitTester::Beneath(Window& W, TPoint P) {
  if (W.IsTopLevel())
    return TopLevelAt(P, &W);
  Window* Parent = W.Parent;
  const auto& Siblings = Parent->Children;
  auto It = std::find(Siblings.begin(), Siblings.end(), &W);
  if (It != Siblings.end())
    for (++It; It != Siblings.end(); ++It)
      if (TakesPoints(**It) && Contains(**It, P))
        return DeepestIn(**It, P);
  return Parent;
}
