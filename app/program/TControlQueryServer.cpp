#include "app/program/TControlQueryServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "app/program/ControlQueries.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

namespace {

/// A request longer than this is cut off.
constexpr size_t MaxRequest = 4096;

/// The request line read from AConnection (without its line feed); a silent client is given up on after
/// two seconds.
String ReadRequest(int AConnection) {
  const timeval Patience { 2, 0 };
  setsockopt(AConnection, SOL_SOCKET, SO_RCVTIMEO, &Patience, sizeof Patience);
  String Request;
  char C = 0;
  while (Request.size() < MaxRequest && recv(AConnection, &C, 1, 0) == 1 && C != '\n') Request += C;
  return Request;
}

void WriteAll(int AConnection, const String& AText) {
  for (size_t Sent = 0; Sent < AText.size();) {
    const ssize_t Written = send(AConnection, AText.data() + Sent, AText.size() - Sent, MSG_NOSIGNAL);
    if (Written <= 0) return;
    Sent += size_t(Written);
  }
}

}  // namespace

TControlQueryServer::TControlQueryServer(const String& APath) : FPath(APath) {
  sockaddr_un Address {};
  Address.sun_family = AF_UNIX;
  if (APath.size() >= sizeof Address.sun_path) throw Exception("The control query socket's path is too long: " + APath);
  std::memcpy(Address.sun_path, APath.c_str(), APath.size() + 1);
  unlink(APath.c_str());
  FSocket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (FSocket < 0 || bind(FSocket, reinterpret_cast<sockaddr*>(&Address), sizeof Address) != 0 ||
      listen(FSocket, 4) != 0 || pipe2(FWake, O_CLOEXEC) != 0) {
    const String Reason = std::strerror(errno);
    if (FSocket >= 0) close(FSocket);
    throw Exception("Cannot listen for control queries on " + APath + ": " + Reason);
  }
  FListener = std::thread([this] { Listen(); });
}

TControlQueryServer::~TControlQueryServer() {
  const char Stop = 0;
  if (write(FWake[1], &Stop, 1) != 1) std::terminate();
  // A request in progress waits for this thread to answer it.
  WaitServing([this] { return FDone.load(); });
  FListener.join();
  for (int Handle : { FSocket, FWake[0], FWake[1] }) close(Handle);
  unlink(FPath.c_str());
}

void TControlQueryServer::Listen() {
  for (;;) {
    pollfd Waits[2] { { FSocket, POLLIN, 0 }, { FWake[0], POLLIN, 0 } };
    if (poll(Waits, 2, -1) < 0 && errno != EINTR) break;
    if (Waits[1].revents) break;
    if (!(Waits[0].revents & POLLIN)) continue;
    const int Connection = accept4(FSocket, nullptr, nullptr, SOCK_CLOEXEC);
    if (Connection < 0) continue;
    Serve(Connection);
    close(Connection);
  }
  FDone = true;
  WakeWaiters();
}

void TControlQueryServer::Serve(int AConnection) {
  const String Request = ReadRequest(AConnection);
  String Answer;
  try {
    Synchronize([&] { Answer = AnswerControlQuery(Request); });
  } catch (const std::exception& E) {
    Answer = String("error: ") + E.what() + "\n";
  }
  WriteAll(AConnection, Answer);
}
