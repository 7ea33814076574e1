// The blitter's pixel loops in every instruction set this processor runs, against the plain loops: random
// pixels, every run length up to several vectors, starts at every alignment, every constant alpha, and
// runs that end right before memory that must not be touched.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "platform/gdi/PixelRuns.h"

namespace {

// Pages whose last usable byte lies right before an inaccessible page: a loop that reads or writes past
// the end of a run placed at End() faults.
class GuardedPages {
public:
  explicit GuardedPages(size_t Bytes) {
    const size_t Page = size_t(sysconf(_SC_PAGESIZE));
    FUsable = (Bytes + Page - 1) / Page * Page;
    FSize = FUsable + Page;
    void* Base = mmap(nullptr, FSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    EXPECT_NE(Base, MAP_FAILED);
    FBase = static_cast<uint8_t*>(Base);
    EXPECT_EQ(mprotect(FBase + FUsable, Page, PROT_NONE), 0);
  }
  GuardedPages(const GuardedPages&) = delete;
  GuardedPages& operator=(const GuardedPages&) = delete;
  ~GuardedPages() { munmap(FBase, FSize); }

  /// Count values of T ending Skew values before the guard, holding Values' first Count values.
  template <class T> T* Place(const std::vector<T>& Values, size_t Count, size_t Skew = 0) {
    T* P = reinterpret_cast<T*>(FBase + FUsable) - Count - Skew;
    std::copy_n(Values.begin(), Count, P);
    return P;
  }

private:
  uint8_t* FBase { nullptr };
  size_t FUsable { 0 };
  size_t FSize { 0 };
};

constexpr int LongestRun = 70;  // several 8-pixel vectors and every tail length
constexpr size_t Skews[] = { 0, 1, 3, 6 };

std::vector<uint32_t> RandomPixels(std::mt19937& Random, size_t Count) {
  std::vector<uint32_t> V(Count);
  for (uint32_t& P : V) P = Random();
  return V;
}

// Runs Check(Name, Kernels) for every instruction set beyond the plain one; skips the test where this
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
    GuardedPages SrcPages(3 * LongestRun), DestPages(4 * LongestRun);
    for (int Count = 0; Count <= LongestRun; ++Count) {
      std::vector<uint8_t> Bytes(static_cast<size_t>(3 * Count));
      for (uint8_t& B : Bytes) B = uint8_t(Random());
      std::vector<uint32_t> Expected(static_cast<size_t>(Count));
      Plain.Expand24(Expected.data(), Bytes.data(), Count);
      for (const size_t Skew : Skews) {
        uint32_t* Dest = DestPages.Place(std::vector<uint32_t>(size_t(Count)), size_t(Count), Skew);
        Fast.Expand24(Dest, SrcPages.Place(Bytes, Bytes.size(), Skew), Count);
        ASSERT_EQ(std::vector<uint32_t>(Dest, Dest + Count), Expected) << Count << " pixels, skew " << Skew;
      }
    }
  });
}

TEST(PixelRunsTest, GatherFollowsEnlargingReducingAndMirroredMaps) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(7);
    GuardedPages SrcPages(4 * 200), DestPages(4 * 200);
    const std::vector<uint32_t> Pixels = RandomPixels(Random, 200);
    for (const int SrcLength : { 1, 2, 3, 5, 7, 8, 9, 13, 16, 31, 64, 150 })
      for (int Count = 1; Count <= LongestRun; ++Count)
        for (const bool Mirrored : { false, true })
          for (const int Margin : { 0, 5 }) {
            // The map of a stretch from SrcLength pixels to Count, inside a source Margin pixels wider on
            // both sides, whose first pixel has index Base.
            const int Base = 11, Length = SrcLength + 2 * Margin;
            std::vector<int> Map(static_cast<size_t>(Count));
            for (int I = 0; I < Count; ++I) {
              const int K = int((2 * int64_t(I) + 1) * SrcLength / (2 * Count));
              Map[size_t(I)] = Base + Margin + (Mirrored ? SrcLength - 1 - K : K);
            }
            const uint32_t* Src = SrcPages.Place(Pixels, size_t(Length));
            std::vector<uint32_t> Expected(static_cast<size_t>(Count));
            Plain.Gather(Expected.data(), Src, Length, Map.data(), Base, Count);
            uint32_t* Dest = DestPages.Place(std::vector<uint32_t>(size_t(Count)), size_t(Count));
            Fast.Gather(Dest, Src, Length, Map.data(), Base, Count);
            ASSERT_EQ(std::vector<uint32_t>(Dest, Dest + Count), Expected)
                << SrcLength << " -> " << Count << (Mirrored ? " mirrored" : "") << ", margin " << Margin;
          }
  });
}

