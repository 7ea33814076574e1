#include "platform/gdi/Region.h"

#include <algorithm>
#include <climits>

namespace {

using Span = std::pair<int, int>;
using Spans = std::vector<Span>;

// One band of a banded rectangle list: rectangles [Begin, End) share Top and Bottom.
struct Band {
  int Top;
  int Bottom;
  size_t Begin;
  size_t End;
};

std::vector<Band> BandsOf(const std::vector<TRect>& Rects) {
  std::vector<Band> Result;
  for (size_t I = 0; I < Rects.size();) {
    size_t J = I;
    while (J < Rects.size() && Rects[J].Top == Rects[I].Top)
      ++J;
    Result.push_back({ Rects[I].Top, Rects[I].Bottom, I, J });
    I = J;
  }
  return Result;
}

bool Apply(int Mode, bool InA, bool InB) {
  switch (Mode) {
    case RGN_AND: return InA && InB;
    case RGN_OR: return InA || InB;
    case RGN_XOR: return InA != InB;
    case RGN_DIFF: return InA && !InB;
    default: return InA;
  }
}

// The spans of one row under a boolean operation of two sorted, disjoint span lists.
Spans CombineSpans(const Spans& A, const Spans& B, int Mode) {
  std::vector<int> Xs;
  Xs.reserve(2 * (A.size() + B.size()));
  for (const Span& S : A) { Xs.push_back(S.first); Xs.push_back(S.second); }
  for (const Span& S : B) { Xs.push_back(S.first); Xs.push_back(S.second); }
  std::sort(Xs.begin(), Xs.end());
  Xs.erase(std::unique(Xs.begin(), Xs.end()), Xs.end());
  Spans Result;
  size_t IA = 0, IB = 0;
  for (size_t K = 0; K + 1 < Xs.size(); ++K) {
    const int X = Xs[K];
    while (IA < A.size() && A[IA].second <= X) ++IA;
    while (IB < B.size() && B[IB].second <= X) ++IB;
    const bool InA = IA < A.size() && A[IA].first <= X;
    const bool InB = IB < B.size() && B[IB].first <= X;
    if (!Apply(Mode, InA, InB))
      continue;
    if (!Result.empty() && Result.back().second == X)
      Result.back().second = Xs[K + 1];
    else
      Result.push_back({ X, Xs[K + 1] });
  }
  return Result;
}

// Sorts and merges overlapping or touching spans.
Spans Normalise(Spans S) {
  std::sort(S.begin(), S.end());
  Spans Result;
  for (const Span& P : S) {
    if (P.first >= P.second)
      continue;
    if (!Result.empty() && P.first <= Result.back().second)
      Result.back().second = std::max(Result.back().second, P.second);
    else
      Result.push_back(P);
  }
  return Result;
}

// Appends bands in increasing y order and joins a band to the one above when their spans match.
class BandWriter {
public:
  void Add(int Top, int Bottom, const Spans& S) {
    if (S.empty() || Top >= Bottom)
      return;
    if (FHasLast && FLastBottom == Top && FLastSpans == S) {
      for (size_t I = FLastBegin; I < FRects.size(); ++I)
        FRects[I].Bottom = Bottom;
      FLastBottom = Bottom;
      return;
    }
    FLastBegin = FRects.size();
    for (const Span& P : S)
      FRects.push_back({ P.first, Top, P.second, Bottom });
    FHasLast = true;
    FLastBottom = Bottom;
    FLastSpans = S;
  }
  std::vector<TRect> Take() { return std::move(FRects); }

private:
  std::vector<TRect> FRects;
  bool FHasLast { false };
  int FLastBottom { 0 };
  size_t FLastBegin { 0 };
  Spans FLastSpans;
};

Spans SpansOf(const std::vector<TRect>& Rects, const Band& B) {
  Spans S;
  S.reserve(B.End - B.Begin);
  for (size_t I = B.Begin; I < B.End; ++I)
    S.push_back({ Rects[I].Left, Rects[I].Right });
  return S;
}

}  // namespace

Region::Region(const TRect& R) {
  if (R.Left < R.Right && R.Top < R.Bottom)
    FRects.push_back(R);
  Recalculate();
}

