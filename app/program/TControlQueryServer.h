#pragma once
// The program's answer to scripted runs that drive it through the screen: a UNIX socket on which it says
// where its named controls lie and what its list views hold (ControlQueries.h). The program opens it only
// when the environment variable ZORVIK_CONTROL_QUERIES names the socket's path; it changes nothing in the
// program's windows.
#include <atomic>
#include <thread>

#include "platform/base/Types.h"

/// Listens on the socket at APath from a thread of its own: each connection sends one request line and
/// reads the answer up to the end of the stream. Requests are answered on the user-interface thread, one at
/// a time, whenever it serves its hand-over queue (also inside modal loops).
class TControlQueryServer {
public:
  /// Binds and listens on APath (an existing file there is replaced); raises Exception when it cannot.
  explicit TControlQueryServer(const String& APath);
  /// On the user-interface thread: stops listening, lets a request in progress finish and removes the
  /// socket file.
  ~TControlQueryServer();
  TControlQueryServer(const TControlQueryServer&) = delete;
  TControlQueryServer& operator=(const TControlQueryServer&) = delete;

private:
  void Listen();
  void Serve(int AConnection);

  String FPath;
  int FSocket { -1 };
  /// The pipe whose write end wakes the listener to end.
  int FWake[2] { -1, -1 };
  std::atomic<bool> FDone { false };
  std::thread FListener;
};
