#pragma once
// Switching the machine off.
#include "platform/base/Types.h"

/// What a power-off request came to.
struct TPowerOffResult {
  bool Started { false };  // the request went to the system
  String Message;          // why not, when it did not
};

/// Powers the machine off without asking other programs.
class IPowerService {
public:
  virtual ~IPowerService() = default;

  virtual TPowerOffResult PowerOff() = 0;

  /// The service in use: the real one unless another was put in place.
  static IPowerService& Current();
  /// Puts Service (not owned) in place of the real one; null goes back to the real one.
  static void SetCurrent(IPowerService* Service);
};
