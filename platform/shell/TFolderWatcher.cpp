#include "platform/shell/TFolderWatcher.h"

#include <dirent.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <map>
#include <mutex>
#include <vector>

#include "platform/base/ScopeGuard.h"

namespace {

constexpr uint32_t NameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr uint32_t WriteEvents = IN_MODIFY | IN_CLOSE_WRITE;
constexpr uint32_t NameFilters = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

String JoinPath(const String& Folder, const String& Name) {
  return Folder == "/" ? "/" + Name : Folder + "/" + Name;
}

// The real folders (links not followed) directly inside Path; Entries counts everything found there.
std::vector<String> SubFolders(const String& Path, int* Entries = nullptr) {
  std::vector<String> folders;
  DIR* dir = opendir(Path.c_str());
  if (!dir) return folders;
  while (const dirent* entry = readdir(dir)) {
    const String name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (Entries) ++*Entries;
    const String child = JoinPath(Path, name);
    struct stat st {};
    if (entry->d_type == DT_DIR || (entry->d_type == DT_UNKNOWN && lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
      folders.push_back(child);
  }
  closedir(dir);
  return folders;
}

}  // namespace

/// What the watcher and its thread share. The thread alone touches the watch table once it runs.
struct TFolderWatcher::TState {
  ~TState() {
    if (Inotify >= 0) close(Inotify);
    if (Wake >= 0) close(Wake);
  }

  uint32_t WatchMask() const {
    return InotifyMaskOf(Filter) | IN_DELETE_SELF | (SubTree ? IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM : 0);
  }

  /// Watches Path and every real folder below it; returns whether they held anything.
  bool AddTree(const String& Path) {
    std::vector<String> pending { Path };
    int entries = 0;
    while (!pending.empty()) {
      const String folder = std::move(pending.back());
      pending.pop_back();
      const int watch = inotify_add_watch(Inotify, folder.c_str(), WatchMask() | IN_ONLYDIR | IN_DONT_FOLLOW);
      if (watch < 0) continue;  // gone meanwhile, or the system's watch limit reached
      Folders[watch] = folder;
      for (String& child : SubFolders(folder, &entries)) pending.push_back(std::move(child));
    }
    return entries > 0;
  }

  /// Drops the watches of Path and the folders below it (a folder moved out of the tree).
  void ForgetTree(const String& Path) {
    for (auto it = Folders.begin(); it != Folders.end();) {
      if (it->first != RootWatch && (it->second == Path || it->second.starts_with(Path + "/"))) {
        inotify_rm_watch(Inotify, it->first);
        it = Folders.erase(it);
      } else {
        ++it;
      }
    }
  }

  /// Keeps the watches in step with folders made, moved in or moved out. Entries inside a folder that
  /// arrived were made before its watch existed, unseen: true when there were any.
  bool FollowTree(const inotify_event& Event) {
    if (!(Event.mask & IN_ISDIR) || Event.len == 0) return false;
    const auto folder = Folders.find(Event.wd);
    if (folder == Folders.end()) return false;
    const String path = JoinPath(folder->second, Event.name);
    if (Event.mask & (IN_CREATE | IN_MOVED_TO)) return AddTree(path);
    if (Event.mask & IN_MOVED_FROM) ForgetTree(path);
    return false;
  }

  struct TDrained {
    bool Changed { false };
    bool Ended { false };
  };

  /// Reads every event waiting (one change call covers them all).
  TDrained Drain() {
    alignas(inotify_event) char buffer[16384];
    TDrained result;
    while (!result.Ended && !StopRequested()) {
      const ssize_t size = read(Inotify, buffer, sizeof buffer);
      if (size < 0 && errno == EINTR) continue;
      if (size <= 0) {
        result.Ended = size < 0 && errno != EAGAIN;
        break;
      }
      for (ssize_t offset = 0; offset < size;) {
        const auto& event = *reinterpret_cast<const inotify_event*>(buffer + offset);
        offset += ssize_t(sizeof(inotify_event) + event.len);
        if (event.wd == RootWatch && (event.mask & (IN_DELETE_SELF | IN_IGNORED))) result.Ended = true;
        else if (event.mask & IN_IGNORED) Folders.erase(event.wd);
        const bool unseen = SubTree && FollowTree(event);
        if (IsChange(event.mask, Filter) || (unseen && (Filter & NameFilters))) result.Changed = true;
      }
    }
    return result;
  }

  bool StopRequested() {
    std::lock_guard lock(Lock);
    return Stopped;
  }

  int Inotify { -1 };
  int Wake { -1 };
  int RootWatch { -1 };
  uint32_t Filter { 0 };
  bool SubTree { false };
  std::map<int, String> Folders;  // watch descriptor -> folder
  TThreadMethod OnChange;  // cleared by the thread when it ends
  std::atomic<bool> Running { false };
  std::mutex Lock;
  bool Stopped { false };  // under Lock: a change call starts only while it is false
};

/// The watching thread; it frees itself when it ends.
class TFolderWatcher::TWatchThread : public TThread {
public:
  explicit TWatchThread(std::shared_ptr<TState> State) : FState(std::move(State)) {}

protected:
  void Execute() override {
    // The change method goes with the thread, and whatever it holds with it.
    struct TEnd {
      TState& State;
      ~TEnd() {
        State.Running = false;
        State.OnChange = nullptr;
      }
    } end { *FState };
    TState& state = *FState;
    pollfd fds[2] = { { state.Inotify, POLLIN, 0 }, { state.Wake, POLLIN, 0 } };
    while (!state.StopRequested()) {
      if (poll(fds, 2, -1) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      if (fds[0].revents & (POLLERR | POLLNVAL)) break;
      if (!(fds[0].revents & POLLIN)) continue;  // the stop signal: the loop test ends it
      const TState::TDrained drained = state.Drain();
      if (drained.Ended) break;
      if (drained.Changed) {
        std::unique_lock lock(state.Lock);
        if (state.Stopped) break;
        lock.unlock();
        state.OnChange();
      }
    }
  }

private:
  std::shared_ptr<TState> FState;
};

TFolderWatcher::TFolderWatcher(const String& Directory, bool WatchSubTree, uint32_t NotifyFilter,
                               TThreadMethod OnChange)
    : FState(std::make_shared<TState>()) {
  TState& state = *FState;
  state.Filter = NotifyFilter;
  state.SubTree = WatchSubTree;
  state.OnChange = std::move(OnChange);
  state.Inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  state.Wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (state.Inotify < 0 || state.Wake < 0 || !state.OnChange) return;
  state.RootWatch = inotify_add_watch(state.Inotify, Directory.c_str(), state.WatchMask() | IN_ONLYDIR);
  if (state.RootWatch < 0) return;
  state.Folders[state.RootWatch] = Directory;
  if (WatchSubTree)
    for (const String& folder : SubFolders(Directory)) state.AddTree(folder);
  state.Running = true;  // before the thread starts, which may end at once and clear it
  auto thread = std::make_unique<TWatchThread>(FState);
  thread->SetFreeOnTerminate(true);
  ScopeGuard NotRunning([&] { state.Running = false; });
  thread->Start();
  NotRunning.Dismiss();
  thread.release();  // it deletes itself when it ends
}

TFolderWatcher::~TFolderWatcher() {
  Stop();
}

void TFolderWatcher::Stop() {
  {
    std::lock_guard lock(FState->Lock);
    FState->Stopped = true;
  }
  if (FState->Wake >= 0) {
    const uint64_t signal = 1;
    [[maybe_unused]] const ssize_t written = write(FState->Wake, &signal, sizeof signal);
  }
}

bool TFolderWatcher::Running() const {
  return FState->Running;
}

uint32_t TFolderWatcher::InotifyMaskOf(uint32_t NotifyFilter) {
  uint32_t mask = 0;
  if (NotifyFilter & NameFilters) mask |= NameEvents;
  if (NotifyFilter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY)) mask |= IN_ATTRIB;
  if (NotifyFilter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)) mask |= WriteEvents;
  return mask;
}

bool TFolderWatcher::IsChange(uint32_t EventMask, uint32_t NotifyFilter) {
  if (EventMask & IN_Q_OVERFLOW) return true;  // events were lost: something changed
  if (EventMask & NameEvents)
    return NotifyFilter & (EventMask & IN_ISDIR ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME);
  if (EventMask & IN_ATTRIB) return NotifyFilter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY);
  if (EventMask & WriteEvents) return NotifyFilter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  return false;
}
