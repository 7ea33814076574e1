#pragma once
// Lets a test see the refusals of file modes also when it runs as the superuser.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

/// While it lives, the calling thread is refused what file and folder modes forbid, as any other user
/// would be: the superuser's power to override them is taken from the thread's effective set and given
/// back at the end. For other users it changes nothing.
class TRespectFileModes {
public:
  TRespectFileModes() {
    syscall(SYS_capget, &FHeader, FSaved);
    __user_cap_data_struct changed[2] = { FSaved[0], FSaved[1] };
    changed[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    syscall(SYS_capset, &FHeader, changed);
  }
  ~TRespectFileModes() { syscall(SYS_capset, &FHeader, FSaved); }
  TRespectFileModes(const TRespectFileModes&) = delete;
  TRespectFileModes& operator=(const TRespectFileModes&) = delete;

private:
  __user_cap_header_struct FHeader { _LINUX_CAPABILITY_VERSION_3, 0 };
  __user_cap_data_struct FSaved[2] { };
};
