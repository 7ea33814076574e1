#pragma once
// A video surface that keeps its back buffer in memory, for tests of the player's pictures.
#include <memory>
#include <mutex>
#include <vector>

#include "engine/player/IVideoSurface.h"
#include "tests/engine/fixtures/MediaFixtures.h"

/// What the surfaces bound to the test's window saw; it outlives them.
class TSurfaceRecord {
public:
  TSize Client { Fixture::Width, Fixture::Height };

  bool Bound() {
    std::lock_guard Lock(FLock);
    return FBound;
  }
  TSize Mode() {
    std::lock_guard Lock(FLock);
    return FMode;
  }
  int Updates() {
    std::lock_guard Lock(FLock);
    return FUpdates;
  }
  Fixture::TRGB Pixel(int X, int Y) {
    std::lock_guard Lock(FLock);
    return PixelLocked(X, Y);
  }
  /// The frame number the picture in the back buffer shows, -1 without a picture of the clips' size.
  int ShownFrame() {
    std::lock_guard Lock(FLock);
    if (FMode != TSize { Fixture::Width, Fixture::Height }) return -1;
    return Fixture::FrameNumberOf([this](int X, int Y) { return PixelLocked(X, Y); });
  }
  /// The frame numbers of the pictures of the clips' size as the surface bound last put them on screen, a
  /// picture shown again counted once.
  std::vector<int> ShownFrames() {
    std::lock_guard Lock(FLock);
    return FShownFrames;
  }
  /// Passes a notice of the window to the bound surface's listener.
  void Notify(IVideoSurface::TNotice ANotice, TSize ASize) {
    IVideoSurface::TListener Listener;
    {
      std::lock_guard Lock(FLock);
      Listener = FListener;
    }
    if (Listener) Listener(ANotice, ASize);
  }

private:
  friend class TRecordingSurface;
  Fixture::TRGB PixelLocked(int X, int Y) const {
    const uint8_t* P = &FBits[(size_t(Y) * FMode.cx + X) * 4];
    return { P[2], P[1], P[0] };
  }

  std::mutex FLock;
  bool FBound { false };
  TSize FMode;
  std::vector<uint8_t> FBits;
  int FUpdates { 0 };
  std::vector<int> FShownFrames;
  IVideoSurface::TListener FListener;
};

/// The surface the test's binder hands out; it writes into a TSurfaceRecord.
class TRecordingSurface : public IVideoSurface {
public:
  explicit TRecordingSurface(TSurfaceRecord& ARecord) : FRecord(ARecord) {
    std::lock_guard Lock(FRecord.FLock);
    FRecord.FBound = true;
    FRecord.FMode = {};
    FRecord.FBits.clear();
    FRecord.FShownFrames.clear();
  }
  ~TRecordingSurface() override {
    std::lock_guard Lock(FRecord.FLock);
    FRecord.FBound = false;
    FRecord.FListener = nullptr;
  }

  TSize ClientSize() override { return FRecord.Client; }
  void SetMode(int AWidth, int AHeight) override {
    std::lock_guard Lock(FRecord.FLock);
    FRecord.FMode = { AWidth, AHeight };
    FRecord.FBits.assign(size_t(AWidth) * AHeight * 4, 0);
  }
  TSize Mode() override {
    std::lock_guard Lock(FRecord.FLock);
    return FRecord.FMode;
  }
  uint8_t* Lock(int& AStride) override {
    FRecord.FLock.lock();
    AStride = FRecord.FMode.cx * 4;
    return FRecord.FBits.empty() ? nullptr : FRecord.FBits.data();
  }
  void Unlock() override { FRecord.FLock.unlock(); }
  void Update(const TRect&) override {
    std::lock_guard Lock(FRecord.FLock);
    ++FRecord.FUpdates;
    if (FRecord.FMode != TSize { Fixture::Width, Fixture::Height }) return;
    const int Frame = Fixture::FrameNumberOf([this](int X, int Y) { return FRecord.PixelLocked(X, Y); });
    if (FRecord.FShownFrames.empty() || FRecord.FShownFrames.back() != Frame) FRecord.FShownFrames.push_back(Frame);
  }
  void SetListener(TListener AListener) override {
    std::lock_guard Lock(FRecord.FLock);
    FRecord.FListener = std::move(AListener);
  }

private:
  TSurfaceRecord& FRecord;
};
