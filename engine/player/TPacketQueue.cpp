#include "engine/player/TPacketQueue.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/libsdl.h"

AVPacket* FlushPacket() {
  static AVPacket Marker {};
  return &Marker;
}

void TPacketQueue::Init() {
  packets.clear();
  nb_packets = size = abort_request = 0;
  mutex = LibSDL.SDL_CreateMutex();
  cond = LibSDL.SDL_CreateCond();
}

void TPacketQueue::Flush() {
  LibSDL.SDL_LockMutex(mutex);
  for (AVPacket* Packet : packets) FreePacket(Packet);
  packets.clear();
  nb_packets = size = 0;
  LibSDL.SDL_UnlockMutex(mutex);
}

void TPacketQueue::Done() {
  if (!mutex) return;
  Flush();
  LibSDL.SDL_DestroyMutex(mutex);
  LibSDL.SDL_DestroyCond(cond);
  mutex = nullptr;
  cond = nullptr;
}

int TPacketQueue::Put(const AVPacket* APacket) {
  AVPacket* Queued = FlushPacket();
  if (APacket != FlushPacket()) {
    Queued = LibAVCodec.av_packet_alloc();
    if (!Queued) return -1;
    // A packet without data tells a decoder the input ended; a reference would give it an empty buffer.
    if (!APacket->data) {
      Queued->stream_index = APacket->stream_index;
    } else if (LibAVCodec.av_packet_ref(Queued, APacket) < 0) {
      LibAVCodec.av_packet_free(&Queued);
      return -1;
    }
  }
  LibSDL.SDL_LockMutex(mutex);
  packets.push_back(Queued);
  ++nb_packets;
  size += Queued->size + NodeSize;
  LibSDL.SDL_CondSignal(cond);
  LibSDL.SDL_UnlockMutex(mutex);
  return 0;
}

void TPacketQueue::Abort() {
  LibSDL.SDL_LockMutex(mutex);
  abort_request = 1;
  LibSDL.SDL_CondSignal(cond);
  LibSDL.SDL_UnlockMutex(mutex);
}

int TPacketQueue::Get(AVPacket*& APacket, bool ABlock) {
  int Result = 0;
  LibSDL.SDL_LockMutex(mutex);
  for (;;) {
    if (abort_request) {
      Result = -1;
      break;
    }
    if (!packets.empty()) {
      APacket = packets.front();
      packets.pop_front();
      --nb_packets;
      size -= APacket->size + NodeSize;
      Result = 1;
      break;
    }
    if (!ABlock) break;
    LibSDL.SDL_CondWait(cond, mutex);
  }
  LibSDL.SDL_UnlockMutex(mutex);
  return Result;
}

void TPacketQueue::FreePacket(AVPacket*& APacket) {
  if (APacket && APacket != FlushPacket()) LibAVCodec.av_packet_free(&APacket);
  APacket = nullptr;
}