Region Region::FromRects(const std::vector<TRect>& Rects) {
  std::vector<TRect> Sorted;
  Sorted.reserve(Rects.size());
  for (const TRect& R : Rects)
    if (R.Left < R.Right && R.Top < R.Bottom)
      Sorted.push_back(R);
  std::sort(Sorted.begin(), Sorted.end(), [](const TRect& A, const TRect& B) { return A.Top < B.Top; });
  std::vector<int> Ys;
  for (const TRect& R : Sorted) { Ys.push_back(R.Top); Ys.push_back(R.Bottom); }
  std::sort(Ys.begin(), Ys.end());
  Ys.erase(std::unique(Ys.begin(), Ys.end()), Ys.end());

  BandWriter Writer;
  std::vector<TRect> Active;
  size_t Next = 0;
  for (size_t K = 0; K + 1 < Ys.size(); ++K) {
    const int Y0 = Ys[K], Y1 = Ys[K + 1];
    std::erase_if(Active, [Y0](const TRect& R) { return R.Bottom <= Y0; });
    while (Next < Sorted.size() && Sorted[Next].Top <= Y0)
      Active.push_back(Sorted[Next++]);
    Spans S;
    S.reserve(Active.size());
    for (const TRect& R : Active)
      S.push_back({ R.Left, R.Right });
    Writer.Add(Y0, Y1, Normalise(std::move(S)));
  }
  Region Result;
  Result.FRects = Writer.Take();
  Result.Recalculate();
  return Result;
}

Region Region::FromRowSpans(int Top, const std::vector<std::pair<int, int>>& Spans) {
  BandWriter Writer;
  for (size_t I = 0; I < Spans.size(); ++I)
    if (Spans[I].first < Spans[I].second)
      Writer.Add(Top + int(I), Top + int(I) + 1, { Spans[I] });
  Region Result;
  Result.FRects = Writer.Take();
  Result.Recalculate();
  return Result;
}

int Region::Kind() const {
  return FRects.empty() ? NULLREGION : FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Contains(int X, int Y) const {
  // Bottoms never decrease along the banded list, so the first rectangle below Y starts Y's band.
  auto It = std::upper_bound(FRects.begin(), FRects.end(), Y,
                             [](int V, const TRect& R) { return V < R.Bottom; });
  for (; It != FRects.end() && It->Top <= Y; ++It)
    if (X >= It->Left && X < It->Right)
      return true;
  return false;
}

bool Region::Intersects(const TRect& R) const {
  if (R.Left >= R.Right || R.Top >= R.Bottom)
    return false;
  for (const TRect& Q : FRects) {
    if (Q.Top >= R.Bottom)
      break;
    if (Q.Bottom > R.Top && Q.Left < R.Right && Q.Right > R.Left)
      return true;
  }
  return false;
}

Region Region::Combine(const Region& Other, int Mode) const {
  if (Mode == RGN_COPY)
    return *this;
  const std::vector<Band> A = BandsOf(FRects), B = BandsOf(Other.FRects);
  BandWriter Writer;
  size_t IA = 0, IB = 0;
  int Y = INT_MIN;
  while (IA < A.size() || IB < B.size()) {
    int Start = INT_MAX;
    if (IA < A.size()) Start = std::min(Start, std::max(Y, A[IA].Top));
    if (IB < B.size()) Start = std::min(Start, std::max(Y, B[IB].Top));
    Y = Start;
    const bool CoverA = IA < A.size() && A[IA].Top <= Y;
    const bool CoverB = IB < B.size() && B[IB].Top <= Y;
    int End = INT_MAX;
    if (IA < A.size()) End = std::min(End, CoverA ? A[IA].Bottom : A[IA].Top);
    if (IB < B.size()) End = std::min(End, CoverB ? B[IB].Bottom : B[IB].Top);
    const Spans SA = CoverA ? SpansOf(FRects, A[IA]) : Spans{};
    const Spans SB = CoverB ? SpansOf(Other.FRects, B[IB]) : Spans{};
    Writer.Add(Y, End, CombineSpans(SA, SB, Mode));
    Y = End;
    if (IA < A.size() && A[IA].Bottom <= Y) ++IA;
    if (IB < B.size() && B[IB].Bottom <= Y) ++IB;
  }
  Region Result;
  Result.FRects = Writer.Take();
  Result.Recalculate();
  return Result;
}

Region Region::Intersect(const TRect& R) const {
  return Combine(Region(R), RGN_AND);
}

void Region::Offset(int DX, int DY) {
  for (TRect& R : FRects) {
    R.Left += DX; R.Right += DX;
    R.Top += DY; R.Bottom += DY;
  }
  Recalculate();
}

Region Region::Offsetted(int DX, int DY) const {
  Region Result = *this;
  Result.Offset(DX, DY);
  return Result;
}

void Region::Recalculate() {
  if (FRects.empty()) {
    FBounds = {};
    return;
  }
  FBounds = { INT_MAX, FRects.front().Top, INT_MIN, FRects.back().Bottom };
  for (const TRect& R : FRects) {
    FBounds.Left = std::min(FBounds.Left, R.Left);
    FBounds.Right = std::max(FBounds.Right, R.Right);
  }
}