TEST(PixelRunsTest, KeyedLeavesExactlyTheKeyedPixels) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(5);
    GuardedPages SrcPages(4 * LongestRun), DestPages(4 * LongestRun);
    constexpr uint32_t Key = 0xFF00FF;
    for (int Count = 0; Count <= LongestRun; ++Count)
      for (const size_t Skew : Skews) {
        // A third of the source is the key under any alpha; some pixels differ from it in one bit only.
        std::vector<uint32_t> Src = RandomPixels(Random, size_t(Count)), Dest = RandomPixels(Random, size_t(Count));
        for (size_t I = 0; I < Src.size(); ++I)
          if (I % 3 == 0)
            Src[I] = (Src[I] & 0xFF000000u) | Key;
          else if (I % 5 == 0)
            Src[I] = (Src[I] & 0xFF000000u) | (Key ^ 1u << (I % 24));
        std::vector<uint32_t> Expected = Dest;
        Plain.Keyed(Expected.data(), Src.data(), Count, Key);
        uint32_t* D = DestPages.Place(Dest, Dest.size(), Skew);
        Fast.Keyed(D, SrcPages.Place(Src, Src.size(), Skew), Count, Key);
        ASSERT_EQ(std::vector<uint32_t>(D, D + Count), Expected) << Count << " pixels, skew " << Skew;
      }
  });
}

TEST(PixelRunsTest, BlendMatchesForEveryConstantAlphaWithAndWithoutSourceAlpha) {
  ForEachFastSet([](const PixelRunKernels& Plain, const PixelRunKernels& Fast) {
    std::mt19937 Random(255);
    GuardedPages SrcPages(4 * LongestRun), DestPages(4 * LongestRun);
    for (uint32_t Constant = 0; Constant <= 255; ++Constant)
      for (const bool SourceAlpha : { true, false })
        for (const int Count : { 0, 1, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33, LongestRun }) {
          // Random pixels, premultiplied or not (channels above alpha saturate), with fully transparent
          // and fully opaque ones among them.
          std::vector<uint32_t> Src = RandomPixels(Random, size_t(Count)), Dest = RandomPixels(Random, size_t(Count));
          for (size_t I = 0; I < Src.size(); I += 4) Src[I] &= I % 8 ? 0xFFFFFFFFu : 0x00FFFFFFu;
          for (size_t I = 2; I < Src.size(); I += 8) Src[I] |= 0xFF000000u;
          std::vector<uint32_t> Expected = Dest;
          Plain.Blend(Expected.data(), Src.data(), Count, Constant, SourceAlpha);
          const size_t Skew = Skews[Constant % std::size(Skews)];
          uint32_t* D = DestPages.Place(Dest, Dest.size(), Skew);
          Fast.Blend(D, SrcPages.Place(Src, Src.size(), Skew), Count, Constant, SourceAlpha);
          ASSERT_EQ(std::vector<uint32_t>(D, D + Count), Expected)
              << Count << " pixels, constant alpha " << Constant << (SourceAlpha ? " with" : " without") << " source alpha";
        }
  });
}
