// The blitter's pixel loops in every instruction set this processor runs, against the plain loops: random
// pixels, every row length up to several vectors, blocks of rows top-down and bottom-up with spare bytes
// between rows, starts at every alignment, every constant alpha, and rows that end right before memory
// that must not be touched.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/gdi/PixelRuns.h"

namespace {

constexpr uint8_t Sentinel = 0xA5;

// Pages followed by an inaccessible page, made once for the whole run: tests lay out thousands of rows.
class GuardedPages {
public:
  static constexpr size_t Bytes = 64 * 1024;

  GuardedPages() {
    const size_t Page = size_t(sysconf(_SC_PAGESIZE));
    void* Base = mmap(nullptr, Bytes + Page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    EXPECT_NE(Base, MAP_FAILED);
    FEnd = static_cast<uint8_t*>(Base) + Bytes;
    EXPECT_EQ(mprotect(FEnd, Page, PROT_NONE), 0);
  }

  /// The first byte that may not be touched; the Bytes bytes before it may.
  uint8_t* End() const { return FEnd; }

  /// One of a few areas, so that a loop's destination and sources each end at a guard of their own.
  static const GuardedPages& Area(int Index) {
    static const GuardedPages Areas[4];
    return Areas[Index];
  }

private:
  uint8_t* FEnd { nullptr };
};

// Rows of values in one guarded area: Rows rows of Count values with Pad values between them, the row
// at the highest address ending Skew values before the guard (BottomUp stores the first row highest, as
// bottom-up surfaces do). A loop reading or writing past the highest row faults; one writing between
// rows spoils the pads.
template <class T> class GuardedRows {
public:
  GuardedRows(int Area, int Count, int Rows, int Pad, int Skew, bool BottomUp) : FCount(Count), FRows(Rows), FPad(Pad) {
    const size_t Values = size_t(Rows > 0 ? Rows * (Count + Pad) - Pad : 0) + size_t(Skew);
    EXPECT_LE(Values * sizeof(T), GuardedPages::Bytes);
    T* Lowest = reinterpret_cast<T*>(GuardedPages::Area(Area).End()) - Values;
    std::memset(Lowest, Sentinel, Values * sizeof(T));
    const ptrdiff_t Stride = ptrdiff_t(Count + Pad) * ptrdiff_t(sizeof(T));
    FFirst = reinterpret_cast<uint8_t*>(Lowest) + (BottomUp && Rows > 0 ? (Rows - 1) * Stride : 0);
    FStride = BottomUp ? -Stride : Stride;
  }
  GuardedRows(const GuardedRows&) = delete;
  GuardedRows& operator=(const GuardedRows&) = delete;

  T* Row(int R) const { return reinterpret_cast<T*>(FFirst + R * FStride); }

  /// Rows * Count values, row by row.
  void Fill(const std::vector<T>& Values) {
    for (int R = 0; R < FRows; ++R) std::copy_n(Values.begin() + R * FCount, FCount, Row(R));
  }
  std::vector<T> Values() const {
    std::vector<T> V;
    for (int R = 0; R < FRows; ++R) V.insert(V.end(), Row(R), Row(R) + FCount);
    return V;
  }
  bool PadsIntact() const {
    for (int R = 0; R < FRows; ++R) {
      if (R == (FStride > 0 ? FRows - 1 : 0))
        continue;  // the highest row, followed by the guard
      const auto* Pad = reinterpret_cast<const uint8_t*>(Row(R) + FCount);
      for (size_t I = 0; I < size_t(FPad) * sizeof(T); ++I)
        if (Pad[I] != Sentinel)
          return false;
    }
    return true;
  }

  PixelRows Written() const { return { FFirst, FStride }; }
  SourceRows Read() const { return { FFirst, FStride }; }

private:
  int FCount, FRows, FPad;
  uint8_t* FFirst { nullptr };
  ptrdiff_t FStride { 0 };
};

constexpr int LongestRow = 70;  // several 8-pixel vectors and every tail length

// The shapes every loop runs: one row, and three rows bottom-up; skews put rows at every alignment.
struct Shape {
  int Rows;
  bool BottomUp;
  int Skew;
};
constexpr Shape Shapes[] = { { 1, false, 0 }, { 1, false, 3 }, { 3, true, 1 }, { 3, false, 6 } };

template <class T> std::vector<T> RandomValues(std::mt19937& Random, size_t Count) {
  std::vector<T> V(Count);
  for (T& P : V) P = T(Random());
  return V;
}

// Runs Check(Plain, Fast) for every instruction set beyond the plain one; skips the test where this
// processor has none.
template <class Fn> void ForEachFastSet(Fn&& Check) {
  const PixelRunKernels* Plain = PixelRunKernelsOf(InstructionSet::Plain);
  ASSERT_NE(Plain, nullptr);
  bool Any = false;
  for (const auto& [Set, Name] : { std::pair { InstructionSet::Sse2, "SSE2" }, std::pair { InstructionSet::Avx2, "AVX2" } })
    if (const PixelRunKernels* K = PixelRunKernelsOf(Set)) {
      SCOPED_TRACE(Name);
      Any = true;
      Check(*Plain, *K);
    }
  if (!Any)
    GTEST_SKIP() << "no instruction set beyond the plain one";
}

// Runs Loop(Kernels, Dest, Src) of a set and of the plain set on the same pixels, Src as Rows rows of
// SourceCount values of type S, and expects the same destination pixels with the pads between rows intact.
template <class S, class Fn>
void ExpectSamePixels(const PixelRunKernels& Plain, const PixelRunKernels& Fast, std::mt19937& Random, int Count,
                      int SourceCount, const Shape& Sh, Fn&& Loop) {
  const std::vector<S> Source = RandomValues<S>(Random, size_t(SourceCount) * size_t(Sh.Rows));
  const std::vector<uint32_t> Dest = RandomValues<uint32_t>(Random, size_t(Count) * size_t(Sh.Rows));
  GuardedRows<S> Src(0, SourceCount, Sh.Rows, 5, Sh.Skew, Sh.BottomUp);
  Src.Fill(Source);
  GuardedRows<uint32_t> Expected(3, Count, Sh.Rows, 2, 0, false), Actual(2, Count, Sh.Rows, 2, Sh.Skew, !Sh.BottomUp);
  Expected.Fill(Dest);
  Actual.Fill(Dest);
  Loop(Plain, Expected.Written(), Src.Read());
  Loop(Fast, Actual.Written(), Src.Read());
  ASSERT_EQ(Actual.Values(), Expected.Values()) << Count << " pixels, " << Sh.Rows << " rows, skew " << Sh.Skew;
  ASSERT_TRUE(Actual.PadsIntact()) << Count << " pixels, " << Sh.Rows << " rows";
}

}  // namespace

TEST(PixelRunsTest, FastestIsTheWidestSetThisProcessorRuns) {
  const PixelRunKernels* Widest = PixelRunKernelsOf(InstructionSet::Plain);
  for (const InstructionSet Set : { InstructionSet::Sse2, InstructionSet::Avx2 })
    if (const PixelRunKernels* K = PixelRunKernelsOf(Set))
      Widest = K;
  EXPECT_EQ(&FastestPixelRunKernels(), Widest);
}

TEST(PixelRunsTest, Expand24ReadsExactlyItsBytes) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(24);
    for (int Count = 0; Count <= LongestRow; ++Count)
      for (const Shape& Sh : Shapes)
        ExpectSamePixels<uint8_t>(Plain, Fast, Random, Count, 3 * Count, Sh, [&](const PixelRunKernels& K, PixelRows D, SourceRows S) {
          K.Expand24(D, S, Count, Sh.Rows);
        });
  });
}

