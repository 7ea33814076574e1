#include "skin/boxctrls/skTabStops.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/base/TStrings.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"

namespace {

constexpr int MaxTabStops = 10;

}  // namespace

int DigitsToInt(const String& Text) {
  int64_t Value = 0;
  for (const char C : Text) {
    if (C < '0' || C > '9') return 0;
    Value = Value * 10 + (C - '0');
    if (Value > std::numeric_limits<int>::max()) return 0;
  }
  return int(Value);
}

void DrawTabbedItemText(TCanvas* Canvas, const String& Text, const TRect& R, TStrings* TabWidths) {
  std::vector<int> Stops;
  const int Count = std::min(TabWidths->Count(), MaxTabStops);
  for (int I = 0; I < Count; ++I) Stops.push_back(DigitsToInt(TabWidths->Strings(I)));
  int Y = R.Top + R.Height() / 2 - Canvas->TextHeight(Text) / 2;
  if (Canvas->Font()->Height() % 2 != 0) --Y;
  TabbedTextOutW(Canvas->Handle(), R.Left + 2, Y, Text, int(Stops.size()), Stops.data(), 0);
}
