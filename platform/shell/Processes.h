#pragma once
// Process facts and starting helper programs.
#include <vector>

#include "platform/base/Types.h"

/// The id of the running process.
Cardinal GetCurrentProcessId();

/// Starts the program Args[0] (looked up on PATH) with the argument vector Args, never through a shell,
/// so no argument is ever read as a command. The child runs in a session of its own, in WorkingDir when
/// that is given, with descriptors 0 to 2 of ours and no others; a thread of ours waits for its end so it
/// leaves no zombie. Returns the child's process id, or -1 (with nothing reported) when it could not be
/// started: no such program, WorkingDir missing, no Args.
int SpawnDetached(const std::vector<String>& Args, const String& WorkingDir = String());