TEST(PixelRunsTest, GatherFollowsEnlargingReducingAndMirroredMaps) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(7);
    for (const int SrcLength : { 1, 2, 3, 5, 7, 8, 9, 13, 16, 31, 64, 150 })
      for (int Count = 1; Count <= LongestRow; ++Count)
        for (const bool Mirrored : { false, true })
          for (const int Margin : { 0, 5 }) {
            // The map of a stretch from SrcLength pixels to Count, inside a source Margin pixels wider on
            // both sides, whose first pixel has index Base.
            const int Base = 11, Length = SrcLength + 2 * Margin;
            std::vector<int> Cols(static_cast<size_t>(Count));
            for (int I = 0; I < Count; ++I) {
              const int K = int((2 * int64_t(I) + 1) * SrcLength / (2 * Count));
              Cols[size_t(I)] = Base + Margin + (Mirrored ? SrcLength - 1 - K : K);
            }
            SCOPED_TRACE(testing::Message() << SrcLength << " -> " << Count << (Mirrored ? " mirrored" : "") << ", margin " << Margin);
            const Shape& Sh = Shapes[size_t(Count) % std::size(Shapes)];
            ExpectSamePixels<uint32_t>(Plain, Fast, Random, Count, Length, Sh, [&](const PixelRunKernels& K, PixelRows D, SourceRows S) {
              K.Gather(D, S, Count, Sh.Rows, { Cols.data(), Base, Length });
            });
            // Rows from source rows in any order, repeated or not, of a block whose first row is row 5;
            // more rows than the loops do at once.
            const int RowMap[] = { 7, 5, 7, 6, 15, 15, 14, 5, 9, 10, 11 };
            const int Rows = int(std::size(RowMap));
            ExpectSamePixels<uint32_t>(Plain, Fast, Random, Count, Length, { Rows, Mirrored, 1 }, [&](const PixelRunKernels& K, PixelRows D, SourceRows S) {
              K.Gather(D, S, Count, Rows, { Cols.data(), Base, Length, RowMap, 5 });
            });
          }
  });
}

