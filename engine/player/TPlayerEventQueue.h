#pragma once
// The play thread's own queue of events: the engine's threads and the window post, the play thread waits.
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/base/Types.h"

/// Event numbers of the play thread.
enum TPlayerEventType {
  peNone = 0,
  peQuitRequest = 12,  // the window asked to quit
  peResize = 16,       // the window's client size changed (Size)
  peExpose = 17,       // the window needs its picture again
  peAllocPicture = 24, // the video decoder waits for a picture buffer
  peRefresh = 25,      // time to show the next picture or the sound display
  peQuit = 26,         // the playback ends
  peRedraw = 27,       // lay the picture out again (AspectRatio changed)
};

struct TPlayerEvent {
  TPlayerEventType Type { peNone };
  TSize Size;
};

/// A first-in first-out queue of play-thread events, safe for any number of posting threads.
class TPlayerEventQueue {
public:
  void Push(TPlayerEventType AType, TSize ASize = {});
  /// Takes the oldest event, waiting for one.
  TPlayerEvent Wait();
  /// Forgets every waiting event.
  void Clear();

private:
  std::mutex FLock;
  std::condition_variable FPosted;
  std::deque<TPlayerEvent> FEvents;
};
