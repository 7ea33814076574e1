#pragma once
// A stand-in opener for tests.
#include <vector>

#include "platform/shell/IShellOpenService.h"

/// Records every request instead of opening anything, and answers Result.
class TRecordingShellOpenService : public IShellOpenService {
public:
  struct TRequest {
    String Target;
    String WorkingDir;
    friend bool operator==(const TRequest&, const TRequest&) = default;
  };

  bool Open(const String& Target, const String& WorkingDir) override {
    Requests.push_back({ Target, WorkingDir });
    return Result;
  }

  std::vector<TRequest> Requests;
  bool Result { true };
};
