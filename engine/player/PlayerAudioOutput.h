#pragma once
// The playback's sound: decoding, conversion to the device's signed 16-bit samples, correction against the
// master clock, and the device's callback that feeds it.
#include "engine/player/TVideoState.h"

/// Opens the sound device for the audio stream: its sample rate, one or two channels (more are mixed down
/// to two), signed 16-bit samples, 1024 samples a buffer, fed by AudioCallback. False with SDL's reason when
/// there is no device to open; the sound's format is then set as asked for, for SilentAudioThread.
bool OpenAudioDevice(TVideoState& AState, String& AError);
void CloseAudioDevice(TVideoState& AState);
/// Without a sound device: calls AudioCallback for one buffer at a time, at the pace the device would,
/// and drops what it gives, so the sound's clock, the end and the sound display run as with a device.
/// Ends once the sound queue is aborted.
int SilentAudioThread(void* AOpaque);

/// Decodes the next piece of sound into audio_buf2 and returns its size in bytes with its time in APts;
/// -1 when there is nothing to play now (paused, empty queue, aborted).
int DecodeAudioFrame(TVideoState& AState, double& APts);
/// SDL's sound callback: fills ALength bytes of AStream at the player's volume, silence while muted or
/// while nothing is decoded.
void AudioCallback(void* AOpaque, uint8_t* AStream, int ALength);
/// When the sound follows another clock, shortens or lengthens the ASize bytes in audio_buf2 by at most
/// 10 % (repeating the last sample frame) once the average drift over 20 buffers exceeds the threshold;
/// returns the new size. audio_buf2 grows when a lengthened buffer does not fit.
int SynchronizeAudio(TVideoState& AState, int ASize, double APts);
/// Keeps ABytes of output samples in the ring the sound display reads.
void UpdateSampleDisplay(TVideoState& AState, const int16_t* ASamples, int ABytes);
