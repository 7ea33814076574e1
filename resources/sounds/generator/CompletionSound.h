#pragma once
// The sound the converter plays when a batch has ended, made by our own code at build time.
#include <vector>

#include "platform/base/Types.h"

/// The format of the completion sound: mono 16-bit PCM.
constexpr int CompletionSoundRate = 22050;

/// The completion sound as a WAV file: two bell-like notes, a fifth apart and falling, each with a soft
/// attack and a long decay, about 1.2 s in all, peaking at about half of full scale.
std::vector<Byte> CompletionSoundWav();
