#pragma once
// Opening through the desktop's own opener program.
#include "platform/shell/IShellOpenService.h"

/// Hands the target to xdg-open as its one argument, never through a shell, so spaces, quotes and shell
/// syntax in a name or address stay text. The opener runs detached and is reaped; without xdg-open
/// nothing happens and nothing is reported. A relative name starting with "-" is passed as "./name" so
/// the opener cannot take it for an option.
class TXdgOpenService : public IShellOpenService {
public:
  bool Open(const String& Target, const String& WorkingDir) override;
};
