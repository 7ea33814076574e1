#pragma once
// A queue of demuxed packets between the player's read thread and one of its decoders.
#include <atomic>
#include <deque>

#include <SDL.h>

extern "C" {
#include <libavcodec/packet.h>
}

/// The marker packet that tells a decoder to drop what it holds (after a seek); queues pass the marker
/// itself, never a copy of it.
AVPacket* FlushPacket();

/// Packets in arrival order, with their count and size: the bytes of their data plus 72 per packet. Any
/// thread may put; one thread gets, waiting when asked to until a packet arrives or the queue is aborted.
struct TPacketQueue {
  /// Bytes counted for every queued packet on top of its data.
  static constexpr int NodeSize = 72;

  /// Empties the queue and makes its lock and condition; call once before use.
  void Init();
  /// Frees every queued packet.
  void Flush();
  /// Flush, then frees the lock and condition.
  void Done();
  /// Queues a reference to APacket's data (the marker itself for FlushPacket(); for a packet without data,
  /// the end of the input, a packet without data); APacket keeps its own.
  /// Returns 0, or -1 when no memory is left.
  int Put(const AVPacket* APacket);
  /// Wakes the getter; every later Get answers -1.
  void Abort();
  /// Takes the oldest packet into APacket: 1; 0 when empty and ABlock is false; -1 once aborted. The caller
  /// owns the packet it receives and frees it with FreePacket.
  int Get(AVPacket*& APacket, bool ABlock);
  /// Frees a packet taken with Get (the marker is left alone) and sets APacket to nullptr.
  static void FreePacket(AVPacket*& APacket);

  std::deque<AVPacket*> packets;
  std::atomic<int> nb_packets { 0 };
  std::atomic<int> size { 0 };
  std::atomic<int> abort_request { 0 };
  SDL_mutex* mutex { nullptr };
  SDL_cond* cond { nullptr };
};
