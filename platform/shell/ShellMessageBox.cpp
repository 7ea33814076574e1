#include "platform/shell/ShellMessageBox.h"

#include <utility>

namespace {

TShellMessageBox Installed;

}  // namespace

int ShowShellMessageBox(const String& Text, const String& Caption, UINT Flags) {
  if (Installed) return Installed(Text, Caption, Flags);
  return ShowPlainMessageBox(Text, Caption, Flags);
}

TShellMessageBox SetShellMessageBox(TShellMessageBox Presenter) {
  return std::exchange(Installed, std::move(Presenter));
}
