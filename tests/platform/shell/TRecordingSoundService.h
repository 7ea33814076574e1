#pragma once
// A stand-in sound player for tests.
#include <vector>

#include "platform/shell/ISoundService.h"

/// Records the files it is asked to play instead of playing them, and answers Result.
class TRecordingSoundService : public ISoundService {
public:
  bool PlaySound(const String& FileName) override {
    Played.push_back(FileName);
    return Result;
  }

  std::vector<String> Played;
  bool Result { true };
};