TEST(PixelRunsTest, KeyedLeavesExactlyTheKeyedPixels) {
  constexpr uint32_t Key = 0xFF00FF;
  // A third of the pixels are the key under any alpha; some differ from it in one bit only.
  const auto WithKeys = [](std::vector<uint32_t> Pixels) {
    for (size_t I = 0; I < Pixels.size(); ++I)
      if (I % 3 == 0)
        Pixels[I] = (Pixels[I] & 0xFF000000u) | Key;
      else if (I % 5 == 0)
        Pixels[I] = (Pixels[I] & 0xFF000000u) | (Key ^ 1u << (I % 24));
    return Pixels;
  };
  ForEachFastSet([&](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(5);
    for (int Count = 0; Count <= LongestRow; ++Count)
      for (const Shape& Sh : Shapes) {
        const std::vector<uint32_t> Pixels = WithKeys(RandomValues<uint32_t>(Random, size_t(Count) * size_t(Sh.Rows)));
        // The same pixels as 24-bit ones.
        std::vector<uint8_t> Bytes;
        for (const uint32_t P : Pixels) Bytes.insert(Bytes.end(), { uint8_t(P), uint8_t(P >> 8), uint8_t(P >> 16) });
        const std::vector<uint32_t> Dest = RandomValues<uint32_t>(Random, Pixels.size());
        for (const bool From24 : { false, true }) {
          SCOPED_TRACE(From24 ? "24-bit source" : "32-bit source");
          GuardedRows<uint32_t> Src32(0, Count, Sh.Rows, 5, Sh.Skew, Sh.BottomUp);
          GuardedRows<uint8_t> Src24(1, 3 * Count, Sh.Rows, 5, Sh.Skew, Sh.BottomUp);
          Src32.Fill(Pixels);
          Src24.Fill(Bytes);
          GuardedRows<uint32_t> Expected(3, Count, Sh.Rows, 2, 0, false), Actual(2, Count, Sh.Rows, 2, Sh.Skew, !Sh.BottomUp);
          Expected.Fill(Dest);
          Actual.Fill(Dest);
          Plain.Keyed(Expected.Written(), Src32.Read(), Count, Sh.Rows, Key);
          if (From24) {
            // An opaque source shows as its opaque self: the plain 24-bit loop agrees with the 32-bit one.
            std::vector<uint32_t> Shown = Expected.Values();
            for (size_t I = 0; I < Shown.size(); ++I) Shown[I] |= (Pixels[I] & 0xFFFFFFu) != Key ? 0xFF000000u : 0;
            Expected.Fill(Dest);
            Plain.Keyed24(Expected.Written(), Src24.Read(), Count, Sh.Rows, Key);
            ASSERT_EQ(Expected.Values(), Shown) << Count << " pixels";
            Fast.Keyed24(Actual.Written(), Src24.Read(), Count, Sh.Rows, Key);
          } else {
            Fast.Keyed(Actual.Written(), Src32.Read(), Count, Sh.Rows, Key);
          }
          ASSERT_EQ(Actual.Values(), Expected.Values()) << Count << " pixels, " << Sh.Rows << " rows, skew " << Sh.Skew;
          ASSERT_TRUE(Actual.PadsIntact());
        }
      }
  });
}

TEST(PixelRunsTest, BlendMatchesForEveryConstantAlphaWithAndWithoutSourceAlpha) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(255);
    for (uint32_t Constant = 0; Constant <= 255; ++Constant)
      for (const bool SourceAlpha : { true, false })
        for (const int Count : { 0, 1, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33, LongestRow }) {
          // Random pixels, premultiplied or not (channels above alpha saturate), with fully transparent
          // and fully opaque ones among them.
          SCOPED_TRACE(testing::Message() << "constant alpha " << Constant << (SourceAlpha ? " with" : " without") << " source alpha");
          const Shape& Sh = Shapes[Constant % std::size(Shapes)];
          ExpectSamePixels<uint32_t>(Plain, Fast, Random, Count, Count, Sh, [&](const PixelRunKernels& K, PixelRows D, SourceRows S) {
            for (int R = 0; R < Sh.Rows; ++R) {
              auto* Row = const_cast<uint32_t*>(S.Row32(R));
              for (int I = 0; I < Count; I += 4) Row[I] &= I % 8 ? 0xFFFFFFFFu : 0x00FFFFFFu;
              for (int I = 2; I < Count; I += 8) Row[I] |= 0xFF000000u;
            }
            K.Blend(D, S, Count, Sh.Rows, Constant, SourceAlpha);
          });
        }
  });
}
