#pragma once
// Asking the desktop to open something.
#include "platform/base/Types.h"

/// Opens folders, files, web addresses and mail addresses with the programs the user's desktop chooses.
/// Whether anything did open is not known: the result only tells whether the request was handed on.
class IShellOpenService {
public:
  virtual ~IShellOpenService() = default;

  /// Asks the desktop to open Target (a path or an address), with WorkingDir as the opener's current
  /// folder when it is not empty; false when the request could not be made.
  virtual bool Open(const String& Target, const String& WorkingDir) = 0;

  /// The service in use: the real one unless another was put in place.
  static IShellOpenService& Current();
  /// Puts Service (not owned) in place of the real one; null goes back to the real one.
  static void SetCurrent(IShellOpenService* Service);
};
