#pragma once
// The playback's display: the video surface's mode, picture overlays, pictures scaled into the display
// area with subtitles blended in, the sound display, and the refresh thread that paces it all.
#include "engine/player/TVideoState.h"
#include "platform/base/Types.h"

/// Gives the surface its mode: ScreenWidth x ScreenHeight when set, else the filtered picture size
/// (even), else 640 x 480. Nothing happens when the mode is that size already, unless AForce. 0, or -1
/// with "SDL: could not set video mode." logged.
int OpenVideoOutput(TVideoState& AState, bool AForce);
/// Gives the picture queue's write slot an overlay of the size the decoder waits for (play thread).
void AllocPicture(TVideoState& AState);
/// Shows the picture on screen again, or the sound display when that is on.
void DisplayFrame(TVideoState& AState);
/// Shows ASlot's picture with the due subtitle blended in; it becomes the picture on screen.
void DisplayVideoImage(TVideoState& AState, TVideoPicture& ASlot);
/// Draws the wave or the spectrum of the sound being heard.
void DisplayAudio(TVideoState& AState);
/// Fills the display area black.
void ClearDisplayArea(TVideoState& AState);
/// The refresh thread: asks the play thread for a refresh every 5 ms, or every rdftspeed ms while the
/// sound display is shown, with at most one request pending.
int RefreshThread(void* AOpaque);

/// Where a picture of APictureWidth x APictureHeight with sample aspect ASampleAspect goes in an area of
/// AAreaWidth x AAreaHeight, relative to the area: centred, with even sides, at the display aspect
/// AAspectRatio when it is above 0, the picture's own when it is 0, the area's when it is below 0.
TRect PictureRect(float AAspectRatio, int APictureWidth, int APictureHeight, AVRational ASampleAspect,
                  int AAreaWidth, int AAreaHeight);

/// The three planes of a planar YUV 4:2:0 picture.
struct TYUVPlanes {
  uint8_t* Y { nullptr };
  uint8_t* U { nullptr };
  uint8_t* V { nullptr };
  int PitchY { 0 };
  int PitchU { 0 };
  int PitchV { 0 };
};
/// Blends a palette subtitle rectangle (YUVA palette) into a picture of AWidth x AHeight, clipped to it;
/// chroma is blended per 2 x 2 block from the pixels of the block the rectangle covers.
void BlendSubtitleRect(const TYUVPlanes& APicture, const AVSubtitleRect& ARect, int AWidth, int AHeight);
