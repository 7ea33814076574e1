#include "platform/gdi/Capabilities.h"

TPlatformCapabilities& PlatformCapabilities() {
  static TPlatformCapabilities Table;
  return Table;
}
